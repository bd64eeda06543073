#pragma once
// The economic module's inputs: the object, its surroundings, the
// economic data, the standard solution and the alternatives.
#include "data/sub_list.h"
#include "modules/common/codes.h"
#include "modules/okonomi/okonomi_isolasjon.h"

namespace kav {

// The inputs, with their defaults; what the economic dialog edits.
struct OkonomiInputs {
  float MediumTemperature = 50.0f;  // °C
  float AmbientTemperature = 10.0f;
  float Diameter = 100.0f;    // mm, outer (types 0, 1)
  float DuctHeight = 200.0f;  // mm; also the height of a flat surface
  float DuctWidth = 200.0f;   // mm
  code::Surroundings SurroundingsMode = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float GivenCoefficient = 5.0f;  // W/m²K
  float OperatingHours = 8760.0f;
  float EnergyPrice = 60.0f;         // øre/kWh
  float RealInterest = 7.0f;         // % per year
  float EnergyPriceIncrease = 0.0f;  // % per year
  float DepreciationYears = 20.0f;
  float Co2Factor = 380.0f;  // g/kWh
  code::Geometry ObjectType = code::Geometry::Pipe;
  int Orientation = 0;  // 1 vertical
  COkonomiIsolasjon StandardSolution;
  SubList<COkonomiIsolasjon> Alternatives;  // at most 20, in the user's order

  template <class F>
  void ForEachList(F&& f) {
    f(Alternatives);
  }
};

}  // namespace kav
