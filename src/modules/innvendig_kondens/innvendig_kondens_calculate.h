#pragma once
// The internal-condensation calculation as a pure function of the module's
// inputs: the dew point of the incoming air, the air and the duct, the
// outside insulation thickness for which the inside wall at the outlet sits
// at the dew point (or the bare duct when it never gets there), and the
// nearest standard thickness of a database product. It shows nothing, asks
// nothing and changes no input; its messages are in the result's outcome.
#include "modules/innvendig_kondens/innvendig_kondens_inputs.h"
#include "modules/innvendig_kondens/innvendig_kondens_result.h"

namespace kav {

InternalCondensationResult CalculateInternalCondensation(const InnvendigKondensInputs& in);

// The searches' view of the inputs: geometry, air properties at the inlet
// temperature, volume flow, inner coefficient and the length with hangers.
DuctAirCase DuctAirCaseOf(const InnvendigKondensInputs& in);

}  // namespace kav
