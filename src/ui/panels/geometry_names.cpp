#include "ui/panels/geometry_names.h"

#include "core/string_ids.h"
#include "core/strings.h"

namespace kav {

QStringList GeometryNames() {
  QStringList names;
  for (int id :
       {ids::GeometryPipe, ids::GeometryCircularDuct, ids::GeometryRectangularDuct,
        ids::GeometryInternallyInsulatedDuct, ids::GeometryFlatOutside, ids::GeometryFlatInside}) {
    names << QString::fromStdString(Str(id));
  }
  return names;
}

}  // namespace kav
