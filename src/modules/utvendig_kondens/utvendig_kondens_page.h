#pragma once
// The external-condensation page: the result table from what the
// calculation found (one value column, or the needed thickness beside the
// standard one), the input table from the inputs, and the numbers for
// scripts.
#include "core/result_values.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"

namespace kav {

void FillExternalCondensationTables(CUtvendigKondensModul& m, const ExternalCondensationResult& r);
ResultValues ExternalCondensationValues(const UtvendigKondensInputs& in,
                                        const ExternalCondensationResult& r);

}  // namespace kav
