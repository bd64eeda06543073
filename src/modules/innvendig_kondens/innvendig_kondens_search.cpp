#include "modules/innvendig_kondens/innvendig_kondens_search.h"

#include <cmath>

#include "modules/common/surface_search.h"
#include "modules/common/thickness_secant.h"

namespace kav {
namespace {

using search::kMaxIterations;
using search::SurfaceSecant;
using search::ThicknessSecant;

// The outer search ends when a step below zero has been halved this many
// times in a row and the thickness is negligible.
constexpr int kMaxHalvings = 4;

}  // namespace

float DuctCondensationSearch::Ratio() const {
  const float ta = c_.ambientTemperature;
  return (c_.inletTemperature - ta) / (c_.dewPoint - ta);
}

float DuctCondensationSearch::StartThickness() const {
  const float required = c_.flow * c_.heatCapacity * LogF(Ratio()) / c_.effectiveLength;
  return c_.innerPerimeter * c_.lambda.c0 / required;
}

float DuctCondensationSearch::StartSurfaceTemperature(float s) const {
  const float k = c_.lambda.c0 / s;
  return (k * c_.inletTemperature + 10.0f * c_.ambientTemperature) / (k + 10.0f);
}

float DuctCondensationSearch::OuterCoefficient(float ts, float size, DuctFilm film) const {
  const float ta = c_.ambientTemperature;
  if (film == DuctFilm::Iso12241) {
    search::OuterFilm outer;
    outer.surroundings = c_.surroundings;
    outer.vertical = c_.vertical;
    outer.ambientTemperature = ta;
    outer.windSpeed = c_.windSpeed;
    outer.userCoefficient = c_.outerCoefficient;
    outer.height = c_.rectangular ? c_.height : 0.0f;
    return outer.Coefficient(ts, size, c_.emissivity);
  }
  if (c_.surroundings == code::Surroundings::UserCoefficient) return c_.outerCoefficient;
  const float v = c_.windSpeed;
  const float dT = std::fabs(ts - ta);
  float convection = 0.0f;
  if (c_.surroundings == code::Surroundings::Outdoors) {
    if (c_.rectangular) {
      convection = v < 5.0f ? 4.2f * v + 6.2f : 7.6f * PowF(v, 0.8f);
    } else {
      convection = 4.13f * PowF(v, 0.8f) / PowF(size, 0.2f);
    }
  } else if (c_.rectangular) {
    convection = dT < 10.0f ? 0.093f * dT + 3.49f : 2.56f * PowF(dT, 0.25f);
  } else {
    convection = 1.35f * PowF(dT / size, 0.25f);
  }
  return convection + RadiationCoefficient(c_.emissivity, ts, ta);
}

DuctOutlet DuctCondensationSearch::Outlet(DuctOutlet outlet, float transmittance) const {
  const float tin = c_.inletTemperature;
  const float ta = c_.ambientTemperature;
  const float inner = c_.innerCoefficient * c_.innerPerimeter;
  const float tout =
      ta + (tin - ta) * ExpF(-c_.effectiveLength * transmittance / (c_.flow * c_.heatCapacity));
  outlet.transmittance = transmittance;
  outlet.outletTemperature = tout;
  outlet.innerSurfaceTemperature = tout - (tout - ta) * transmittance / inner;
  return outlet;
}

DuctOutlet DuctCondensationSearch::At(float s, float& ts, DuctFilm film) const {
  const float tin = c_.inletTemperature;
  const float ta = c_.ambientTemperature;
  // The insulated duct: its outer surface per metre, the geometry factor of
  // the insulation and the diameter its outer coefficient is taken for.
  float perimeter = 0.0f;
  float factor = 0.0f;
  float size = 0.0f;
  if (c_.rectangular) {
    perimeter = 2.0f * (2.0f * s + c_.width) + 2.0f * (2.0f * s + c_.height);
    factor = s / c_.innerPerimeter;
    size = c_.innerPerimeter / kPi;
  } else {
    const float outer = c_.diameter + 2.0f * s;
    perimeter = kPi * outer;
    factor = LogF(outer / c_.diameter) / (2.0f * kPi);
    size = outer;
  }
  SurfaceSecant secant(tin, ta);
  DuctOutlet outlet;
  float conducted = 0.0f;
  for (int i = 0; i < kMaxIterations; ++i) {
    const float coefficient = OuterCoefficient(ts, size, film);
    conducted = c_.lambda.Integral(ts, tin) / factor;
    const float toAir = coefficient * perimeter * (ts - ta);
    outlet.thickness = s;
    outlet.surfaceTemperature = ts;
    outlet.outerCoefficient = coefficient;
    if (secant.Take(ts, conducted - toAir) != SurfaceSecant::Next::Step) break;
  }
  const float u =
      1.0f / ((tin - ta) / conducted + 1.0f / (c_.innerCoefficient * c_.innerPerimeter));
  return Outlet(outlet, u);
}

DuctThickness DuctCondensationSearch::NeededThickness(float& ts) const {
  float s = StartThickness();
  ts = StartSurfaceTemperature(s);
  ThicknessSecant secant;
  int halvings = 0;
  DuctOutlet outlet;
  for (int i = 0; i < kMaxIterations; ++i) {
    outlet = At(s, ts, DuctFilm::Iso12241);
    if (secant.Take(s, outlet.innerSurfaceTemperature - c_.dewPoint) !=
        ThicknessSecant::Next::Step) {
      break;
    }
    if (secant.Halved()) {
      if (++halvings > kMaxHalvings && s < search::kMinThickness) break;
    } else {
      halvings = 0;
    }
    if (s > search::kMaxThickness) return {DuctThickness::Outcome::TooThick, outlet};
  }
  return {DuctThickness::Outcome::Found, outlet};
}

DuctOutlet DuctCondensationSearch::Uninsulated() const {
  const float size = c_.rectangular ? c_.innerPerimeter / kPi : c_.diameter;
  search::OuterFilm outer;
  outer.surroundings = c_.surroundings;
  outer.vertical = c_.vertical;
  outer.ambientTemperature = c_.ambientTemperature;
  outer.windSpeed = c_.windSpeed;
  outer.userCoefficient = c_.outerCoefficient;
  outer.height = 1.0f;
  DuctOutlet outlet;
  outlet.surfaceTemperature = c_.inletTemperature;
  outlet.outerCoefficient = outer.Coefficient(c_.inletTemperature, size, c_.emissivity);
  const float pi = c_.innerPerimeter;
  const float u =
      1.0f / (1.0f / (pi * c_.innerCoefficient) + 1.0f / (pi * outlet.outerCoefficient));
  return Outlet(outlet, u);
}

}  // namespace kav
