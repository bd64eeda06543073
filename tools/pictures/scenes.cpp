// The logo of the page header and the two pictures of the welcome window.
#include <QPainterPath>
#include <cmath>

#include "drawing.h"
#include "pictures.h"

namespace kavpic {
namespace {

// Block letters, `h` high, with their top left corner at (x, y).
void LetterK(QPainter& p, double x, double y, double h, Pal fill) {
  const double s = h * 0.22;  // stroke
  const double w = h * 0.78;
  Rect(p, x, y, s, h, fill, false);
  Poly(p,
       QPolygonF({{x + s, y + h * 0.46},
                  {x + w - s * 0.9, y},
                  {x + w + s * 0.2, y},
                  {x + s, y + h * 0.68}}),
       fill, false);
  Poly(p,
       QPolygonF({{x + s * 1.6, y + h * 0.42},
                  {x + w + s * 0.2, y + h},
                  {x + w - s * 0.9, y + h},
                  {x + s * 0.9, y + h * 0.6}}),
       fill, false);
}

void LetterA(QPainter& p, double x, double y, double h, Pal fill) {
  const double s = h * 0.22;
  const double w = h * 0.84;
  const double m = x + w / 2;
  Poly(p, QPolygonF({{x, y + h}, {m - s * 0.6, y}, {m + s * 0.6, y}, {x + s, y + h}}), fill, false);
  Poly(p, QPolygonF({{m - s * 0.6, y}, {m + s * 0.6, y}, {x + w, y + h}, {x + w - s, y + h}}), fill,
       false);
  Rect(p, x + w * 0.22, y + h * 0.6, w * 0.56, s * 0.8, fill, false);
}

void LetterV(QPainter& p, double x, double y, double h, Pal fill) {
  const double s = h * 0.22;
  const double w = h * 0.84;
  const double m = x + w / 2;
  Poly(p, QPolygonF({{x, y}, {x + s, y}, {m + s * 0.6, y + h}, {m - s * 0.6, y + h}}), fill, false);
  Poly(p, QPolygonF({{x + w - s, y}, {x + w, y}, {m + s * 0.6, y + h}, {m - s * 0.6, y + h}}), fill,
       false);
}

// A small fixed scatter of points, the same on every run.
std::vector<QPointF> Scatter(int count, QRectF area, unsigned seed) {
  std::vector<QPointF> points;
  unsigned state = seed;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>((state >> 8) & 0xFFFFu) / 65535.0;
  };
  for (int i = 0; i < count; ++i) {
    const double u = next();
    const double v = next();
    points.emplace_back(std::floor(area.left() + u * area.width()),
                        std::floor(area.top() + v * area.height()));
  }
  return points;
}

void Pine(QPainter& p, double x, double ground, double h, bool snow) {
  Rect(p, x - 3, ground - h * 0.2, 6, h * 0.2, Maroon);
  for (int i = 0; i < 3; ++i) {
    const double top = ground - h + i * h * 0.22;
    const double half = h * (0.16 + 0.09 * i);
    const double bottom = top + h * 0.38;
    Poly(p, QPolygonF({{x, top}, {x + half, bottom}, {x - half, bottom}}), Green);
    if (snow) {
      Poly(p,
           QPolygonF({{x, top},
                      {x + half * 0.45, top + h * 0.12},
                      {x, top + h * 0.09},
                      {x - half * 0.45, top + h * 0.12}}),
           White);
    }
  }
}

void LeafTree(QPainter& p, double x, double ground, double h) {
  Rect(p, x - 4, ground - h * 0.45, 8, h * 0.45, Maroon);
  Ellipse(p, {x, ground - h * 0.62}, h * 0.3, h * 0.34, Green);
  Ellipse(p, {x - h * 0.08, ground - h * 0.72}, h * 0.1, h * 0.08, Lime, false);
}

// An insulated pipe on posts, cut away at its left end.
void PipeBridge(QPainter& p, double x0, double x1, double y, double ground, bool snow) {
  for (double x = x0 + 60; x < x1 - 10; x += 60) {
    Rect(p, x - 2, y + 10, 4, ground - y - 10, Grey);
    Rect(p, x - 8, y + 9, 16, 3, Grey);
  }
  CylinderShape s;
  s.centre = y;
  s.end = x1;
  s.ellipse = 0.36;
  s.layers = {{4, Grey, x0}, {9, Yellow, x0 + 12}, {10, Silver, x0 + 24}};
  s.bore = 2;
  s.boreFill = Red;
  s.shade = false;
  DrawCylinder(p, s);
  if (snow) {
    Poly(p, QPolygonF({{x0 + 28, y - 10}, {x1 - 2, y - 10}, {x1 - 6, y - 14}, {x0 + 32, y - 13}}),
         White);
  }
}

}  // namespace

Picture HeaderLogo() {
  Canvas canvas(280, 158);
  QPainter& p = canvas.P();
  CylinderShape pipe;
  pipe.centre = 122;
  pipe.end = 258;
  pipe.ellipse = 0.4;
  pipe.layers = {{10, Grey, 26}, {24, Yellow, 50}, {27, Silver, 74}};
  pipe.bore = 7;
  pipe.boreFill = Red;
  pipe.shade = false;
  DrawCylinder(p, pipe);
  const double h = 74, top = 10;
  LetterK(p, 60, top, h, Navy);
  LetterA(p, 130, top, h, Navy);
  LetterV(p, 200, top, h, Navy);
  return {"HEADER", canvas.Finish("HEADER")};
}

std::vector<Picture> WelcomePictures() {
  std::vector<Picture> out;
  {
    Canvas canvas(400, 250);
    QPainter& p = canvas.P();
    const double ground = 190;
    Rect(p, 0, 0, 400, ground, Navy, false);
    // Moon.
    Ellipse(p, {334, 46}, 20, 20, White, false);
    Ellipse(p, {344, 40}, 18, 18, Navy, false);
    for (const QPointF& star : Scatter(60, {0, 0, 400, 160}, 7)) {
      Rect(p, star.x(), star.y(), 1, 1, White, false);
    }
    // Snowy hills.
    Poly(p,
         QPolygonF({{0, 150}, {90, 128}, {190, 146}, {300, 120}, {400, 140}, {400, 250}, {0, 250}}),
         White);
    Poly(p, QPolygonF({{0, 178}, {130, 168}, {260, 182}, {400, 170}, {400, 250}, {0, 250}}), White);
    Line(p, {30, 200}, {110, 196}, Silver);
    Line(p, {220, 214}, {330, 208}, Silver);
    Pine(p, 34, 176, 70, true);
    Pine(p, 70, 170, 54, true);
    Pine(p, 372, 166, 64, true);
    // A house with lit windows at the end of the pipe.
    Rect(p, 296, 122, 62, 52, Maroon);
    Poly(p, QPolygonF({{288, 124}, {327, 94}, {366, 124}}), White);
    Rect(p, 306, 134, 14, 14, Yellow);
    Rect(p, 334, 134, 14, 14, Yellow);
    Rect(p, 320, 152, 12, 22, Grey);
    PipeBridge(p, 110, 300, 152, 196, true);
    for (const QPointF& flake : Scatter(9, {10, 20, 380, 110}, 3)) {
      Snowflake(p, flake, 4, White);
    }
    out.push_back({"WELCOME_WINTER", canvas.Finish("WELCOME_WINTER")});
  }
  {
    Canvas canvas(400, 250);
    QPainter& p = canvas.P();
    const double ground = 186;
    Rect(p, 0, 0, 400, ground, Aqua, false);
    // Sun.
    for (int i = 0; i < 12; ++i) {
      const double a = i * 3.14159265 / 6;
      Line(p, {58 + 30 * std::cos(a), 50 + 30 * std::sin(a)},
           {58 + 40 * std::cos(a), 50 + 40 * std::sin(a)}, Yellow, 3);
    }
    Ellipse(p, {58, 50}, 22, 22, Yellow, false);
    // Clouds.
    for (const QPointF& c : {QPointF(170, 40), QPointF(300, 64)}) {
      Ellipse(p, c, 26, 12, White, false);
      Ellipse(p, c + QPointF(18, -8), 18, 12, White, false);
      Ellipse(p, c + QPointF(-16, -6), 14, 10, White, false);
    }
    // Ground.
    Rect(p, 0, ground, 400, 250 - ground, Green, false);
    for (const QPointF& tuft : Scatter(40, {0, ground + 6, 400, 56}, 11)) {
      Line(p, tuft, tuft + QPointF(2, -4), Lime);
    }
    LeafTree(p, 30, 196, 88);
    LeafTree(p, 76, 192, 64);
    // A building with an insulated duct on its roof.
    Rect(p, 232, 96, 150, 98, Silver);
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 5; ++col) {
        Rect(p, 244 + col * 27, 110 + row * 26, 16, 14, Navy);
      }
    }
    DuctShape duct;
    duct.axis = Axis::X;
    duct.length = 126;
    duct.layers = {{0, 6, 7, Grey, 0}, {0, 10, 11, Yellow, 10}, {0, 11, 12, White, 20}};
    duct.iy = 5;
    duct.iz = 6;
    DrawDuct(p, Proj{244, 84, 0.35}, duct);
    PipeBridge(p, 110, 232, 168, 190, false);
    out.push_back({"WELCOME_SUMMER", canvas.Finish("WELCOME_SUMMER")});
  }
  return out;
}

}  // namespace kavpic
