#pragma once
// The base of the eight calculation modules.
#include <array>
#include <cstdint>
#include <string>

#include "core/item.h"

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

class CKavModul : public CListItem {
 public:
  // Runs the calculation for the criterion in the inputs; shows the results
  // on success, takes them off the page on failure.
  virtual void Calculate() {}
  // Every input to its default, lists emptied, tables set up, no results.
  virtual void Reset() {}
  // The illustration for the current input, filling `colours`; the module's
  // "no result" picture while ResultsValid is 0. Empty for none.
  virtual std::string PictureName(ColourRecord& colours) const;

  int ResultsValid = 0;
};

}  // namespace kav
