#pragma once
// The texts of the object types, as input tables name them.
#include "core/string_ids.h"
#include "modules/common/codes.h"

namespace kav {

// "Rørledning" ... "Innv. isolert flate"; the geometry must be known.
constexpr int GeometryTextId(code::Geometry g) {
  constexpr int kTexts[] = {ids::GeometryPipe,
                            ids::GeometryCircularDuct,
                            ids::GeometryRectangularDuct,
                            ids::GeometryInternallyInsulatedDuct,
                            ids::GeometryFlatOutside,
                            ids::GeometryFlatInside};
  return kTexts[code::ToInt(g)];
}

}  // namespace kav
