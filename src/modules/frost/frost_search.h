#pragma once
// The frost module's search, in single precision: the surface temperature
// of the insulation around water at its mean temperature, by secant
// iteration on the heat balance, bounded.
#include "core/formulas.h"
#include "modules/common/surface_search.h"

namespace kav {

// The insulated pipe in the units of the formulas.
struct FrostPipe {
  float diameter = 0.1f;              // d, m: the water column and the insulation bore
  float thickness = 0.05f;            // s, m
  float startTemperature = 20.0f;     // T0, °C
  float ambientTemperature = -20.0f;  // Ta, °C
  ConductivityPolynomial lambda;
  float emissivity = 0.94f;  // of the outer surface
  search::OuterFilm film;    // the surroundings

  float OuterDiameter() const { return diameter + 2.0f * thickness; }
  // G = ln(D/d)/(2π); 0 without insulation.
  float GeometryFactor() const;
};

struct FrostSurface {
  float surfaceTemperature = 0.0f;  // Ts, °C
  float coefficient = 0.0f;         // αo at Ts, W/m²K
  float heatFlow = 0.0f;            // q through the insulation, W/m
};

// The surface with the water at tm: the search starts from the surface an
// insulation of 0.036 W/mK gives the start temperature, steps 3 K, then
// takes secant steps until the heat conducted and the heat given off agree
// within 0.1 W/m, at most 100 steps (then the last step's values). Without
// insulation the surface is the water's.
FrostSurface SearchFrostSurface(const FrostPipe& pipe, float tm);

}  // namespace kav
