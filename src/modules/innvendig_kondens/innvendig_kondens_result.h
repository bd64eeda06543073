#pragma once
// What the internal-condensation calculation finds, in the units it
// computes them.
#include <string>

#include "modules/common/outcome.h"
#include "modules/innvendig_kondens/innvendig_kondens_search.h"

namespace kav {

struct InternalCondensationResult {
  Outcome outcome;
  // False: the inside wall stays above the dew point without insulation;
  // `needed` is then the bare duct.
  bool insulated = false;
  float dewPoint = 0.0f;          // of the incoming air, °C
  float innerCoefficient = 0.0f;  // αi, W/m²K
  DuctOutlet needed;              // with the thickness found
  float heatLoss = 0.0f;          // W per metre of the duct's own length
  float quantity = 0.0f;          // m² of insulation over the length

  // A database product was asked for its nearest standard thickness.
  bool lookedUp = false;
  float standardThickness = 0.0f;  // mm; <= 0 when the product has none
  std::string standardText;        // the lookup's text
  DuctOutlet standard;             // with the standard thickness
  float standardHeatLoss = 0.0f;   // W/m
  float standardQuantity = 0.0f;   // m²

  // The page compares the two thicknesses side by side.
  bool Compares() const { return lookedUp && standardThickness > 0.0f; }
};

}  // namespace kav
