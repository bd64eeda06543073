#include "core/colour.h"

#include <cstddef>

namespace kav {

void ColourRecord::Add(Colour from, Colour to) {
  if (count < static_cast<int>(pairs.size())) pairs[static_cast<std::size_t>(count++)] = {from, to};
}

Colour ColourRecord::Map(Colour colour) const {
  for (int i = 0; i < count; ++i) {
    if (pairs[static_cast<std::size_t>(i)].from == colour)
      return pairs[static_cast<std::size_t>(i)].to;
  }
  return colour;
}

}  // namespace kav
