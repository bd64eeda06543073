#pragma once
// The heat-loss searches: surface temperature for a given insulation, and
// the insulation thickness for a given surface temperature or a given
// maximum heat loss, by secant iteration in single precision.
#include "core/formulas.h"
#include "modules/common/codes.h"
#include "modules/common/layer_surface.h"
#include "modules/common/surface_search.h"

namespace kav {

// The object and its surroundings, in the units of the formulas.
struct HeatLossCase {
  code::Geometry geometry = code::Geometry::Pipe;
  code::Surroundings surroundings = code::Surroundings::Indoors;
  int vertical = 0;
  float mediumTemperature = 50.0f;   // Tm, °C
  float ambientTemperature = 20.0f;  // Ta, °C
  float diameter = 50.0f;            // mm, pipe or circular duct
  float width = 200.0f;              // mm, rectangular duct
  float height = 200.0f;             // mm, rectangular duct; wall height of a flat surface
  float windSpeed = 2.0f;            // m/s
  float outerCoefficient = 5.0f;     // W/m²K, total, surroundings 2

  bool Circular() const { return code::IsCircular(geometry); }
  bool Flat() const { return code::IsFlat(geometry); }
  bool Internal() const { return code::IsInternal(geometry); }
};

// One insulation layer as the searches see it.
struct HeatLossLayer {
  float thickness = 0.0f;  // m
  ConductivityPolynomial lambda;
};

struct SurfaceResult {
  float surfaceTemperature = 0.0f;    // Ts, °C
  float interfaceTemperature = 0.0f;  // Ti between two layers, °C
  float heatLoss = 0.0f;              // W/m, or W/m² for flat surfaces
  float coefficient = 0.0f;           // outer h at Ts, W/m²K
};

struct ThicknessResult {
  enum class Outcome { Found, NoInsulationNeeded, TooThick };
  Outcome outcome = Outcome::Found;
  float thickness = 0.0f;  // m
  SurfaceResult surface;
};

class HeatLossSearch {
 public:
  explicit HeatLossSearch(const HeatLossCase& c) : c_(c) {}

  // The outer coefficient at surface temperature ts for an outermost
  // diameter or size `size` (m), radiation with `emissivity` included
  // unless the user gives the coefficient.
  float OuterCoefficient(float ts, float size, float emissivity) const;

  // Surface temperature and heat loss of one layer.
  SurfaceResult OneLayer(const HeatLossLayer& layer, float emissivity) const;
  // The same with two layers; `emissivity` of the outer one.
  SurfaceResult TwoLayers(const HeatLossLayer& inner, const HeatLossLayer& outer,
                          float emissivity) const;
  // The bare object at the medium temperature, emissivity 0.5.
  SurfaceResult Bare() const;
  // The thickness that gives the surface temperature `ts`.
  ThicknessResult ForSurfaceTemperature(float ts, const ConductivityPolynomial& lambda,
                                        float emissivity) const;
  // The thickness that gives the heat loss `maxLoss` (negative for a medium
  // colder than the ambient).
  ThicknessResult ForMaxHeatLoss(float maxLoss, const ConductivityPolynomial& lambda,
                                 float emissivity) const;

 private:
  // The object insulated with `inner` + `outer` (m), the outer layer
  // `outer` thick.
  search::LayerShape ShapeFor(float inner, float outer) const;
  float Film(float h, const search::LayerShape& shape, float ts) const;
  search::OuterFilm OuterSide() const;

  HeatLossCase c_;
};

}  // namespace kav
