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

QtFontCache::Entry::Entry(const Font& key, const QPaintDevice* device)
    : font(key),
      qfont(ToQFont(key)),
      metrics(qfont, device),
      pageMetrics{metrics.height(), std::max(metrics.leading(), 0), metrics.averageCharWidth()} {}

QtFontCache::Entry& QtFontCache::For(const Font& font, const QPaintDevice* device) {
  if (device != device_) {
    entries_.clear();
    device_ = device;
  }
  for (const auto& entry : entries_) {
    if (entry->font == font) return *entry;
  }
  if (entries_.size() >= kFonts) entries_.clear();
  return *entries_.emplace_back(std::make_unique<Entry>(font, device));
}

int QtFontCache::Entry::Width(std::string_view text) {
  if (const auto known = widths.find(text); known != widths.end()) return known->second;
  if (widths.size() >= kWidthsPerFont) widths.clear();
  const int width = metrics.horizontalAdvance(ToQString(text));
  widths.emplace(std::string(text), width);
  return width;
}

FontMetrics QtPainterDevice::Metrics(const Font& font) {
  return fonts_.For(font, painter_.device()).pageMetrics;
}

DeviceSize QtPainterDevice::TextExtent(const Font& font, std::string_view text) {
  QtFontCache::Entry& entry = fonts_.For(font, painter_.device());
  return {entry.Width(text), entry.pageMetrics.height};
}

void QtPainterDevice::DrawText(const Font& font, DevicePoint at, std::string_view text, HAlign h,
                               VAlign v) {
  QtFontCache::Entry& entry = fonts_.For(font, painter_.device());
  int x = at.x;
  if (h == HAlign::Right) x -= entry.Width(text);
  if (h == HAlign::Centre) x -= entry.Width(text) / 2;
  const int top = v == VAlign::Centre ? at.y - entry.pageMetrics.height / 2 : at.y;
  painter_.setFont(entry.qfont);
  painter_.setPen(ToQColor(kTextColour));
  painter_.drawText(QPoint(x, top + entry.metrics.ascent()), ToQString(text));
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
  return fonts_.For(font, &image_).pageMetrics;
}

DeviceSize QtScreenDevice::TextExtent(const Font& font, std::string_view text) {
  QtFontCache::Entry& entry = fonts_.For(font, &image_);
  return {entry.Width(text), entry.pageMetrics.height};
}

}  // namespace kav
