#pragma once
// The sound trap's duct type, with its predicates. Like the other codes
// (common/codes.h) it holds whatever integer a document stored.
#include "modules/common/codes.h"

namespace kav::code {

enum class DuctType : int {
  Circular = 0,      // lined on the whole circumference
  Rectangular = 1,   // lined on all four sides
  TopAndBottom = 2,  // horizontal linings: top and bottom
  SideWalls = 3,     // vertical linings: the two side walls
};

constexpr bool IsKnown(DuctType t) {
  return ToInt(t) >= 0 && ToInt(t) <= 3;
}
constexpr bool IsCircular(DuctType t) {
  return t == DuctType::Circular;
}

}  // namespace kav::code
