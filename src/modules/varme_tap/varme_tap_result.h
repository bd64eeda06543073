#pragma once
// What the heat-loss calculation finds, in the units it computes them.
#include <optional>
#include <string>

#include "modules/common/outcome.h"
#include "modules/varme_tap/varme_tap_search.h"

namespace kav {

struct HeatLossResult {
  enum class Kind {
    None,                // an unknown criterion: nothing to show
    GivenThickness,      // surface temperature and loss of the given insulation
    RequiredThickness,   // the thickness found (no standard thickness to compare)
    StandardComparison,  // the thickness found beside the next standard thickness
    NoClassNeeded,       // criterion 3 below class 1: the bare object
  };

  Outcome outcome;
  Kind kind = Kind::None;
  SurfaceResult bare;  // the bare object at the medium temperature, ε = 0.5

  // Given thickness, and the thickness found: the insulated surface.
  SurfaceResult surface;
  bool twoLayers = false;
  float heatLoss = 0.0f;       // W/m or W/m², with uninsulated hangers
  float totalLoss = 0.0f;      // W over the length or area
  float accessoryLoss = 0.0f;  // W
  float energy = 0.0f;         // kWh/year
  float cost = 0.0f;           // kr/year
  float bareTotalLoss = 0.0f;  // W, criterion 3 below class 1
  float bareEnergy = 0.0f;     // kWh/year
  float bareCost = 0.0f;       // kr/year
  float savedCo2 = 0.0f;       // kg/year against the bare object
  float quantity1 = 0.0f;      // m², outer surface of layer 1 (of the only layer)
  float quantity2 = 0.0f;      // m², outer surface of layer 2

  // The thickness found and, for database products, the next standard one.
  float thickness = 0.0f;          // m
  bool catalogue = false;          // layer 1 is a database product
  std::string standardText;        // the lookup's text for the standard thickness
  float standardThickness = 0.0f;  // mm; > 0 when the comparison is shown
  SurfaceResult standard;          // the surface with the standard thickness

  // Criterion 3: the class and the heat-loss limit it sets, which becomes
  // the module's maximum heat loss (also when the search then fails).
  std::optional<int> insulationClass;
  std::optional<float> classMaxHeatLoss;
};

}  // namespace kav
