#include "modules/varme_tap/varme_tap_search.h"

#include <algorithm>
#include <cmath>

namespace kav {
using search::FirstSurfaceStep;
using search::kBalance;
using search::kMaxIterations;
using search::kMaxThickness;
using search::kMinThickness;
using search::Secant;
using search::StartSurfaceTemperature;
using search::SurfaceSecant;

namespace {

// A start estimate beyond the largest thickness (it can overflow for a very
// small loss) starts at the largest thickness instead; the search then
// either comes down or gives up as too thick.
float StartThickness(float estimate) {
  return estimate > kMaxThickness ? kMaxThickness : estimate;
}

}  // namespace

search::LayerShape HeatLossSearch::ShapeFor(float inner, float outer) const {
  return search::InsulatedShape(c_.geometry, c_.diameter, c_.height, c_.width, inner, outer);
}

float HeatLossSearch::Film(float h, const search::LayerShape& shape, float ts) const {
  return search::SurfaceHeat(shape, c_.Flat(), h, ts, c_.ambientTemperature);
}

search::OuterFilm HeatLossSearch::OuterSide() const {
  search::OuterFilm film;
  film.surroundings = c_.surroundings;
  film.vertical = c_.vertical;
  film.ambientTemperature = c_.ambientTemperature;
  film.windSpeed = c_.windSpeed;
  film.userCoefficient = c_.outerCoefficient;
  film.flat = c_.Flat();
  film.height = c_.height / 1000.0f;
  return film;
}

float HeatLossSearch::OuterCoefficient(float ts, float size, float emissivity) const {
  return OuterSide().Coefficient(ts, size, emissivity);
}

SurfaceResult HeatLossSearch::OneLayer(const HeatLossLayer& layer, float emissivity) const {
  const search::LayerSurface surface =
      search::SearchLayerSurface(ShapeFor(0.0f, layer.thickness), layer.thickness, layer.lambda,
                                 OuterSide(), emissivity, c_.mediumTemperature);
  return {surface.surfaceTemperature, 0.0f, surface.atMedium ? surface.film : surface.conducted,
          surface.coefficient};
}

SurfaceResult HeatLossSearch::TwoLayers(const HeatLossLayer& inner, const HeatLossLayer& outer,
                                        float emissivity) const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const float t1 = inner.thickness;
  const float t2 = outer.thickness;
  const float d = c_.diameter / 1000.0f;
  const float d1 = d + 2.0f * t1;
  const float d2 = d1 + 2.0f * t2;
  const search::LayerShape shape = ShapeFor(t1, t2);
  float ts = StartSurfaceTemperature(t1 + t2, tm, ta);
  float lambda1 = 0.036f;
  float lambda2 = 0.036f;
  float ti = 0.0f;
  SurfaceSecant secant(tm, ta, true);
  SurfaceResult result;
  for (int i = 0; i < kMaxIterations; ++i) {
    if (i >= 1) {
      // Mean layer temperatures; the outer layer's mean takes the ambient
      // temperature, not the surface temperature.
      lambda1 = inner.lambda.At((ti + tm) / 2.0f);
      lambda2 = outer.lambda.At((ti + ta) / 2.0f);
    }
    float u1 = 0.0f;
    float u2 = 0.0f;
    if (c_.Circular()) {
      u1 = 2.0f * kPi * lambda1 / LogF(d1 / d);
      u2 = 2.0f * kPi * lambda2 / LogF(d2 / d1);
    } else {
      u1 = lambda1 / t1;
      u2 = lambda2 / t2;
    }
    const float h = OuterCoefficient(ts, shape.size, emissivity);
    const float series =
        c_.Circular() ? h * u2 * shape.perimeter / (u2 + h * shape.perimeter) : u2 * h / (u2 + h);
    ti = c_.Internal() ? (tm * u2 + ta * series) / (series + u2)
                       : (tm * u1 + ta * series) / (u1 + series);
    const float conducted = outer.lambda.Integral(ts, ti) / shape.factor;
    const float film = Film(h, shape, ts);
    result = {ts, ti, conducted, h};
    const SurfaceSecant::Next next = secant.Take(ts, conducted - film);
    if (next == SurfaceSecant::Next::AtMedium) result.heatLoss = film;
    if (next != SurfaceSecant::Next::Step) break;
  }
  return result;
}

SurfaceResult HeatLossSearch::Bare() const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const float d = c_.diameter / 1000.0f;
  const float size = c_.Circular() ? d : std::max(c_.height, c_.width) / 1000.0f;
  const float h = OuterCoefficient(tm, size, 0.5f);
  float q = 0.0f;
  if (c_.Flat()) {
    q = h * (tm - ta);
  } else if (c_.Circular()) {
    q = h * kPi * d * (tm - ta);
  } else {
    q = h * (2.0f * c_.height + 2.0f * c_.width) / 1000.0f * (tm - ta);
  }
  return {tm, 0.0f, q, h};
}

ThicknessResult HeatLossSearch::ForSurfaceTemperature(float ts,
                                                      const ConductivityPolynomial& lambda,
                                                      float emissivity) const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  float t = StartThickness((tm - ts) / (ts - ta) * 0.036f / 10.0f);
  float tPrev = 0.0f;
  float fPrev = 0.0f;
  ThicknessResult result;
  for (int i = 0; i < kMaxIterations; ++i) {
    const search::LayerShape shape = ShapeFor(0.0f, t);
    const float h = OuterCoefficient(ts, shape.size, emissivity);
    const float conducted = lambda.Integral(ts, tm) / shape.factor;
    const float f = conducted - Film(h, shape, ts);
    result = {ThicknessResult::Outcome::Found, t, {ts, 0.0f, conducted, h}};
    if (std::fabs(f) < kBalance) break;
    if (i == 0) {
      tPrev = t;
      fPrev = f;
      t += 0.02f;
      continue;
    }
    if (f == fPrev) break;
    float next = Secant(t, tPrev, f, fPrev);
    if (next > kMaxThickness) return {ThicknessResult::Outcome::TooThick, next, result.surface};
    if (next < kMinThickness) {
      if (t < kMinThickness) {
        const SurfaceResult bare = Bare();
        return {ThicknessResult::Outcome::NoInsulationNeeded,
                t,
                {ts, 0.0f, bare.heatLoss, bare.coefficient}};
      }
      next = t / 2.0f;
    }
    tPrev = t;
    fPrev = f;
    t = next;
  }
  return result;
}

ThicknessResult HeatLossSearch::ForMaxHeatLoss(float maxLoss, const ConductivityPolynomial& lambda,
                                               float emissivity) const {
  const float tm = c_.mediumTemperature;
  const float ta = c_.ambientTemperature;
  const SurfaceResult bare = Bare();
  const float limit = std::fabs(maxLoss);
  if (std::fabs(bare.heatLoss) <= limit) {
    return {ThicknessResult::Outcome::NoInsulationNeeded, 0.0f, bare};
  }

  // Start thickness from an insulation of 0.036 W/mK carrying the whole loss.
  float t = 0.0f;
  const float dT = std::fabs(tm - ta);
  if (c_.Circular()) {
    const float x = dT * 0.22619467735290524f / limit;  // 2π·0.036
    t = (ExpF(x) - 1.0f) * (c_.diameter / 1000.0f) / 2.0f;
  } else if (c_.Flat()) {
    t = dT * 0.036f / limit;
  } else {
    const float perimeter = 2.0f * (c_.width / 1000.0f) + 2.0f * (c_.height / 1000.0f);
    t = dT * 0.036f * perimeter / limit;
  }
  t = StartThickness(t);
  float ts = StartSurfaceTemperature(t, tm, ta);

  // Two secant searches take turns under one counter: on the thickness for
  // the heat loss, and on the surface temperature for the heat balance.
  bool onThickness = true;
  bool thicknessStarted = false;
  float tPrev = 0.0f;
  float rPrev = 0.0f;
  float tsPrev = 0.0f;
  float bPrev = 0.0f;
  ThicknessResult result;
  for (int i = 0; i < kMaxIterations; ++i) {
    const search::LayerShape shape = ShapeFor(0.0f, t);
    const float h = OuterCoefficient(ts, shape.size, emissivity);
    const float conducted = lambda.Integral(ts, tm) / shape.factor;
    const float r = conducted - maxLoss;             // loss residual
    const float b = conducted - Film(h, shape, ts);  // balance residual
    result = {ThicknessResult::Outcome::Found, t, {ts, 0.0f, conducted, h}};
    if (onThickness) {
      if (std::fabs(r) < kBalance) {
        if (std::fabs(b) < kBalance) break;
        onThickness = false;
        tsPrev = ts;
        bPrev = b;
        ts = FirstSurfaceStep(ts, ta);
      } else if (!thicknessStarted) {
        thicknessStarted = true;
        tPrev = t;
        rPrev = r;
        t += 0.02f;
      } else {
        if (r == rPrev) break;
        float next = Secant(t, tPrev, r, rPrev);
        if (next > kMaxThickness) return {ThicknessResult::Outcome::TooThick, next, result.surface};
        if (next < kMinThickness) {
          if (t < kMinThickness) return {ThicknessResult::Outcome::NoInsulationNeeded, t, bare};
          next = t / 2.0f;
        }
        tPrev = t;
        rPrev = r;
        t = next;
      }
    } else {
      if (std::fabs(b) < kBalance) {
        if (std::fabs(r) < kBalance) break;
        onThickness = true;
        thicknessStarted = true;
        tPrev = t;
        rPrev = r;
        t += 0.02f;
      } else {
        if (b == bPrev) break;
        const float next = Secant(ts, tsPrev, b, bPrev);
        tsPrev = ts;
        bPrev = b;
        ts = next;
      }
    }
  }
  return result;
}

}  // namespace kav
