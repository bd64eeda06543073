#pragma once
// The tank module's inputs with the defaults of Reset: what the tank dialog
// edits and the document stores.
#include "modules/common/codes.h"
#include "modules/common/liquid.h"
#include "modules/insulation/isolasjon.h"

namespace kav {
namespace code {

// The tank's shape; like the other codes it holds whatever integer a
// document stored.
enum class TankShape : int {
  Box = 0,       // "Rektangulær (kubisk)"
  Cylinder = 1,  // "Sylindrisk"
  Sphere = 2,    // "Sfærisk (kule)"
};

constexpr bool IsKnown(TankShape s) {
  return ToInt(s) >= 0 && ToInt(s) <= 2;
}

}  // namespace code

struct TankTempInputs : LiquidInputs {
  float Diameter = 5.0f;  // m, inside (cylinder, sphere)
  float Length = 5.0f;    // m, inside (cylinder)
  float Width = 5.0f;     // m, inside (box)
  float Height = 5.0f;
  float Depth = 5.0f;
  float StartTemperature = 50.0f;  // °C
  float StorageTime = 500.0f;      // h
  float AmbientTemperature = 10.0f;
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  CIsolasjon Insulation{code::Usage::Tank, 1, 1};  // for tanks
  code::TankShape Shape = code::TankShape::Box;
};

}  // namespace kav
