// Line graphs: layout, point and tick placement, what the axes show and
// leave out, the legend, and the text form.
#include "output/graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/scripted_platform.h"
#include "core/strings.h"
#include "page_fixture.h"

namespace kav {
namespace {

using test::FakeDevice;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

// Title "Lydfelleberegning", y label "[dB/m] " (35 units wide), x label
// " [Hz]" (25 units), at (10 mm, 10 mm) with a plot of 100 x 60 mm
// (394 x 236 units); lines 14 units high.
class GraphTest : public test::PageTest {
 protected:
  static constexpr int kPlotLeft = 35;
  static constexpr int kPlotBottom = 236 + 2 * 14;

  void SetUpGraph(std::vector<int> curveIds, bool markers) {
    const Colour colours[] = {kRed, kBlue};
    graph.SetUp(10.0f, 10.0f, 100.0f, 60.0f, ids::SoundTrapCalculation,
                ids::SoundGraphAttenuationAxis, ids::SoundGraphFrequencyAxis, curveIds, colours,
                {"%.0f", "%.0f", "%.0f", "%.1f"}, markers);
  }
  void SetUp() override {
    test::PageTest::SetUp();
    SetUpGraph({ids::SoundGraphCurve}, false);
  }

  std::vector<std::string> Labels(VAlign v) const {
    std::vector<std::string> labels;
    for (const auto& call : device.Of(FakeDevice::Kind::Text)) {
      if (call.v == v && call.font == NormalFont()) labels.push_back(call.text);
    }
    return labels;
  }
  // Short solid black lines of the given direction: the tick marks.
  int TickMarks(bool horizontal) const {
    int count = 0;
    for (const auto& call : device.Of(FakeDevice::Kind::Line)) {
      if (call.pen.style != LineStyle::Solid || call.pen.colour != kTextColour) continue;
      const int length = horizontal ? call.to.x - call.at.x : call.to.y - call.at.y;
      const bool straight = horizontal ? call.at.y == call.to.y : call.at.x == call.to.x;
      if (straight && length == 8) ++count;
    }
    return count;
  }
  // Solid black horizontal lines across the plot width: the zero line.
  int ZeroLines() const {
    int count = 0;
    for (const auto& call : device.Of(FakeDevice::Kind::Line)) {
      if (call.pen.style == LineStyle::Solid && call.pen.colour == kTextColour &&
          call.at.y == call.to.y && call.to.x - call.at.x == 394) {
        ++count;
      }
    }
    return count;
  }

  CGraph graph;
};

TEST_F(GraphTest, LayoutLeavesRoomForLabelsTitleAndLegend) {
  EXPECT_EQ(graph.PlotLeft(), kPlotLeft);
  EXPECT_EQ(graph.PlotBottom(), kPlotBottom);
  EXPECT_EQ(graph.Rect.left, 39);
  EXPECT_EQ(graph.Rect.right, 39 + 35 + 394 + 25);
  EXPECT_EQ(graph.Rect.bottom, graph.Rect.top + 236 + (1 + 4) * 14);
}

TEST_F(GraphTest, PointsSpanThePlotArea) {
  const float x[] = {0.0f, 4000.0f};
  const float y[] = {0.0f, 80.0f};
  const CurveData data[] = {{x, y}};
  graph.SetData(0.0f, 0.0f, 4000.0f, 80.0f, data);
  const auto& points = graph.Curve(0).Positions();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].x, kPlotLeft);
  EXPECT_EQ(points[0].y, kPlotBottom);
  EXPECT_EQ(points[1].x, kPlotLeft + 394);
  EXPECT_EQ(points[1].y, kPlotBottom - 236);
}

TEST_F(GraphTest, ExtremePointValuesKeepTheirPlaceOrStayOnTheDevice) {
  // 236 units times 8·10³⁶ is beyond a float; the point is still 8/9.9 up.
  // Non-finite values (which the modules refuse before drawing) are held
  // well inside an int.
  const float inf = std::numeric_limits<float>::infinity();
  const float x[] = {4000.0f, inf, std::numeric_limits<float>::quiet_NaN()};
  const float y[] = {8.0e36f, -inf, 1.0f};
  const CurveData data[] = {{x, y}};
  graph.SetData(0.0f, 0.0f, 4000.0f, 9.9e36f, data);
  const auto& points = graph.Curve(0).Positions();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].y, kPlotBottom - static_cast<int>(236.0 * 8.0e36 / 9.9e36));
  EXPECT_EQ(points[1].x, kPlotLeft + 1000000);
  EXPECT_EQ(points[1].y, kPlotBottom + 1000000);
  EXPECT_EQ(points[2].x, kPlotLeft);
}

TEST_F(GraphTest, FixedStepCountsWholeStepsAndLabelsFromTheSecondTick) {
  graph.SetScale(1000.0f, 1.0f, 1, 1);
  graph.SetData(0.0f, 0.0f, 4000.0f, 5.83f, {});
  const auto& ticks = graph.YTicks();
  ASSERT_EQ(ticks.size(), 5u);
  std::vector<std::string> labels;
  for (const GraphTick& tick : ticks) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"", "1", "2", "3", "4"}));
  EXPECT_EQ(ticks[0].position, kPlotBottom);
  EXPECT_EQ(ticks[1].position, kPlotBottom - static_cast<int>(236.0f / 5.83f));
}

TEST_F(GraphTest, TicksAreBoundedAndAnInfiniteRangePlacesNothing) {
  // 4·10²⁰ dB/m in steps of 10 would be 4·10¹⁹ ticks.
  graph.SetScale(250.0f, 10.0f, 1, 1);
  graph.SetData(0.0f, 0.0f, 4250.0f, 4e20f, {});
  EXPECT_EQ(graph.YTicks().size(), 1000u);
  EXPECT_EQ(graph.XTicks().size(), 17u);
  graph.SetData(0.0f, 0.0f, 4250.0f, std::numeric_limits<float>::infinity(), {});
  EXPECT_TRUE(graph.YTicks().empty());
  EXPECT_TRUE(graph.XTicks().empty());
}

TEST_F(GraphTest, LabelEveryNthTick) {
  graph.SetScale(1000.0f, 1.0f, 1, 2);
  graph.SetData(0.0f, 0.0f, 4000.0f, 6.0f, {});
  std::vector<std::string> labels;
  for (const GraphTick& tick : graph.YTicks()) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"", "", "2", "", "4", ""}));
}

TEST_F(GraphTest, WithoutFixedScaleTheFontSetsTheTickCount) {
  graph.SetData(0.0f, 0.0f, 3900.0f, 80.0f, {});
  // 236 / (2 x 14) = 8 ticks of 10; 394 / (6 x 5) = 13 ticks of 300.
  ASSERT_EQ(graph.YTicks().size(), 8u);
  EXPECT_EQ(graph.YTicks()[7].label, "70");
  ASSERT_EQ(graph.XTicks().size(), 13u);
  EXPECT_EQ(graph.XTicks()[12].label, "3600");
}

TEST_F(GraphTest, AboveZeroThereIsNoZeroLineAndNoXTickMarksButXLabelsStay) {
  graph.SetScale(1000.0f, 10.0f, 1, 1);
  graph.SetData(0.0f, 10.0f, 4000.0f, 50.0f, {});
  EXPECT_FALSE(graph.HasZeroLine());
  graph.Draw(device, {0, 0, 2000, 2000});
  EXPECT_EQ(ZeroLines(), 0);
  EXPECT_EQ(TickMarks(false), 0);
  const auto xLabels = Labels(VAlign::Top);
  for (const char* label : {"1000", "2000", "3000"}) {
    EXPECT_EQ(std::count(xLabels.begin(), xLabels.end(), label), 1) << label;
  }
}

TEST_F(GraphTest, TicksNearTheAxesAreNeitherMarkedNorLabelled) {
  graph.SetScale(500.0f, 1.0f, 1, 1);
  graph.SetData(-500.0f, -1.0f, 4000.0f, 5.0f, {});
  ASSERT_TRUE(graph.HasZeroLine());
  graph.Draw(device, {0, 0, 2000, 2000});
  EXPECT_EQ(ZeroLines(), 1);
  // y ticks -1..4: the one at 0 lies on the horizontal axis.
  EXPECT_EQ(TickMarks(true), 5);
  EXPECT_EQ(Labels(VAlign::Centre), (std::vector<std::string>{"1", "2", "3", "4"}));
  // x ticks -500..3500: the one at 0 lies on the vertical axis.
  EXPECT_EQ(TickMarks(false), 8);
  const auto xLabels = Labels(VAlign::Top);
  EXPECT_EQ(std::count(xLabels.begin(), xLabels.end(), "0"), 0);
  EXPECT_EQ(std::count(xLabels.begin(), xLabels.end(), "500"), 1);
}

TEST_F(GraphTest, LongTitleOrCurveNameWidensTheItemNotThePlot) {
  graph.SetUp(0.0f, 0.0f, 1.0f, 10.0f, ids::InternalInsulationTitle, 0, 0,
              std::vector<int>{ids::Yes}, std::vector<Colour>{kRed}, {}, false);
  const int titleWidth = static_cast<int>(CharCount(Str(ids::InternalInsulationTitle))) * 6;
  EXPECT_EQ(graph.Rect.right - graph.Rect.left, titleWidth);
  const float one[] = {1.0f};
  const CurveData data[] = {{one, one}};
  graph.SetData(0.0f, 0.0f, 1.0f, 1.0f, data);
  EXPECT_EQ(graph.Curve(0).Positions()[0].x, MmToDeviceX(1.0f));

  graph.SetUp(0.0f, 0.0f, 1.0f, 10.0f, ids::Yes, 0, 0, std::vector<int>{ids::ValidityTitle},
              std::vector<Colour>{kRed}, {}, false);
  const int nameWidth = static_cast<int>(CharCount(Str(ids::ValidityTitle))) * 5;
  EXPECT_EQ(graph.Rect.right - graph.Rect.left, nameWidth + 5);  // plus one character
}

TEST_F(GraphTest, CurveWithoutPointsDrawsOnlyItsLegend) {
  SetUpGraph({ids::SoundGraphCurve, ids::Yes}, false);
  const float x[] = {0.0f, 1000.0f, 2000.0f};
  const float y[] = {1.0f, 2.0f, 3.0f};
  const CurveData data[] = {{x, y}};
  graph.SetData(0.0f, 0.0f, 4000.0f, 5.0f, data);
  EXPECT_EQ(graph.Curve(1).PointCount(), 0);
  graph.Draw(device, {0, 0, 2000, 2000});
  const auto polylines = device.Of(FakeDevice::Kind::Polyline);
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0].pen.colour, kRed);
  EXPECT_EQ(polylines[0].points.size(), 3u);
  // Both legend entries, one line height apart, the names 4 mm right of
  // the line's start and 1 mm above it.
  const auto first = device.TextCalls(Str(ids::SoundGraphCurve));
  const auto second = device.TextCalls("Ja");
  ASSERT_EQ(first.size(), 1u);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].at.y - first[0].at.y, 14);
  EXPECT_EQ(first[0].at.x, graph.Rect.left + kPlotLeft + 16);
  EXPECT_EQ(first[0].at.y, graph.Rect.top + kPlotBottom + 2 * 14 - 4);
  int blueLines = 0;
  for (const auto& call : device.Of(FakeDevice::Kind::Line)) blueLines += call.pen.colour == kBlue;
  EXPECT_EQ(blueLines, 1);
}

TEST_F(GraphTest, MarkersOnEveryPointAndInTheLegend) {
  SetUpGraph({ids::SoundGraphCurve}, true);
  const float x[] = {0.0f, 1000.0f, 2000.0f};
  const CurveData data[] = {{x, x}};
  graph.SetData(0.0f, 0.0f, 4000.0f, 4000.0f, data);
  graph.Draw(device, {0, 0, 2000, 2000});
  const auto fills = device.Of(FakeDevice::Kind::Fill);
  ASSERT_EQ(fills.size(), 4u);
  for (const auto& fill : fills) {
    EXPECT_EQ(fill.colour, kRed);
    EXPECT_EQ(fill.rect.right - fill.rect.left, 8);
    EXPECT_EQ(fill.rect.bottom - fill.rect.top, 8);
  }
}

TEST_F(GraphTest, TextFormHasCommasAndPadsToTheAxisLabels) {
  const float x[] = {125.0f, 2000.0f};
  const float y[] = {3.0f, 12.5f};
  const CurveData data[] = {{x, y}};
  graph.SetData(0.0f, 0.0f, 4000.0f, 20.0f, data);
  const std::string expected =
      "Lydfelleberegning\n"
      "Lyddemping som funksjon av frekvens\n"
      " [Hz]\t[dB/m] \n"
      "125  \t3,0    \n"
      "2000 \t12,5   \n"
      "\n";
  EXPECT_EQ(graph.FormatAsText(), expected);

  ScriptedPlatform platform;
  graph.CopyToClipboard();
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].text, expected + '\0');
  std::string out;
  graph.WriteText(out);
  EXPECT_EQ(out, expected + "\n\n");
}

}  // namespace
}  // namespace kav
