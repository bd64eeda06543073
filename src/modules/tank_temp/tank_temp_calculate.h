#pragma once
// The tank calculation as a pure function of the module's inputs: the
// geometry, the cooling by the main or the thin-insulation model, freezing,
// the energy change, the heat loss at the start and the curve. It shows
// nothing and changes no input; its messages are in the result's outcome.
#include "modules/tank_temp/tank_temp_inputs.h"
#include "modules/tank_temp/tank_temp_result.h"

namespace kav {

TankTempResult CalculateTankTemperature(const TankTempInputs& in);

// Below this s/λ0 (m²K/W) the insulation is taken as one conductance.
inline constexpr float kThinInsulation = 0.25f;

}  // namespace kav
