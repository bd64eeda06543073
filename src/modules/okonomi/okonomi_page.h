#pragma once
// The economic page: heat loss, costs, pay-back times and inputs from what
// the calculation found, each table under the one before it (moving on to
// the next page column when the page is full), and the numbers for
// scripts.
#include "core/result_values.h"
#include "modules/okonomi/okonomi_modul.h"

namespace kav {

void FillEconomyPage(COkonomiModul& m, const EconomicResult& r);
ResultValues EconomyValues(const OkonomiInputs& in, const EconomicResult& r);

}  // namespace kav
