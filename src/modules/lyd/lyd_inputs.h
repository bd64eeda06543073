#pragma once
// The inputs of the sound-trap module, with their defaults: what the
// sound-trap dialog edits and the calculation reads.
#include <array>
#include <string>

#include "core/colour.h"
#include "data/absorpsjon.h"
#include "modules/common/row_ref.h"
#include "modules/lyd/lyd_codes.h"

namespace kav {

struct LydInputs {
  static constexpr int kBandCount = CAbsorpsjonTykkelse::kBandCount;

  code::DuctType DuctType = code::DuctType::Rectangular;
  float Diameter = 400.0f;    // mm, before lining (circular)
  float DuctHeight = 400.0f;  // mm (rectangular types)
  float DuctWidth = 400.0f;   // mm
  int OwnValues = 0;          // nonzero: the user's own product instead of a database row
  RowRef<CAbsorpsjon> AbsorptionProduct;
  RowRef<CAbsorpsjonTykkelse> AbsorptionThickness;  // one of the product's rows
  std::string OwnName;
  float OwnThickness = 50.0f;  // mm
  // At 125, 250, 500, 1000, 2000 and 4000 Hz.
  std::array<float, kBandCount> OwnAbsorption{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f};

  bool UsesOwnValues() const { return OwnValues != 0; }
  // The lining in use: the own values, or the chosen thickness row (null
  // when there is none).
  const CAbsorpsjonTykkelse* ChosenThickness() const {
    return UsesOwnValues() ? nullptr : AbsorptionThickness.get();
  }
  // The product's colours for the picture's absorbent (yellow) and its
  // surface (olive); none with own values or without a product.
  void PictureColours(ColourRecord& colours) const;
};

}  // namespace kav
