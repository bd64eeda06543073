#pragma once
// What the external-condensation calculation finds, in the units it
// computes them.
#include <string>

#include "modules/common/outcome.h"
#include "modules/utvendig_kondens/utvendig_kondens_search.h"

namespace kav {

struct ExternalCondensationResult {
  Outcome outcome;
  float dewPoint = 0.0f;  // °C
  // The thickness that holds the surface at the dew point (0 when the
  // medium is warmer than the dew point), with its coefficient and heat flow.
  DewPointSurface needed;
  float quantity = 0.0f;  // m² of insulation per metre; 0 for flat surfaces

  // A database product was asked for its nearest standard thickness.
  bool lookedUp = false;
  float standardThickness = 0.0f;  // mm; <= 0 when the product has none
  std::string standardText;        // the lookup's text
  bool standardFits = true;        // inside a duct: less than half its inside room
  DewPointSurface standard;        // the surface with the standard thickness
  float standardQuantity = 0.0f;   // m² per metre

  // The page compares the two thicknesses side by side.
  bool Compares() const { return lookedUp && standardThickness > 0.0f && standardFits; }
};

}  // namespace kav
