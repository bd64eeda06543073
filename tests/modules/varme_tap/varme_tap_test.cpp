// The heat-loss module as a user meets it: the tables it fills for each
// criterion, and what it refuses.
#include <gtest/gtest.h>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_layout.h"

namespace kav {
namespace {

using test::ModuleTest;

class VarmeTapTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CVarmeTapModul>();
    m->Layer1.Product = &Glassull();
    m->Layer1.ThicknessRow = Glassull().Thicknesses[1];  // 50 mm
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }

  // The result table's text in the row with this label, column `column`.
  std::string Result(int labelId, int column = 1) const {
    for (const auto& row : m->ResultTable.Rows()) {
      if (row[0] == Str(labelId)) return row.at(static_cast<std::size_t>(column));
    }
    return "(no row)";
  }
  bool HasResultRow(int labelId) const { return Result(labelId) != "(no row)"; }
  std::vector<std::string> ResultRows() const { return m->ResultTable.Rows()[0]; }
  float Number(const std::string& cell) const { return std::stof(cell); }

  std::unique_ptr<CVarmeTapModul> m;
};

TEST_F(VarmeTapTest, GivenThicknessShowsResultsAndInputs) {
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  const PageItems& page = PageList(0);
  EXPECT_NE(std::find(page.begin(), page.end(), &m->ResultTable), page.end());
  EXPECT_NE(std::find(page.begin(), page.end(), &m->InputTable), page.end());
  const float ts = Number(Result(ids::SurfaceTemperatureInsulation));
  EXPECT_GT(ts, 20.0f);
  EXPECT_LT(ts, 50.0f);
  EXPECT_EQ(m->InputTable.Rows()[0][1], Str(ids::GeometryPipe));
  EXPECT_GE(BottomMm(m->ResultTable) + 10.0f, 0.0f);
  EXPECT_NEAR(m->InputTable.Top, BottomMm(m->ResultTable) + 10.0f, 0.3f);
}

TEST_F(VarmeTapTest, InsulationClassBoundaryIs19400DegreeHours) {
  m->Criterion = code::Criterion::InsulationClass;
  m->MediumTemperature = 22.0f;  // 2 K above the ambient
  m->OperatingHours = 9699.5f;   // 19399 degree-hours
  m->Calculate();
  EXPECT_EQ(m->InsulationClass, 0);
  EXPECT_EQ(Result(ids::RequiredInsulationThickness), "0.0 mm");
  EXPECT_EQ(Result(ids::SurfaceTemperatureInsulation), "22.0 °C");
  m->OperatingHours = 9700.0f;  // 19400
  m->Calculate();
  EXPECT_EQ(m->InsulationClass, 1);
}

TEST_F(VarmeTapTest, ClassLimitOverwritesTheMaximumLossAndCriterionTwoUsesIt) {
  m->Criterion = code::Criterion::InsulationClass;
  m->MediumTemperature = 70.0f;
  m->OperatingHours = 5840.0f;  // 292000 degree-hours: class 4
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->InsulationClass, 4);
  const float limit = (1.5f * 0.05f + 0.16f) * 50.0f;  // per K for D 50 mm, times ΔT
  EXPECT_FLOAT_EQ(m->GivenMaxHeatLoss, limit);
  EXPECT_EQ(Result(ids::InsulationClass), "4");
  const std::string requiredClass = Result(ids::InsulationThickness);
  m->Criterion = code::Criterion::GivenMaxHeatLoss;
  m->Calculate();
  EXPECT_EQ(Result(ids::InsulationThickness), requiredClass);
  EXPECT_FALSE(HasResultRow(ids::InsulationClass));
}

// The class limit takes the sign of the heat flow: a cold pipe gets a
// negative limit and a thickness, not "too thick".
TEST_F(VarmeTapTest, ColdMediumGetsItsClassThickness) {
  m->Criterion = code::Criterion::InsulationClass;
  m->MediumTemperature = 5.0f;
  m->AmbientTemperature = 25.0f;
  m->OperatingHours = 8760.0f;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1) << platform.Texts().front();
  EXPECT_LT(m->GivenMaxHeatLoss, 0.0f);
  EXPECT_LT(Number(Result(ids::HeatLoss_62315)), 0.0f);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(VarmeTapTest, MaxLossAboveTheBareLossNeedsNoInsulation) {
  m->Criterion = code::Criterion::GivenMaxHeatLoss;
  m->GivenMaxHeatLoss = 4000.0f;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  // The smallest standard thickness covers 0 mm, so the comparison shows.
  EXPECT_EQ(Result(ids::InsulationThickness), "0.0 mm");
  EXPECT_EQ(Result(ids::SurfaceTemperatureInsulation), "50.0 °C");
}

TEST_F(VarmeTapTest, RequiredThicknessComparesWithTheNextStandardThickness) {
  m->Criterion = code::Criterion::GivenSurfaceTemperature;
  m->GivenSurfaceTemperature = 24.0f;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->ResultTable.ColumnCount(), 3);
  const float required = Number(Result(ids::InsulationThickness, 1));
  const float standard = Number(Result(ids::InsulationThickness, 2));
  EXPECT_LE(required, standard);
  EXPECT_LE(Number(Result(ids::SurfaceTemperatureInsulation, 2)), 24.05f);
}

TEST_F(VarmeTapTest, UserProductGetsNoStandardComparison) {
  m->Criterion = code::Criterion::GivenSurfaceTemperature;
  m->Layer1.Source = code::Source::User;
  m->Layer1.UserProduct = &Egen();
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->ResultTable.ColumnCount(), 2);
  EXPECT_TRUE(HasResultRow(ids::RequiredInsulationThickness));
  EXPECT_FALSE(HasResultRow(ids::NearestStandardThickness));
}

TEST_F(VarmeTapTest, HangersRaiseTheLossOnlyOnPipesAndOutsideDucts) {
  for (int geometry : {0, 3, 4, 5}) {
    SCOPED_TRACE(geometry);
    m->Geometry = code::FromInt<code::Geometry>(geometry);
    m->UninsulatedHangers = 0;
    m->Calculate();
    const float without = Number(Result(ids::HeatLoss_62315));
    m->UninsulatedHangers = 1;
    m->Calculate();
    const float with = Number(Result(ids::HeatLoss_62315));
    if (geometry == 0) {
      EXPECT_NEAR(with, without * 1.15f, 0.06f);
    } else {
      EXPECT_EQ(with, without);
    }
  }
}

TEST_F(VarmeTapTest, AccessoriesAddLossOnPipesOnly) {
  auto valve = std::make_unique<CTilleggsutstyr>();
  valve->AccessoryType = &Valve();
  valve->Name = "Ventil; 1 stk";
  m->Accessories.Append(std::move(valve));
  m->HasAccessories = 1;
  m->Calculate();
  EXPECT_TRUE(HasResultRow(ids::AccessoryHeatLoss));
  m->Geometry = code::Geometry::CircularDuct;  // a circular duct lists them but adds no loss
  m->Calculate();
  EXPECT_FALSE(HasResultRow(ids::AccessoryHeatLoss));
  bool listed = false;
  for (const auto& row : m->InputTable.Rows()) listed = listed || row[1] == "Ventil; 1 stk";
  EXPECT_TRUE(listed);
}

TEST_F(VarmeTapTest, ZeroDiameterFromADocumentIsRefusedNotShownAsNaN) {
  m->Diameter = 0.0f;
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_TRUE(PageList(0).empty());
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].text, Str(ids::CalculationInputInvalid));
}

TEST_F(VarmeTapTest, EqualMediumAndAmbientIsRefusedNotShownAsNaN) {
  m->MediumTemperature = m->AmbientTemperature;
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::CalculationInputInvalid)});
}

TEST_F(VarmeTapTest, UnreachableLimitTellsTheUserAndClearsTheResults) {
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  m->Criterion = code::Criterion::GivenMaxHeatLoss;
  m->MediumTemperature = 500.0f;
  m->Diameter = 1000.0f;
  m->GivenMaxHeatLoss = 1.0f;
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_TRUE(PageList(0).empty());
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::ThicknessTooLarge)});
}

TEST_F(VarmeTapTest, InsideInsulationShowsItsNoteUnderTheInputTable) {
  m->Geometry = code::Geometry::InternalDuct;
  m->Layer1.Usage = code::Usage::RectangularDuctInside;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  const PageItems& page = PageList(0);
  EXPECT_NE(std::find(page.begin(), page.end(), &m->InternalInsulationText), page.end());
  m->Geometry = code::Geometry::RectangularDuct;
  m->Calculate();
  EXPECT_EQ(std::find(PageList(0).begin(), PageList(0).end(), &m->InternalInsulationText),
            PageList(0).end());
}

TEST_F(VarmeTapTest, NoRoomInsideTheDuctIsAWarningNotAFailure) {
  m->Geometry = code::Geometry::InternalDuct;
  m->Width = 80.0f;  // 2 x 50 mm does not fit
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::NoRoomForInsulation)});
}

}  // namespace
}  // namespace kav
