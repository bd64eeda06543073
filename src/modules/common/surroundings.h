#pragma once
// The surroundings every module offers: indoors (free convection), outdoors
// (forced convection by wind) or an outer coefficient given by the user;
// their texts and the rows they add to an input table.
#include "core/string_ids.h"
#include "modules/common/table_rows.h"

namespace kav {

// The string-table entry naming surroundings 0, 1 or 2; 0 for any other.
int SurroundingsTextId(int surroundings);

// "Omgivelser" with the surroundings' text, then the wind speed outdoors or
// the user's coefficient (labelled `coefficientLabelId`).
void AddSurroundingsRows(TableRows& rows, int surroundings, float windSpeed, float outerCoefficient,
                         int coefficientLabelId = ids::HeatTransferCoefficient);

}  // namespace kav
