#pragma once
// The liquid temperature over time as the page's graph draws it: ten
// points from the start to the end time, and axes that leave room around
// them in round steps.
#include <array>

namespace kav {

struct TankCurve {
  static constexpr int kPoints = 10;

  std::array<float, kPoints> time{};         // h, i·tEnd/9
  std::array<float, kPoints> temperature{};  // °C
  float timeMax = 0.0f;                      // the axis runs from 0 to tEnd + tEnd/8
  float timeStep = 0.0f;
  float temperatureMin = 0.0f;
  float temperatureMax = 0.0f;
  float temperatureStep = 0.0f;
};

// The liquid's temperature after t hours: Ta + (T0 − Ta)·exp(−t/τ).
float LumpedTemperature(float t0, float ta, float t, float tau);

// The curve T(t) = Ta + (T0 − Ta)·exp(−t/τ) from 0 to tEnd hours.
TankCurve CoolingCurve(float t0, float ta, float tau, float tEnd);

// The temperature axis' step for a span of `range` K: 2, 5, 10, 20, 50 or
// 100.
float TemperatureStep(float range);
// The time axis' step for a curve ending at tEnd hours: 1 to 1000 h.
float TimeStep(float tEnd);

}  // namespace kav
