#include "modules/tank_temp/tank_temp_calculate.h"

#include <cmath>

#include "core/strings.h"

namespace kav {
namespace {

bool Positive(float value) {
  return value > 0.0f && std::isfinite(value);
}

bool DimensionsUsable(const TankTempInputs& in) {
  switch (in.Shape) {
    case code::TankShape::Box:
      return Positive(in.Width) && Positive(in.Height) && Positive(in.Depth);
    case code::TankShape::Cylinder:
      return Positive(in.Diameter) && Positive(in.Length);
    case code::TankShape::Sphere:
      return Positive(in.Diameter);
  }
  return false;
}

bool AllFinite(const TankTempResult& r) {
  const TankCurve& c = r.curve;
  for (int i = 0; i < TankCurve::kPoints; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (!std::isfinite(c.time[k]) || !std::isfinite(c.temperature[k])) return false;
  }
  return std::isfinite(r.geometry.area) && std::isfinite(r.geometry.volume) &&
         std::isfinite(r.cooling.timeConstant) && std::isfinite(r.cooling.surfaceTemperature) &&
         std::isfinite(r.cooling.outerCoefficient) && std::isfinite(r.endTemperature) &&
         std::isfinite(r.energyChange) && std::isfinite(r.startHeatLoss) &&
         std::isfinite(r.freezingTime) && std::isfinite(c.timeMax) &&
         std::isfinite(c.temperatureMin) && std::isfinite(c.temperatureMax);
}

TankTempResult Refused(int reason) {
  TankTempResult r;
  r.outcome.Refuse(reason);
  return r;
}

}  // namespace

TankTempResult CalculateTankTemperature(const TankTempInputs& in) {
  if (!code::IsKnown(in.Shape)) return Refused(ids::ReasonUnknownObjectCode);
  if (!DimensionsUsable(in)) return Refused(ids::ReasonDimensionNotPositive);
  const float density = in.Density();
  const float heatCapacity = in.HeatCapacity();
  if (!Positive(density) || !Positive(heatCapacity) || !Positive(in.StorageTime)) {
    return Refused(ids::ReasonLiquidOrTimeNotPositive);
  }
  const float s = in.Insulation.ThicknessAt(0.0f) / 1000.0f;
  const ConductivityPolynomial lambda = in.Insulation.Conductivity();
  if (!(s >= 0.0f) || !(lambda.c0 > 0.0f)) return Refused(ids::ReasonInsulationNotUsable);
  const float t0 = in.StartTemperature;
  const float ta = in.AmbientTemperature;
  if (t0 == ta) return Refused(ids::ReasonStartAtAmbient);
  const float tf = in.FreezingPoint();
  if (t0 < tf) return Refused(ids::ReasonStartBelowFreezing);

  TankTempResult r;
  r.geometry = TankGeometryOf(in, s);
  TankCase c;
  c.geometry = r.geometry;
  c.lambda = lambda;
  c.thickness = s;
  c.emissivity = in.Insulation.Emissivity();
  c.startTemperature = t0;
  c.ambientTemperature = ta;
  c.storageTime = in.StorageTime;
  c.capacity = density * heatCapacity * r.geometry.volume;
  c.surroundings = in.Surroundings;
  c.windSpeed = in.WindSpeed;
  c.userCoefficient = in.OuterCoefficient;

  r.thinModel = s / lambda.c0 < kThinInsulation;
  r.cooling = r.thinModel ? ThinInsulationModel(c, lambda.c0, s) : MainModel(c);
  const float tau = r.cooling.timeConstant;
  r.endTemperature = c.TemperatureAfter(in.StorageTime, tau);
  r.freezingTime = in.StorageTime;
  if (tf > r.endTemperature) {
    // The start is at or above the freezing point, so the time is not
    // negative; a start right at it freezes at once (and not at "-0.0 h").
    const float time = -tau * LogF((tf - ta) / (t0 - ta));
    r.freezingTime = time > 0.0f ? time : 0.0f;
    r.freezes = true;
    r.endTemperature = tf;
    r.outcome.Tell(ids::FreezingBeforeStorageEnds, Str(ids::FreezingBeforeStorageEnds),
                   Icon::Information);
  }
  r.energyChange = c.capacity * (r.endTemperature - t0) / 3600000.0f;
  r.startHeatLoss = StartHeatLoss(c);
  r.curve = CoolingCurve(t0, ta, tau, r.freezingTime);
  if (!AllFinite(r)) return Refused(ids::ReasonNoFiniteResult);
  return r;
}

}  // namespace kav
