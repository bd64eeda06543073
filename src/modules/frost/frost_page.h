#pragma once
// The frost page: the result table from what the calculation found, the
// input table from the inputs, and the numbers for scripts.
#include "core/result_values.h"
#include "modules/frost/frost_modul.h"

namespace kav {

void FillFrostTables(CFrostModul& m, const FrostResult& r);
ResultValues FrostValues(const FrostResult& r);

}  // namespace kav
