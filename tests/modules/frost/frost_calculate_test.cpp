// The frost calculation on its results: a closed-form check, its edge
// cases, the physics it must respect, the conductivity it takes for each
// kind of product, and the inputs a document can hold that it must answer
// without a hang or a number that is not finite.
#include "modules/frost/frost_calculate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/strings.h"
#include "module_test_support.h"

namespace kav::test {
namespace {

class FrostCalculateTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    in.Insulation.OwnThickness = 1;
    in.Insulation.Thickness = 50.0f;
  }
  FrostResult Run() const { return CalculateFrost(in); }
  static void SetCurve(CIsoProdukt& product, float c1, float c0) {
    product.C3 = 0.0f;
    product.C2 = 0.0f;
    product.C1 = c1;
    product.C0 = c0;
  }
  static void ExpectRefused(const FrostResult& r, int reason) {
    EXPECT_FALSE(r.outcome.ok);
    ASSERT_EQ(r.outcome.notices.size(), 1u);
    EXPECT_EQ(r.outcome.notices[0].text, FormatId(ids::CalculationNotPossible, Str(reason)));
  }

  FrostInputs in;
};

// With a constant conductivity and the user's coefficient the heat balance
// is linear and the transmittance the same while cooling and freezing:
// every number follows in closed form.
TEST_F(FrostCalculateTest, AgreesWithTheClosedFormInDoublePrecision) {
  in.Surroundings = code::Surroundings::UserCoefficient;
  in.OuterCoefficient = 5.0f;
  const FrostResult r = Run();
  ASSERT_TRUE(r.outcome.ok);

  const double pi = 3.14159265358979;
  const double t0 = 20.0;
  const double ta = -20.0;
  const double d = 0.1;
  const double big = 0.2;
  const double ratio = (ta - t0) / ta;
  const double mean = (t0 - ta) * (1.0 - 1.0 / ratio) / std::log(ratio) + ta;
  const double g = std::log(big / d) / (2.0 * pi);
  const double u = 1.0 / (g / 0.036 + 1.0 / (5.0 * pi * big));
  const double water = pi * d * d / 4.0;
  const double cooling = 4182.0 * 1000.0 * water / (u * 3600.0) * std::log(ratio);
  const double full = 334000.0 * 920.0 * water / (u * 3600.0 * -ta);
  auto near = [](double expected) { return std::fabs(expected) * 2e-5; };
  EXPECT_NEAR(r.meanTemperature, mean, near(mean));  // 8.854 °C
  // The search closes the balance within 0.1 W/m; the cooling time follows
  // the heat flow it found.
  const double flow = u * (mean - ta);  // 8.53 W/m
  EXPECT_NEAR(r.heatFlow, flow, 0.1);
  EXPECT_NEAR(r.coolingTime, cooling, cooling * 0.1 / flow);  // 21.4 h
  EXPECT_NEAR(r.coolingTime * r.heatFlow, cooling * flow, near(cooling * flow));
  // Freezing does not depend on the search here.
  EXPECT_NEAR(r.fullFreezingTime, full, near(full));  // 113.4 h
  EXPECT_NEAR(r.freezingTime, full / 4.0, near(full));
  EXPECT_NEAR(r.totalTime, r.coolingTime + full / 4.0, near(full));
  EXPECT_NEAR(r.power, -u * ta, near(u * ta));  // 5.9 W/m
  EXPECT_EQ(r.coefficient, 5.0f);
}

TEST_F(FrostCalculateTest, WaterAtZeroDegreesNeedsNoCoolingTime) {
  in.StartTemperature = 0.0f;
  const FrostResult r = Run();
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.meanTemperature, 0.0f);
  EXPECT_EQ(r.coolingTime, 0.0f);
  EXPECT_EQ(r.totalTime, r.freezingTime);
  EXPECT_GT(r.freezingTime, 0.0f);
}

TEST_F(FrostCalculateTest, FreezingTimeIsProportionalToTheFreezingDegree) {
  in.FreezingDegree = 0.0f;
  const FrostResult none = Run();
  EXPECT_EQ(none.freezingTime, 0.0f);
  EXPECT_EQ(none.totalTime, none.coolingTime);
  in.FreezingDegree = 100.0f;
  const FrostResult all = Run();
  EXPECT_EQ(all.freezingTime, all.fullFreezingTime);
  for (float degree : {10.0f, 25.0f, 50.0f}) {
    in.FreezingDegree = degree;
    const FrostResult r = Run();
    EXPECT_NEAR(r.freezingTime, all.fullFreezingTime * degree / 100.0f, 1e-4f) << degree;
    EXPECT_EQ(r.coolingTime, all.coolingTime) << "the degree does not change the cooling";
    EXPECT_EQ(r.power, all.power);
  }
}

// Every surroundings and orientation: the surface lies between the air and
// the water, the balance closes, and the times and power are positive.
TEST_F(FrostCalculateTest, SurfaceBalancesBetweenWaterAndAirEverywhere) {
  in.Insulation.HasJacketing = 1;
  in.Insulation.UserJacketing = 1;
  for (int surroundings = 0; surroundings < 3; ++surroundings) {
    for (int vertical = 0; vertical < 2; ++vertical) {
      for (float diameter : {15.0f, 100.0f, 1500.0f}) {
        SCOPED_TRACE(::testing::Message() << surroundings << " " << vertical << " " << diameter);
        in.Surroundings = code::FromInt<code::Surroundings>(surroundings);
        in.Vertical = vertical;
        in.Diameter = diameter;
        const FrostResult r = Run();
        ASSERT_TRUE(r.outcome.ok);
        EXPECT_GT(r.surfaceTemperature, in.AmbientTemperature);
        EXPECT_LT(r.surfaceTemperature, r.meanTemperature);
        const float perimeter = kPi * (diameter / 1000.0f + 0.1f);
        const float given = r.coefficient * perimeter * (r.surfaceTemperature + 20.0f);
        EXPECT_NEAR(r.heatFlow, given, 0.1f);
        EXPECT_GT(r.coolingTime, 0.0f);
        EXPECT_GT(r.freezingTime, 0.0f);
        EXPECT_GT(r.power, 0.0f);
      }
    }
  }
}

TEST_F(FrostCalculateTest, ThickerInsulationProtectsLongerWithLessPower) {
  in.Surroundings = code::Surroundings::Outdoors;
  FrostResult previous;
  for (float mm : {10.0f, 30.0f, 60.0f, 120.0f}) {
    in.Insulation.Thickness = mm;
    const FrostResult r = Run();
    ASSERT_TRUE(r.outcome.ok);
    if (mm > 10.0f) {
      EXPECT_GT(r.coolingTime, previous.coolingTime) << mm;
      EXPECT_GT(r.freezingTime, previous.freezingTime) << mm;
      EXPECT_LT(r.power, previous.power) << mm;
    }
    previous = r;
  }
}

// Products of the database bring their conductivity curve; the user's own
// products are taken at 0.036 W/mK whatever their curve.
TEST_F(FrostCalculateTest, OnlyDatabaseProductsBringTheirConductivity) {
  in.Surroundings = code::Surroundings::UserCoefficient;  // no emissivity
  const FrostResult constant = Run();                     // no product: 0.036 W/mK
  in.Insulation.Source = code::Source::User;
  in.Insulation.UserProduct = &Egen();
  in.Insulation.OwnUserThickness = 1;
  in.Insulation.UserThicknessValue = 50.0f;
  SetCurve(Egen(), 0.001f, 0.08f);
  const FrostResult own = Run();
  EXPECT_EQ(own.coolingTime, constant.coolingTime);
  EXPECT_EQ(own.power, constant.power);

  SetCurve(Glassull(), 0.0002f, 0.04f);
  in.Insulation.Source = code::Source::Standard;
  in.Insulation.Product = &Glassull();
  const FrostResult standard = Run();
  // While freezing the insulation is taken at its mean, Ta/2 = −10 °C.
  const float g = LogF(0.2f / 0.1f) / (2.0f * kPi);
  const float u0 = 1.0f / (g / 0.038f + 1.0f / (5.0f * kPi * 0.2f));
  EXPECT_NEAR(standard.power, u0 * 20.0f, 1e-4f);
  EXPECT_LT(standard.coolingTime, constant.coolingTime);

  SetCurve(Hose(), 0.0002f, 0.04f);
  in.Insulation.Source = code::Source::Hose;
  in.Insulation.HoseProduct = &Hose();
  in.Insulation.OwnHoseThickness = 1;
  in.Insulation.HoseThickness = 50.0f;
  const FrostResult hose = Run();
  EXPECT_EQ(hose.power, standard.power);
}

// A layer without thickness is the bare pipe: the surface is the water's,
// and thinner and thinner insulation comes to the same answer.
TEST_F(FrostCalculateTest, LayerWithoutThicknessIsTheBarePipe) {
  in.Insulation.Thickness = 0.0f;
  const FrostResult bare = Run();
  ASSERT_TRUE(bare.outcome.ok);
  EXPECT_EQ(bare.surfaceTemperature, bare.meanTemperature);
  EXPECT_GT(bare.coolingTime, 0.0f);
  in.Insulation.Thickness = 0.01f;
  const FrostResult thin = Run();
  ASSERT_TRUE(thin.outcome.ok);
  EXPECT_NEAR(thin.coolingTime, bare.coolingTime, bare.coolingTime * 0.01f);
  EXPECT_NEAR(thin.power, bare.power, bare.power * 0.01f);

  in.Insulation.Thickness = -5.0f;
  ExpectRefused(Run(), ids::ReasonDimensionNotPositive);
}

// The dialog keeps these out, but a document can hold them; without its
// checks the calculation would divide by zero, take the logarithm of a
// ratio below 1 or search for a surface that never balances.
TEST_F(FrostCalculateTest, RefusesWhatADocumentCanHoldButTheWaterCannotDo) {
  for (float ta : {0.0f, 5.0f, 20.0f}) {
    in.AmbientTemperature = ta;
    ExpectRefused(Run(), ids::ReasonFrostAmbientNotBelowZero);
  }
  in.AmbientTemperature = -0.1f;
  EXPECT_TRUE(Run().outcome.ok);
  in.StartTemperature = -1.0f;
  ExpectRefused(Run(), ids::ReasonFrostStartBelowZero);
  in.StartTemperature = 20.0f;
  in.FreezingDegree = 101.0f;
  ExpectRefused(Run(), ids::ReasonFrostDegreeRange);
  in.FreezingDegree = 25.0f;
  in.Surroundings = code::FromInt<code::Surroundings>(3);
  ExpectRefused(Run(), ids::ReasonUnknownObjectCode);
  in.Surroundings = code::Surroundings::UserCoefficient;
  in.OuterCoefficient = -5.0f;
  ExpectRefused(Run(), ids::ReasonFrostNoHeatFlow);
  in.Surroundings = code::Surroundings::Indoors;
  in.Diameter = 0.0f;
  ExpectRefused(Run(), ids::ReasonDimensionNotPositive);
}

// A conductivity curve for which no surface temperature balances: the
// search stops at its bound and nothing that is not finite comes out.
TEST_F(FrostCalculateTest, SurfaceSearchWithoutABalanceEnds) {
  SetCurve(Glassull(), 1.0f, 0.036f);
  in.Insulation.Product = &Glassull();
  in.StartTemperature = 0.0f;
  in.Surroundings = code::Surroundings::UserCoefficient;
  const FrostResult r = Run();
  if (r.outcome.ok) {
    for (float v : {r.surfaceTemperature, r.coolingTime, r.freezingTime, r.power}) {
      EXPECT_TRUE(std::isfinite(v));
    }
  } else {
    EXPECT_TRUE(r.outcome.Says(ids::CalculationNotPossible));
  }
}

}  // namespace
}  // namespace kav::test
