#pragma once
// The searches of the internal-condensation module, in single precision:
// for an outside insulation thickness, the surface temperature of the duct
// and then the air and the inside wall at the outlet; and the thickness for
// which the inside wall at the outlet sits at the dew point of the
// incoming air.
#include "core/formulas.h"
#include "modules/common/codes.h"

namespace kav {

// The duct, its air and its surroundings in the units of the formulas.
struct DuctAirCase {
  bool rectangular = false;
  code::Surroundings surroundings = code::Surroundings::Indoors;
  int vertical = 0;
  float inletTemperature = 40.0f;    // Tin, °C
  float ambientTemperature = 20.0f;  // Ta, °C
  float dewPoint = 0.0f;             // Td of the incoming air, °C
  float diameter = 0.05f;            // d, m (circular)
  float height = 0.2f;               // H, m (rectangular)
  float width = 0.2f;                // W, m (rectangular)
  float innerPerimeter = 0.0f;       // Pi, m
  float flow = 0.0f;                 // V, m³/s
  float heatCapacity = 0.0f;         // C of the air, J/m³K
  float innerCoefficient = 0.0f;     // αi, W/m²K
  float effectiveLength = 10.0f;     // Le, m, with hangers
  float windSpeed = 2.0f;            // m/s
  float outerCoefficient = 5.0f;     // W/m²K, the user's
  float emissivity = 0.94f;          // of the jacketing
  ConductivityPolynomial lambda;     // of the insulation
};

// The duct with an insulation thickness, at its outlet.
struct DuctOutlet {
  float thickness = 0.0f;                // m
  float surfaceTemperature = 0.0f;       // Ts, the insulation's outside, °C
  float outerCoefficient = 0.0f;         // αo, W/m²K
  float transmittance = 0.0f;            // U, W/mK
  float outletTemperature = 0.0f;        // Tout, °C
  float innerSurfaceTemperature = 0.0f;  // Tsi, the inside wall at the outlet, °C
};

// Which outer coefficient the surface search takes: EN ISO 12241 with
// radiation, or the simple duct formulas with radiation that the standard
// thickness is checked with.
enum class DuctFilm { Iso12241, Simple };

struct DuctThickness {
  enum class Outcome { Found, TooThick };
  Outcome outcome = Outcome::Found;
  DuctOutlet outlet;
};

class DuctCondensationSearch {
 public:
  explicit DuctCondensationSearch(const DuctAirCase& c) : c_(c) {}

  // r = (Tin − Ta)/(Td − Ta): at most 1.0001, the inside never reaches the
  // dew point.
  float Ratio() const;
  // Pi·c0/U* with U* = V·C·ln r/Le, the transmittance that brings the
  // outlet's air to the dew point.
  float StartThickness() const;
  // (k·Tin + 10·Ta)/(k + 10) with k = c0/s.
  float StartSurfaceTemperature(float s) const;

  // The duct with thickness s; the surface search starts from ts and
  // leaves its last value there.
  DuctOutlet At(float s, float& ts, DuctFilm film) const;
  // The thickness from StartThickness() for which the inside wall at the
  // outlet lies within 0.1 K of the dew point, at most 2 m; ts as in At.
  DuctThickness NeededThickness(float& ts) const;
  // The bare duct: the coefficient at the inlet temperature.
  DuctOutlet Uninsulated() const;

 private:
  float OuterCoefficient(float ts, float size, DuctFilm film) const;
  DuctOutlet Outlet(DuctOutlet outlet, float transmittance) const;

  DuctAirCase c_;
};

}  // namespace kav
