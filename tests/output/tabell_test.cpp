// Result tables: filling, layout in device units, drawing with rules and
// the highlight band, and the tab-separated text form.
#include "output/tabell.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/scripted_platform.h"
#include "core/strings.h"
#include "output/table_html.h"
#include "page_fixture.h"

namespace kav {
namespace {

using test::FakeDevice;

constexpr int kTwoHeadings[] = {ids::Yes, ids::No};                     // "Ja", "Nei"
constexpr int kThreeHeadings[] = {ids::FmtNumber1, ids::Yes, ids::No};  // "%.1f", "Ja", "Nei"

class TabellTest : public test::PageTest {
 protected:
  // Headings "Ja" and "Nei", one row "abc" with the value 12.5.
  void FillSmall(float minWidth) {
    table.SetUp(10.0f, 20.0f, 2.0f, 1.0f, "%.2f", kTwoHeadings, {}, {}, minWidth);
    const std::vector<std::string> labels = {"abc"};
    const float values[] = {12.5f};
    table.FillLabelledValues(kTwoHeadings, labels, values);
  }

  // Three columns, three data rows.
  void FillThreeRows(int highlightRow) {
    const std::vector<std::string> labels = {"a", "b", "c"};
    const float values[] = {1, 2, 3, 4, 5, 6};
    table.SetUp(10.0f, 20.0f, 2.0f, 1.0f, "%.0f", kThreeHeadings, {}, {}, 0.0f);
    table.FillLabelledValues(kThreeHeadings, labels, values, -1.0f, -1.0f, highlightRow);
  }

  CTabell table;
};

TEST_F(TabellTest, MinimumWidthWidensOnlyTheFirstColumn) {
  FillSmall(50.0f);
  // Natural widths: "abc" 3 x 5 = 15 (wider than bold "Ja"), "12.50" 5 x 5 = 25;
  // gap 2 mm = 8, so 48 units; 50 mm = 197 units.
  EXPECT_EQ(table.ColumnWidths(), (std::vector<int>{15 + 149, 25}));
  EXPECT_EQ(table.Rect.left, 39);
  EXPECT_EQ(table.Rect.right, 39 + 197);
}

TEST_F(TabellTest, WiderContentKeepsItsNaturalWidth) {
  FillSmall(5.0f);
  EXPECT_EQ(table.ColumnWidths(), (std::vector<int>{15, 25}));
  EXPECT_EQ(table.Rect.right - table.Rect.left, 48);
}

TEST_F(TabellTest, HeadingsAreMeasuredInBold) {
  table.SetUp(0.0f, 0.0f, 0.0f, 0.0f, "%.0f", kTwoHeadings, {}, {}, 0.0f);
  // Bold characters are 6 units wide: "Ja" 12, "Nei" 18.
  EXPECT_EQ(table.ColumnWidths(), (std::vector<int>{12, 18}));
  EXPECT_EQ(table.RowHeight(), FakeDevice::LineHeight(BoldFont()));
}

TEST_F(TabellTest, BottomIsRowsTimesRowHeightAndGapPlusOneGap) {
  FillThreeRows(-1);
  // top 20 mm = 79, row height 13, row gap 1 mm = 4, four rows.
  EXPECT_EQ(table.Rect.top, 79);
  EXPECT_EQ(table.Layout(), 79 + 4 * (13 + 4) + 4);
  EXPECT_EQ(table.Rect.bottom, table.Layout());
}

TEST_F(TabellTest, NegativePositionKeepsTheTableZeroMovesItToTheEdge) {
  FillSmall(0.0f);
  const float values[] = {1.0f};
  const std::vector<std::string> labels = {"x"};
  table.FillLabelledValues(kTwoHeadings, labels, values, -1.0f, -1.0f);
  EXPECT_EQ(table.Rect.left, 39);
  EXPECT_EQ(table.Rect.top, 79);
  table.FillLabelledValues(kTwoHeadings, labels, values, 0.0f, -1.0f);
  EXPECT_EQ(table.Rect.left, 0);
  EXPECT_EQ(table.Rect.top, 79);
  table.FillLabelledValues(kTwoHeadings, labels, values, -1.0f, 0.0f);
  EXPECT_EQ(table.Rect.left, 0);
  EXPECT_EQ(table.Rect.top, 0);
}

TEST_F(TabellTest, FillingMeasuresEveryCellOnce) {
  FillSmall(0.0f);
  screen.measured = 0;
  const std::vector<std::string> labels = {"a", "b", "c"};
  const float values[] = {1.0f, 2.0f, 3.0f};
  table.FillLabelledValues(kTwoHeadings, labels, values);
  EXPECT_EQ(screen.measured, 2 * 4);
}

TEST_F(TabellTest, AMovedTableIsLaidOutAsOneFilledThereWithoutBeingMeasuredAgain) {
  FillSmall(50.0f);  // the first column widened to the minimum width
  screen.measured = 0;
  table.MoveTo(30.0f, 40.0f);
  EXPECT_EQ(screen.measured, 0);
  CTabell there;
  there.SetUp(30.0f, 40.0f, 2.0f, 1.0f, "%.2f", kTwoHeadings, {}, {}, 50.0f);
  const std::vector<std::string> labels = {"abc"};
  const float values[] = {12.5f};
  there.FillLabelledValues(kTwoHeadings, labels, values);
  EXPECT_EQ(table.ColumnWidths(), there.ColumnWidths());
  auto edges = [](const DeviceRect& r) {
    return std::vector<int>{r.left, r.top, r.right, r.bottom};
  };
  EXPECT_EQ(edges(table.Rect), edges(there.Rect));
}

TEST_F(TabellTest, SetUpNamesTheTableAndFillsLabelsFromIds) {
  const int rows[] = {ids::No, ids::Yes};
  const float values[] = {1.0f, 2.0f, 3.0f, 4.0f};
  table.SetUp(0.0f, 0.0f, 1.0f, 1.0f, "%.1f", kThreeHeadings, rows, values, 0.0f);
  EXPECT_EQ(table.Name, "%.1f");
  EXPECT_EQ(table.HighlightRow, -1);
  EXPECT_EQ(table.Headings(), (std::vector<std::string>{"%.1f", "Ja", "Nei"}));
  EXPECT_EQ(table.Rows(),
            (std::vector<std::vector<std::string>>{{"Nei", "1.0", "2.0"}, {"Ja", "3.0", "4.0"}}));
}

TEST_F(TabellTest, ValuesFillTheValueCellsRowByRowAsFarAsTheyReach) {
  const int rows[] = {ids::No, ids::Yes};
  table.SetUp(0.0f, 0.0f, 1.0f, 1.0f, "%.2f", kThreeHeadings, rows, {}, 0.0f);
  EXPECT_EQ(table.Rows(), (std::vector<std::vector<std::string>>{{"Nei", "", ""}, {"Ja", "", ""}}));
  const float three[] = {1.0f, 2.0f, 3.0f};
  table.FillValues(kThreeHeadings, rows, three);
  EXPECT_EQ(table.Rows(),
            (std::vector<std::vector<std::string>>{{"Nei", "1.00", "2.00"}, {"Ja", "3.00", ""}}));
  const char* const texts[] = {"p", "q", "r", "s", "too many"};
  table.SetCellTexts(texts);
  EXPECT_EQ(table.Rows(),
            (std::vector<std::vector<std::string>>{{"Nei", "p", "q"}, {"Ja", "r", "s"}}));
}

TEST_F(TabellTest, IdListsEndAtTheirFirstZero) {
  const int headings[] = {ids::Yes, ids::No, 0, ids::Yes};
  const int rows[] = {ids::Yes, 0, ids::No};
  table.SetUp(0.0f, 0.0f, 1.0f, 1.0f, "%.0f", headings, rows, {}, 0.0f);
  EXPECT_EQ(table.ColumnCount(), 2);
  EXPECT_EQ(table.RowCount(), 2);
}

TEST_F(TabellTest, TextVariantsTakeReadyMadeStrings) {
  const std::vector<std::string> labels = {"r1", "r2"};
  const std::vector<std::string> texts = {"a", "b", "c", "d"};
  table.FillFromStringArrays(kThreeHeadings, labels, texts, 5.0f, 5.0f, 2);
  EXPECT_EQ(table.Rows(),
            (std::vector<std::vector<std::string>>{{"r1", "a", "b"}, {"r2", "c", "d"}}));
  EXPECT_EQ(table.HighlightRow, 2);
  const int rows[] = {ids::Yes};
  table.FillTexts(kTwoHeadings, rows, texts);
  EXPECT_EQ(table.Rows(), (std::vector<std::vector<std::string>>{{"Ja", "a"}}));
  EXPECT_EQ(table.HighlightRow, -1);
  EXPECT_EQ(table.Rect.left, MmToDeviceX(5.0f));  // the position stays
}

TEST_F(TabellTest, CellClonesCopyTheTextOnly) {
  CTabellVerdi cell(ids::Yes);
  cell.Description = "not copied";
  EXPECT_EQ(cell.Clone()->Name, "Ja");
  EXPECT_EQ(cell.Clone()->Description, "");
  EXPECT_EQ(CTabellVerdi(0).Name, "");
}

// --- Text form ---------------------------------------------------------

class TabellTextTest : public TabellTest {
 protected:
  void SetUp() override {
    TabellTest::SetUp();
    const std::vector<std::string> labels = {"a.b", "Rør", "Lang rad"};
    const float values[] = {12.5f, 3.0f, 0.25f, 1000.0f, 7.0f, 8.0f};
    table.SetUp(0.0f, 0.0f, 1.0f, 1.0f, "%.2f", kThreeHeadings, {}, {}, 0.0f);
    table.FillLabelledValues(kThreeHeadings, labels, values);
  }
  static constexpr const char* kExpected =
      "%.1f    \tJa   \tNei\n"
      "a.b     \t12,50\t3,00\n"
      "Rør     \t0,25 \t1000,00\n"
      "Lang rad\t7,00 \t8,00\n";
};

TEST_F(TabellTextTest, CommaInValueCellsOnlyPaddedToTheLongestCellNoTabAfterTheLast) {
  EXPECT_EQ(table.FormatAsText(), kExpected);
}

TEST_F(TabellTextTest, ScreenKeepsTheDecimalPoint) {
  table.Draw(device, {0, 0, 2000, 2000});
  EXPECT_EQ(device.TextCalls("12.50").size(), 1u);
  EXPECT_TRUE(device.TextCalls("12,50").empty());
}

TEST_F(TabellTextTest, ClipboardFormEndsWithNul) {
  ScriptedPlatform platform;
  table.CopyToClipboard();
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::Clipboard);
  EXPECT_EQ(platform.events[0].text, std::string(kExpected) + '\0');
  EXPECT_EQ(table.FormatAsText().find('\0'), std::string::npos);
}

TEST_F(TabellTextTest, ExportAppendsAnEmptyLineAfterTheTable) {
  std::string out = "before\n";
  table.WriteText(out);
  EXPECT_EQ(out, std::string("before\n") + kExpected + "\n\n");
}

// --- HTML form for spreadsheets -----------------------------------------

TEST(TableHtmlTest, ANumberIsSplitFromItsUnitOnlyWhenItStartsTheCellBeforeASpace) {
  const auto split = [](const std::string& cell) {
    const std::optional<NumberWithUnit> value = SplitNumber(cell);
    return value ? value->number + "|" + value->unit : std::string("text");
  };
  EXPECT_EQ(split("42.0 mm"), "42.0|mm");
  EXPECT_EQ(split("-3.5 °C"), "-3.5|°C");
  EXPECT_EQ(split("1000 W/m²"), "1000|W/m²");
  EXPECT_EQ(split("7"), "7|");
  EXPECT_EQ(split(".5 m"), ".5|m");
  for (const char* text : {"", "-", "Rør", "2x25 mm", "1.2.3", "12 ", "inf", "- 3"}) {
    EXPECT_EQ(split(text), "text") << text;
  }
}

TEST_F(TabellTest, TheHtmlFormHasNumbersWithTheirUnitsBesideThem) {
  constexpr int headings[] = {ids::FmtNumber1, ids::Yes, ids::No};  // "%.1f", "Ja", "Nei"
  const std::vector<std::string> labels = {"Temperatur <inne>", "Produkt"};
  const std::vector<std::string> texts = {"27.2 °C", "Lang & smal", "-3 °C", "Rør 2.5"};
  table.SetUp(0.0f, 0.0f, 1.0f, 1.0f, "%.1f", headings, {}, {}, 0.0f);
  table.FillLabelledTexts(headings, labels, texts);
  const std::string html = table.FormatAsHtml();
  const auto row = [&html](int index) {
    std::size_t at = 0;
    for (int i = 0; i <= index; ++i) at = html.find("<tr>", at + 1);
    return html.substr(at, html.find("</tr>", at) - at);
  };
  // The first value column holds a number: two cells under its heading.
  EXPECT_EQ(row(0), "<tr><th>%.1f</th><th colspan=\"2\">Ja</th><th>Nei</th>");
  EXPECT_EQ(row(1),
            "<tr><td>Temperatur &lt;inne&gt;</td>"
            "<td x:num=\"27.2\" sdval=\"27.2\" sdnum=\"1033;\">27,2</td><td>°C</td>"
            "<td>Lang &amp; smal</td>");
  EXPECT_EQ(row(2),
            "<tr><td>Produkt</td><td x:num=\"-3\" sdval=\"-3\" sdnum=\"1033;\">-3</td>"
            "<td>°C</td><td>Rør 2,5</td>");

  ScriptedPlatform platform;
  table.CopyToClipboard();
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].text, table.FormatAsText() + '\0');
  EXPECT_EQ(platform.clipboardHtml, html);
}

// --- Drawing -----------------------------------------------------------

TEST_F(TabellTest, HeadingsBoldLabelsLeftValuesRightAligned) {
  FillThreeRows(-1);
  table.Draw(device, {0, 0, 2000, 2000});
  const int left = table.Rect.left;
  const int gap = MmToDeviceX(2.0f);
  const std::vector<int>& widths = table.ColumnWidths();
  const auto heading = device.TextCalls("Ja");
  ASSERT_EQ(heading.size(), 1u);
  EXPECT_EQ(heading[0].font, BoldFont());
  EXPECT_EQ(heading[0].h, HAlign::Right);
  EXPECT_EQ(heading[0].at.x, left + widths[0] + gap + widths[1]);
  const auto label = device.TextCalls("b");
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].font, NormalFont());
  EXPECT_EQ(label[0].h, HAlign::Left);
  EXPECT_EQ(label[0].at.x, left);
  // Row 2 lies two rows below row 0, one row gap below the top.
  EXPECT_EQ(label[0].at.y, table.Rect.top + 4 + 2 * (13 + 4));
  const auto value = device.TextCalls("6");
  ASSERT_EQ(value.size(), 1u);
  EXPECT_EQ(value[0].at.x, left + widths[0] + widths[1] + widths[2] + 2 * gap);
}

TEST_F(TabellTest, ThickRulesUnderHeadingsAndAtTheBottomThinBetweenRows) {
  FillThreeRows(-1);
  table.Draw(device, {0, 0, 2000, 2000});
  const auto lines = device.Of(FakeDevice::Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  const int thick = MmToDeviceY(0.5f);
  EXPECT_EQ(lines[0].pen.width, thick);
  EXPECT_EQ(lines[1].pen.width, 1);
  EXPECT_EQ(lines[2].pen.width, 1);
  EXPECT_EQ(lines[3].pen.width, thick);
  EXPECT_EQ(lines[0].at.y, table.Rect.top + 13 + 4 + 2);
  EXPECT_EQ(lines[3].at.y, lines[0].at.y + 3 * (13 + 4));
  EXPECT_EQ(lines[0].at.x, table.Rect.left);
  EXPECT_EQ(lines[0].to.x, table.Rect.right);
}

TEST_F(TabellTest, HighlightBandLiesUnderItsRow) {
  FillThreeRows(2);
  table.Draw(device, {0, 0, 2000, 2000});
  const auto fills = device.Of(FakeDevice::Kind::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].colour, Rgb(255, 255, 0));
  const int rowTop = device.TextCalls("b")[0].at.y;
  EXPECT_EQ(fills[0].rect.top, rowTop);
  EXPECT_EQ(fills[0].rect.bottom, rowTop + 13);
  EXPECT_EQ(fills[0].rect.left, table.Rect.left);
  EXPECT_EQ(fills[0].rect.right, table.Rect.right);
}

TEST_F(TabellTest, HighlightOfTheHeadingNoneOrPastTheEndDrawsNoBand) {
  for (int row : {0, -1, 4, 99}) {
    FillThreeRows(row);
    device.calls.clear();
    table.Draw(device, {0, 0, 2000, 2000});
    EXPECT_TRUE(device.Of(FakeDevice::Kind::Fill).empty()) << "row " << row;
  }
}

TEST_F(TabellTest, SelectionBackgroundOnScreenOnly) {
  FillThreeRows(-1);
  table.Selected = true;
  table.Draw(device, {0, 0, 2000, 2000});
  const auto fills = device.Of(FakeDevice::Kind::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].colour, kSelectionColour);
  EXPECT_EQ(fills[0].rect.bottom, table.Rect.bottom);
  device.calls.clear();
  device.printing = true;
  table.Draw(device, {0, 0, 2000, 2000});
  EXPECT_TRUE(device.Of(FakeDevice::Kind::Fill).empty());
}

TEST_F(TabellTest, DrawsRelativeToThePagePartAndSkipsPartsItMisses) {
  FillThreeRows(-1);
  table.Draw(device, {30, 50, 2000, 2000});
  EXPECT_EQ(device.TextCalls("a")[0].at.x, table.Rect.left - 30);
  device.calls.clear();
  table.Draw(device, {table.Rect.right, 0, table.Rect.right + 100, 2000});
  EXPECT_TRUE(device.calls.empty());
}

TEST_F(TabellTest, PrintingLaysTheTableOutInPrinterUnits) {
  FillThreeRows(-1);
  AddToPage(0, &table);
  FakeDevice printer;
  BeginPrinting(printer, 0.1f, 0.1f);
  EXPECT_EQ(table.Rect.left, 100);
  // The printer measures the fonts of 28 units: bold characters 15 wide.
  EXPECT_EQ(table.ColumnWidths()[1], 2 * 15);
  EndPrinting();
  EXPECT_EQ(table.Rect.left, 39);
  EXPECT_EQ(table.ColumnWidths()[1], 12);
}

}  // namespace
}  // namespace kav
