#pragma once
// The inputs of the frost module, with their defaults: what its dialog
// edits and its calculation reads.
#include "modules/common/codes.h"
#include "modules/insulation/isolasjon.h"

namespace kav {

struct FrostInputs {
  float Diameter = 100.0f;                         // mm, of the pipe and its water column
  float StartTemperature = 20.0f;                  // °C, when the flow stops
  float AmbientTemperature = -20.0f;               // °C
  float FreezingDegree = 25.0f;                    // % of the water that may freeze
  CIsolasjon Insulation{code::Usage::Pipe, 1, 1};  // on a pipe
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;         // m/s, outdoors
  float OuterCoefficient = 5.0f;  // W/m²K, the user's
  int Vertical = 0;               // 0 horizontal, 1 vertical pipe
};

}  // namespace kav
