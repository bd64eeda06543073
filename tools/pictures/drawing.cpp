#include "drawing.h"

#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace kavpic {
namespace {

constexpr double kPi = 3.14159265358979;

QPen OutlinePen(Pal colour = Black, double width = 1.0) {
  return QPen(Col(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void SetFill(QPainter& p, Pal fill, bool outline) {
  p.setBrush(Col(fill));
  if (outline) {
    p.setPen(OutlinePen());
  } else {
    p.setPen(Qt::NoPen);
  }
}

double Round(double v) {
  return std::floor(v + 0.5);
}

}  // namespace

QColor Col(Pal colour) {
  return QColor::fromRgb(Palette()[static_cast<int>(colour)]);
}

const QVector<QRgb>& Palette() {
  static const QVector<QRgb> palette = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return palette;
}

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(Col(White));
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setPen(OutlinePen());
}

Canvas::~Canvas() {
  if (painter_.isActive()) painter_.end();
}

QImage Canvas::Finish(const std::string& name) {
  painter_.end();
  const QVector<QRgb>& palette = Palette();
  QImage out(image_.width(), image_.height(), QImage::Format_Indexed8);
  out.setColorTable(palette);
  // A fixed resolution (96 dpi), so that the files do not depend on the
  // screen the generator happens to run with.
  out.setDotsPerMeterX(3780);
  out.setDotsPerMeterY(3780);
  for (int y = 0; y < image_.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    uchar* line = out.scanLine(y);
    for (int x = 0; x < image_.width(); ++x) {
      const QRgb rgb = in[x] | 0xFF000000u;
      const auto it = std::find(palette.begin(), palette.end(), rgb);
      if (it == palette.end()) {
        throw std::runtime_error(name + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                 ") is not a palette colour");
      }
      line[x] = static_cast<uchar>(it - palette.begin());
    }
  }
  return out;
}

void Poly(QPainter& p, const QPolygonF& polygon, Pal fill, bool outline) {
  SetFill(p, fill, outline);
  p.drawPolygon(polygon);
}

void Rect(QPainter& p, double x, double y, double w, double h, Pal fill, bool outline) {
  SetFill(p, fill, outline);
  p.drawRect(QRectF(x, y, w, h));
}

void Ellipse(QPainter& p, QPointF centre, double rx, double ry, Pal fill, bool outline) {
  SetFill(p, fill, outline);
  p.drawEllipse(centre, rx, ry);
}

void Line(QPainter& p, QPointF a, QPointF b, Pal colour, double width) {
  p.setPen(OutlinePen(colour, width));
  p.drawLine(a, b);
}

void Arrow(QPainter& p, QPointF from, QPointF to, Pal colour, double width, double head) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length <= 0) return;
  const QPointF u = d / length;
  const QPointF n(-u.y(), u.x());
  const QPointF base = to - u * head;
  Line(p, from, base, colour, width);
  SetFill(p, colour, false);
  p.drawPolygon(QPolygonF({to, base + n * (head * 0.55), base - n * (head * 0.55)}));
}

void Wave(QPainter& p, QPointF start, double length, bool vertical, Pal colour, double amplitude) {
  QPolygonF line;
  for (double t = 0; t <= length; t += 1.0) {
    const double s = amplitude * std::sin(2 * kPi * t / 10.0);
    line << (vertical ? QPointF(Round(start.x() + s), start.y() - t)
                      : QPointF(start.x() + t, Round(start.y() + s)));
  }
  p.setPen(OutlinePen(colour));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(line);
}

void Drop(QPainter& p, QPointF tip, double size) {
  const double r = size * 0.36;
  const QPointF c(tip.x(), tip.y() + size - r);
  QPainterPath path;
  path.moveTo(tip);
  path.lineTo(c.x() + r * 0.87, c.y() - r * 0.5);
  path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 30, -240);
  path.closeSubpath();
  p.setPen(OutlinePen(Teal));
  p.setBrush(Col(Aqua));
  p.drawPath(path);
}

void Snowflake(QPainter& p, QPointF centre, double radius, Pal colour) {
  p.setPen(OutlinePen(colour));
  for (int arm = 0; arm < 6; ++arm) {
    const double a = arm * kPi / 3;
    const QPointF u(std::cos(a), std::sin(a));
    const QPointF n(-u.y(), u.x());
    const QPointF tip = centre + u * radius;
    p.drawLine(centre, tip);
    const QPointF mid = centre + u * (radius * 0.6);
    const double b = radius * 0.3;
    p.drawLine(mid, mid + u * b + n * b);
    p.drawLine(mid, mid + u * b - n * b);
  }
}

void SoundWaves(QPainter& p, QPointF centre, double radius, double direction, Pal colour) {
  p.setPen(OutlinePen(colour, 2.0));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const double r = radius * (1.0 + 0.6 * i);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    p.drawArc(box, static_cast<int>((direction - 40) * 16), 80 * 16);
  }
}

// ---------------------------------------------------------------------------

void DrawCylinder(QPainter& p, const CylinderShape& s) {
  p.save();
  if (s.vertical) p.setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
  const double c = s.centre;
  const auto n = static_cast<int>(s.layers.size());
  for (int i = n - 1; i >= 0; --i) {
    const Ring& layer = s.layers[static_cast<std::size_t>(i)];
    const double r = layer.radius;
    const double a = s.ellipse * r;
    const double u0 = layer.start;
    const double u1 = i == n - 1 ? s.end : s.layers[static_cast<std::size_t>(i + 1)].start;
    // The body and the rim where it disappears (the far end, or into the
    // next layer's end face).
    SetFill(p, layer.fill, false);
    p.drawRect(QRectF(u0, c - r, u1 - u0, 2 * r));
    p.drawEllipse(QPointF(u1, c), a, r);
    p.setPen(OutlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(u0, c - r), QPointF(u1, c - r));
    p.drawLine(QPointF(u0, c + r), QPointF(u1, c + r));
    p.drawArc(QRectF(u1 - a, c - r, 2 * a, 2 * r), -90 * 16, 180 * 16);
    // The end face.
    SetFill(p, layer.fill, true);
    p.drawEllipse(QPointF(u0, c), a, r);
  }
  if (s.bore > 0 && n > 0) {
    const double u0 = s.layers.front().start;
    const double a = s.ellipse * s.bore;
    SetFill(p, s.shade ? s.boreShade : s.boreFill, true);
    p.drawEllipse(QPointF(u0, c), a, s.bore);
    if (s.shade) {
      // The inner wall shows as a crescent; the rest is the way through.
      QPainterPath opening;
      opening.addEllipse(QPointF(u0, c), a, s.bore);
      p.save();
      p.setClipPath(opening);
      SetFill(p, s.boreFill, false);
      p.drawEllipse(QPointF(u0 + a * 0.7, c + s.bore * 0.12), a, s.bore);
      p.restore();
      p.setPen(OutlinePen());
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(u0, c), a, s.bore);
    }
  }
  p.restore();
}

QPointF BoreCentre(const CylinderShape& s) {
  const double u0 = s.layers.empty() ? 0 : s.layers.front().start;
  return s.vertical ? QPointF(s.centre, u0) : QPointF(u0, s.centre);
}

// ---------------------------------------------------------------------------

QPointF Proj::operator()(double x, double y, double z) const {
  return {Round(ox + x + c * z), Round(oy - y + c * z)};
}

QPolygonF FrontFace(const Proj& j, const Box& b) {
  return QPolygonF(
      {j(b.x0, b.y0, b.z1), j(b.x1, b.y0, b.z1), j(b.x1, b.y1, b.z1), j(b.x0, b.y1, b.z1)});
}

QPolygonF TopFace(const Proj& j, const Box& b) {
  return QPolygonF(
      {j(b.x0, b.y1, b.z1), j(b.x1, b.y1, b.z1), j(b.x1, b.y1, b.z0), j(b.x0, b.y1, b.z0)});
}

QPolygonF LeftFace(const Proj& j, const Box& b) {
  return QPolygonF(
      {j(b.x0, b.y0, b.z1), j(b.x0, b.y1, b.z1), j(b.x0, b.y1, b.z0), j(b.x0, b.y0, b.z0)});
}

void DrawBox(QPainter& p, const Proj& proj, const Box& box, Pal fill) {
  DrawBox(p, proj, box, fill, fill, fill);
}

void DrawBox(QPainter& p, const Proj& proj, const Box& box, Pal front, Pal top, Pal left) {
  Poly(p, LeftFace(proj, box), left);
  Poly(p, TopFace(proj, box), top);
  Poly(p, FrontFace(proj, box), front);
}

Box DuctBox(const DuctShape& s, double hx, double hy, double hz, double from, double to) {
  switch (s.axis) {
    case Axis::X:
      return {s.end + from, s.end + to, s.cy - hy, s.cy + hy, s.cz - hz, s.cz + hz};
    case Axis::Y:
      return {s.cx - hx, s.cx + hx, s.end - to, s.end - from, s.cz - hz, s.cz + hz};
    case Axis::Z:
      break;
  }
  return {s.cx - hx, s.cx + hx, s.cy - hy, s.cy + hy, s.end - to, s.end - from};
}

QPolygonF DuctOpening(const Proj& proj, const DuctShape& s) {
  const double d0 = s.layers.empty() ? 0 : s.layers.front().depth;
  const Box inner = DuctBox(s, s.ix, s.iy, s.iz, d0, d0 + 1);
  switch (s.axis) {
    case Axis::X:
      return LeftFace(proj, inner);
    case Axis::Y:
      return TopFace(proj, inner);
    case Axis::Z:
      break;
  }
  return FrontFace(proj, inner);
}

void DrawDuct(QPainter& p, const Proj& proj, const DuctShape& s) {
  const auto n = static_cast<int>(s.layers.size());
  for (int i = n - 1; i >= 0; --i) {
    const Shell& layer = s.layers[static_cast<std::size_t>(i)];
    const double to = i == n - 1 ? s.length : s.layers[static_cast<std::size_t>(i + 1)].depth;
    DrawBox(p, proj, DuctBox(s, layer.hx, layer.hy, layer.hz, layer.depth, to), layer.fill);
  }
  if (n == 0 || (s.ix <= 0 && s.iy <= 0 && s.iz <= 0)) return;
  const QPolygonF opening = DuctOpening(proj, s);
  Poly(p, opening, s.back, false);
  QPainterPath clip;
  clip.addPolygon(opening);
  p.save();
  p.setClipPath(clip);
  // The far faces of the hollow, as seen through the opening; where the
  // duct ends, the far opening.
  const double d0 = s.layers.front().depth;
  const Box b = DuctBox(s, s.ix, s.iy, s.iz, d0, s.length);
  Poly(p,
       QPolygonF({proj(b.x0, b.y0, b.z0), proj(b.x1, b.y0, b.z0), proj(b.x1, b.y1, b.z0),
                  proj(b.x0, b.y1, b.z0)}),
       s.back);
  Poly(p,
       QPolygonF({proj(b.x1, b.y0, b.z0), proj(b.x1, b.y1, b.z0), proj(b.x1, b.y1, b.z1),
                  proj(b.x1, b.y0, b.z1)}),
       s.wall);
  Poly(p,
       QPolygonF({proj(b.x0, b.y0, b.z0), proj(b.x1, b.y0, b.z0), proj(b.x1, b.y0, b.z1),
                  proj(b.x0, b.y0, b.z1)}),
       s.floor);
  p.restore();
  p.setPen(OutlinePen());
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(opening);
}

}  // namespace kavpic
