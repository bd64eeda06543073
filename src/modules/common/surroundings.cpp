#include "modules/common/surroundings.h"

#include "core/strings.h"

namespace kav {

int SurroundingsTextId(code::Surroundings surroundings) {
  switch (surroundings) {
    case code::Surroundings::Indoors:
      return ids::SurroundingsIndoors;
    case code::Surroundings::Outdoors:
      return ids::SurroundingsOutdoors;
    case code::Surroundings::UserCoefficient:
      return ids::SurroundingsUserCoefficient;
    default:
      return 0;
  }
}

void AddSurroundingsRows(TableRows& rows, code::Surroundings surroundings, float windSpeed,
                         float outerCoefficient, int coefficientLabelId) {
  rows.Add(ids::Surroundings, Str(SurroundingsTextId(surroundings)));
  if (surroundings == code::Surroundings::Outdoors)
    rows.Add(ids::WindSpeed, FormatValue(ids::FmtMetrePerSecond1, windSpeed));
  if (surroundings == code::Surroundings::UserCoefficient)
    rows.Add(coefficientLabelId, FormatValue(ids::FmtNumber1, outerCoefficient));
}

}  // namespace kav
