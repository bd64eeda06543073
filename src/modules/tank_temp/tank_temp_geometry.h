#pragma once
// The tank's geometry with an insulation of thickness s on every face: the
// outer area, the inside volume, the conduction shape factor of the
// insulation shell and the outer height that sets the free convection.
#include "modules/tank_temp/tank_temp_inputs.h"

namespace kav {

struct TankGeometry {
  float area = 0.0f;         // A, m², the insulation's outer surface
  float volume = 0.0f;       // V, m³, inside
  float shapeFactor = 0.0f;  // S, m: the shell conducts S·∫λ dT
  float height = 0.0f;       // h', m, outside
};

// For a known shape and s in m. The shape factor of a shell without
// thickness is not finite; only the bare tank's formulas may use it then.
TankGeometry TankGeometryOf(const TankTempInputs& in, float s);

}  // namespace kav
