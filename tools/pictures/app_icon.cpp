// The program's icon: a pipe in cross-section, its hot medium inside the
// steel wall, the yellow insulation and the jacketing, on a dark blue tile.
// Drawn smoothly in full colour, unlike the 16-colour pictures.
#include <QPainter>
#include <QPainterPath>

#include "pictures.h"

namespace kavpic {
namespace {

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QPointF centre(s / 2, s / 2);

  // The tile, with a margin that grows with the size as icon themes have it.
  const double margin = size <= 16 ? 0.0 : s / 16;
  const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
  p.setPen(Qt::NoPen);
  QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
  sky.setColorAt(0.0, QColor(0x1f, 0x4e, 0x85));
  sky.setColorAt(1.0, QColor(0x00, 0x2a, 0x55));
  p.setBrush(sky);
  p.drawRoundedRect(tile, s / 6, s / 6);

  auto ring = [&](double radius, const QColor& colour) {
    p.setBrush(colour);
    p.drawEllipse(centre, radius * s, radius * s);
  };
  ring(0.40, QColor(0xd8, 0xdc, 0xe0));  // jacketing
  ring(0.37, QColor(0xf5, 0xc5, 0x18));  // insulation
  // The insulation's fibres, where there is room for them.
  if (size >= 48) {
    p.setPen(QPen(QColor(0xd9, 0xa4, 0x00), s / 128));
    p.setBrush(Qt::NoBrush);
    for (double r : {0.245, 0.28, 0.315, 0.35}) p.drawEllipse(centre, r * s, r * s);
    p.setPen(Qt::NoPen);
  }
  ring(0.21, QColor(0x4a, 0x50, 0x58));  // steel wall
  QRadialGradient heat(centre, 0.17 * s);
  heat.setColorAt(0.0, QColor(0xff, 0xd2, 0x6a));
  heat.setColorAt(1.0, QColor(0xe0, 0x3a, 0x12));
  p.setBrush(heat);
  p.drawEllipse(centre, 0.17 * s, 0.17 * s);
  p.end();
  return image;
}

}  // namespace

std::vector<Picture> AppIcons() {
  std::vector<Picture> icons;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    icons.push_back({"kav-" + std::to_string(size), DrawIcon(size)});
  }
  return icons;
}

}  // namespace kavpic
