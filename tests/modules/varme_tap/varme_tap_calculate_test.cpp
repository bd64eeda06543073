// The heat-loss calculation as a pure function: what it finds is in its
// result, what it has to say is in the outcome, and it leaves the inputs
// and the user alone.
#include "modules/varme_tap/varme_tap_calculate.h"

#include <gtest/gtest.h>

#include "core/strings.h"
#include "module_test_support.h"

namespace kav {
namespace {

class HeatLossCalculateTest : public test::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    in.Layer1.Product = &Glassull();
    in.Layer1.ThicknessRow = Glassull().Thicknesses[1];  // 50 mm
  }
  VarmeTapInputs in;
};

TEST_F(HeatLossCalculateTest, GivenThicknessAddsUpLossEnergyCostAndCo2) {
  in.Length = 12.0f;
  in.UninsulatedHangers = 1;
  in.Surroundings = code::Surroundings::Outdoors;
  const HeatLossResult r = CalculateHeatLoss(in);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.kind, HeatLossResult::Kind::GivenThickness);
  EXPECT_FLOAT_EQ(r.heatLoss, r.surface.heatLoss * 1.25f) << "hangers outdoors";
  EXPECT_FLOAT_EQ(r.totalLoss, r.heatLoss * 12.0f);
  EXPECT_FLOAT_EQ(r.energy, r.totalLoss * in.OperatingHours / 1000.0f);
  EXPECT_FLOAT_EQ(r.cost, in.EnergyPrice * r.energy / 100.0f);
  EXPECT_FLOAT_EQ(r.savedCo2, (r.bareEnergy - r.energy) * in.Co2Factor / 1000.0f);
  // The insulation's outer surface: π (d + 2 s) L.
  EXPECT_NEAR(r.quantity1, kPi * (0.05f + 0.1f) * 12.0f, 1e-4f);
  EXPECT_GT(r.bare.heatLoss, r.surface.heatLoss);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(HeatLossCalculateTest, ClassCriterionReportsTheLimitWithoutWritingTheInputs) {
  in.Criterion = code::Criterion::InsulationClass;
  in.MediumTemperature = 70.0f;  // 292000 degree-hours: class 4
  const VarmeTapInputs before = in;
  const HeatLossResult r = CalculateHeatLoss(in);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.insulationClass, 4);
  ASSERT_TRUE(r.classMaxHeatLoss.has_value());
  EXPECT_FLOAT_EQ(*r.classMaxHeatLoss, (1.5f * 0.05f + 0.16f) * 50.0f);
  EXPECT_NEAR(r.surface.heatLoss, *r.classMaxHeatLoss, 0.1f);
  EXPECT_EQ(in.GivenMaxHeatLoss, before.GivenMaxHeatLoss);
  EXPECT_EQ(r.kind, HeatLossResult::Kind::StandardComparison);
  EXPECT_GE(r.standardThickness, r.thickness * 1000.0f);
}

TEST_F(HeatLossCalculateTest, MessagesAreInTheOutcomeInOrderAndNothingIsShown) {
  in.Geometry = code::Geometry::InternalDuct;
  in.Width = 80.0f;  // 2 x 50 mm does not fit: a warning, results stay
  HeatLossResult r = CalculateHeatLoss(in);
  EXPECT_TRUE(r.outcome.ok);
  EXPECT_TRUE(r.outcome.Says(ids::NoRoomForInsulation));

  in.Diameter = 0.0f;
  in.Geometry = code::Geometry::Pipe;
  r = CalculateHeatLoss(in);
  EXPECT_FALSE(r.outcome.ok);
  ASSERT_EQ(r.outcome.notices.size(), 1u);
  EXPECT_EQ(r.outcome.notices[0].text, Str(ids::CalculationInputInvalid));
  EXPECT_EQ(r.outcome.notices[0].icon, Icon::Stop);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(HeatLossCalculateTest, AnUnknownCodeIsRefusedOrLeftWithNothingToShow) {
  in.Geometry = code::FromInt<code::Geometry>(9);
  EXPECT_FALSE(CalculateHeatLoss(in).outcome.ok);
  in.Geometry = code::Geometry::Pipe;
  in.Criterion = code::FromInt<code::Criterion>(7);
  const HeatLossResult r = CalculateHeatLoss(in);
  EXPECT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.kind, HeatLossResult::Kind::None);
}

}  // namespace
}  // namespace kav
