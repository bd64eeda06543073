#pragma once
// The drawing devices of the desktop program: a QPainter on a window, an
// image or a printer, and the screen's measuring device. Page fonts are
// sized in pixels, so the metrics do not depend on the screen's DPI; the
// page fonts' "Arial" is drawn with Liberation Sans, which has its metrics.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "output/device.h"

namespace kav {

QFont ToQFont(const Font& font);
QColor ToQColor(Colour colour);

// The page fonts on one paint device, each made once with its metrics, and
// the widths of the strings measured in them. A page is laid out again and
// again from the same labels and values, so a width is measured once; the
// widths kept per font are bounded (the store is emptied when full).
class QtFontCache {
 public:
  static constexpr std::size_t kWidthsPerFont = 2048;
  static constexpr std::size_t kFonts = 16;

  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  struct Entry {
    Entry(const Font& key, const QPaintDevice* device);
    int Width(std::string_view text);

    Font font;
    QFont qfont;
    QFontMetrics metrics;
    FontMetrics pageMetrics;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> widths;
  };

  // The font made for `device`; a different device, or more fonts than
  // kFonts, start the cache afresh.
  Entry& For(const Font& font, const QPaintDevice* device);

 private:
  const QPaintDevice* device_ = nullptr;
  std::vector<std::unique_ptr<Entry>> entries_;
};

class QtPainterDevice final : public Device {
 public:
  // The painter must be active while the device is used.
  QtPainterDevice(QPainter& painter, bool printing) : painter_(painter), printing_(printing) {}

  bool IsPrinting() const override { return printing_; }
  FontMetrics Metrics(const Font& font) override;
  DeviceSize TextExtent(const Font& font, std::string_view text) override;
  void DrawText(const Font& font, DevicePoint at, std::string_view text, HAlign h,
                VAlign v) override;
  void DrawLine(const Pen& pen, DevicePoint from, DevicePoint to) override;
  void DrawPolyline(const Pen& pen, std::span<const DevicePoint> points) override;
  void FillRect(const DeviceRect& rect, Colour colour) override;
  void DrawImage(const RgbImage& image, const DeviceRect& target) override;

 private:
  QPainter& painter_;
  bool printing_;
  QtFontCache fonts_;
};

// Measures text as the screen shows it (on an image); draws nothing. The
// program installs it with SetScreenDevice.
class QtScreenDevice final : public Device {
 public:
  bool IsPrinting() const override { return false; }
  FontMetrics Metrics(const Font& font) override;
  DeviceSize TextExtent(const Font& font, std::string_view text) override;
  void DrawText(const Font&, DevicePoint, std::string_view, HAlign, VAlign) override {}
  void DrawLine(const Pen&, DevicePoint, DevicePoint) override {}
  void DrawPolyline(const Pen&, std::span<const DevicePoint>) override {}
  void FillRect(const DeviceRect&, Colour) override {}
  void DrawImage(const RgbImage&, const DeviceRect&) override {}

 private:
  QImage image_{1, 1, QImage::Format_RGB32};
  QtFontCache fonts_;
};

}  // namespace kav
