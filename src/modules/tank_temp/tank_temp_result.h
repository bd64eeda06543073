#pragma once
// What the tank calculation finds, in the units it computes them.
#include "modules/common/outcome.h"
#include "modules/tank_temp/tank_temp_curve.h"
#include "modules/tank_temp/tank_temp_geometry.h"
#include "modules/tank_temp/tank_temp_search.h"

namespace kav {

struct TankTempResult {
  Outcome outcome;
  TankGeometry geometry;
  // The insulation is thin (s/λ0 below 0.25 m²K/W): ThinInsulationModel.
  bool thinModel = false;
  TankCooling cooling;          // τ, the surface and αo
  float endTemperature = 0.0f;  // °C; the freezing point when it freezes
  float energyChange = 0.0f;    // kWh, negative when the liquid cools
  float startHeatLoss = 0.0f;   // W, negative into a colder tank
  bool freezes = false;         // the freezing point comes before the end
  float freezingTime = 0.0f;    // h; the storage time when it does not freeze
  TankCurve curve;              // up to the freezing time
};

}  // namespace kav
