#pragma once
// The inputs of the internal-condensation module, with their defaults: what
// its dialog edits and its calculation reads.
#include "modules/common/codes.h"
#include "modules/insulation/isolasjon.h"

namespace kav {
namespace code {

// The duct of the internal-condensation module, numbered as its documents
// store it.
enum class DuctShape : int {
  Circular = 0,
  Rectangular = 1,
};

constexpr bool IsKnown(DuctShape s) {
  return s == DuctShape::Circular || s == DuctShape::Rectangular;
}

}  // namespace code

struct InnvendigKondensInputs {
  float Diameter = 50.0f;          // mm, circular duct
  float Height = 200.0f;           // mm, rectangular duct
  float Width = 200.0f;            // mm
  float Length = 10.0f;            // m
  float InletTemperature = 40.0f;  // °C
  float RelativeHumidity = 50.0f;  // %, at the inlet
  float Flow = 100.0f;             // in FlowUnit
  code::FlowUnit FlowUnit = code::FlowUnit::CubicMetresPerHour;
  float AmbientTemperature = 20.0f;
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  int UserInnerCoefficient = 0;
  float InnerCoefficient = 10.0f;  // W/m²K
  int UninsulatedHangers = 0;
  CIsolasjon Insulation{code::Usage::CircularDuct, 0, 1};  // on a duct; its thickness is sought
  code::DuctShape DuctShape = code::DuctShape::Circular;
  int Vertical = 0;

  bool Rectangular() const { return DuctShape == code::DuctShape::Rectangular; }
};

}  // namespace kav
