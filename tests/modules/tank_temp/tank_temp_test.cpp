// The tank module as a user meets it: the page (results, the graph 10 mm
// below them, the inputs below the graph or in the next page column), the
// picture, documents that recalculate on opening, and the numbers for
// scripts.
#include <gtest/gtest.h>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

class TankTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CTankTempModul>();
    m->Insulation.Product = &Glassull();
    m->Insulation.ThicknessRow = Glassull().Thicknesses[1];  // 50 mm
    m->Liquid = &Glycol();
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }
  static std::string Cell(const CTabell& table, int labelId) {
    for (const auto& row : table.Rows()) {
      if (row[0] == Str(labelId)) return row.at(1);
    }
    return "(no row)";
  }
  // The glycol freezes after some 500 h outdoors at −25 °C.
  void Outdoors() {
    m->Surroundings = code::Surroundings::Outdoors;
    m->AmbientTemperature = -25.0f;
    m->StartTemperature = 20.0f;
    m->StorageTime = 2000.0f;
    m->Shape = code::TankShape::Sphere;
    m->Diameter = 1.0f;
  }

  std::unique_ptr<CTankTempModul> m;
};

TEST_F(TankTest, ThePageStacksResultsGraphAndInputs) {
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(PageList(CTankTempModul::kPage),
            (PageItems{&m->ResultTable, &m->InputTable, &m->TemperatureGraph}));
  const TankTempResult& r = *m->LastResult;
  EXPECT_EQ(m->ResultTable.Rows().size(), 7u);  // no freezing row
  EXPECT_EQ(Cell(m->ResultTable, ids::Volume), "125.000 m³");
  EXPECT_EQ(Cell(m->ResultTable, ids::LiquidTemperatureAfterStorage),
            FormatValue(ids::FmtCelsius1, r.endTemperature));
  EXPECT_EQ(Cell(m->ResultTable, ids::HeatLossAtStart),
            FormatValue(ids::FmtWatt0, r.startHeatLoss));
  EXPECT_EQ(Cell(m->ResultTable, ids::FreezingPointReachedAfter), "(no row)");

  EXPECT_NEAR(DeviceToMmX(m->TemperatureGraph.Rect.left), 20.0f, 0.3f);
  EXPECT_NEAR(DeviceToMmY(m->TemperatureGraph.Rect.top), BottomMm(m->ResultTable) + 10.0f, 0.3f);
  const CKurve& curve = m->TemperatureGraph.Curve(0);
  ASSERT_EQ(curve.PointCount(), 10);
  EXPECT_EQ(curve.XValues().back(), 500.0f);
  EXPECT_EQ(curve.GetColour(), kKeyBlue);
  EXPECT_EQ(m->TemperatureGraph.XTicks().size(), 11u);  // 0 to 562.5 h by 50

  EXPECT_EQ(Cell(m->InputTable, ids::TankShape), "Rektangulær (kubisk)");
  EXPECT_EQ(Cell(m->InputTable, ids::Depth), "5.00 m");
  EXPECT_EQ(Cell(m->InputTable, ids::InsulationThickness), "50.0 mm");
  EXPECT_EQ(Cell(m->InputTable, ids::Medium), "Glykol");
  EXPECT_EQ(Cell(m->InputTable, ids::MediumDensity), "1050 kg/m³");
  EXPECT_EQ(Cell(m->InputTable, ids::Surroundings), "Innendørs (fri konveksjon)");

  // The input table does not fit under the graph on an A4 page: it starts
  // the next page column; on a page long enough it follows the graph.
  const float width = PageWidthMm();
  const float height = PageHeightMm();
  EXPECT_EQ(m->InputTable.Left, width + 20.0f);
  EXPECT_EQ(m->InputTable.Top, 75.0f);
  SetPageSizeMm(width, 600.0f);
  m->Calculate();
  EXPECT_EQ(m->InputTable.Left, 20.0f);
  EXPECT_FLOAT_EQ(m->InputTable.Top, BottomMm(m->TemperatureGraph) + 10.0f);
  SetPageSizeMm(width, height);
}

TEST_F(TankTest, FreezingAddsItsRowAndTellsTheUser) {
  Outdoors();
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].text, Str(ids::FreezingBeforeStorageEnds));
  EXPECT_EQ(platform.events[0].icon, Icon::Information);
  const TankTempResult& r = *m->LastResult;
  EXPECT_EQ(Cell(m->ResultTable, ids::FreezingPointReachedAfter),
            FormatValue(ids::FmtHours1, r.freezingTime));
  EXPECT_EQ(Cell(m->ResultTable, ids::LiquidTemperatureAfterStorage),
            FormatValue(ids::FmtCelsius1, Glycol().FreezingPoint));
  EXPECT_EQ(m->TemperatureGraph.Curve(0).XValues().back(), r.freezingTime);
  EXPECT_EQ(Cell(m->InputTable, ids::TankShape), "Sfærisk (kule)");
  EXPECT_EQ(Cell(m->InputTable, ids::Diameter), "1.00 m");
  EXPECT_EQ(Cell(m->InputTable, ids::WindSpeed), "2.0 m/s");

  const ResultValues values = m->Results();
  EXPECT_EQ(values.Find("freezing_time")->value, r.freezingTime);
  EXPECT_EQ(values.Find("energy_change")->value, r.energyChange);
  EXPECT_EQ(values.Find("end_temperature")->unit, "°C");
}

TEST_F(TankTest, TheUsersCoefficientLeavesTheJacketingOut) {
  m->Shape = code::TankShape::Cylinder;
  m->Surroundings = code::Surroundings::UserCoefficient;
  m->Insulation.HasJacketing = 1;
  m->Insulation.Jacketing = &Alu();
  m->Calculate();
  EXPECT_EQ(Cell(m->InputTable, ids::LengthHeight), "5.00 m");
  EXPECT_EQ(Cell(m->InputTable, ids::HeatTransferCoefficient), "5.0");
  EXPECT_EQ(Cell(m->ResultTable, ids::OuterHeatTransferCoefficient_62482), "5.0 W/m²K");
  for (const auto& row : m->InputTable.Rows()) EXPECT_NE(row.at(1), "Alu");
  m->Surroundings = code::Surroundings::Indoors;
  m->Calculate();
  bool jacketed = false;
  for (const auto& row : m->InputTable.Rows()) jacketed = jacketed || row.at(1) == "Alu";
  EXPECT_TRUE(jacketed);
}

TEST_F(TankTest, ThePictureShowsTheShapeInTheInsulationsColours) {
  ColourRecord colours;
  EXPECT_EQ(m->PictureName(colours), "TANKTYPEX0");
  EXPECT_EQ(colours.count, 0);
  m->Shape = code::TankShape::Cylinder;
  m->Calculate();
  EXPECT_EQ(m->PictureName(colours), "TANKTYPE1");
  EXPECT_EQ(colours.Map(kKeyYellow), Glassull().InsulationColour);
  EXPECT_EQ(colours.Map(kKeyBlue), Glassull().SurfaceColour);
}

TEST_F(TankTest, ADocumentWithResultsCalculatesOnOpeningAndSavesTheSameBytes) {
  Outdoors();
  m->ResultsValid = 1;
  const Bytes bytes = Written([&](CArchive& ar) { m->Serialize(ar); });
  CTankTempModul opened;
  ReadAll(bytes, [&](CArchive& ar) { opened.Serialize(ar); });
  EXPECT_EQ(opened.ResultsValid, 1);
  ASSERT_TRUE(opened.LastResult.has_value());
  EXPECT_TRUE(opened.LastResult->freezes);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::FreezingBeforeStorageEnds)});
  EXPECT_EQ(Written([&](CArchive& ar) { opened.Serialize(ar); }), bytes);

  // A document whose start equals its ambient temperature says why and
  // shows nothing.
  platform.Clear();
  opened.StartTemperature = opened.AmbientTemperature;
  opened.Calculate();
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{FormatId(ids::CalculationNotPossible,
                                                                Str(ids::ReasonStartAtAmbient))});
  EXPECT_EQ(opened.ResultsValid, 0);
  EXPECT_TRUE(opened.Results().empty());
  EXPECT_TRUE(PageList(CTankTempModul::kPage).empty());
}

}  // namespace
}  // namespace kav::test
