// The sound-trap module as a user meets it: the page it fills, the
// documents it reads (recalculated, with replaced rows), and what it
// refuses or warns about.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/lyd/lyd_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

class LydTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CLydModul>();
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }

  void UseAbsorb(int thicknessRow) {
    m->AbsorptionProduct = &Absorb();
    m->AbsorptionThickness = Absorb().AbsorptionThicknesses[thicknessRow];
  }
  static std::string Cell(const CTabell& table, int labelId) {
    for (const auto& row : table.Rows()) {
      if (row[0] == Str(labelId)) return row.at(1);
    }
    return "(no row)";
  }
  // The module's stored bytes with its results flag set.
  Bytes Stored() {
    m->ResultsValid = 1;
    return Written([&](CArchive& ar) { m->Serialize(ar); });
  }
  static std::unique_ptr<CLydModul> Opened(const Bytes& bytes) {
    auto opened = std::make_unique<CLydModul>();
    ReadAll(bytes, [&](CArchive& ar) { opened->Serialize(ar); });
    return opened;
  }

  std::unique_ptr<CLydModul> m;
};

TEST_F(LydTest, PageOfALinedSquareDuct) {
  UseAbsorb(0);  // 50 mm: 0.25, 0.65, 1, 1, 1, 1
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_TRUE(platform.events.empty()) << "the warnings are the dialog's to show";
  EXPECT_EQ(PageList(CLydModul::kPage),
            (PageItems{&m->InputTable, &m->ResultTable, &m->AttenuationGraph, &m->ValidityText,
                       &m->Warning200Text}));

  EXPECT_EQ(Cell(m->ResultTable, ids::Attenuation1000Hz), "12.0 dB/m");
  EXPECT_EQ(Cell(m->ResultTable, ids::CriticalFrequency), "567 Hz");
  EXPECT_EQ(Cell(m->ResultTable, ids::AcousticCrossDimension), "300.0 mm");
  EXPECT_EQ(Cell(m->InputTable, ids::SoundTrapType), "Rektangulær");
  EXPECT_EQ(Cell(m->InputTable, ids::InsulationProductStandard), "Absorb");
  EXPECT_EQ(Cell(m->InputTable, ids::AbsorptionCoefficient125Hz), "0.25");

  const CKurve& curve = m->AttenuationGraph.Curve(0);
  EXPECT_EQ(curve.XValues(), std::vector<float>(kBandFrequencies.begin(), kBandFrequencies.end()));
  EXPECT_EQ(curve.YValues()[3], m->LastResult->attenuation[3]);
  EXPECT_EQ(m->AttenuationGraph.XTicks().size(), 17u);  // 0 to 4000 Hz by 250

  // Down the page from the graph: the warning, then the result table; on a
  // page too short for it, it goes to the top of the next page column and
  // the validity text follows it there.
  const float width = PageWidthMm();
  const float height = PageHeightMm();
  SetPageSizeMm(width, 200.0f);
  m->Calculate();
  EXPECT_NEAR(DeviceToMmY(m->Warning200Text.Rect.top), BottomMm(m->AttenuationGraph) + 10.0f, 0.3f);
  EXPECT_EQ(m->ResultTable.Left, width + 20.0f);
  EXPECT_EQ(m->ResultTable.Top, 75.0f);
  EXPECT_NEAR(DeviceToMmX(m->ValidityText.Rect.left), width + 20.0f, 0.3f);
  EXPECT_NEAR(DeviceToMmY(m->ValidityText.Rect.top), BottomMm(m->ResultTable) + 10.0f, 0.3f);
  SetPageSizeMm(width, height);

  ColourRecord colours;
  EXPECT_EQ(m->PictureName(colours), "KANALTYPE1");
  EXPECT_EQ(colours.count, 2);
  EXPECT_EQ(colours.Map(kKeyYellow), Absorb().InsulationColour);
  EXPECT_EQ(colours.Map(kKeyOlive), Absorb().SurfaceColour);
}

TEST_F(LydTest, OwnValuesIgnoreTheStoredProduct) {
  UseAbsorb(1);  // 100 mm
  m->OwnValues = 1;
  m->OwnName = "Egen plate";
  m->OwnAbsorption[0] = 0.4f;
  m->DuctType = code::DuctType::Circular;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->LastResult->lining, 50.0f);
  EXPECT_EQ(m->LastResult->absorption[0], 0.4f);
  EXPECT_EQ(Cell(m->InputTable, ids::InsulationProductUserDefined), "Egen plate");
  EXPECT_EQ(Cell(m->InputTable, ids::PipeDuctDiameter), "400.0 mm");
  EXPECT_EQ(Cell(m->InputTable, ids::DuctWidth), "(no row)");
  ColourRecord colours;
  EXPECT_EQ(m->PictureName(colours), "KANALTYPE0");
  EXPECT_EQ(colours.count, 0);
}

TEST_F(LydTest, ADocumentWithoutItsProductSaysWhyAndShowsNothing) {
  // Stored with database values but no product, and with results.
  const std::unique_ptr<CLydModul> opened = Opened(Stored());
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{FormatId(ids::CalculationNotPossible,
                                                                Str(ids::SoundTrapNoProduct))});
  EXPECT_EQ(opened->ResultsValid, 0);
  EXPECT_TRUE(PageList(CLydModul::kPage).empty());
  EXPECT_TRUE(opened->Results().empty());
  ColourRecord colours;
  EXPECT_EQ(opened->PictureName(colours), "KANALTYPEX1");
}

TEST_F(LydTest, AFilledDuctInADocumentIsRefusedAndAFailureClearsTheLastPage) {
  m->OwnValues = 1;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  m->DuctHeight = 100.0f;  // twice the lining
  m->Calculate();
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{FormatId(ids::CalculationNotPossible,
                                                                Str(ids::SoundTrapNoFreeSection))});
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_TRUE(PageList(CLydModul::kPage).empty());
  EXPECT_FALSE(m->CrossDimensionAbove200);
}

TEST_F(LydTest, ARemovedProductIsReplacedAndItsThicknessFoundByName) {
  UseAbsorb(1);  // "100.0"
  const Bytes bytes = Stored();
  m->AbsorptionProduct = nullptr;
  m->AbsorptionThickness = nullptr;
  db->AbsorptionProducts.Clear();
  auto replacement = std::make_unique<CAbsorpsjon>();
  replacement->Name = "Ny plate";
  for (float mm : {25.0f, 100.0f}) {
    auto row = std::make_unique<CAbsorpsjonTykkelse>();
    row->Thickness = mm;
    row->Coefficients.fill(0.5f);
    row->UpdateName();
    InsertInOrder(replacement->AbsorptionThicknesses, std::move(row));
  }
  CAbsorpsjon& product = *replacement;
  db->AbsorptionProducts.Append(std::move(replacement));

  const std::unique_ptr<CLydModul> opened = Opened(bytes);
  // The first product offered; its "100.0" differs from the stored row,
  // which is said, and used.
  ASSERT_EQ(platform.events.size(), 2u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::Choice);
  EXPECT_EQ(platform.events[0].text, FormatId(ids::RemovedAbsorptionProduct, "Absorb"));
  EXPECT_EQ(platform.events[1].text, Str(ids::AbsorptionThicknessChanged));
  EXPECT_EQ(opened->AbsorptionProduct, &product);
  ASSERT_NE(opened->AbsorptionThickness, nullptr);
  EXPECT_EQ(opened->AbsorptionThickness->Name, "100.0");
  EXPECT_TRUE(Uses(*opened->AbsorptionThickness, opened.get()));
  ASSERT_EQ(opened->ResultsValid, 1) << "recalculated on opening";
  EXPECT_EQ(opened->LastResult->lining, 100.0f);
  EXPECT_EQ(opened->LastResult->absorption[0], 0.5f);
}

TEST_F(LydTest, OpeningAsksNothingTheDialogOwns) {
  m->OwnValues = 1;
  m->DuctHeight = 600.0f;
  m->DuctWidth = 600.0f;  // 500 mm free
  const std::unique_ptr<CLydModul> opened = Opened(Stored());
  EXPECT_TRUE(platform.events.empty());
  ASSERT_EQ(opened->ResultsValid, 1);
  const PageItems& page = PageList(CLydModul::kPage);
  EXPECT_NE(std::find(page.begin(), page.end(), &opened->Warning430Text), page.end());
  EXPECT_EQ(std::find(page.begin(), page.end(), &opened->Warning200Text), page.end());

  // After the dialog's OK the warning comes as a message as well.
  ScopedEditor<LydInputs> dialog([](LydInputs&) { return true; });
  EXPECT_EQ(opened->EditInput(), 1);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::CrossDimensionAbove430)});
}

}  // namespace
}  // namespace kav::test
