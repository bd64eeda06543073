#pragma once
// The drawing devices of the desktop program: a QPainter on a window, an
// image or a printer, and the screen's measuring device. Page fonts are
// sized in pixels, so the metrics do not depend on the screen's DPI; the
// page fonts' "Arial" is drawn with Liberation Sans, which has its metrics.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "output/device.h"

namespace kav {

QFont ToQFont(const Font& font);
QColor ToQColor(Colour colour);

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
};

}  // namespace kav
