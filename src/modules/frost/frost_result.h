#pragma once
// What the frost calculation finds, in the units it computes them.
#include "modules/common/outcome.h"

namespace kav {

struct FrostResult {
  Outcome outcome;
  float meanTemperature = 0.0f;     // °C, of the water while it cools to 0 °C
  float surfaceTemperature = 0.0f;  // °C, at the mean water temperature
  float coefficient = 0.0f;         // outer coefficient, W/m²K
  float heatFlow = 0.0f;            // W/m through the insulation while cooling
  float coolingTime = 0.0f;         // h, until the water reaches 0 °C
  float fullFreezingTime = 0.0f;    // h, until all the water is frozen
  float freezingTime = 0.0f;        // h, until the chosen degree is frozen
  float totalTime = 0.0f;           // h, cooling and freezing
  float power = 0.0f;               // W/m that holds the water at 0 °C
};

}  // namespace kav
