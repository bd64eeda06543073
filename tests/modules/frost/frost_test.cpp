// The frost module as a user meets it: the page it fills, its picture, the
// numbers it gives scripts, the documents it reads (recalculated on
// opening) and the refusal that leaves the page empty.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/frost/frost_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

class FrostTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CFrostModul>();
    m->Insulation.Product = &Glassull();
    m->Insulation.ThicknessRow = Glassull().Thicknesses[1];  // 50 mm
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
  static bool HasRow(const CTabell& table, int labelId) {
    return Cell(table, labelId) != "(no row)";
  }
  static std::unique_ptr<CFrostModul> Opened(const Bytes& bytes) {
    auto opened = std::make_unique<CFrostModul>();
    ReadAll(bytes, [&](CArchive& ar) { opened->Serialize(ar); });
    return opened;
  }

  std::unique_ptr<CFrostModul> m;
};

TEST_F(FrostTest, PageShowsTheTimesThePowerAndTheInputs) {
  m->Surroundings = code::Surroundings::Outdoors;
  m->WindSpeed = 4.0f;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(PageList(CFrostModul::kPage), (PageItems{&m->ResultTable, &m->InputTable}));

  const FrostResult& r = *m->LastResult;
  EXPECT_EQ(Cell(m->ResultTable, ids::CoolingTime), FormatValue(ids::FmtHours1, r.coolingTime));
  EXPECT_EQ(Cell(m->ResultTable, ids::TotalFrostBurstTime),
            FormatValue(ids::FmtHours1, r.totalTime));
  EXPECT_EQ(Cell(m->ResultTable, ids::PowerToAvoidFreezing),
            FormatValue(ids::FmtWattPerMetre1, r.power));
  EXPECT_EQ(m->ResultTable.Rows().size(), 5u);

  EXPECT_EQ(Cell(m->InputTable, ids::PipeDuctDiameter), "100.0 mm");
  EXPECT_EQ(Cell(m->InputTable, ids::InsulationProductStandard), "Glassull");
  EXPECT_EQ(Cell(m->InputTable, ids::FreezingDegree), "25 %");
  EXPECT_EQ(Cell(m->InputTable, ids::MediumStartTemperature), "20.0 °C");
  EXPECT_EQ(Cell(m->InputTable, ids::AmbientTemperature), "-20.0 °C");
  EXPECT_EQ(Cell(m->InputTable, ids::WindSpeed), "4.0 m/s");
  EXPECT_TRUE(HasRow(m->InputTable, ids::Jacketing));
  // The input table goes 10 mm below the result table.
  EXPECT_NEAR(DeviceToMmY(m->InputTable.Rect.top), BottomMm(m->ResultTable) + 10.0f, 0.3f);

  // The user's own coefficient replaces the jacketing's radiation.
  m->Surroundings = code::Surroundings::UserCoefficient;
  m->Calculate();
  EXPECT_FALSE(HasRow(m->InputTable, ids::Jacketing));
  EXPECT_EQ(Cell(m->InputTable, ids::HeatTransferCoefficient), "5.0");
  EXPECT_EQ(Cell(m->ResultTable, ids::OuterHeatTransferCoefficientShort), "5.0 W/m²K");
}

TEST_F(FrostTest, PictureFollowsTheOrientationAndTheProductColours) {
  ColourRecord colours;
  EXPECT_EQ(m->PictureName(colours), "RORX0");
  m->Vertical = 1;
  m->Calculate();
  EXPECT_EQ(m->PictureName(colours), "ROR1");
  EXPECT_EQ(colours.Map(kKeyOlive), Glassull().InsulationColour);
  EXPECT_EQ(colours.Map(kKeyYellow), Glassull().SurfaceColour);
}

TEST_F(FrostTest, ScriptsGetTheUnroundedNumbers) {
  EXPECT_TRUE(m->Results().empty());
  m->Calculate();
  const ResultValues v = m->Results();
  for (const char* name :
       {"mean_temperature", "surface_temperature", "outer_coefficient", "heat_loss", "cooling_time",
        "full_freezing_time", "freezing_time", "total_time", "protection_power"}) {
    EXPECT_NE(v.Find(name), nullptr) << name;
  }
  EXPECT_EQ(v.Find("total_time")->value, m->LastResult->totalTime);
  EXPECT_EQ(v.Find("total_time")->unit, "h");
  EXPECT_EQ(v.Find("protection_power")->unit, "W/m");
}

// Opening a document with the results flag recalculates; a document whose
// ambient temperature is not below 0 °C says why it cannot and shows
// nothing, at once.
TEST_F(FrostTest, OpeningRecalculatesOrRefuses) {
  m->Calculate();
  const Bytes stored = Written([&](CArchive& ar) { m->Serialize(ar); });
  const auto opened = Opened(stored);
  ASSERT_EQ(opened->ResultsValid, 1);
  EXPECT_EQ(opened->LastResult->totalTime, m->LastResult->totalTime);
  EXPECT_EQ(Written([&](CArchive& ar) { opened->Serialize(ar); }), stored);

  m->AmbientTemperature = 0.0f;
  const Bytes warm = Written([&](CArchive& ar) { m->Serialize(ar); });
  const auto refused = Opened(warm);
  EXPECT_EQ(refused->ResultsValid, 0);
  const PageItems& page = PageList(CFrostModul::kPage);
  EXPECT_EQ(std::find(page.begin(), page.end(), &refused->ResultTable), page.end());
  EXPECT_FALSE(refused->LastResult.has_value());
  ASSERT_EQ(platform.Texts().size(), 1u);
  EXPECT_EQ(platform.Texts()[0],
            FormatId(ids::CalculationNotPossible, Str(ids::ReasonFrostAmbientNotBelowZero)));
}

}  // namespace
}  // namespace kav::test
