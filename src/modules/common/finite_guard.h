#pragma once
// The last guard against hostile documents: a module whose stored values
// hold NaN or an infinity, or whose results overflow, is refused instead of
// showing "nan" or "inf" on its page. The dialogs never let such values in;
// only a damaged or foreign document brings them.
#include "core/result_values.h"

namespace kav {

class CKavModul;

// True when every float the module stores (its inputs and its stored copies
// of database rows) is finite.
bool StoredValuesFinite(CKavModul& module);

// True when every number of the results, in every list, is finite.
bool AllFinite(const ResultValues& values);

}  // namespace kav
