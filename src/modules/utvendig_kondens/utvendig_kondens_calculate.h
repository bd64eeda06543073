#pragma once
// The external-condensation calculation as a pure function of the module's
// inputs: the dew point, the thickness that holds the outer surface at it
// (one layer, one layer inside a duct, or the inner of two layers), and the
// nearest standard thickness of a database product. It shows nothing, asks
// nothing and changes no input; its messages are in the result's outcome.
#include "modules/utvendig_kondens/utvendig_kondens_inputs.h"
#include "modules/utvendig_kondens/utvendig_kondens_result.h"

namespace kav {

ExternalCondensationResult CalculateExternalCondensation(const UtvendigKondensInputs& in);

// The searches' view of the inputs (the dew point included).
DewPointCase DewPointCaseOf(const UtvendigKondensInputs& in);

}  // namespace kav
