#include "modules/common/surroundings.h"

#include "core/strings.h"

namespace kav {

int SurroundingsTextId(int surroundings) {
  switch (surroundings) {
    case 0:
      return ids::SurroundingsIndoors;
    case 1:
      return ids::SurroundingsOutdoors;
    case 2:
      return ids::SurroundingsUserCoefficient;
    default:
      return 0;
  }
}

void AddSurroundingsRows(TableRows& rows, int surroundings, float windSpeed, float outerCoefficient,
                         int coefficientLabelId) {
  rows.Add(ids::Surroundings, Str(SurroundingsTextId(surroundings)));
  if (surroundings == 1) rows.Add(ids::WindSpeed, FormatValue(ids::FmtMetrePerSecond1, windSpeed));
  if (surroundings == 2)
    rows.Add(coefficientLabelId, FormatValue(ids::FmtNumber1, outerCoefficient));
}

}  // namespace kav
