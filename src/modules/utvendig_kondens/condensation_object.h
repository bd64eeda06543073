#pragma once
// The objects the external-condensation module insulates, numbered as its
// documents store them (its own numbering, not code::Geometry), with their
// predicates.
#include "modules/common/codes.h"

namespace kav::code {

enum class CondensationObject : int {
  Pipe = 0,
  CircularDuct = 1,
  RectangularDuct = 2,
  CircularDuctInside = 3,     // circular duct insulated inside
  RectangularDuctInside = 4,  // rectangular duct insulated inside
  FlatOutside = 5,            // flat surface insulated outside
  FlatInside = 6,             // flat surface insulated inside
};

inline constexpr int kCondensationObjects = 7;

constexpr bool IsKnown(CondensationObject o) {
  return ToInt(o) >= 0 && ToInt(o) < kCondensationObjects;
}
// A pipe or circular duct insulated outside.
constexpr bool IsCircular(CondensationObject o) {
  return o == CondensationObject::Pipe || o == CondensationObject::CircularDuct;
}
constexpr bool IsFlat(CondensationObject o) {
  return o == CondensationObject::FlatOutside || o == CondensationObject::FlatInside;
}
// A duct whose insulation lies inside it: the duct's own outer surface must
// stay above the dew point.
constexpr bool IsInsideDuct(CondensationObject o) {
  return o == CondensationObject::CircularDuctInside ||
         o == CondensationObject::RectangularDuctInside;
}
// The insulation lies inside (the page adds its advisory text).
constexpr bool IsInternal(CondensationObject o) {
  return IsInsideDuct(o) || o == CondensationObject::FlatInside;
}
// Ducts insulated outside may have a second, outer layer.
constexpr bool TakesTwoLayers(CondensationObject o) {
  return o == CondensationObject::CircularDuct || o == CondensationObject::RectangularDuct;
}
// The object is measured by its diameter (the standard thicknesses may
// depend on it).
constexpr bool HasDiameter(CondensationObject o) {
  return IsCircular(o) || o == CondensationObject::CircularDuctInside;
}
// The field of use of the insulation on the object.
constexpr Usage UsageFor(CondensationObject o) {
  switch (o) {
    case CondensationObject::Pipe:
      return Usage::Pipe;
    case CondensationObject::CircularDuct:
      return Usage::CircularDuct;
    case CondensationObject::RectangularDuct:
      return Usage::RectangularDuct;
    case CondensationObject::CircularDuctInside:
      return Usage::CircularDuctInside;
    case CondensationObject::RectangularDuctInside:
      return Usage::RectangularDuctInside;
    case CondensationObject::FlatOutside:
      return Usage::FlatOutside;
    case CondensationObject::FlatInside:
      return Usage::FlatInside;
  }
  return Usage::Pipe;
}

}  // namespace kav::code
