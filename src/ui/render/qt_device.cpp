#include "ui/render/qt_device.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <algorithm>

#include "output/page_layout.h"
#include "ui/render/qt_pictures.h"

namespace kav {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

FontMetrics MetricsOn(const Font& font, const QPaintDevice* device) {
  const QFontMetrics metrics(ToQFont(font), device);
  return {metrics.height(), std::max(metrics.leading(), 0), metrics.averageCharWidth()};
}

DeviceSize ExtentOn(const Font& font, std::string_view text, const QPaintDevice* device) {
  const QFontMetrics metrics(ToQFont(font), device);
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

QPen ToQPen(const Pen& pen) {
  QPen out(ToQColor(pen.colour));
  out.setWidth(std::max(pen.width, 1));
  out.setStyle(pen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  out.setCapStyle(Qt::FlatCap);
  return out;
}

}  // namespace

QFont ToQFont(const Font& font) {
  QFont out(font.family == "Arial" ? QStringLiteral("Liberation Sans") : ToQString(font.family));
  out.setPixelSize(std::max(font.height, 1));
  out.setWeight(static_cast<QFont::Weight>(font.weight));
  return out;
}

QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

FontMetrics QtPainterDevice::Metrics(const Font& font) {
  return MetricsOn(font, painter_.device());
}

DeviceSize QtPainterDevice::TextExtent(const Font& font, std::string_view text) {
  return ExtentOn(font, text, painter_.device());
}

void QtPainterDevice::DrawText(const Font& font, DevicePoint at, std::string_view text, HAlign h,
                               VAlign v) {
  const QFont qfont = ToQFont(font);
  const QFontMetrics metrics(qfont, painter_.device());
  const QString string = ToQString(text);
  int x = at.x;
  if (h == HAlign::Right) x -= metrics.horizontalAdvance(string);
  if (h == HAlign::Centre) x -= metrics.horizontalAdvance(string) / 2;
  const int top = v == VAlign::Centre ? at.y - metrics.height() / 2 : at.y;
  painter_.setFont(qfont);
  painter_.setPen(ToQColor(kTextColour));
  painter_.drawText(QPoint(x, top + metrics.ascent()), string);
}

void QtPainterDevice::DrawLine(const Pen& pen, DevicePoint from, DevicePoint to) {
  painter_.setPen(ToQPen(pen));
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtPainterDevice::DrawPolyline(const Pen& pen, std::span<const DevicePoint> points) {
  QPolygon polygon;
  for (DevicePoint p : points) polygon << QPoint(p.x, p.y);
  painter_.setPen(ToQPen(pen));
  painter_.drawPolyline(polygon);
}

void QtPainterDevice::FillRect(const DeviceRect& rect, Colour colour) {
  painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    ToQColor(colour));
}

void QtPainterDevice::DrawImage(const RgbImage& image, const DeviceRect& target) {
  painter_.drawImage(
      QRect(target.left, target.top, target.right - target.left, target.bottom - target.top),
      ToQImage(image));
}

FontMetrics QtScreenDevice::Metrics(const Font& font) {
  return MetricsOn(font, &image_);
}

DeviceSize QtScreenDevice::TextExtent(const Font& font, std::string_view text) {
  return ExtentOn(font, text, &image_);
}

}  // namespace kav
