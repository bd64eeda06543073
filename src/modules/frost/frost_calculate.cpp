#include "modules/frost/frost_calculate.h"

#include <cmath>

#include "core/string_ids.h"

namespace kav {
namespace {

constexpr float kWaterHeatCapacity = 4182.0f;  // J/kgK
constexpr float kWaterDensity = 1000.0f;       // kg/m³
constexpr float kLatentHeat = 334000.0f;       // J/kg, of freezing
constexpr float kIceDensity = 920.0f;          // kg/m³

bool KnownCodes(const FrostInputs& in) {
  return code::IsKnown(in.Surroundings) && (in.Vertical == 0 || in.Vertical == 1);
}

bool AllFinite(const FrostResult& r) {
  for (float v : {r.meanTemperature, r.surfaceTemperature, r.coefficient, r.heatFlow, r.coolingTime,
                  r.fullFreezingTime, r.freezingTime, r.totalTime, r.power}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

FrostResult Refused(int reason) {
  FrostResult r;
  r.outcome.Refuse(reason);
  return r;
}

// The mean temperature of water cooling exponentially from t0 to 0 °C in
// air at ta, with R = (ta − t0)/ta.
float MeanWaterTemperature(float t0, float ta, float ratio) {
  if (!(t0 > 0.0001f)) return 0.0f;
  return (t0 - ta) * (1.0f - 1.0f / ratio) / LogF(ratio) + ta;
}

}  // namespace

ConductivityPolynomial FrostConductivity(const CIsolasjon& layer) {
  return code::IsCatalogue(layer.Source) ? layer.Conductivity() : ConductivityPolynomial{};
}

FrostPipe FrostPipeOf(const FrostInputs& in) {
  FrostPipe pipe;
  pipe.diameter = in.Diameter / 1000.0f;
  pipe.thickness = in.Insulation.ThicknessAt(in.Diameter) / 1000.0f;
  pipe.startTemperature = in.StartTemperature;
  pipe.ambientTemperature = in.AmbientTemperature;
  pipe.lambda = FrostConductivity(in.Insulation);
  pipe.emissivity = in.Insulation.Emissivity();
  pipe.film.surroundings = in.Surroundings;
  pipe.film.vertical = in.Vertical;
  pipe.film.ambientTemperature = in.AmbientTemperature;
  pipe.film.windSpeed = in.WindSpeed;
  pipe.film.userCoefficient = in.OuterCoefficient;
  pipe.film.height = 1.0f;
  return pipe;
}

FrostResult CalculateFrost(const FrostInputs& in) {
  if (!KnownCodes(in)) return Refused(ids::ReasonUnknownObjectCode);
  const FrostPipe pipe = FrostPipeOf(in);
  if (!(pipe.diameter > 0.0f) || !(pipe.thickness >= 0.0f)) {
    return Refused(ids::ReasonDimensionNotPositive);
  }
  const float t0 = in.StartTemperature;
  const float ta = in.AmbientTemperature;
  // Water in air at 0 °C or warmer never freezes; water below 0 °C is
  // freezing already.
  if (!(ta < 0.0f)) return Refused(ids::ReasonFrostAmbientNotBelowZero);
  if (!(t0 >= 0.0f)) return Refused(ids::ReasonFrostStartBelowZero);
  if (!(in.FreezingDegree >= 0.0f && in.FreezingDegree <= 100.0f)) {
    return Refused(ids::ReasonFrostDegreeRange);
  }

  FrostResult r;
  const float d = pipe.diameter;
  const float g = pipe.GeometryFactor();
  const float perimeter = kPi * pipe.OuterDiameter();
  const float water = kPi * d * d / 4.0f;
  const float ratio = (ta - t0) / ta;
  r.meanTemperature = MeanWaterTemperature(t0, ta, ratio);

  const FrostSurface surface = SearchFrostSurface(pipe, r.meanTemperature);
  r.surfaceTemperature = surface.surfaceTemperature;
  r.coefficient = surface.coefficient;
  r.heatFlow = surface.heatFlow;

  // The transmittance while the water cools (at its mean temperature) and
  // while it freezes (at 0 °C, the insulation at its mean temperature).
  // A coefficient or conductivity curve from a document can give no heat
  // flow out of the pipe, or one inwards: then there is nothing to answer.
  const float u = r.heatFlow / (r.meanTemperature - ta);
  const float u0 = 1.0f / (g / pipe.lambda.At(ta / 2.0f) + 1.0f / (r.coefficient * perimeter));
  if (!(r.coefficient > 0.0f) || !(u > 0.0f) || !(u0 > 0.0f)) {
    return Refused(ids::ReasonFrostNoHeatFlow);
  }

  // Cooling: the water as one lump.
  const float tau = kWaterHeatCapacity * kWaterDensity * water / (u * 3600.0f);
  r.coolingTime = tau * LogF(ratio);
  // Freezing: the latent heat of the water column, its volume taken with
  // the density of ice (a shorter time than the water's own mass gives).
  r.fullFreezingTime = -kLatentHeat * kIceDensity * water / (u0 * 3600.0f * ta);
  r.freezingTime = r.fullFreezingTime * in.FreezingDegree / 100.0f;
  r.totalTime = r.coolingTime + r.freezingTime;
  r.power = -u0 * ta;
  if (!AllFinite(r)) return Refused(ids::ReasonNoFiniteResult);
  return r;
}

}  // namespace kav
