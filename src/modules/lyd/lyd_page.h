#pragma once
// The sound-trap page: the graph, the warning, the result table, the
// validity conditions and the input table from what the calculation found,
// and the numbers for scripts.
#include "core/result_values.h"
#include "modules/lyd/lyd_modul.h"

namespace kav {

void FillSoundTrapPage(CLydModul& m, const SoundTrapResult& r);
ResultValues SoundTrapValues(const SoundTrapResult& r);

}  // namespace kav
