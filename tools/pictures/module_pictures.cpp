// The module illustrations. Each picture shows the object of the current
// input cut away in steps, so that the object, the insulation and the
// jacketing each show an end face. The regions the page header repaints
// in product colours are drawn in the key colours:
//   heat loss, economy   olive insulation, yellow jacketing (inside
//                        insulation: facing), blue outer surface
//   flowing media        olive insulation, yellow outer surface
//   tank                 yellow insulation, blue outer surface
//   condensation, frost  olive insulation, yellow outer surface
//   sound trap           yellow absorbent, olive absorbent surface
// The neutral pictures ("...X0") are drawn in greys.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "drawing.h"
#include "pictures.h"

namespace kavpic {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 200;

// What the parts of a picture are painted in, and its small additions.
struct Look {
  Pal insulation = Olive;
  Pal jacket = Yellow;  // jacketing; for inside insulation the facing
  Pal surface = Blue;   // outer surface of an inside-insulated duct or wall
  Pal steel = Silver;   // the pipe or duct wall itself
  Pal medium = Red;     // the liquid in a pipe
  Pal air = White;
  Pal flow = Red;           // heat-flow and air-flow arrows
  bool heatArrows = true;   // heat leaving the hot side of a flat wall
  bool coldArrows = false;  // heat entering the cold side
  bool waves = true;        // moving air around the object
  bool drops = false;       // condensation
  bool ice = false;         // frost
  bool airIn = false;       // an arrow of air entering a duct
};

Look Neutral() {
  Look look;
  look.insulation = Silver;
  look.jacket = Grey;
  look.surface = Grey;
  look.steel = White;
  look.medium = Grey;
  look.flow = Grey;
  return look;
}

// Free places around an object for the small additions.
struct Spots {
  QPointF waves;
  bool risingWaves = true;
  QPointF drops;
  QPointF flake;
};

void Decorate(QPainter& p, const Look& look, const Spots& at) {
  if (look.waves) {
    for (int i = 0; i < 3; ++i) {
      const double step = 14.0 * i;
      if (at.risingWaves) {
        Wave(p, at.waves + QPointF(step, (i % 2) * 4.0), 26, true);
      } else {
        Wave(p, at.waves + QPointF((i % 2) * 4.0, step), 26, false);
      }
    }
  }
  if (look.drops) {
    Drop(p, at.drops, 12);
    Drop(p, at.drops + QPointF(18, 12), 9);
    Drop(p, at.drops + QPointF(-4, 24), 10);
  }
  if (look.ice) {
    Snowflake(p, at.flake, 9, Navy);
    Snowflake(p, at.flake + QPointF(20, 18), 6, Navy);
  }
}

// Heat-flow arrows at a flat wall: three arrows from `from`, spaced by
// `step`, each the vector `towardsWall` long. Heat leaves a hot medium
// towards the wall; at a cold medium it comes out of the wall.
void HeatArrows(QPainter& p, const Look& look, QPointF from, QPointF step, QPointF towardsWall) {
  if (!look.heatArrows && !look.coldArrows) return;
  for (int i = 0; i < 3; ++i) {
    const QPointF a = from + step * i;
    const QPointF b = a + towardsWall;
    if (look.heatArrows) {
      Arrow(p, a, b, look.flow, 2, 8);
    } else {
      Arrow(p, b, a, look.flow, 2, 8);
    }
  }
}

// Warm, moist air going into a duct: an arrow into the opening with a drop
// riding on it.
void AirIn(QPainter& p, const Look& look, QPointF opening, bool fromAbove) {
  if (!look.airIn) return;
  if (fromAbove) {
    const QPointF from(opening.x(), std::max(2.0, opening.y() - 40));
    Arrow(p, from, opening + QPointF(0, 4), look.flow, 3, 10);
    Drop(p, from + QPointF(8, 0), 10);
  } else {
    const QPointF from(std::max(2.0, opening.x() - 40), opening.y());
    Arrow(p, from, opening + QPointF(4, 0), look.flow, 3, 10);
    Drop(p, from + QPointF(4, -16), 10);
  }
}

QPointF Centroid(const QPolygonF& polygon) {
  QPointF sum;
  for (const QPointF& point : polygon) sum += point;
  return sum / static_cast<double>(polygon.size());
}

// --- pipes and circular ducts -----------------------------------------------

void Pipe(QPainter& p, const Look& look, bool vertical) {
  CylinderShape s;
  s.vertical = vertical;
  s.ellipse = 0.36;
  if (!vertical) {
    s.centre = 112;
    s.end = 206;
    s.layers = {{18, look.steel, 36}, {44, look.insulation, 80}, {48, look.jacket, 120}};
  } else {
    s.centre = 118;
    s.end = 170;
    s.layers = {{18, look.steel, 26}, {44, look.insulation, 62}, {48, look.jacket, 98}};
  }
  s.bore = 13;
  s.boreFill = look.ice ? White : look.medium;
  s.shade = false;
  DrawCylinder(p, s);
  if (look.ice) {
    // Ice grows from the pipe wall inwards; water is left in the middle.
    const QPointF c = BoreCentre(s);
    const double r = 7;
    Ellipse(p, c, vertical ? r : r * s.ellipse, vertical ? r * s.ellipse : r, Aqua);
  }
  Spots spots;
  if (!vertical) {
    spots.waves = {150, 56};
    spots.drops = {22, 18};
    spots.flake = {26, 30};
  } else {
    spots.waves = {186, 150};
    spots.drops = {26, 120};
    spots.flake = {28, 130};
  }
  Decorate(p, look, spots);
}

void CircularDuct(QPainter& p, const Look& look, bool vertical) {
  CylinderShape s;
  s.vertical = vertical;
  s.ellipse = 0.34;
  if (!vertical) {
    s.centre = 108;
    s.end = 204;
    s.layers = {{36, look.steel, 34}, {50, look.insulation, 80}, {53, look.jacket, 118}};
  } else {
    s.centre = 120;
    s.end = 170;
    s.layers = {{36, look.steel, 24}, {50, look.insulation, 60}, {53, look.jacket, 94}};
  }
  s.bore = 34;
  s.boreFill = look.air;
  DrawCylinder(p, s);
  AirIn(p, look, BoreCentre(s), vertical);
  Spots spots;
  if (!vertical) {
    spots.waves = {150, 48};
    spots.drops = {20, 14};
  } else {
    spots.waves = {192, 160};
    spots.drops = {26, 120};
  }
  Decorate(p, look, spots);
}

// A circular duct insulated on the inside: the insulation is a lining, the
// duct wall its outer surface.
void CircularDuctInside(QPainter& p, const Look& look, bool vertical) {
  CylinderShape s;
  s.vertical = vertical;
  s.ellipse = 0.34;
  if (!vertical) {
    s.centre = 108;
    s.end = 204;
    s.layers = {{46, look.insulation, 38}, {50, look.jacket, 90}};
  } else {
    s.centre = 120;
    s.end = 170;
    s.layers = {{46, look.insulation, 26}, {50, look.jacket, 76}};
  }
  s.bore = 32;
  s.boreFill = look.air;
  DrawCylinder(p, s);
  Spots spots;
  if (!vertical) {
    spots.waves = {150, 50};
    spots.drops = {20, 14};
  } else {
    spots.waves = {190, 160};
    spots.drops = {26, 120};
  }
  Decorate(p, look, spots);
}

// --- rectangular ducts --------------------------------------------------------

DuctShape RectBase(bool vertical) {
  DuctShape d;
  if (!vertical) {
    d.axis = Axis::X;
    d.end = 0;
    d.length = 168;
  } else {
    d.axis = Axis::Y;
    d.end = 80;
    d.length = 150;
  }
  return d;
}

Proj RectProj(bool vertical) {
  return vertical ? Proj{120, 104, 0.35} : Proj{36, 108, 0.35};
}

// Half extents across the duct: height and width for a horizontal duct,
// width and depth for a vertical one.
Shell Layer(bool vertical, double across, double deep, Pal fill, double depth) {
  return vertical ? Shell{deep, 0, across, fill, depth} : Shell{0, across, deep, fill, depth};
}

void SetHollow(DuctShape& d, bool vertical, double across, double deep) {
  if (vertical) {
    d.ix = deep;
    d.iz = across;
  } else {
    d.iy = across;
    d.iz = deep;
  }
}

void RectSpots(Spots& spots, bool vertical) {
  if (!vertical) {
    spots.waves = {124, 38};
    spots.drops = {18, 12};
  } else {
    spots.waves = {196, 170};
    spots.drops = {22, 128};
  }
}

void RectDuct(QPainter& p, const Look& look, bool vertical) {
  DuctShape d = RectBase(vertical);
  const double s0 = 0, s1 = vertical ? 40 : 44, s2 = vertical ? 76 : 84;
  d.layers = {Layer(vertical, 28, 34, look.steel, s0), Layer(vertical, 42, 48, look.insulation, s1),
              Layer(vertical, 45, 51, look.jacket, s2)};
  SetHollow(d, vertical, 26, 32);
  const Proj proj = RectProj(vertical);
  DrawDuct(p, proj, d);
  AirIn(p, look, Centroid(DuctOpening(proj, d)), vertical);
  Spots spots;
  RectSpots(spots, vertical);
  Decorate(p, look, spots);
}

// A rectangular duct insulated on the inside: an optional facing towards
// the air stream, the insulation, and the duct wall outside.
void RectDuctInside(QPainter& p, const Look& look, bool vertical, bool facing, Pal outer) {
  DuctShape d = RectBase(vertical);
  if (facing) {
    d.layers = {Layer(vertical, 28, 34, look.jacket, 0),
                Layer(vertical, 44, 50, look.insulation, vertical ? 34 : 38),
                Layer(vertical, 47, 53, outer, vertical ? 70 : 78)};
    SetHollow(d, vertical, 26, 32);
  } else {
    d.layers = {Layer(vertical, 44, 50, look.insulation, 0),
                Layer(vertical, 47, 53, outer, vertical ? 44 : 52)};
    SetHollow(d, vertical, 28, 34);
  }
  const Proj proj = RectProj(vertical);
  DrawDuct(p, proj, d);
  Spots spots;
  RectSpots(spots, vertical);
  Decorate(p, look, spots);
}

// --- flat surfaces ------------------------------------------------------------

// Layers of a flat wall from the hot (or cold) medium side outwards.
struct Slab {
  double thickness;
  Pal fill;
};

// A wall lying flat, the medium below it and the air above; the layers are
// cut back in steps from the left.
void FlatHorizontal(QPainter& p, const Look& look, const std::vector<Slab>& slabs) {
  const Proj proj{28, 120, 0.35};
  double y = 0;
  double x = 0;
  for (const Slab& slab : slabs) {
    DrawBox(p, proj, {x, 184, y, y + slab.thickness, -46, 46}, slab.fill);
    y += slab.thickness;
    x += 36;
  }
  // Medium side below, air above.
  HeatArrows(p, look, {64, 184}, {50, 0}, {0, -26});
  Spots spots;
  spots.waves = {118, 52};
  spots.drops = {20, 22};
  spots.flake = {24, 30};
  Decorate(p, look, spots);
}

// A standing wall seen from the air side: the layers from the air side
// inwards are drawn from left to right, the medium is on the right, and the
// outer layers are cut lower so that each shows its top face.
void FlatVertical(QPainter& p, const Look& look, const std::vector<Slab>& fromAir) {
  const Proj proj{92, 100, 0.35};
  std::vector<double> x0;
  double x = 0;
  for (const Slab& slab : fromAir) {
    x0.push_back(x);
    x += slab.thickness;
  }
  // Inner layers first: the outer ones stand in front of them.
  const auto n = static_cast<int>(fromAir.size());
  for (int i = n - 1; i >= 0; --i) {
    const auto k = static_cast<std::size_t>(i);
    const double top = 74 - 30.0 * (n - 1 - i);
    DrawBox(p, proj, {x0[k], x0[k] + fromAir[k].thickness, -74, top, -56, 56}, fromAir[k].fill);
  }
  HeatArrows(p, look, {222, 72}, {0, 30}, {-30, 0});
  Spots spots;
  spots.waves = {30, 176};
  spots.drops = {24, 40};
  spots.flake = {28, 40};
  Decorate(p, look, spots);
}

// A wall insulated on the outside: steel, insulation, jacketing.
void FlatOutside(QPainter& p, const Look& look, bool vertical) {
  if (vertical) {
    FlatVertical(p, look, {{4, look.jacket}, {34, look.insulation}, {12, look.steel}});
  } else {
    FlatHorizontal(p, look, {{10, look.steel}, {30, look.insulation}, {4, look.jacket}});
  }
}

// The heat-loss geometries: 0 pipe, 1 circular duct, 2 rectangular duct,
// 3 rectangular duct insulated inside, 4 flat surface, 5 flat surface
// insulated inside.
void HeatLossObject(QPainter& p, const Look& look, int geometry, bool vertical) {
  switch (geometry) {
    case 0:
      Pipe(p, look, vertical);
      break;
    case 1:
      CircularDuct(p, look, vertical);
      break;
    case 2:
      RectDuct(p, look, vertical);
      break;
    case 3:
      RectDuctInside(p, look, vertical, true, look.surface);
      break;
    case 4:
      FlatOutside(p, look, vertical);
      break;
    default:
      if (vertical) {
        FlatVertical(p, look, {{8, look.surface}, {32, look.insulation}, {3, look.jacket}});
      } else {
        FlatHorizontal(p, look, {{3, look.jacket}, {30, look.insulation}, {8, look.surface}});
      }
      break;
  }
}

// The condensation object types: 0 pipe, 1 circular duct, 2 rectangular
// duct, 3 circular duct insulated inside, 4 rectangular duct insulated
// inside, 5 flat surface, 6 flat surface insulated inside.
void CondensationObject(QPainter& p, const Look& look, int type, bool vertical) {
  switch (type) {
    case 0:
      Pipe(p, look, vertical);
      break;
    case 1:
      CircularDuct(p, look, vertical);
      break;
    case 2:
      RectDuct(p, look, vertical);
      break;
    case 3:
      CircularDuctInside(p, look, vertical);
      break;
    case 4:
      RectDuctInside(p, look, vertical, false, look.jacket);
      break;
    case 5:
      FlatOutside(p, look, vertical);
      break;
    default:
      if (vertical) {
        FlatVertical(p, look, {{8, look.jacket}, {34, look.insulation}});
      } else {
        FlatHorizontal(p, look, {{34, look.insulation}, {8, look.jacket}});
      }
      break;
  }
}

// --- flowing media: a run of pipe or duct in section --------------------------

// One layer of a run, from the inside out, as a half height in the section
// and the end view.
struct Band {
  double outer;  // half height of its outer edge
  Pal fill;
};

void Run(QPainter& p, const Look& look, bool round, const std::vector<Band>& bands, double bore,
         Pal boreFill) {
  const double cy = 104;
  // End view on the left.
  const double ex = 40;
  for (auto it = bands.rbegin(); it != bands.rend(); ++it) {
    if (round) {
      Ellipse(p, {ex, cy}, it->outer, it->outer, it->fill);
    } else {
      const double w = it->outer + 4;
      Rect(p, ex - w, cy - it->outer, 2 * w, 2 * it->outer, it->fill);
    }
  }
  if (round) {
    Ellipse(p, {ex, cy}, bore, bore, boreFill);
  } else {
    Rect(p, ex - bore - 4, cy - bore, 2 * (bore + 4), 2 * bore, boreFill);
  }
  // Section along the run.
  const double x0 = 90, x1 = 230;
  for (auto it = bands.rbegin(); it != bands.rend(); ++it) {
    Rect(p, x0, cy - it->outer, x1 - x0, 2 * it->outer, it->fill);
  }
  Rect(p, x0, cy - bore, x1 - x0, 2 * bore, boreFill);
  // Joints between the segments of the run.
  const double outer = bands.back().outer;
  for (double x : {136.0, 184.0}) {
    Line(p, {x, cy - outer}, {x, cy - bore});
    Line(p, {x, cy + bore}, {x, cy + outer});
  }
  // Centre lines.
  QPen dash(Col(Grey), 1, Qt::DashDotLine);
  p.setPen(dash);
  p.drawLine(QPointF(ex - outer - 10, cy), QPointF(ex + outer + 10, cy));
  p.drawLine(QPointF(ex, cy - outer - 10), QPointF(ex, cy + outer + 10));
  // The medium flows from left to right.
  for (double x : {98.0, 146.0, 194.0}) {
    Arrow(p, {x, cy}, {x + 30, cy}, look.flow, 2, 8);
  }
  if (look.waves) {
    for (int i = 0; i < 3; ++i) Wave(p, {132.0 + 24 * i, cy - outer - 12}, 24, true);
  }
}

void FlowingRun(QPainter& p, const Look& look, int type, bool insulated) {
  const Pal bareSurface = look.jacket;
  switch (type) {
    case 0:
      if (insulated) {
        Run(p, look, true, {{13, look.steel}, {33, look.insulation}, {36, look.jacket}}, 9,
            look.air);
      } else {
        Run(p, look, true, {{13, bareSurface}}, 9, look.air);
      }
      break;
    case 1:
      if (insulated) {
        Run(p, look, true, {{22, look.steel}, {34, look.insulation}, {37, look.jacket}}, 20,
            look.air);
      } else {
        Run(p, look, true, {{23, bareSurface}}, 20, look.air);
      }
      break;
    case 2:
      if (insulated) {
        Run(p, look, false, {{20, look.steel}, {32, look.insulation}, {35, look.jacket}}, 18,
            look.air);
      } else {
        Run(p, look, false, {{21, bareSurface}}, 18, look.air);
      }
      break;
    default:
      if (insulated) {
        Run(p, look, false, {{32, look.insulation}, {35, look.jacket}}, 20, look.air);
      } else {
        Run(p, look, false, {{21, bareSurface}}, 18, look.air);
      }
      break;
  }
}

// --- tanks ----------------------------------------------------------------------

struct TankLook {
  Pal jacket = Blue;
  Pal insulation = Yellow;
  Pal wall = Silver;
  Pal liquid = Aqua;
  Pal surface = Teal;  // the liquid's free surface
  Pal support = Grey;
};

constexpr double kJacket = 3, kInsulation = 12, kWall = 3;

// A box-shaped tank cut in half: its back half, whose cut face shows the
// layers, the liquid and the space above it.
void BoxTank(QPainter& p, const TankLook& t) {
  const Proj proj{58, 164, 0.35};
  const double w = 150, h = 110, d = 80;
  // Feet and floor.
  Line(p, {8, 186}, {232, 186}, Grey);
  for (double x : {12.0, 118.0}) {
    DrawBox(p, proj, {x, x + 20, -18, 0, -d + 10, -10}, t.support);
  }
  DrawBox(p, proj, {0, w, 0, h, -d, 0}, t.jacket);
  // The cut face: layer by layer.
  double inset = 0;
  for (auto [thickness, fill] : {std::pair{kJacket, t.jacket}, std::pair{kInsulation, t.insulation},
                                 std::pair{kWall, t.wall}}) {
    Poly(p, FrontFace(proj, {inset, w - inset, inset, h - inset, 0, 0}), fill);
    inset += thickness;
  }
  const Box inside{inset, w - inset, inset, h - inset, -d + inset, 0};
  const QPolygonF opening = FrontFace(proj, inside);
  QPainterPath clip;
  clip.addPolygon(opening);
  p.save();
  p.setClipPath(clip);
  Poly(p, opening, White);
  // Inside walls of the back half.
  Poly(p,
       QPolygonF({proj(inside.x0, inside.y0, inside.z0), proj(inside.x1, inside.y0, inside.z0),
                  proj(inside.x1, inside.y1, inside.z0), proj(inside.x0, inside.y1, inside.z0)}),
       White);
  Poly(p,
       QPolygonF({proj(inside.x1, inside.y0, inside.z0), proj(inside.x1, inside.y1, inside.z0),
                  proj(inside.x1, inside.y1, inside.z1), proj(inside.x1, inside.y0, inside.z1)}),
       Silver);
  // The liquid, two thirds up.
  const double level = inside.y0 + (inside.y1 - inside.y0) * 0.62;
  DrawBox(p, proj, {inside.x0, inside.x1, inside.y0, level, inside.z0, 0}, t.liquid, t.surface,
          t.liquid);
  p.restore();
  p.setPen(QPen(Col(Black), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(opening);
}

// A standing cylindrical tank with its front right quarter cut away.
void CylinderTank(QPainter& p, const TankLook& t) {
  const double cx = 112, r = 64, top = 44, bottom = 168, e = 0.3 * r;
  Line(p, {8, 190}, {232, 190}, Grey);
  // Foundation.
  Rect(p, cx - r - 8, bottom + 4, 2 * r + 16, 16, t.support);
  // The whole outside, then the cut.
  QPainterPath outside;
  outside.moveTo(cx - r, top);
  outside.lineTo(cx - r, bottom);
  outside.arcTo(QRectF(cx - r, bottom - e, 2 * r, 2 * e), 180, 90);
  outside.lineTo(cx, top);
  outside.closeSubpath();
  p.setPen(QPen(Col(Black), 1));
  p.setBrush(Col(t.jacket));
  p.drawPath(outside);
  Ellipse(p, {cx, top}, r, e, t.jacket);
  // The cut face through the axis, layer by layer; the inner layers meet
  // the axis on the left.
  double inset = 0;
  for (auto [thickness, fill] : {std::pair{kJacket, t.jacket}, std::pair{kInsulation, t.insulation},
                                 std::pair{kWall, t.wall}}) {
    Rect(p, cx, top + inset, r - inset, bottom - top - 2 * inset, fill);
    inset += thickness;
  }
  const double x0 = cx, x1 = cx + r - inset, y0 = top + inset, y1 = bottom - inset;
  const double level = y1 - (y1 - y0) * 0.6;
  Rect(p, x0, y0, x1 - x0, level - y0, White);
  Rect(p, x0, level, x1 - x0, y1 - level, t.liquid);
  // The liquid surface reaching into the back half.
  QPainterPath surface;
  surface.moveTo(x0, level);
  surface.arcTo(QRectF(x0 - (x1 - x0), level - e, 2 * (x1 - x0), 2 * e), 0, 90);
  surface.closeSubpath();
  p.setBrush(Col(t.surface));
  p.drawPath(surface);
  Line(p, {cx, top}, {cx, bottom});
}

// A spherical tank on legs with its right half shown in section.
void SphereTank(QPainter& p, const TankLook& t) {
  const double cx = 120, cy = 92, r = 72;
  Line(p, {8, 190}, {232, 190}, Grey);
  for (double x : {-48.0, 48.0}) {
    Rect(p, cx + x - 4, cy + 30, 8, 160 - cy, t.support);
  }
  Rect(p, cx - 3, cy + 40, 6, 150 - cy, t.support);
  // Left half: the outside.
  p.setPen(QPen(Col(Black), 1));
  p.setBrush(Col(t.jacket));
  p.drawPie(QRectF(cx - r, cy - r, 2 * r, 2 * r), 90 * 16, 180 * 16);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(cx - r, cy - 0.28 * r, 2 * r, 0.56 * r), 180 * 16, 90 * 16);
  // Right half: the section.
  double inset = 0;
  for (auto [thickness, fill] : {std::pair{kJacket, t.jacket}, std::pair{kInsulation, t.insulation},
                                 std::pair{kWall, t.wall}}) {
    const double ri = r - inset;
    p.setBrush(Col(fill));
    p.drawPie(QRectF(cx - ri, cy - ri, 2 * ri, 2 * ri), -90 * 16, 180 * 16);
    inset += thickness;
  }
  const double ri = r - inset;
  QPainterPath inside;
  inside.moveTo(cx, cy);
  inside.arcTo(QRectF(cx - ri, cy - ri, 2 * ri, 2 * ri), -90, 180);
  inside.closeSubpath();
  p.setBrush(Col(White));
  p.drawPath(inside);
  const double level = cy + ri * 0.25;
  p.save();
  p.setClipPath(inside);
  Rect(p, cx, level, ri + 2, ri, t.liquid);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.drawPath(inside);
  Line(p, {cx, cy - r}, {cx, cy + r});
}

// --- sound traps ----------------------------------------------------------------

struct TrapLook {
  Pal wall = Silver;
  Pal absorbent = Yellow;
  Pal face = Olive;  // the absorbent's surface towards the air
};

// A circular sound trap seen from its inlet: the duct runs away from the
// viewer; the lining shows at the cut end and inside.
void RoundTrap(QPainter& p, const TrapLook& t) {
  const QPointF front(136, 112);
  const double r = 62, depth = 110, c = 0.35;
  const QPointF back = front - QPointF(c * depth, c * depth);
  // The body: the back rim and the band between the rims.
  Ellipse(p, back, r, r, t.wall);
  const QPointF n(r / std::sqrt(2.0), -r / std::sqrt(2.0));
  Poly(p, QPolygonF({front + n, back + n, back - n, front - n}), t.wall, false);
  Line(p, front + n, back + n);
  Line(p, front - n, back - n);
  // The cut end.
  Ellipse(p, front, r, r, t.wall);
  Ellipse(p, front, r - 4, r - 4, t.absorbent);
  Ellipse(p, front, r - 20, r - 20, t.face);
  const double bore = r - 23;
  Ellipse(p, front, bore, bore, t.face);
  QPainterPath opening;
  opening.addEllipse(front, bore, bore);
  p.save();
  p.setClipPath(opening);
  // The far end of the trap, seen through it.
  Ellipse(p, front - QPointF(c * depth, c * depth), bore, bore, White);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Col(Black), 1));
  p.drawEllipse(front, bore, bore);
  SoundWaves(p, {226, 190}, 8, 135, Navy);
}

// A rectangular sound trap seen from its inlet. `sides`: 0 lined all round,
// 1 top and bottom, 2 the two side walls.
void RectTrap(QPainter& p, const TrapLook& t, int sides) {
  const Proj proj{146, 126, 0.35};
  DuctShape d;
  d.axis = Axis::Z;
  d.end = 0;
  d.length = 130;
  const double hx = 64, hy = 50, wall = 3, lining = 16, face = 2;
  if (sides == 0) {
    d.layers = {{hx - wall - lining, hy - wall - lining, 0, t.face, 0},
                {hx - wall, hy - wall, 0, t.absorbent, 0},
                {hx, hy, 0, t.wall, 0}};
    d.ix = hx - wall - lining - face;
    d.iy = hy - wall - lining - face;
    d.floor = t.face;
    d.wall = t.face;
    DrawDuct(p, proj, d);
  } else {
    d.layers = {{hx, hy, 0, t.wall, 0}};
    d.ix = hx - wall;
    d.iy = hy - wall;
    DrawDuct(p, proj, d);
    QPainterPath clip;
    clip.addPolygon(DuctOpening(proj, d));
    p.save();
    p.setClipPath(clip);
    const double x = d.ix, y = d.iy;
    if (sides == 1) {
      DrawBox(p, proj, {-x, x, -y, -y + lining, -d.length, 0}, t.absorbent);
      DrawBox(p, proj, {-x, x, -y + lining, -y + lining + face, -d.length, 0}, t.face);
      // The upper lining hides the top of its own facing: facing first.
      DrawBox(p, proj, {-x, x, y - lining - face, y - lining, -d.length, 0}, t.face);
      DrawBox(p, proj, {-x, x, y - lining, y, -d.length, 0}, t.absorbent);
    } else {
      DrawBox(p, proj, {x - lining, x, -y, y, -d.length, 0}, t.absorbent);
      DrawBox(p, proj, {x - lining - face, x - lining, -y, y, -d.length, 0}, t.face);
      DrawBox(p, proj, {-x + lining, -x + lining + face, -y, y, -d.length, 0}, t.face);
      DrawBox(p, proj, {-x, -x + lining, -y, y, -d.length, 0}, t.absorbent);
    }
    p.restore();
    p.setPen(QPen(Col(Black), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(DuctOpening(proj, d));
  }
  SoundWaves(p, {226, 190}, 8, 135, Navy);
}

// --- the catalogue --------------------------------------------------------------

template <typename F>
Picture Draw(const std::string& name, F&& draw) {
  Canvas canvas(kWidth, kHeight);
  draw(canvas.P());
  return {name, canvas.Finish(name)};
}

}  // namespace

std::vector<Picture> ModulePictures() {
  std::vector<Picture> out;
  const Look heat;
  // Heat loss and economic insulation.
  for (int n = 0; n < 12; ++n) {
    out.push_back(Draw("MATERIALTYPE" + std::to_string(n),
                       [&](QPainter& p) { HeatLossObject(p, heat, n % 6, n >= 6); }));
  }
  out.push_back(Draw("MATERIALTYPEX0", [](QPainter& p) { Pipe(p, Neutral(), false); }));

  // Flowing media.
  Look flow;
  flow.flow = Red;
  for (int n = 0; n < 4; ++n) {
    out.push_back(
        Draw("KANALROR" + std::to_string(n), [&](QPainter& p) { FlowingRun(p, flow, n, true); }));
  }
  for (int n = 0; n < 4; ++n) {
    out.push_back(
        Draw("KANALRORX" + std::to_string(n), [&](QPainter& p) { FlowingRun(p, flow, n, false); }));
  }

  // Tank.
  const TankLook tank;
  out.push_back(Draw("TANKTYPE0", [&](QPainter& p) { BoxTank(p, tank); }));
  out.push_back(Draw("TANKTYPE1", [&](QPainter& p) { CylinderTank(p, tank); }));
  out.push_back(Draw("TANKTYPE2", [&](QPainter& p) { SphereTank(p, tank); }));
  const TankLook greyTank{Grey, Silver, White, White, Silver, Grey};
  out.push_back(Draw("TANKTYPEX0", [&](QPainter& p) { CylinderTank(p, greyTank); }));

  // External condensation: a cold object in moist air.
  Look cold;
  cold.medium = Navy;
  cold.heatArrows = false;
  cold.coldArrows = true;
  cold.flow = Navy;
  cold.drops = true;
  for (int n = 0; n < 14; ++n) {
    out.push_back(Draw("UTVKONDTYPE" + std::to_string(n),
                       [&](QPainter& p) { CondensationObject(p, cold, n % 7, n >= 7); }));
  }
  Look coldNeutral = Neutral();
  coldNeutral.heatArrows = false;
  out.push_back(Draw("UTVKONDTYPEX0", [&](QPainter& p) { Pipe(p, coldNeutral, false); }));

  // Internal condensation: warm moist air inside a duct.
  Look moist;
  moist.airIn = true;
  for (int n = 0; n < 4; ++n) {
    out.push_back(Draw("KANAL" + std::to_string(n), [&](QPainter& p) {
      if (n % 2 == 0) {
        CircularDuct(p, moist, n >= 2);
      } else {
        RectDuct(p, moist, n >= 2);
      }
    }));
  }
  Look moistNeutral = Neutral();
  moistNeutral.airIn = true;
  out.push_back(Draw("KANALX0", [&](QPainter& p) { CircularDuct(p, moistNeutral, false); }));

  // Frost protection: a water pipe in frost.
  Look frost;
  frost.ice = true;
  frost.waves = true;
  for (int n = 0; n < 2; ++n) {
    out.push_back(Draw("ROR" + std::to_string(n), [&](QPainter& p) { Pipe(p, frost, n == 1); }));
  }
  Look frostNeutral = Neutral();
  frostNeutral.ice = true;
  out.push_back(Draw("RORX0", [&](QPainter& p) { Pipe(p, frostNeutral, false); }));

  // Sound trap.
  const TrapLook trap;
  out.push_back(Draw("KANALTYPE0", [&](QPainter& p) { RoundTrap(p, trap); }));
  for (int n = 1; n < 4; ++n) {
    out.push_back(
        Draw("KANALTYPE" + std::to_string(n), [&](QPainter& p) { RectTrap(p, trap, n - 1); }));
  }
  const TrapLook greyTrap{Grey, Silver, White};
  out.push_back(Draw("KANALTYPEX1", [&](QPainter& p) { RectTrap(p, greyTrap, 0); }));
  return out;
}

}  // namespace kavpic
