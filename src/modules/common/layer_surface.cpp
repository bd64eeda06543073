#include "modules/common/layer_surface.h"

#include <algorithm>

namespace kav::search {

LayerShape InsulatedShape(code::Geometry g, float diameter, float height, float width, float inner,
                          float outer) {
  LayerShape shape;
  if (code::IsCircular(g)) {
    const float d = diameter / 1000.0f;
    const float dInner = d + 2.0f * inner;
    const float dOuter = dInner + 2.0f * outer;
    shape.size = dOuter;
    shape.perimeter = kPi * dOuter;
    shape.factor = LogF(dOuter / dInner) / (2.0f * kPi);
  } else if (code::IsFlat(g)) {
    shape.perimeter = 1.0f;
    shape.factor = outer;
  } else {
    float h = height / 1000.0f;
    float b = width / 1000.0f;
    if (!code::IsInternal(g)) {
      h += 2.0f * (inner + outer);
      b += 2.0f * (inner + outer);
    }
    shape.size = std::max(h, b);
    shape.perimeter = 2.0f * b + 2.0f * h;
    shape.factor = outer / shape.perimeter;
  }
  return shape;
}

float SurfaceHeat(const LayerShape& shape, bool flat, float h, float ts, float ta) {
  if (flat) return h * (ts - ta);
  return h * shape.perimeter * (ts - ta);
}

LayerSurface SearchLayerSurface(const LayerShape& shape, float thickness,
                                const ConductivityPolynomial& lambda, const OuterFilm& film,
                                float emissivity, float tm) {
  const float ta = film.ambientTemperature;
  float ts = StartSurfaceTemperature(thickness, tm, ta);
  SurfaceSecant secant(tm, ta, true);
  LayerSurface result;
  for (int i = 0; i < kMaxIterations; ++i) {
    const float h = film.Coefficient(ts, shape.size, emissivity);
    const float conducted = lambda.Integral(ts, tm) / shape.factor;
    const float off = SurfaceHeat(shape, film.flat, h, ts, ta);
    result = {ts, conducted, off, h, false};
    const SurfaceSecant::Next next = secant.Take(ts, conducted - off);
    result.atMedium = next == SurfaceSecant::Next::AtMedium;
    if (next != SurfaceSecant::Next::Step) break;
  }
  return result;
}

}  // namespace kav::search
