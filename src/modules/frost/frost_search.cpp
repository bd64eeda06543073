#include "modules/frost/frost_search.h"

namespace kav {

float FrostPipe::GeometryFactor() const {
  return LogF(OuterDiameter() / diameter) / (2.0f * kPi);
}

FrostSurface SearchFrostSurface(const FrostPipe& pipe, float tm) {
  const float ta = pipe.ambientTemperature;
  const float outer = pipe.OuterDiameter();
  const float perimeter = kPi * outer;
  if (!(pipe.thickness > 0.0f)) {
    // No insulation conducts without limit: the surface is at the water's
    // temperature and gives off what the film takes.
    const float h = pipe.film.Coefficient(tm, outer, pipe.emissivity);
    return {tm, h, h * perimeter * (tm - ta)};
  }
  const float g = pipe.GeometryFactor();
  float ts = search::StartSurfaceTemperature(pipe.thickness, pipe.startTemperature, ta);
  search::SurfaceSecant secant(tm, ta);
  FrostSurface result;
  for (int i = 0; i < search::kMaxIterations; ++i) {
    const float h = pipe.film.Coefficient(ts, outer, pipe.emissivity);
    const float conducted = pipe.lambda.Integral(ts, tm) / g;
    const float given = h * perimeter * (ts - ta);
    result = {ts, h, conducted};
    if (secant.Take(ts, conducted - given) != search::SurfaceSecant::Next::Step) break;
  }
  return result;
}

}  // namespace kav
