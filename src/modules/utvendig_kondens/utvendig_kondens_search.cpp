#include "modules/utvendig_kondens/utvendig_kondens_search.h"

#include <algorithm>

#include "modules/common/thickness_secant.h"

namespace kav {
namespace {

using code::CondensationObject;
using search::kMaxIterations;
using search::kMaxThickness;
using search::SurfaceSecant;
using search::ThicknessSecant;

// The walk of the inner of two layers: steps of 0.1 mm, and a surface within
// 0.1 K of the dew point. The bound covers a walk over the whole 2 m and
// back; a walk that turns round ends before it.
constexpr float kLayerStep = 0.0001f;
constexpr float kDewPointBand = 0.1f;
constexpr int kMaxLayerSteps = 2 * 20000;

}  // namespace

float DewPointSearch::StartThickness() const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const float td = c_.dewPoint;
  return (tm - td) / (td - ta) * 0.036f / 10.0f;
}

float DewPointSearch::InsideLimit() const {
  if (c_.object == CondensationObject::CircularDuctInside) return c_.diameter / 2000.0f;
  return std::min(c_.height, c_.width) / 2000.0f;
}

DewPointSearch::Shape DewPointSearch::ShapeFor(float s) const {
  Shape shape;
  const float h = c_.height / 1000.0f;
  const float w = c_.width / 1000.0f;
  switch (c_.object) {
    case CondensationObject::Pipe:
    case CondensationObject::CircularDuct: {
      const float d = c_.diameter / 1000.0f;
      const float outer = d + 2.0f * s;
      shape.size = outer;
      shape.perimeter = kPi * outer;
      shape.factor = LogF(outer / d) / (2.0f * kPi);
      break;
    }
    case CondensationObject::RectangularDuct: {
      const float outerHeight = h + 2.0f * s;
      const float outerWidth = w + 2.0f * s;
      shape.perimeter = 2.0f * outerWidth + 2.0f * outerHeight;
      shape.factor = s / shape.perimeter;
      shape.size = shape.perimeter / kPi;
      shape.height = outerHeight;
      break;
    }
    case CondensationObject::CircularDuctInside: {
      const float outer = c_.diameter / 1000.0f;
      const float inner = outer - 2.0f * s;
      shape.size = outer;
      shape.perimeter = kPi * outer;
      shape.factor = LogF(outer / inner) / (2.0f * kPi);
      break;
    }
    case CondensationObject::RectangularDuctInside:
      shape.perimeter = 2.0f * w + 2.0f * h;
      shape.factor = s / shape.perimeter;
      shape.size = shape.perimeter / kPi;
      shape.height = h;
      break;
    case CondensationObject::FlatOutside:
    case CondensationObject::FlatInside:
      shape.factor = s;
      shape.height = c_.vertical != 0 ? h : 1.0f;
      break;
  }
  return shape;
}

DewPointSearch::Shape DewPointSearch::BareShape() const {
  if (code::IsFlat(c_.object)) return ShapeFor(0.0f);
  Shape shape;
  const float h = c_.height / 1000.0f;
  const float w = c_.width / 1000.0f;
  if (code::HasDiameter(c_.object)) {
    const float d = c_.diameter / 1000.0f;
    shape.size = d;
    shape.perimeter = kPi * d;
  } else {
    shape.perimeter = 2.0f * (h + w);
    shape.size = shape.perimeter / kPi;
    shape.height = h;
  }
  return shape;
}

float DewPointSearch::Coefficient(float t, const Shape& shape, float emissivity) const {
  search::OuterFilm film;
  film.surroundings = c_.surroundings;
  film.vertical = c_.vertical;
  film.ambientTemperature = c_.ambientTemperature;
  film.windSpeed = c_.windSpeed;
  film.userCoefficient = c_.outerCoefficient;
  film.flat = code::IsFlat(c_.object);
  film.height = shape.height;
  return film.Coefficient(t, shape.size, emissivity);
}

float DewPointSearch::HeatFlow(float coefficient, const Shape& shape, float t) const {
  if (code::IsFlat(c_.object)) return coefficient * (t - c_.ambientTemperature);
  return coefficient * shape.perimeter * (t - c_.ambientTemperature);
}

DewPointThickness DewPointSearch::OneLayer(const ConductivityPolynomial& lambda,
                                           float emissivity) const {
  return Thickness(lambda, emissivity, kMaxThickness, false);
}

DewPointThickness DewPointSearch::Inside(const ConductivityPolynomial& lambda,
                                         float emissivity) const {
  return Thickness(lambda, emissivity, InsideLimit(), true);
}

// The secant search on the thickness with the surface at the dew point:
// the heat conducted from the surface to the medium equals the heat the air
// gives the surface.
DewPointThickness DewPointSearch::Thickness(const ConductivityPolynomial& lambda, float emissivity,
                                            float limit, bool inside) const {
  using Outcome = DewPointThickness::Outcome;
  const float tm = c_.mediumTemperature;
  const float td = c_.dewPoint;
  float s = StartThickness();
  if (!(s > 0.0f)) return {Outcome::NoInsulationNeeded, Uninsulated(emissivity)};
  // Inside a duct the insulation keeps 1 mm clear of the middle.
  const float room = limit - 0.001f;
  if (inside) {
    if (!(room > 0.0f)) return {Outcome::TooThick, {}};
    if (s >= limit) s = room;
  }
  ThicknessSecant secant;
  DewPointThickness result;
  for (int i = 0; i < kMaxIterations; ++i) {
    const Shape shape = ShapeFor(s);
    const float coefficient = Coefficient(td, shape, emissivity);
    const float conducted = lambda.Integral(td, tm) / shape.factor;
    const float film = HeatFlow(coefficient, shape, td);
    result = {Outcome::Found, {s, td, coefficient, film}};
    const float before = s;
    if (secant.Take(s, conducted - film) != ThicknessSecant::Next::Step) break;
    if (inside && i == 0) {
      s = std::min(s, room);
      // Started against the limit: there is no room to step up, so the
      // first step goes down instead.
      if (s == before) s = before > 0.02f ? before - 0.02f : before / 2.0f;
    }
    if (s > limit) return {Outcome::TooThick, result.surface};
  }
  return result;
}

DewPointSurface DewPointSearch::Uninsulated(float emissivity) const {
  const Shape shape = BareShape();
  const float coefficient = Coefficient(c_.dewPoint, shape, emissivity);
  return {0.0f, c_.dewPoint, coefficient, HeatFlow(coefficient, shape, c_.mediumTemperature)};
}

DewPointSurface DewPointSearch::Surface(float thickness, const ConductivityPolynomial& lambda,
                                        float emissivity) const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const Shape shape = ShapeFor(thickness);
  float ts = search::StartSurfaceTemperature(thickness, tm, ta);
  SurfaceSecant secant(tm, ta);
  DewPointSurface result;
  for (int i = 0; i < kMaxIterations; ++i) {
    const float coefficient = Coefficient(ts, shape, emissivity);
    const float conducted = lambda.Integral(ts, tm) / shape.factor;
    const float film = HeatFlow(coefficient, shape, ts);
    result = {thickness, ts, coefficient, film};
    if (secant.Take(ts, conducted - film) != SurfaceSecant::Next::Step) break;
  }
  return result;
}

DewPointSurface DewPointSearch::TwoLayerSurface(float inner, float startThickness,
                                                const ConductivityPolynomial& innerLambda,
                                                const GivenOuterLayer& outer,
                                                LayerConductivities& k) const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const float s2 = outer.thickness;
  const bool circular = code::IsCircular(c_.object);
  const float d = c_.diameter / 1000.0f;
  const float d1 = d + 2.0f * inner;
  const float d2 = d1 + 2.0f * s2;
  Shape shape;
  if (circular) {
    shape.size = d2;
    shape.perimeter = kPi * d2;
    shape.factor = LogF(d2 / d1) / (2.0f * kPi);
  } else {
    const float outerHeight = c_.height / 1000.0f + 2.0f * (inner + s2);
    const float outerWidth = c_.width / 1000.0f + 2.0f * (inner + s2);
    shape.perimeter = 2.0f * outerWidth + 2.0f * outerHeight;
    shape.size = shape.perimeter / kPi;
    shape.height = outerHeight;
    shape.factor = s2 / shape.perimeter;
  }
  float ts = search::StartSurfaceTemperature(startThickness, tm, ta);
  float tj = tm;  // the interface between the layers
  SurfaceSecant secant(tm, ta, true);
  DewPointSurface result;
  for (int i = 0; i < kMaxIterations; ++i) {
    if (i >= 1) {
      k.inner = innerLambda.At((tj + tm) / 2.0f);
      k.outer = outer.lambda.At((tj + ta) / 2.0f);
    }
    const float coefficient = Coefficient(ts, shape, outer.emissivity);
    if (inner > 0.0f) {
      float k1 = 0.0f;
      float k2 = 0.0f;
      float film = 0.0f;  // the outer layer and the air in series
      if (circular) {
        k1 = 2.0f * kPi * k.inner / LogF(d1 / d);
        k2 = 2.0f * kPi * k.outer / LogF(d2 / d1);
        film = coefficient * k2 * shape.perimeter / (k2 + coefficient * shape.perimeter);
      } else {
        k1 = k.inner / inner;
        k2 = k.outer / s2;
        film = k2 * coefficient / (k2 + coefficient);
      }
      tj = (tm * k1 + ta * film) / (k1 + film);
    } else {
      // A layer of no thickness conducts without limit: the outer layer
      // lies on the medium.
      tj = tm;
    }
    const float conducted = outer.lambda.Integral(ts, tj) / shape.factor;
    const float film = HeatFlow(coefficient, shape, ts);
    result = {inner, ts, coefficient, film};
    if (secant.Take(ts, conducted - film) != SurfaceSecant::Next::Step) break;
  }
  return result;
}

DewPointThickness DewPointSearch::TwoLayers(float startTotal, const ConductivityPolynomial& inner,
                                            const GivenOuterLayer& outer,
                                            LayerConductivities& k) const {
  using Outcome = DewPointThickness::Outcome;
  const float td = c_.dewPoint;
  const float s2 = outer.thickness;
  // A medium at the ambient temperature: no heat flows and the surface
  // stays at the air's temperature, above the dew point.
  if (c_.mediumTemperature == c_.ambientTemperature) {
    return {Outcome::NoInsulationNeeded, Uninsulated(outer.emissivity)};
  }
  // A start beyond the largest thickness starts at the largest thickness.
  float s1 = std::max(std::min(startTotal, kMaxThickness) - s2, 0.0f);
  int direction = 0;  // of the last step: +1 thicker, -1 thinner
  DewPointSurface last;
  DewPointSurface previous;
  for (int step = 0; step < kMaxLayerSteps; ++step) {
    previous = last;
    last = TwoLayerSurface(s1, s1 + s2, inner, outer, k);
    const float ts = last.surfaceTemperature;
    if (ts > td + kDewPointBand) {
      // Coming up from too cold, one step crossed the whole band: the
      // thicker of the two keeps the surface above the dew point.
      if (direction > 0) break;
      s1 -= kLayerStep;
      if (s1 < kLayerStep) {
        last.thickness = 0.0f;
        break;
      }
      direction = -1;
    } else if (ts < td - kDewPointBand) {
      if (direction < 0) return {Outcome::Found, previous};
      s1 += kLayerStep;
      if (s1 + s2 > kMaxThickness) return {Outcome::TooThick, last};
      direction = 1;
    } else {
      break;
    }
  }
  return {Outcome::Found, last};
}

}  // namespace kav
