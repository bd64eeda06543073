#pragma once
// The tank page: the result table, the graph of the liquid temperature 10
// mm below it, the input table below the graph (or in the next page column),
// and the numbers for scripts.
#include "core/result_values.h"
#include "modules/tank_temp/tank_temp_modul.h"

namespace kav {

void FillTankPage(CTankTempModul& m, const TankTempResult& r);
ResultValues TankTempValues(const TankTempResult& r);

}  // namespace kav
