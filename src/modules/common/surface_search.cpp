#include "modules/common/surface_search.h"

#include <cmath>

#include "core/formulas.h"

namespace kav::search {

float StartSurfaceTemperature(float thickness, float tm, float ta) {
  const float k0 = 0.036f / thickness;
  return (k0 * tm + 10.0f * ta) / (k0 + 10.0f);
}

float FirstSurfaceStep(float ts, float ta) {
  ts += 3.0f;
  if (std::fabs(ts - ta) < 0.1f) ts -= 1.0f;
  return ts;
}

float Secant(float x, float xPrev, float f, float fPrev) {
  return x + (x - xPrev) * f / (fPrev - f);
}

SurfaceSecant::Next SurfaceSecant::Take(float& ts, float f) {
  if (std::fabs(f) < kBalance) return Next::Closed;
  if (first_) {
    first_ = false;
    tsPrev_ = ts;
    fPrev_ = f;
    ts = FirstSurfaceStep(ts, ta_);
    return Next::Step;
  }
  if (f == fPrev_) return Next::Stuck;
  const float next = Secant(ts, tsPrev_, f, fPrev_);
  if (stopAtMedium_ && std::fabs(next - tm_) < 0.05f && std::fabs(ts - tm_) < 0.05f) {
    return Next::AtMedium;
  }
  tsPrev_ = ts;
  fPrev_ = f;
  ts = next;
  return Next::Step;
}

float OuterFilm::Coefficient(float ts, float size, float emissivity) const {
  if (surroundings == code::Surroundings::UserCoefficient) return userCoefficient;
  return Convection(ts, size) + RadiationCoefficient(emissivity, ts, ambientTemperature);
}

float OuterFilm::Convection(float ts, float size) const {
  const float dT = std::fabs(ts - ambientTemperature);
  return SurfaceCoefficient(surroundings == code::Surroundings::Indoors ? 1 : 0, vertical == 1, dT,
                            size, flat ? 1 : 0, height, windSpeed);
}

}  // namespace kav::search
