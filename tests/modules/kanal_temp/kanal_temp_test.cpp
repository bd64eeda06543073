// The flowing-media module: its page (the tables, their rows and their
// placement over the page columns), the questions through the platform,
// and the recalculation of a document saved with results.
#include <gtest/gtest.h>

#include <string>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "output/page_layout.h"

namespace kav {
namespace {

class FlowingMediumModuleTest : public test::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    m = std::make_unique<CKanalTempModul>();
    m->RunType = code::RunType::RectangularDucts;
    m->CalcEnergy = 1;
    for (int i = 0; i < 2; ++i) {
      m->Segments.Append(m->NewSegment(i == 0 ? nullptr : m->Segments[0]));
      CSegment& s = *m->Segments.back();
      s.Layer1.Product = &Glassull();
      s.Layer1.ThicknessRow = Glassull().Thicknesses[1];  // 50 mm
    }
    CSegment& second = *m->Segments[1];
    second.TwoLayers = 1;
    second.Layer2.Product = &Glassull();
    second.Layer2.ThicknessRow = Glassull().Thicknesses[0];  // 30 mm
  }
  void TearDown() override {
    m.reset();
    ModuleTest::TearDown();
  }
  bool OnPage(const CGraphicsItem& item) const {
    const PageItems& items = PageList(CKanalTempModul::kPage);
    return std::find(items.begin(), items.end(), &item) != items.end();
  }

  std::unique_ptr<CKanalTempModul> m;
};

TEST_F(FlowingMediumModuleTest, ThePageShowsEverySegmentAndTheRun) {
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  const auto segments = m->SegmentTable.Rows();
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[1][0], "Segment 2");
  EXPECT_EQ(m->SegmentTable.ColumnCount(), 5) << "ducts show the inner coefficient";
  EXPECT_EQ(segments[0][1],
            FormatValue(ids::FmtCelsius1, m->LastResult->segments[0].outletTemperature));

  const auto energy = m->EnergyTable.Rows();
  ASSERT_EQ(energy.size(), 4u);
  EXPECT_EQ(m->EnergyTable.Headings()[0], Str(ids::HeatEnergyCostHeading));
  EXPECT_EQ(energy[1][1], FormatValue(ids::FmtWattPerMetre1, m->LastResult->totalLoss / 20.0f));

  // A two-layer segment: a row for each layer's outer surface, then the sum.
  const auto quantity = m->QuantityTable.Rows();
  ASSERT_EQ(quantity.size(), 4u);
  EXPECT_EQ(quantity[0][1], "12.00 m²");  // 2(0.2 + 0.1 + 0.2 + 0.1) × 10
  EXPECT_EQ(quantity[1][0], "Segment 2(iso. lag 1)");
  EXPECT_EQ(quantity[2][0], "Segment 2(Iso. lag 2)");
  EXPECT_EQ(quantity[2][1], "14.40 m²");
  EXPECT_EQ(quantity[3][1], "38.40 m²");

  EXPECT_EQ(m->InputTable.Rows()[0][1], "Luft");
  const auto inputs = m->Segments[1]->InputTable.Rows();
  EXPECT_EQ(inputs[0][1], "Segment 2");
  EXPECT_NE(std::find_if(inputs.begin(), inputs.end(),
                         [](const auto& row) { return row[0] == Str(ids::TwoLayerInsulation); }),
            inputs.end());
  EXPECT_TRUE(OnPage(m->Segments[1]->InputTable));

  // Each table 10 mm under the one before, in its column.
  EXPECT_FLOAT_EQ(m->EnergyTable.Top, BottomMm(m->SegmentTable) + 10.0f);
  EXPECT_FLOAT_EQ(m->QuantityTable.Top, BottomMm(m->EnergyTable) + 10.0f);
}

TEST_F(FlowingMediumModuleTest, LongRunsGoOnInTheNextPageColumns) {
  for (int i = 0; i < 10; ++i) m->Segments.Append(m->NewSegment(m->Segments[0]));
  m->Calculate();
  ASSERT_EQ(m->ResultsValid, 1);
  float left = m->InputTable.Left;
  int moves = 0;
  const CTabell* above = &m->InputTable;
  for (const CSegment* s : m->Segments) {
    const CTabell& table = s->InputTable;
    EXPECT_LE(BottomMm(table) + 10.0f, PageHeightMm());
    if (table.Left != left) {
      EXPECT_FLOAT_EQ(table.Left, left + PageWidthMm());
      EXPECT_FLOAT_EQ(table.Top, 75.0f);
      ++moves;
    } else {
      EXPECT_FLOAT_EQ(table.Top, BottomMm(*above) + 10.0f);
    }
    left = table.Left;
    above = &table;
  }
  EXPECT_GE(moves, 2);
}

TEST_F(FlowingMediumModuleTest, AStoppedRunClearsThePage) {
  m->Calculate();
  ASSERT_TRUE(OnPage(m->Segments[0]->InputTable));
  Glassull().MaxTemperature = 30.0f;
  platform.answers = {false};
  m->Calculate();
  EXPECT_EQ(m->ResultsValid, 0);
  EXPECT_FALSE(OnPage(m->SegmentTable));
  EXPECT_FALSE(OnPage(m->Segments[0]->InputTable));
  EXPECT_TRUE(m->Results().empty());
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::OkCancel);
}

TEST_F(FlowingMediumModuleTest, ADocumentSavedWithResultsIsCalculatedWhenOpened) {
  m->Calculate();
  const test::Bytes bytes = Written([this](CArchive& ar) { m->Serialize(ar); });
  CKanalTempModul read;
  ReadAll(bytes, [&read](CArchive& ar) { read.Serialize(ar); });
  ASSERT_EQ(read.ResultsValid, 1);
  ASSERT_TRUE(read.LastResult);
  EXPECT_EQ(read.SegmentTable.Rows(), m->SegmentTable.Rows());
  const ResultValues values = read.Results();
  ASSERT_EQ(values.lists.size(), 1u);
  EXPECT_EQ(values.lists[0].records.size(), 2u);
  EXPECT_EQ(Written([&read](CArchive& ar) { read.Serialize(ar); }), bytes);
}

}  // namespace
}  // namespace kav
