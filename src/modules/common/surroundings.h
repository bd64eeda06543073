#pragma once
// The surroundings every module offers: indoors (free convection), outdoors
// (forced convection by wind) or an outer coefficient given by the user;
// their texts and the rows they add to an input table.
#include "core/string_ids.h"
#include "modules/common/codes.h"
#include "modules/common/table_rows.h"

namespace kav {

// The string-table entry naming the surroundings; 0 for an unknown code.
int SurroundingsTextId(code::Surroundings surroundings);

// "Omgivelser" with the surroundings' text, then the wind speed outdoors or
// the user's coefficient (labelled `coefficientLabelId`).
void AddSurroundingsRows(TableRows& rows, code::Surroundings surroundings, float windSpeed,
                         float outerCoefficient,
                         int coefficientLabelId = ids::HeatTransferCoefficient);

}  // namespace kav
