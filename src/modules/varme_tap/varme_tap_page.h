#pragma once
// The heat-loss page: the result table from what the calculation found,
// the input table from the inputs, and the numbers for scripts.
#include "core/result_values.h"
#include "modules/varme_tap/varme_tap_modul.h"

namespace kav {

void FillHeatLossResultTable(CVarmeTapModul& m, const HeatLossResult& r);
void FillHeatLossInputTable(CVarmeTapModul& m);
ResultValues HeatLossValues(const VarmeTapInputs& in, const HeatLossResult& r);

}  // namespace kav
