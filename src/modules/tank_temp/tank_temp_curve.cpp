#include "modules/tank_temp/tank_temp_curve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/formulas.h"

namespace kav {

float LumpedTemperature(float t0, float ta, float t, float tau) {
  return ta + (t0 - ta) * ExpF(-t / tau);
}

float TemperatureStep(float range) {
  if (range < 20.0f) return 2.0f;
  if (range < 50.0f) return 5.0f;
  if (range < 100.0f) return 10.0f;
  if (range < 200.0f) return 20.0f;
  if (range < 500.0f) return 50.0f;
  return 100.0f;
}

float TimeStep(float tEnd) {
  struct Band {
    float below;
    float step;
  };
  static constexpr Band kBands[] = {{20.0f, 1.0f},     {40.0f, 2.0f},     {80.0f, 5.0f},
                                    {160.0f, 10.0f},   {320.0f, 20.0f},   {640.0f, 50.0f},
                                    {1280.0f, 100.0f}, {2540.0f, 200.0f}, {5080.0f, 500.0f}};
  for (const Band& band : kBands) {
    if (tEnd < band.below) return band.step;
  }
  return 1000.0f;
}

TankCurve CoolingCurve(float t0, float ta, float tau, float tEnd) {
  TankCurve c;
  float highest = t0;
  float lowest = t0;
  for (int i = 0; i < TankCurve::kPoints; ++i) {
    const float t = static_cast<float>(i) * tEnd / 9.0f;
    const float temperature = LumpedTemperature(t0, ta, t, tau);
    c.time[static_cast<std::size_t>(i)] = t;
    c.temperature[static_cast<std::size_t>(i)] = temperature;
    highest = std::max(highest, temperature);
    lowest = std::min(lowest, temperature);
  }
  c.timeMax = tEnd + tEnd / 8.0f;
  c.timeStep = TimeStep(tEnd);
  const float step = TemperatureStep(highest - lowest);
  c.temperatureStep = step;
  c.temperatureMin = step * std::trunc(lowest / step) - step;
  c.temperatureMax = step * std::trunc(highest / step) + step;
  return c;
}

}  // namespace kav
