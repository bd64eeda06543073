#pragma once
// Line graphs of one quantity against another (attenuation against
// frequency, tank temperature against time): a bold title, a plot area
// with a dotted grid and axes through zero, tick labels, axis labels and a
// legend with one line per curve.
#include <span>
#include <string>
#include <vector>

#include "output/graphics_item.h"

namespace kav {

// One curve; its Name is the legend text. Point positions are relative to
// the graph's top-left corner.
class CKurve : public CListItem {
 public:
  static constexpr const char* kClassName = "CKurve";

  CKurve(std::string legend, Colour colour) : CListItem(std::move(legend)), colour_(colour) {}
  const char* ClassName() const override { return kClassName; }

  Colour GetColour() const { return colour_; }
  int PointCount() const { return static_cast<int>(xValues_.size()); }
  const std::vector<float>& XValues() const { return xValues_; }
  const std::vector<float>& YValues() const { return yValues_; }
  const std::vector<DevicePoint>& Positions() const { return positions_; }

 private:
  friend class CGraph;
  Colour colour_;
  std::vector<float> xValues_;
  std::vector<float> yValues_;
  std::vector<DevicePoint> positions_;
};

// One curve's data for SetData; both spans as long as its point count.
struct CurveData {
  std::span<const float> x;
  std::span<const float> y;
};

struct GraphFormats {
  std::string xTick;  // tick labels
  std::string yTick;
  std::string xValue;  // the values in the text form
  std::string yValue;
};

// A tick of an axis: its position along the axis (device units from the
// graph's left or top edge) and its label, empty when unlabelled.
struct GraphTick {
  int position = 0;
  std::string label;
};

class CGraph : public CGraphicsItem {
 public:
  static constexpr const char* kClassName = "CGraph";

  const char* ClassName() const override { return kClassName; }
  ItemKind Kind() const override { return ItemKind::Graph; }

  // Creates one curve per legend id (a 0 ends the list early) with the
  // colour of the same index; the scale follows the font until SetScale.
  void SetUp(float left, float top, float width, float height, int titleId, int yLabelId,
             int xLabelId, std::span<const int> curveIds, std::span<const Colour> colours,
             GraphFormats formats, bool markers);
  void SetPosition(float left, float top);
  // Fixed tick steps in data units; ticks labelled every n-th.
  void SetScale(float xStep, float yStep, int xLabelEvery, int yLabelEvery);
  // The axis ranges and the points of the curves (copied); curves without
  // data get no points.
  void SetData(float xMin, float yMin, float xMax, float yMax, std::span<const CurveData> curves);

  // Lays the graph out for the measuring device, then places its points and
  // ticks; the bottom edge.
  int Layout();
  void Draw(Device& device, const DeviceRect& page) override;
  // The text form: title, then per curve its name, the axis labels and the
  // values in columns.
  std::string FormatAsText() const;
  void CopyToClipboard() override;
  void WriteText(std::string& out) override;
  void BeginDevice(Device& device) override;
  void EndDevice() override;

  const std::string& Title() const { return Name; }
  const std::string& XAxisLabel() const { return xLabel_; }
  const std::string& YAxisLabel() const { return yLabel_; }
  int CurveCount() const { return static_cast<int>(Children.size()); }
  const CKurve& Curve(int index) const;
  const std::vector<GraphTick>& XTicks() const { return xTicks_; }
  const std::vector<GraphTick>& YTicks() const { return yTicks_; }
  bool HasZeroLine() const { return zeroLine_; }
  int PlotLeft() const { return plotLeft_; }
  int PlotBottom() const { return plotBottom_; }

 private:
  CKurve& CurveAt(int index) const;
  void Place();
  DevicePoint PositionOf(float x, float y) const;
  std::vector<GraphTick> MakeTicks(bool vertical);
  void DrawAxes(Device& device, DevicePoint origin, const DeviceRect& drawn);
  void DrawCurve(Device& device, DevicePoint origin, const CKurve& curve, DevicePoint legend);
  void DrawMarker(Device& device, DevicePoint centre, Colour colour);

  std::string yLabel_;
  std::string xLabel_;
  GraphFormats formats_;
  float left_ = 0.0f;  // mm
  float top_ = 0.0f;
  float width_ = 0.0f;
  float height_ = 0.0f;
  float xMin_ = 0.0f;
  float xMax_ = 0.0f;
  float yMin_ = 0.0f;
  float yMax_ = 0.0f;
  bool markers_ = false;
  bool zeroLine_ = false;
  bool fixedScale_ = false;
  float xStep_ = 0.0f;
  float yStep_ = 0.0f;
  int xLabelEvery_ = 1;
  int yLabelEvery_ = 1;
  // Layout, device units.
  int plotLeft_ = 0;
  int plotBottom_ = 0;
  int plotWidth_ = 0;
  int plotHeight_ = 0;
  int charWidth_ = 0;
  int lineHeight_ = 0;
  DevicePoint zero_;
  std::vector<GraphTick> xTicks_;
  std::vector<GraphTick> yTicks_;
};

}  // namespace kav
