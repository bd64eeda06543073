#pragma once
// The searches of the external-condensation module, in single precision:
// the thickness that holds the outer surface at the dew point (one layer
// outside or on a flat surface, one layer inside a duct, the inner of two
// layers on a duct), and the surface temperature a given thickness gives.
#include "core/formulas.h"
#include "modules/common/surface_search.h"
#include "modules/utvendig_kondens/condensation_object.h"

namespace kav {

// The object, its air and its surroundings in the units of the formulas.
struct DewPointCase {
  code::CondensationObject object = code::CondensationObject::Pipe;
  code::Surroundings surroundings = code::Surroundings::Indoors;
  int vertical = 0;
  float mediumTemperature = 0.0f;    // Tm, °C
  float ambientTemperature = 20.0f;  // Ta, °C
  float dewPoint = 9.24f;            // Td, °C
  float diameter = 50.0f;            // mm; the outside diameter of a duct insulated inside
  float height = 200.0f;             // mm; also the height of a vertical flat surface
  float width = 200.0f;              // mm
  float windSpeed = 2.0f;            // m/s
  float outerCoefficient = 5.0f;     // W/m²K, the user's
};

// The outer surface of the object with an insulation thickness.
struct DewPointSurface {
  float thickness = 0.0f;           // m, of the layer sought
  float surfaceTemperature = 0.0f;  // °C
  float coefficient = 0.0f;         // outer coefficient, W/m²K
  float heatFlow = 0.0f;            // W/m, or W/m² on flat surfaces; < 0 into a cold object
};

struct DewPointThickness {
  enum class Outcome { Found, NoInsulationNeeded, TooThick };
  Outcome outcome = Outcome::Found;
  DewPointSurface surface;
};

// The fixed outer layer of two.
struct GivenOuterLayer {
  float thickness = 0.0f;  // m
  ConductivityPolynomial lambda;
  float emissivity = 0.94f;
};

// The two layers' conductivities (W/mK), which one surface search of two
// layers hands on to the next.
struct LayerConductivities {
  float inner = 0.036f;
  float outer = 0.036f;
};

class DewPointSearch {
 public:
  explicit DewPointSearch(const DewPointCase& c) : c_(c) {}

  // Where the thickness searches start: (Tm − Td)/(Td − Ta)·0.036/10 m; not
  // above zero when the medium is warmer than the dew point.
  float StartThickness() const;
  // Half the smaller inside dimension of a duct insulated inside, m.
  float InsideLimit() const;

  // One layer outside a pipe or duct, or on a flat surface (either side),
  // at most 2 m.
  DewPointThickness OneLayer(const ConductivityPolynomial& lambda, float emissivity) const;
  // One layer inside a duct, less than half its smaller inside dimension.
  DewPointThickness Inside(const ConductivityPolynomial& lambda, float emissivity) const;
  // The inner of two layers on a duct, walked in steps of 0.1 mm from
  // `startTotal` less the outer layer until the surface lies within 0.1 K
  // of the dew point.
  DewPointThickness TwoLayers(float startTotal, const ConductivityPolynomial& inner,
                              const GivenOuterLayer& outer, LayerConductivities& k) const;
  // Without insulation: the coefficient at the dew point, the heat flow of
  // the bare surface at the medium temperature.
  DewPointSurface Uninsulated(float emissivity) const;

  // The surface with one layer `thickness` m thick.
  DewPointSurface Surface(float thickness, const ConductivityPolynomial& lambda,
                          float emissivity) const;
  // The surface with two layers, the inner one `inner` m thick; the search
  // starts from the surface of `startThickness` m of insulation.
  DewPointSurface TwoLayerSurface(float inner, float startThickness,
                                  const ConductivityPolynomial& innerLambda,
                                  const GivenOuterLayer& outer, LayerConductivities& k) const;

 private:
  struct Shape {
    float size = 1.0f;       // diameter for the convection formula, m
    float height = 1.0f;     // height for the convection formula, m
    float perimeter = 1.0f;  // outer surface per metre, m
    float factor = 1.0f;     // geometry factor G of the insulation
  };
  Shape ShapeFor(float s) const;
  Shape BareShape() const;
  float Coefficient(float t, const Shape& shape, float emissivity) const;
  // The heat flow from the air onto the surface at t.
  float HeatFlow(float coefficient, const Shape& shape, float t) const;
  DewPointThickness Thickness(const ConductivityPolynomial& lambda, float emissivity, float limit,
                              bool inside) const;

  DewPointCase c_;
};

}  // namespace kav
