#pragma once
// One insulation layer on a pipe, duct or flat surface: its shape as the
// heat balance sees it, the heat the outer surface gives off, and the
// secant search on the surface temperature where conduction through the
// layer and the outer film balance.
#include "core/formulas.h"
#include "modules/common/codes.h"
#include "modules/common/surface_search.h"

namespace kav::search {

struct LayerShape {
  float size = 0.0f;       // characteristic size for the convection formula, m
  float perimeter = 0.0f;  // outer surface per metre, m (1 for flat surfaces)
  float factor = 0.0f;     // geometry factor R of the outermost layer
};

// The object of geometry g (diameter, height and width in mm) insulated
// with `inner` and then `outer` m: circular objects grow by both layers,
// rectangular ducts insulated outside too, ducts insulated inside keep
// their size; a flat layer's factor is its thickness.
LayerShape InsulatedShape(code::Geometry g, float diameter, float height, float width, float inner,
                          float outer);

// Heat given off by the outer surface at ts: h·(ts − ta) per m² of a flat
// surface, h·P·(ts − ta) per metre otherwise.
float SurfaceHeat(const LayerShape& shape, bool flat, float h, float ts, float ta);

struct LayerSurface {
  float surfaceTemperature = 0.0f;  // Ts of the last pass, °C
  float conducted = 0.0f;           // heat through the layer at Ts
  float film = 0.0f;                // heat off the surface at Ts
  float coefficient = 0.0f;         // outer h at Ts, W/m²K
  bool atMedium = false;            // the search ended with Ts at the medium temperature
};

// The surface temperature of one layer `thickness` m thick with
// conductivity `lambda` on the object of `shape`, medium at tm, outside
// `film`: from the 0.036 W/mK start value, at most kMaxIterations passes,
// ending when the balance closes, when the surface sits at tm, or when two
// residuals are identical.
LayerSurface SearchLayerSurface(const LayerShape& shape, float thickness,
                                const ConductivityPolynomial& lambda, const OuterFilm& film,
                                float emissivity, float tm);

}  // namespace kav::search
