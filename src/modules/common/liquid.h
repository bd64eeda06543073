#pragma once
// The liquid a pipe run or a tank holds: a row of the liquid list, or a
// liquid the user describes, and the properties the calculations take from
// whichever is chosen.
#include <string>

#include "data/veske.h"
#include "modules/common/row_ref.h"

namespace kav {

struct LiquidInputs {
  // Density in kg/m³, heat capacity in J/kgK and freezing point in °C of
  // the chosen liquid; a liquid row's defaults while none is chosen.
  float Density() const;
  float HeatCapacity() const;
  float FreezingPoint() const;
  // The user's name for the liquid, or the row's name.
  std::string LiquidName() const;

  int UserLiquid = 0;
  std::string UserLiquidName;
  float UserHeatCapacity = 4180.0f;  // J/kgK
  float UserDensity = 999.0f;        // kg/m³
  float UserFreezingPoint = 0.0f;    // °C
  RowRef<CVeske> Liquid;             // bound to the module that holds it
};

}  // namespace kav
