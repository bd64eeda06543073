#pragma once
// The flowing-media page: the segment results, the run's heat loss and
// energy, the insulation quantity, the module's inputs and every segment's
// inputs, placed one under the other; and the numbers for scripts.
#include "core/result_values.h"
#include "modules/kanal_temp/kanal_temp_modul.h"

namespace kav {

void FillFlowingMediumTables(CKanalTempModul& m, const FlowingMediumResult& r);
ResultValues FlowingMediumValues(const KanalTempInputs& in, const FlowingMediumResult& r);

}  // namespace kav
