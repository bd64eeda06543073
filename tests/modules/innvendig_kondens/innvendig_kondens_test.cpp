// The internal-condensation module: the outside thickness that keeps the
// inside wall at the outlet at the dew point of the incoming air, the bare
// duct, its limits, its page, and the faults it must not repeat.
#include <gtest/gtest.h>

#include <cmath>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/surface_search.h"
#include "modules/innvendig_kondens/innvendig_kondens_calculate.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "output/page_layout.h"

namespace kav {
namespace {

class InternalCondensationTest : public test::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CInnvendigKondensModul>();
    m->Insulation.Product = &Glassull();  // 30 and 50 mm
    // Humid air at 28 °C out of a swimming hall through a cold loft.
    m->Diameter = 400.0f;
    m->Length = 15.0f;
    m->InletTemperature = 28.0f;
    m->RelativeHumidity = 60.0f;
    m->Flow = 800.0f;
    m->AmbientTemperature = -10.0f;
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }
  InternalCondensationResult Run() const { return CalculateInternalCondensation(*m); }
  std::string Result(int labelId, int column = 1) const {
    for (const auto& row : m->ResultTable.Rows()) {
      if (row[0] == Str(labelId)) return row.at(static_cast<std::size_t>(column));
    }
    return "(no row)";
  }
  std::string Input(int labelId) const {
    for (const auto& row : m->InputTable.Rows()) {
      if (row[0] == Str(labelId)) return row.at(1);
    }
    return "(no row)";
  }

  std::unique_ptr<CInnvendigKondensModul> m;
};

TEST_F(InternalCondensationTest, TheThicknessFoundPutsTheOutletWallAtTheDewPoint) {
  for (int shape = 0; shape < 2; ++shape) {
    for (int surroundings = 0; surroundings < 3; ++surroundings) {
      SCOPED_TRACE(::testing::Message() << shape << " " << surroundings);
      m->DuctShape = code::FromInt<code::DuctShape>(shape);
      m->Surroundings = code::FromInt<code::Surroundings>(surroundings);
      const InternalCondensationResult r = Run();
      ASSERT_TRUE(r.outcome.ok);
      ASSERT_TRUE(r.insulated);
      EXPECT_NEAR(r.needed.innerSurfaceTemperature, r.dewPoint, 0.1f);
      EXPECT_GT(r.needed.outletTemperature, r.needed.innerSurfaceTemperature);
      EXPECT_LT(r.needed.outletTemperature, m->InletTemperature);
      // The thicker standard insulation keeps the wall warmer.
      ASSERT_TRUE(r.Compares());
      EXPECT_GE(r.standardThickness, r.needed.thickness * 1000.0f);
      EXPECT_GT(r.standard.innerSurfaceTemperature, r.dewPoint);
      EXPECT_LT(r.standardHeatLoss, r.heatLoss);
    }
  }
}

TEST_F(InternalCondensationTest, MoreHumidAirNeedsMoreInsulation) {
  const float at60 = Run().needed.thickness;
  m->RelativeHumidity = 70.0f;
  EXPECT_GT(Run().needed.thickness, at60);
}

// The standard thickness is checked with the simple duct coefficients, the
// needed one with EN ISO 12241.
TEST_F(InternalCondensationTest, TheStandardThicknessTakesTheSimpleCoefficients) {
  m->DuctShape = code::DuctShape::Rectangular;
  m->Surroundings = code::Surroundings::Outdoors;
  m->WindSpeed = 4.0f;
  const InternalCondensationResult r = Run();
  ASSERT_TRUE(r.Compares());
  const DuctCondensationSearch search(DuctAirCaseOf(*m));
  const float s = r.standardThickness / 1000.0f;
  float ts = r.standard.surfaceTemperature;
  const DuctOutlet simple = search.At(s, ts, DuctFilm::Simple);
  // 4.2 v + 6.2 below 5 m/s, plus radiation.
  EXPECT_FLOAT_EQ(simple.outerCoefficient -
                      RadiationCoefficient(m->Insulation.Emissivity(), ts, m->AmbientTemperature),
                  4.2f * 4.0f + 6.2f);
  EXPECT_NEAR(r.standard.outerCoefficient, simple.outerCoefficient, 0.01f);
  float tsIso = ts;
  EXPECT_GT(std::fabs(search.At(s, tsIso, DuctFilm::Iso12241).outerCoefficient -
                      r.standard.outerCoefficient),
            1.0f);
}

// Hangers lengthen the duct for the cooling; the loss per metre divides by
// the duct's own length.
TEST_F(InternalCondensationTest, HangersLengthenTheCoolingNotTheMetre) {
  const float without = Run().needed.thickness;
  m->UninsulatedHangers = 1;
  const InternalCondensationResult r = Run();
  EXPECT_GT(r.needed.thickness, without);
  const DuctAirCase air = DuctAirCaseOf(*m);
  EXPECT_FLOAT_EQ(air.effectiveLength, 15.0f * 1.15f);
  EXPECT_FLOAT_EQ(r.heatLoss, air.heatCapacity * air.flow *
                                  (m->InletTemperature - r.needed.outletTemperature) / 15.0f);
}

TEST_F(InternalCondensationTest, AirThatNeverReachesItsDewPointNeedsNoInsulation) {
  m->AmbientTemperature = 25.0f;  // above the dew point: r < 1
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  const InternalCondensationResult& r = *m->LastResult;
  EXPECT_FALSE(r.insulated);
  EXPECT_EQ(Result(ids::RequiredInsulationThickness), "0.0 mm");
  EXPECT_EQ(Result(ids::InnerSurfaceTemperatureAtOutlet), "(no row)");
  EXPECT_EQ(Result(ids::CalculatedInsulationQuantity), "(no row)");
  EXPECT_EQ(m->ResultTable.Rows().size(), 6u);
  // U = 1/(1/(Pi αi) + 1/(Pi αo)) into the outlet temperature.
  const DuctAirCase air = DuctAirCaseOf(*m);
  const float pi = air.innerPerimeter;
  const float u =
      1.0f / (1.0f / (pi * r.innerCoefficient) + 1.0f / (pi * r.needed.outerCoefficient));
  EXPECT_FLOAT_EQ(r.needed.transmittance, u);
  EXPECT_EQ(m->Results().Find("inner_surface_temperature"), nullptr);
}

// Where the ratio asks for insulation but the bare duct already stays
// above the dew point, the secant steps below zero; after the fifth
// halving in a row below 0.05 mm the search ends.
TEST_F(InternalCondensationTest, StepsBelowZeroAreHalvedUntilTheThicknessIsNegligible) {
  m->Diameter = 50.0f;
  m->Length = 10.0f;
  m->InletTemperature = 25.0f;
  m->AmbientTemperature = 5.0f;
  m->RelativeHumidity = 30.0f;
  m->Flow = 100.0f;
  const DuctCondensationSearch search(DuctAirCaseOf(*m));
  ASSERT_GT(search.Ratio(), 1.0001f);
  const InternalCondensationResult r = Run();
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_TRUE(r.insulated);
  EXPECT_LT(r.needed.thickness, 2.0f * search::kMinThickness);
  EXPECT_GT(r.needed.innerSurfaceTemperature, r.dewPoint + 0.1f);
}

TEST_F(InternalCondensationTest, ThicknessBeyondTwoMetresEndsWith62513) {
  m->InletTemperature = 40.0f;
  m->AmbientTemperature = 30.0f;
  m->RelativeHumidity = 99.0f;
  m->Flow = 10.0f;
  m->Length = 100.0f;
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::ThicknessTooLarge)});
}

// Mended: an inlet at the ambient temperature from a document put 0/0 into
// the radiation of the bare duct; no flow or no length divided by zero.
TEST_F(InternalCondensationTest, InputsWithoutAnAnswerAreRefusedNeverNaN) {
  auto refusedFor = [this](int reason) {
    return Run().outcome.notices.at(0).text == FormatId(ids::CalculationNotPossible, Str(reason));
  };
  m->InletTemperature = m->AmbientTemperature;
  EXPECT_TRUE(refusedFor(ids::ReasonInletAtAmbient));
  m->InletTemperature = 28.0f;
  m->Flow = 0.0f;
  EXPECT_TRUE(refusedFor(ids::ReasonNoFlow));
  m->Flow = 800.0f;
  m->Length = 0.0f;
  EXPECT_TRUE(refusedFor(ids::ReasonDimensionNotPositive));
  m->Length = 15.0f;
  m->RelativeHumidity = 100.0f;
  EXPECT_TRUE(refusedFor(ids::ReasonHumidityRange));
  m->RelativeHumidity = 60.0f;
  m->FlowUnit = code::FromInt<code::FlowUnit>(3);
  EXPECT_TRUE(refusedFor(ids::ReasonUnknownDuctCode));
  m->FlowUnit = code::FlowUnit::CubicMetresPerHour;
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 1);
}

TEST_F(InternalCondensationTest, PageComparesAndListsTheInputs) {
  m->UninsulatedHangers = 1;
  m->UserInnerCoefficient = 1;
  m->InnerCoefficient = 8.0f;
  m->FlowUnit = code::FlowUnit::LitresPerSecond;
  m->Flow = 222.2f;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->ResultTable.ColumnCount(), 3);
  EXPECT_EQ(Result(ids::InsulationThickness, 2), "30.0 mm");
  EXPECT_EQ(Result(ids::InnerHeatTransferCoefficientShort, 1), "8.0 W/m²K");
  EXPECT_EQ(Result(ids::DewPointTemperature, 2), Result(ids::DewPointTemperature, 1));
  EXPECT_EQ(Input(ids::DuctType), Str(ids::GeometryCircularDuct));
  EXPECT_EQ(Input(ids::MediumFlowIntoSegment), "222.2 l/s");
  EXPECT_EQ(Input(ids::InnerHeatTransferCoefficientShort), "8.0");
  EXPECT_EQ(Input(ids::UninsulatedHangers), Str(ids::Yes));
  EXPECT_EQ(Input(ids::PipeDuctLength), "15.00 m");
  const ResultValues values = m->Results();
  ASSERT_NE(values.Find("standard_inner_surface_temperature"), nullptr);
  EXPECT_EQ(values.Find("insulation_quantity")->unit, "m²");
}

}  // namespace
}  // namespace kav
