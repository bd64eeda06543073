#include "modules/tank_temp/tank_temp_search.h"

#include <algorithm>
#include <cmath>

#include "modules/common/surface_search.h"
#include "modules/tank_temp/tank_temp_curve.h"

namespace kav {
namespace {

using search::kMaxIterations;
using search::SurfaceSecant;

// The least conduction, W/m², the start-loss search lets the shell carry.
constexpr float kLeastConduction = 0.1f;

}  // namespace

float TankCase::OuterCoefficientAt(float ts) const {
  const float ta = ambientTemperature;
  if (!code::IsKnown(surroundings)) return 10.0f + RadiationCoefficient(emissivity, ts, ta);
  search::OuterFilm film;
  film.surroundings = surroundings;
  film.vertical = 1;
  film.ambientTemperature = ta;
  film.windSpeed = windSpeed;
  film.userCoefficient = userCoefficient;
  film.flat = true;
  film.height = geometry.height;
  return film.Coefficient(ts, geometry.height, emissivity);
}

float TankCase::TimeConstant(float u) const {
  return capacity / (u * 3600.0f * geometry.area);
}

float TankCase::MeanTemperature(float tau) const {
  const float ta = ambientTemperature;
  return ta + (startTemperature - ta) * (tau / storageTime) * (1.0f - ExpF(-storageTime / tau));
}

float TankCase::TemperatureAfter(float t, float tau) const {
  return LumpedTemperature(startTemperature, ambientTemperature, t, tau);
}

TankCooling MainModel(const TankCase& c) {
  const float ta = c.ambientTemperature;
  const float perArea = c.geometry.shapeFactor / c.geometry.area;
  float u = 1.0f / (c.thickness / 0.036f + 1.0f / 10.0f);
  float ts = search::StartSurfaceTemperature(c.thickness, c.startTemperature, ta);
  SurfaceSecant secant(c.startTemperature, ta);
  TankCooling r;
  while (r.passes < kMaxIterations) {
    ++r.passes;
    const float tm = c.MeanTemperature(c.TimeConstant(u));
    r.outerCoefficient = c.OuterCoefficientAt(ts);
    const float conduction = perArea * c.lambda.Integral(ts, tm);
    const float film = r.outerCoefficient * (ts - ta);
    u = conduction / (tm - ta);
    const SurfaceSecant::Next next = secant.Take(ts, conduction - film);
    if (next != SurfaceSecant::Next::Step) {
      r.converged = next == SurfaceSecant::Next::Closed;
      break;
    }
  }
  r.timeConstant = c.TimeConstant(u);
  r.surfaceTemperature = ts;
  return r;
}

TankCooling ThinInsulationModel(const TankCase& c, float lambda0, float s) {
  const float ta = c.ambientTemperature;
  const bool bare = !(s > 0.0f);
  const float conductance = bare ? 0.0f : lambda0 / s;
  float alpha = 10.0f;
  float surface = 0.0f;
  TankCooling r;
  while (r.passes < kMaxIterations) {
    const float u = bare ? alpha : 1.0f / (s / lambda0 + 1.0f / alpha);
    r.timeConstant = c.TimeConstant(u);
    const float tm = c.MeanTemperature(r.timeConstant);
    const float previous = surface;
    surface = bare ? tm : (conductance * tm + alpha * ta) / (alpha + conductance);
    alpha = c.OuterCoefficientAt(surface);
    if (r.passes++ > 0 && std::fabs(surface - previous) <= 0.1f) {
      r.converged = true;
      break;
    }
  }
  r.outerCoefficient = alpha;
  const float te = c.TemperatureAfter(c.storageTime, r.timeConstant);
  r.surfaceTemperature = bare ? te : (conductance * te + alpha * ta) / (conductance + alpha);
  return r;
}

float StartHeatLoss(const TankCase& c) {
  const float t0 = c.startTemperature;
  const float ta = c.ambientTemperature;
  const float area = c.geometry.area;
  if (!(c.thickness > 0.0f)) return c.OuterCoefficientAt(t0) * (t0 - ta) * area;
  const float perArea = c.geometry.shapeFactor / area;
  float ts = search::StartSurfaceTemperature(c.thickness, t0, ta);
  SurfaceSecant secant(t0, ta);
  float conduction = 0.0f;
  for (int pass = 0; pass < kMaxIterations; ++pass) {
    const float alpha = c.OuterCoefficientAt(ts);
    conduction = perArea * c.lambda.Integral(ts, t0);
    conduction =
        t0 > ta ? std::max(conduction, kLeastConduction) : std::min(conduction, -kLeastConduction);
    if (secant.Take(ts, conduction - alpha * (ts - ta)) != SurfaceSecant::Next::Step) break;
  }
  return conduction * area;
}

}  // namespace kav
