#pragma once
// The flowing-media calculation as a pure function of the module's inputs:
// the segments one after another, each outlet the next inlet, with the
// product-temperature, dew-point and freezing checks on the way. It shows
// nothing and changes no input; its two questions go through `ask`, its
// messages into the result's outcome.
#include "modules/common/outcome.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/kanal_temp/kanal_temp_result.h"

namespace kav {

FlowingMediumResult CalculateFlowingMedium(const KanalTempInputs& in, const Ask& ask);

}  // namespace kav
