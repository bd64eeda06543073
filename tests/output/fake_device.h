#pragma once
// A drawing device for the page-item tests: fixed, easily computed text
// metrics, and a record of every drawing call.
#include <string>
#include <string_view>
#include <vector>

#include "output/device.h"
#include "output/text_form.h"

namespace kav::test {

// Characters are half the font height wide (bold one unit more), lines
// two units higher than the font, with one unit of external leading.
class FakeDevice final : public Device {
 public:
  enum class Kind { Text, Line, Polyline, Fill, Image };
  struct Call {
    Kind kind;
    std::string text;  // Text
    Font font;
    DevicePoint at;  // Text position, line start
    DevicePoint to;  // line end
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Top;
    Pen pen;                          // Line, Polyline
    std::vector<DevicePoint> points;  // Polyline
    DeviceRect rect;                  // Fill, Image
    Colour colour = 0;                // Fill
  };

  static int CharWidth(const Font& font) { return font.height / 2 + (font.weight >= 700 ? 1 : 0); }
  static int LineHeight(const Font& font) { return font.height + 2; }

  bool IsPrinting() const override { return printing; }
  FontMetrics Metrics(const Font& font) override { return {LineHeight(font), 1, CharWidth(font)}; }
  DeviceSize TextExtent(const Font& font, std::string_view text) override {
    ++measured;
    return {static_cast<int>(CharCount(text)) * CharWidth(font), LineHeight(font)};
  }
  void DrawText(const Font& font, DevicePoint at, std::string_view text, HAlign h,
                VAlign v) override {
    calls.push_back({Kind::Text, std::string(text), font, at, {}, h, v, {}, {}, {}, 0});
  }
  void DrawLine(const Pen& pen, DevicePoint from, DevicePoint to) override {
    calls.push_back({Kind::Line, {}, {}, from, to, {}, {}, pen, {}, {}, 0});
  }
  void DrawPolyline(const Pen& pen, std::span<const DevicePoint> points) override {
    calls.push_back(
        {Kind::Polyline, {}, {}, {}, {}, {}, {}, pen, {points.begin(), points.end()}, {}, 0});
  }
  void FillRect(const DeviceRect& rect, Colour colour) override {
    calls.push_back({Kind::Fill, {}, {}, {}, {}, {}, {}, {}, {}, rect, colour});
  }
  void DrawImage(const RgbImage&, const DeviceRect& target) override {
    calls.push_back({Kind::Image, {}, {}, {}, {}, {}, {}, {}, {}, target, 0});
  }

  std::vector<Call> Of(Kind kind) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : Of(Kind::Text)) texts.push_back(call.text);
    return texts;
  }
  // The drawing calls of the text, in order.
  std::vector<Call> TextCalls(std::string_view text) const {
    std::vector<Call> found;
    for (const Call& call : Of(Kind::Text)) {
      if (call.text == text) found.push_back(call);
    }
    return found;
  }

  bool printing = false;
  int measured = 0;  // TextExtent calls
  std::vector<Call> calls;
};

}  // namespace kav::test
