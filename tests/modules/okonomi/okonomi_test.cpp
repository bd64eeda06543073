// The economic module as a user meets it: the four tables with the
// cheapest row marked, the columns they move to when the page is full, the
// text for insulation inside, the picture, and documents that open
// without a word.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/okonomi/okonomi_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

class OkonomiTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<COkonomiModul>();
    m->StandardSolution = Glass(30, 150.0f);
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }

  // Glassull in its standard thickness row `row` at `price`, named as the
  // solution dialog names it.
  COkonomiIsolasjon Glass(int row, float price) {
    COkonomiIsolasjon s(m ? m->ObjectType : code::Geometry::Pipe);
    s.Product = &Glassull();
    s.ThicknessRow = Glassull().Thicknesses[row == 30 ? 0 : 1];
    s.Price = price;
    s.ComposeName();
    return s;
  }
  void AddAlternative(int row, float price) {
    m->Alternatives.Append(std::make_unique<COkonomiIsolasjon>(Glass(row, price)));
  }
  void AddOwn(float mm, float price) {
    auto s = std::make_unique<COkonomiIsolasjon>(m->ObjectType);
    s->Product = &Glassull();
    s->OwnThickness = 1;
    s->OwnThicknessValue = mm;
    s->Price = price;
    s->ComposeName();
    m->Alternatives.Append(std::move(s));
  }

  std::unique_ptr<COkonomiModul> m;
};

TEST_F(OkonomiTest, TablesWithTheCheapestRowMarked) {
  AddAlternative(50, 180.0f);  // thicker, a little dearer: cheapest over 20 years
  AddAlternative(50, 5000.0f);
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(m->BestIndex, 1);
  EXPECT_EQ(m->CostTable.HighlightRow, 2);
  EXPECT_EQ(m->PaybackTable.HighlightRow, -1);
  EXPECT_EQ(PageList(COkonomiModul::kPage),
            (PageItems{&m->HeatLossTable, &m->CostTable, &m->PaybackTable, &m->InputTable}));

  const auto losses = m->HeatLossTable.Rows();
  ASSERT_EQ(losses.size(), 3u);
  EXPECT_EQ(losses[0][0], "Glassull, 30.0, 150.00 kr/m (standardløsning)");
  EXPECT_EQ(losses[1][0], "Glassull, 50.0, 180.00 kr/m");
  EXPECT_NE(losses[1][1].find(" W/m"), std::string::npos);
  EXPECT_NE(losses[1][2].find(" W/m²K"), std::string::npos);
  const auto paybacks = m->PaybackTable.Rows();
  ASSERT_EQ(paybacks.size(), 2u) << "alternatives only";
  EXPECT_EQ(paybacks[1][1], "1000.0 År") << "dearer by far, same energy as the first";
  EXPECT_EQ(m->CostTable.Rows()[0][4].substr(m->CostTable.Rows()[0][4].size() - 5), " kr/m");

  // The standard solution the cheapest: its row, row 1.
  m->Alternatives[0]->Price = 5000.0f;
  m->Calculate();
  EXPECT_EQ(m->BestIndex, 0);
  EXPECT_EQ(m->CostTable.HighlightRow, 1);
  EXPECT_EQ(m->Results().lists.at(0).records.size(), 3u);
}

TEST_F(OkonomiTest, ManyAlternativesMoveTheLowerTablesToTheNextColumn) {
  for (int k = 0; k < 20; ++k) AddOwn(10.0f + 5.0f * static_cast<float>(k), 100.0f);
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  EXPECT_EQ(m->HeatLossTable.Left, 20.0f);
  EXPECT_EQ(m->HeatLossTable.Top, 75.0f);
  // Each table goes 10 mm under the one before it in that one's column, or
  // when it would end within 10 mm of the page bottom, one page width to
  // the right at 75 mm; 21 rows fit once in a column.
  const float width = PageWidthMm();
  EXPECT_EQ(m->CostTable.Left, 20.0f + width);
  EXPECT_EQ(m->CostTable.Top, 75.0f);
  EXPECT_EQ(m->PaybackTable.Left, 20.0f + 2.0f * width);
  EXPECT_EQ(m->PaybackTable.Top, 75.0f);
  const bool below = m->InputTable.Left == m->PaybackTable.Left;
  if (below) {
    EXPECT_NEAR(m->InputTable.Top, BottomMm(m->PaybackTable) + 10.0f, 0.5f);
  } else {
    EXPECT_EQ(m->InputTable.Left, 20.0f + 3.0f * width);
    EXPECT_EQ(m->InputTable.Top, 75.0f);
  }
  EXPECT_LE(BottomMm(m->InputTable) + 10.0f, PageHeightMm());

  DeleteAll(m->Alternatives);
  AddOwn(50.0f, 100.0f);
  m->Calculate();
  EXPECT_EQ(m->CostTable.Left, 20.0f);
  EXPECT_EQ(m->InputTable.Left, 20.0f);
}

TEST_F(OkonomiTest, InsulationInsideAddsTheTextFlatTypesCountPerSquareMetre) {
  for (code::Geometry g : {code::Geometry::RectangularDuct, code::Geometry::InternalDuct,
                           code::Geometry::FlatOutside, code::Geometry::FlatInside}) {
    m->ObjectType = g;
    m->StandardSolution.ObjectType = g;
    m->StandardSolution.ComposeName();
    m->Calculate();
    ASSERT_EQ(m->ResultsValid, 1);
    const auto& page = PageList(COkonomiModul::kPage);
    const bool text = std::find(page.begin(), page.end(), &m->InternalInsulationText) != page.end();
    EXPECT_EQ(text, code::IsInternal(g)) << code::ToInt(g);
    const std::string total = m->CostTable.Rows()[0][4];
    EXPECT_EQ(total.ends_with(" kr/m²"), code::IsFlat(g)) << total;
    EXPECT_EQ(m->HeatLossTable.Rows()[0][0].find("kr/m²") != std::string::npos, code::IsFlat(g));
  }
  EXPECT_NEAR(DeviceToMmY(m->InternalInsulationText.Rect.top), BottomMm(m->InputTable) + 10.0f,
              0.5f);
}

TEST_F(OkonomiTest, PictureFollowsTheBestAlternativeOrTheStandardSolution) {
  ColourRecord none;
  EXPECT_EQ(m->PictureName(none), "MATERIALTYPEX0");
  EXPECT_EQ(none.count, 0);

  m->StandardSolution.Product = &Steinull();  // olive 10,20,30; outer 40,50,60
  m->Orientation = 1;
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  ColourRecord standard;
  EXPECT_EQ(m->PictureName(standard), "MATERIALTYPE6");
  EXPECT_EQ(standard.Map(kKeyOlive), Rgb(10, 20, 30)) << "no alternative: the standard solution";
  EXPECT_EQ(standard.Map(kKeyYellow), Rgb(40, 50, 60));

  auto bare = std::make_unique<COkonomiIsolasjon>();
  bare->InsulationKind = 3;
  bare->Price = 0.0f;
  m->Alternatives.Append(std::move(bare));
  m->Calculate();
  ColourRecord alternative;
  m->PictureName(alternative);
  EXPECT_EQ(alternative.Map(kKeyOlive), Rgb(255, 255, 0)) << "no product: yellow";
}

TEST_F(OkonomiTest, RefusedCalculationLeavesThePageEmpty) {
  m->ObjectType = code::Geometry::InternalDuct;
  m->DuctWidth = 0.0f;
  AddOwn(50.0f, 100.0f);
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_TRUE(PageList(COkonomiModul::kPage).empty());
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_NE(platform.events[0].text.find("Beregningen kan ikke utføres"), std::string::npos);
  EXPECT_TRUE(m->Results().empty());
}

TEST_F(OkonomiTest, OpeningRecalculatesWithoutAWord) {
  m->ObjectType = code::Geometry::FlatOutside;
  AddOwn(50.0f, 100.0f);
  m->Alternatives[0]->ObjectType = code::Geometry::Pipe;
  m->ResultsValid = 1;
  const Bytes bytes = Written([&](CArchive& ar) { m->Serialize(ar); });
  platform.answers.push_back(false);  // any question would get Cancel
  COkonomiModul opened;
  ReadAll(bytes, [&](CArchive& ar) { opened.Serialize(ar); });
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(platform.answers.size(), 1u);
  EXPECT_EQ(opened.ResultsValid, 1);
  EXPECT_EQ(opened.Alternatives[0]->ObjectType, code::Geometry::FlatOutside);
  EXPECT_EQ(opened.CostTable.Rows().size(), 2u);
}

}  // namespace
}  // namespace kav::test
