#pragma once
// The drawing device: the only way page items draw and measure. The desktop
// program draws through Qt (src/ui); tests through a recording fake. All
// coordinates are device units (screen pixels or printer dots).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace kav {

struct DevicePoint {
  int x = 0;
  int y = 0;
};

struct DeviceSize {
  int width = 0;
  int height = 0;
};

// Left and top belong to the rectangle, right and bottom do not.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(DevicePoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  // Whether the two rectangles share a non-empty area.
  bool Meets(const DeviceRect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom && !IsEmpty() &&
           !o.IsEmpty();
  }
  DeviceRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline DevicePoint operator+(DevicePoint a, DevicePoint b) {
  return {a.x + b.x, a.y + b.y};
}

// The parts of a colour (0x00BBGGRR).
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFFu);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFFu);
}

// A font as the page fonts give it: character height in device units,
// weight (400 normal, 700 bold) and family.
struct Font {
  int height = 0;
  int weight = 400;
  std::string family = "Arial";

  bool operator==(const Font&) const = default;
};

struct FontMetrics {
  int height = 0;  // ascent + descent
  int externalLeading = 0;
  int averageCharWidth = 0;
};

enum class HAlign { Left, Right, Centre };
enum class VAlign { Top, Centre };
enum class LineStyle { Solid, Dotted };

struct Pen {
  int width = 1;
  LineStyle style = LineStyle::Solid;
  Colour colour = 0;
};

// A 24-bit picture, row by row from the top, one 0x00BBGGRR value a pixel.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;
  // The picture as the drawing device converted it when it was first drawn,
  // kept for the next time (a Qt image, ToQImage); the pixels are not
  // changed once the picture has been drawn.
  mutable std::shared_ptr<const void> converted;

  bool IsEmpty() const { return width <= 0 || height <= 0; }
};

class Device {
 public:
  virtual ~Device() = default;

  virtual bool IsPrinting() const = 0;

  virtual FontMetrics Metrics(const Font& font) = 0;
  // Width and height of a line of text (UTF-8).
  virtual DeviceSize TextExtent(const Font& font, std::string_view text) = 0;

  // Draws text in the page text colour (black). The point is the left end,
  // the right end or the middle of the text by `h`, and its top or its
  // vertical middle by `v`.
  virtual void DrawText(const Font& font, DevicePoint at, std::string_view text, HAlign h,
                        VAlign v) = 0;
  virtual void DrawLine(const Pen& pen, DevicePoint from, DevicePoint to) = 0;
  virtual void DrawPolyline(const Pen& pen, std::span<const DevicePoint> points) = 0;
  virtual void FillRect(const DeviceRect& rect, Colour colour) = 0;
  // Draws the picture stretched into the rectangle.
  virtual void DrawImage(const RgbImage& image, const DeviceRect& target) = 0;
};

}  // namespace kav
