#pragma once
// Drawing primitives of the picture generator: a 16-colour canvas without
// anti-aliasing, cut-away cylinders and oblique boxes, arrows and small
// symbols. Everything is drawn in the sixteen colours of the standard
// palette only, so that the saved pictures can be stored with that palette
// and the key colours stay exact.
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QVector>
#include <string>
#include <vector>

namespace kavpic {

// The sixteen colours, in palette order.
enum Pal {
  Black,
  Maroon,
  Green,
  Olive,  // key: insulation
  Navy,
  Purple,
  Teal,
  Silver,
  Grey,
  Red,
  Lime,
  Yellow,  // key: jacketing / outer surface
  Blue,    // key: surface of a duct or tank
  Fuchsia,
  Aqua,
  White
};

QColor Col(Pal colour);
const QVector<QRgb>& Palette();

// A white canvas of the given size and a painter on it: no anti-aliasing,
// a one-pixel black pen.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  QPainter& P() { return painter_; }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  // Ends painting and gives the picture in 8-bit indexed colour with the
  // palette; throws when a pixel is not a palette colour.
  QImage Finish(const std::string& name);

 private:
  QImage image_;
  QPainter painter_;
};

// Filled shapes with a black outline (no outline when `outline` is false).
void Poly(QPainter& p, const QPolygonF& polygon, Pal fill, bool outline = true);
void Rect(QPainter& p, double x, double y, double w, double h, Pal fill, bool outline = true);
void Ellipse(QPainter& p, QPointF centre, double rx, double ry, Pal fill, bool outline = true);
void Line(QPainter& p, QPointF a, QPointF b, Pal colour = Black, double width = 1.0);

// An arrow from `from` to `to` with a filled head.
void Arrow(QPainter& p, QPointF from, QPointF to, Pal colour, double width = 1.0,
           double head = 6.0);
// A small wavy line, a hint of moving air; along x, or along y when vertical.
void Wave(QPainter& p, QPointF start, double length, bool vertical, Pal colour = Grey,
          double amplitude = 2.0);
// A drop of water with its tip at `tip`.
void Drop(QPainter& p, QPointF tip, double size);
// A six-armed ice crystal.
void Snowflake(QPainter& p, QPointF centre, double radius, Pal colour);
// Concentric arcs, the usual sign for sound, opening towards `direction` (degrees).
void SoundWaves(QPainter& p, QPointF centre, double radius, double direction, Pal colour);

// ---------------------------------------------------------------------------
// Cut-away cylinder: a pipe or circular duct seen slightly from the side,
// its layers cut back in steps so that each one shows its end face. The
// axis runs along x (its left end faces the viewer) or, when vertical,
// along y (its top end faces the viewer). Positions along the axis are
// screen coordinates of that axis.
struct Ring {
  double radius;  // outer radius of the layer
  Pal fill;
  double start;  // where the layer begins along the axis
};
struct CylinderShape {
  bool vertical = false;
  double centre = 100;       // the axis' position across (y, or x when vertical)
  double end = 220;          // far end of the outermost layer
  double ellipse = 0.3;      // ellipse width of the end faces per radius
  std::vector<Ring> layers;  // innermost first
  double bore = 0;           // radius of the hollow inside the innermost layer
  Pal boreFill = White;
  Pal boreShade = Silver;  // the inner wall seen through the opening
  bool shade = true;
};
void DrawCylinder(QPainter& p, const CylinderShape& shape);
// The centre of the bore opening.
QPointF BoreCentre(const CylinderShape& shape);

// ---------------------------------------------------------------------------
// Oblique projection: x to the right, y up, z towards the viewer; depth
// (negative z) goes up and to the left. The visible faces of a box are its
// front (largest z), top (largest y) and left (smallest x) faces.
struct Proj {
  double ox = 0, oy = 0;
  double c = 0.35;
  QPointF operator()(double x, double y, double z) const;
};
struct Box {
  double x0, x1, y0, y1, z0, z1;
};
void DrawBox(QPainter& p, const Proj& proj, const Box& box, Pal fill);
void DrawBox(QPainter& p, const Proj& proj, const Box& box, Pal front, Pal top, Pal left);
QPolygonF FrontFace(const Proj& proj, const Box& box);
QPolygonF TopFace(const Proj& proj, const Box& box);
QPolygonF LeftFace(const Proj& proj, const Box& box);

// A rectangular duct cut away in steps, along one axis. The visible end is
// the left end (x), the top end (y) or the front end (z); `end` is that
// end's coordinate on the axis. Each layer starts `depth` units into the
// duct from there.
enum class Axis { X, Y, Z };
struct Shell {
  double hx, hy, hz;  // half extents (the one along the axis is unused)
  Pal fill;
  double depth;
};
struct DuctShape {
  Axis axis = Axis::X;
  double cx = 0, cy = 0, cz = 0;  // centre of the cross-section
  double end = 0;
  double length = 200;            // far end of the outermost layer, from `end`
  std::vector<Shell> layers;      // innermost first
  double ix = 0, iy = 0, iz = 0;  // half extents of the hollow inside
  Pal floor = Silver;             // inside faces seen through the opening
  Pal wall = Silver;
  Pal back = White;  // and the far opening
};
void DrawDuct(QPainter& p, const Proj& proj, const DuctShape& shape);
// The box of one layer between two depths.
Box DuctBox(const DuctShape& shape, double hx, double hy, double hz, double from, double to);
// The opening of the hollow at the visible end.
QPolygonF DuctOpening(const Proj& proj, const DuctShape& shape);

}  // namespace kavpic
