#pragma once
// The tank's cooling: the liquid's temperature is one (lumped) value that
// falls exponentially towards the ambient temperature with the time
// constant τ = ρ·cp·V/(U·A). The searches find the overall coefficient U
// through the insulation shell (main model), through a thin insulation
// taken as one conductance (ThinInsulationModel), and the heat loss at the
// start. Every search stops after search::kMaxIterations passes and then
// keeps its last values.
#include "core/formulas.h"
#include "modules/common/codes.h"
#include "modules/tank_temp/tank_temp_geometry.h"

namespace kav {

// What the searches take from the inputs.
struct TankCase {
  TankGeometry geometry;
  ConductivityPolynomial lambda;  // of the insulation product
  float thickness = 0.0f;         // s, m
  float emissivity = 0.94f;       // of the outer surface
  float startTemperature = 0.0f;  // T0, °C
  float ambientTemperature = 0.0f;
  float storageTime = 0.0f;  // tL, h
  float capacity = 0.0f;     // ρ·cp·V, J/K
  code::Surroundings surroundings = code::Surroundings::Indoors;
  float windSpeed = 0.0f;
  float userCoefficient = 0.0f;

  // αo at surface temperature ts: EN ISO 12241 convection on a vertical
  // wall of the tank's outer height, indoors or in the wind, plus
  // radiation; the user's coefficient as it stands; 10 W/m²K plus
  // radiation for surroundings a document does not know.
  float OuterCoefficientAt(float ts) const;
  // τ in hours for an overall coefficient u (W/m²K) on the outer area.
  float TimeConstant(float u) const;
  // The liquid's mean temperature over the storage time.
  float MeanTemperature(float tau) const;
  // The liquid's temperature after t hours.
  float TemperatureAfter(float t, float tau) const;
};

struct TankCooling {
  float timeConstant = 0.0f;        // τ, h
  float surfaceTemperature = 0.0f;  // °C
  float outerCoefficient = 0.0f;    // αo, W/m²K
  int passes = 0;
  bool converged = false;
};

// Secant search on the surface temperature until the conduction through
// the shell, (S/A)·∫λ dT from Ts to the mean liquid temperature, meets the
// outer film's αo·(Ts − Ta) within 0.1 W/m²; U follows from each pass.
TankCooling MainModel(const TankCase& c);

// The insulation as the conductance λ0/s in series with αo, iterated on αo
// until the surface temperature moves by at most 0.1 K. The surface is the
// one at the end of the storage time. Without thickness it is the bare
// tank: the surface at the liquid temperature and U = αo.
TankCooling ThinInsulationModel(const TankCase& c, float lambda0, float s);

// The heat flow in W through the shell with the liquid at T0: a secant
// search on the surface temperature. Positive out of a tank warmer than its
// surroundings, negative into a colder one; the conduction is kept at least
// 0.1 W/m² in the direction of the flow while the search finds its way.
float StartHeatLoss(const TankCase& c);

}  // namespace kav
