#pragma once
// The internal-condensation page: the result table from what the
// calculation found (the bare duct, the thickness found, or the thickness
// found beside the standard one), the input table from the inputs, and the
// numbers for scripts.
#include "core/result_values.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"

namespace kav {

void FillInternalCondensationTables(CInnvendigKondensModul& m, const InternalCondensationResult& r);
ResultValues InternalCondensationValues(const InternalCondensationResult& r);

}  // namespace kav
