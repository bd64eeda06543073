#include "output/graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/strings.h"
#include "output/page_layout.h"
#include "output/text_form.h"

namespace kav {
namespace {

constexpr int kMaxTicks = 1000;

// Device offsets are held within this many units of the plot's corner: far
// beyond any page, yet nowhere near an int's limits.
constexpr double kFarOffset = 1.0e6;

int DeviceOffset(double offset) {
  if (std::isnan(offset)) return 0;
  return static_cast<int>(std::clamp(offset, -kFarOffset, kFarOffset));
}

// The offset of `value` along an axis of `length` units showing min..max.
// A value near the float's limit overflows the product with the length;
// it is then taken in double, so that it still lands where it belongs.
int AxisOffset(float length, float value, float min, float max) {
  const float offset = length * (value - min) / (max - min);
  if (std::isfinite(offset)) return DeviceOffset(offset);
  return DeviceOffset(static_cast<double>(length) *
                      (static_cast<double>(value) - static_cast<double>(min)) /
                      (static_cast<double>(max) - static_cast<double>(min)));
}

}  // namespace

void CGraph::SetUp(float left, float top, float width, float height, int titleId, int yLabelId,
                   int xLabelId, std::span<const int> curveIds, std::span<const Colour> colours,
                   GraphFormats formats, bool markers) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Name = Str(titleId);
  yLabel_ = Str(yLabelId);
  xLabel_ = Str(xLabelId);
  Children.Clear();
  std::size_t index = 0;
  for (int id : UpToZero(curveIds)) {
    const Colour colour = index < colours.size() ? colours[index] : kTextColour;
    Children.Append(std::make_unique<CKurve>(Str(id), colour));
    ++index;
  }
  formats_ = std::move(formats);
  markers_ = markers;
  fixedScale_ = false;
  xLabelEvery_ = 1;
  yLabelEvery_ = 1;
  Layout();
}

void CGraph::SetPosition(float left, float top) {
  left_ = left;
  top_ = top;
  Layout();
}

void CGraph::SetScale(float xStep, float yStep, int xLabelEvery, int yLabelEvery) {
  xStep_ = xStep;
  yStep_ = yStep;
  xLabelEvery_ = xLabelEvery;
  yLabelEvery_ = yLabelEvery;
  fixedScale_ = true;
  Place();
}

void CGraph::SetData(float xMin, float yMin, float xMax, float yMax,
                     std::span<const CurveData> curves) {
  xMin_ = xMin;
  yMin_ = yMin;
  xMax_ = xMax;
  yMax_ = yMax;
  zeroLine_ = yMin <= 0.0f && 0.0f <= yMax;
  for (int i = 0; i < CurveCount(); ++i) {
    CKurve& curve = CurveAt(i);
    curve.xValues_.clear();
    curve.yValues_.clear();
    if (static_cast<std::size_t>(i) >= curves.size()) continue;
    const CurveData& data = curves[static_cast<std::size_t>(i)];
    const std::size_t count = std::min(data.x.size(), data.y.size());
    curve.xValues_.assign(data.x.begin(), data.x.begin() + static_cast<std::ptrdiff_t>(count));
    curve.yValues_.assign(data.y.begin(), data.y.begin() + static_cast<std::ptrdiff_t>(count));
  }
  Place();
}

CKurve& CGraph::CurveAt(int index) const {
  return *static_cast<CKurve*>(Children.at(static_cast<std::size_t>(index)));
}

const CKurve& CGraph::Curve(int index) const {
  return CurveAt(index);
}

int CGraph::Layout() {
  Device& device = MeasuringDevice();
  const int left = MmToDeviceX(left_);
  const int top = MmToDeviceY(top_);
  plotWidth_ = MmToDeviceX(width_);
  plotHeight_ = MmToDeviceY(height_);
  const FontMetrics metrics = device.Metrics(NormalFont());
  charWidth_ = metrics.averageCharWidth;
  lineHeight_ = metrics.height + metrics.externalLeading;
  const int yLabelWidth = device.TextExtent(NormalFont(), yLabel_).width;
  const int xLabelWidth = device.TextExtent(NormalFont(), xLabel_).width;
  int legendWidth = device.TextExtent(BoldFont(), Name).width;
  for (int i = 0; i < CurveCount(); ++i) {
    const int width = device.TextExtent(NormalFont(), CurveAt(i).Name).width + charWidth_;
    legendWidth = std::max(legendWidth, width);
  }
  plotLeft_ = yLabelWidth;
  plotBottom_ = plotHeight_ + 2 * lineHeight_;
  int right = left + yLabelWidth + plotWidth_ + xLabelWidth;
  if (right - left < legendWidth) right = left + legendWidth;
  const int bottom = top + plotHeight_ + (CurveCount() + 4) * lineHeight_;
  Rect = {left, top, right, bottom};
  Place();
  return bottom;
}

DevicePoint CGraph::PositionOf(float x, float y) const {
  const float width = static_cast<float>(plotWidth_);
  const float height = static_cast<float>(plotHeight_);
  return {plotLeft_ + AxisOffset(width, x, xMin_, xMax_),
          plotBottom_ - AxisOffset(height, y, yMin_, yMax_)};
}

// Points, zero and ticks follow the layout and the ranges; without usable
// ranges there is nothing to place.
void CGraph::Place() {
  const bool ranged = xMax_ > xMin_ && yMax_ > yMin_ && std::isfinite(xMax_ - xMin_) &&
                      std::isfinite(yMax_ - yMin_);
  for (int i = 0; i < CurveCount(); ++i) {
    CKurve& curve = CurveAt(i);
    curve.positions_.clear();
    if (!ranged) continue;
    for (int p = 0; p < curve.PointCount(); ++p) {
      const auto at = static_cast<std::size_t>(p);
      curve.positions_.push_back(PositionOf(curve.xValues_[at], curve.yValues_[at]));
    }
  }
  xTicks_.clear();
  yTicks_.clear();
  zero_ = {};
  if (!ranged) return;
  const float width = static_cast<float>(plotWidth_);
  const float height = static_cast<float>(plotHeight_);
  zero_ = {plotLeft_ + DeviceOffset(width * (1.0f - xMax_ / (xMax_ - xMin_))),
           plotBottom_ - DeviceOffset(height * (1.0f - yMax_ / (yMax_ - yMin_)))};
  yTicks_ = MakeTicks(true);
  xTicks_ = MakeTicks(false);
}

std::vector<GraphTick> CGraph::MakeTicks(bool vertical) {
  const float min = vertical ? yMin_ : xMin_;
  const float max = vertical ? yMax_ : xMax_;
  float& step = vertical ? yStep_ : xStep_;
  int count = 0;
  if (fixedScale_) {
    // A step far too small for the range would give more ticks than any
    // plot can show: no more than kMaxTicks.
    const float steps = step > 0.0f ? (max - min) / step : 0.0f;
    count = steps < static_cast<float>(kMaxTicks) ? static_cast<int>(steps) : kMaxTicks;
  } else {
    const int spacing = vertical ? 2 * lineHeight_ : 6 * charWidth_;
    if (spacing > 0) count = (vertical ? plotHeight_ : plotWidth_) / spacing;
    if (count > 0) step = (max - min) / static_cast<float>(count);
  }
  const std::string& format = vertical ? formats_.yTick : formats_.xTick;
  const int every = vertical ? yLabelEvery_ : xLabelEvery_;
  std::vector<GraphTick> ticks;
  int counter = 0;
  for (int i = 0; i < count; ++i) {
    const float value = min + static_cast<float>(i) * step;
    GraphTick& tick = ticks.emplace_back();
    tick.position = vertical ? PositionOf(xMin_, value).y : PositionOf(value, yMin_).x;
    if (counter == every) {
      tick.label = Format(format, value);
      counter = 0;
    }
    ++counter;
  }
  return ticks;
}

void CGraph::Draw(Device& device, const DeviceRect& page) {
  if (!Rect.Meets(page)) return;
  const DeviceRect drawn = Rect.Moved(-page.left, -page.top);
  const DevicePoint origin{drawn.left, drawn.top};
  if (Selected && !device.IsPrinting()) device.FillRect(drawn, kSelectionColour);
  device.DrawText(BoldFont(), {drawn.left + (drawn.right - drawn.left) / 2, drawn.top}, Name,
                  HAlign::Centre, VAlign::Top);
  DrawAxes(device, origin, drawn);
  DevicePoint legend = origin + DevicePoint{plotLeft_, plotBottom_ + 2 * lineHeight_};
  for (int i = 0; i < CurveCount(); ++i) {
    DrawCurve(device, origin, CurveAt(i), legend);
    legend.y += lineHeight_;
  }
}

void CGraph::DrawAxes(Device& device, DevicePoint origin, const DeviceRect& drawn) {
  const int plotTop = plotBottom_ - plotHeight_;
  const int plotRight = plotLeft_ + plotWidth_;
  const Pen grid{1, LineStyle::Dotted, kTextColour};
  for (const GraphTick& tick : yTicks_) {
    device.DrawLine(grid, origin + DevicePoint{plotLeft_, tick.position},
                    origin + DevicePoint{plotRight, tick.position});
  }
  for (const GraphTick& tick : xTicks_) {
    device.DrawLine(grid, origin + DevicePoint{tick.position, plotTop},
                    origin + DevicePoint{tick.position, plotBottom_});
  }
  const int mmX = MmToDeviceX(1.0f);
  const int mmY = MmToDeviceY(1.0f);
  const Pen axis{mmX / 2, LineStyle::Solid, kTextColour};
  device.DrawText(NormalFont(), origin + DevicePoint{zero_.x, lineHeight_}, yLabel_, HAlign::Right,
                  VAlign::Top);
  device.DrawText(NormalFont(), {drawn.right, origin.y + plotBottom_}, xLabel_, HAlign::Right,
                  VAlign::Top);
  device.DrawLine(axis, origin + DevicePoint{zero_.x, plotTop},
                  origin + DevicePoint{zero_.x, plotBottom_});
  if (zeroLine_) {
    device.DrawLine(axis, origin + DevicePoint{plotLeft_, zero_.y},
                    origin + DevicePoint{plotRight, zero_.y});
  }
  for (const GraphTick& tick : yTicks_) {
    if (std::abs(tick.position - zero_.y) < lineHeight_) continue;
    device.DrawLine(axis, origin + DevicePoint{zero_.x - mmX, tick.position},
                    origin + DevicePoint{zero_.x + mmX, tick.position});
    if (!tick.label.empty()) {
      device.DrawText(NormalFont(), origin + DevicePoint{plotLeft_ - 2 * mmX, tick.position},
                      tick.label, HAlign::Right, VAlign::Centre);
    }
  }
  for (const GraphTick& tick : xTicks_) {
    if (std::abs(tick.position - zero_.x) < 4 * charWidth_) continue;
    if (zeroLine_) {
      device.DrawLine(axis, origin + DevicePoint{tick.position, zero_.y - mmY},
                      origin + DevicePoint{tick.position, zero_.y + mmY});
    }
    if (!tick.label.empty()) {
      device.DrawText(NormalFont(), origin + DevicePoint{tick.position, plotBottom_ + mmY},
                      tick.label, HAlign::Centre, VAlign::Top);
    }
  }
}

void CGraph::DrawCurve(Device& device, DevicePoint origin, const CKurve& curve,
                       DevicePoint legend) {
  const Pen pen{MmToDeviceX(1.0f) / 2, LineStyle::Solid, curve.GetColour()};
  std::vector<DevicePoint> points;
  for (DevicePoint p : curve.Positions()) points.push_back(origin + p);
  if (!points.empty()) device.DrawPolyline(pen, points);
  if (markers_) {
    for (DevicePoint p : points) DrawMarker(device, p, curve.GetColour());
  }
  const int lineLength = MmToDeviceX(4.0f);
  device.DrawLine(pen, legend, legend + DevicePoint{lineLength, 0});
  if (markers_) DrawMarker(device, legend + DevicePoint{lineLength / 2, 0}, curve.GetColour());
  device.DrawText(NormalFont(), legend + DevicePoint{lineLength, -MmToDeviceY(1.0f)}, curve.Name,
                  HAlign::Left, VAlign::Top);
}

// A filled square 2 mm wide around the point.
void CGraph::DrawMarker(Device& device, DevicePoint centre, Colour colour) {
  const int mmX = MmToDeviceX(1.0f);
  const int mmY = MmToDeviceY(1.0f);
  device.FillRect({centre.x - mmX, centre.y - mmY, centre.x + mmX, centre.y + mmY}, colour);
}

std::string CGraph::FormatAsText() const {
  std::string text = Name + "\n";
  const std::size_t xWidth = CharCount(xLabel_);
  const std::size_t yWidth = CharCount(yLabel_);
  for (int i = 0; i < CurveCount(); ++i) {
    const CKurve& curve = CurveAt(i);
    text += curve.Name + "\n" + xLabel_ + "\t" + yLabel_ + "\n";
    for (int p = 0; p < curve.PointCount(); ++p) {
      const auto at = static_cast<std::size_t>(p);
      AppendPadded(text, WithDecimalComma(Format(formats_.xValue, curve.XValues()[at])), xWidth);
      text += '\t';
      AppendPadded(text, WithDecimalComma(Format(formats_.yValue, curve.YValues()[at])), yWidth);
      text += '\n';
    }
    text += '\n';
  }
  return text;
}

void CGraph::CopyToClipboard() {
  PutOnClipboard(FormatAsText());
}

void CGraph::WriteText(std::string& out) {
  out += FormatAsText();
  out += "\n\n";
}

void CGraph::BeginDevice(Device& device) {
  CGraphicsItem::BeginDevice(device);
  Layout();
}

void CGraph::EndDevice() {
  CGraphicsItem::EndDevice();
  Layout();
}

}  // namespace kav
