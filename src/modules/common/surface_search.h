#pragma once
// What the modules' searches share: their limits, the start values, the
// secant step, the secant driver on a surface temperature, and the outer
// heat-transfer coefficient of a surface in its surroundings (EN ISO 12241
// convection plus radiation, or the user's coefficient).
#include "modules/common/codes.h"

namespace kav::search {

inline constexpr int kMaxIterations = 100;
inline constexpr float kBalance = 0.1f;           // W/m or W/m²: the heat balance is closed
inline constexpr float kMinThickness = 0.00005f;  // m
inline constexpr float kMaxThickness = 2.0f;      // m

// Uninsulated pipe hangers lengthen a pipe or duct (or raise its loss):
// by 25 % outdoors, 15 % otherwise.
inline float HangerFactor(code::Surroundings surroundings) {
  return surroundings == code::Surroundings::Outdoors ? 1.25f : 1.15f;
}

// Surface temperature of an insulation of 0.036 W/mK and `thickness` m in
// series with an outer coefficient of 10 W/m²K: where the searches start.
float StartSurfaceTemperature(float thickness, float tm, float ta);

// The first step of a surface-temperature search: 3 K up, but not onto the
// ambient temperature (1 K back down when it lands within 0.1 K of it).
float FirstSurfaceStep(float ts, float ta);

// The secant step from (xPrev, fPrev) and (x, f) towards f = 0.
float Secant(float x, float xPrev, float f, float fPrev);

// The secant search on a surface temperature: a first step of 3 K, then
// secant steps, until the heat balance closes. With `stopAtMedium` it also
// stops when the surface sits at the medium temperature tm.
class SurfaceSecant {
 public:
  enum class Next { Step, Closed, AtMedium, Stuck };

  SurfaceSecant(float tm, float ta, bool stopAtMedium = false)
      : tm_(tm), ta_(ta), stopAtMedium_(stopAtMedium) {}

  // Takes the balance residual f at ts and moves ts on, unless the search
  // is over. Identical residuals on two steps end it (Stuck): no secant
  // step can be taken.
  Next Take(float& ts, float f);

 private:
  float tm_;
  float ta_;
  bool stopAtMedium_;
  bool first_ = true;
  float tsPrev_ = 0.0f;
  float fPrev_ = 0.0f;
};

// A surface's surroundings as its outer coefficient needs them.
struct OuterFilm {
  code::Surroundings surroundings = code::Surroundings::Indoors;
  int vertical = 0;
  float ambientTemperature = 20.0f;  // Ta, °C
  float windSpeed = 2.0f;            // m/s, outdoors
  float userCoefficient = 5.0f;      // W/m²K, the user's total coefficient
  bool flat = false;                 // a flat surface (a wall), not a pipe or duct
  float height = 0.0f;               // m: wall or duct height for the convection formula

  // The outer coefficient at surface temperature ts for an outer diameter
  // or size `size` (m): convection plus radiation with `emissivity`, or the
  // user's coefficient without radiation.
  float Coefficient(float ts, float size, float emissivity) const;
  // The convective part alone (EN ISO 12241), at |ts − Ta|.
  float Convection(float ts, float size) const;
};

}  // namespace kav::search
