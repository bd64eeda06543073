#pragma once
// Colours as the data files store them, and the recolouring of a picture
// with the colours of the chosen products.
#include <array>
#include <cstdint>

namespace kav {

// A colour as 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

// Up to three (colour in the picture, colour to paint instead) pairs: how a
// module's illustration is recoloured with the colours of its products.
struct ColourRecord {
  struct Pair {
    Colour from = 0;
    Colour to = 0;
  };
  int count = 0;
  std::array<Pair, 3> pairs{};

  void Add(Colour from, Colour to);
  // The colour to paint for `colour`: the first matching pair wins.
  Colour Map(Colour colour) const;
};

}  // namespace kav
