#pragma once
// The frost calculation as a pure function of the module's inputs: the
// mean temperature of standing water while it cools to 0 °C, the time that
// takes, the time until the chosen degree of it has frozen, and the power
// that holds it at 0 °C. It shows nothing, asks nothing and changes no
// input; its messages are in the result's outcome.
#include "modules/frost/frost_inputs.h"
#include "modules/frost/frost_result.h"
#include "modules/frost/frost_search.h"

namespace kav {

FrostResult CalculateFrost(const FrostInputs& in);

// The conductivity the frost calculation takes: the polynomial of a product
// of the database (standard or hose), otherwise a constant 0.036 W/mK.
ConductivityPolynomial FrostConductivity(const CIsolasjon& layer);

// The search's view of the inputs.
FrostPipe FrostPipeOf(const FrostInputs& in);

}  // namespace kav
