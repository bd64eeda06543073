#pragma once
// The heat-loss calculation as a pure function of the module's inputs: the
// search for the criterion, then losses, accessories, hangers, energy,
// cost, CO2 and insulation quantities. It shows nothing and changes no
// input; its messages are in the result's outcome.
#include "modules/varme_tap/varme_tap_inputs.h"
#include "modules/varme_tap/varme_tap_result.h"

namespace kav {

HeatLossResult CalculateHeatLoss(const VarmeTapInputs& in);

// The search's view of the inputs.
HeatLossCase HeatLossCaseOf(const VarmeTapInputs& in);

}  // namespace kav
