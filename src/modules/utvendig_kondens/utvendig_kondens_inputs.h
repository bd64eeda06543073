#pragma once
// The inputs of the external-condensation module, with their defaults: what
// its dialog edits and its calculation reads.
#include "modules/common/codes.h"
#include "modules/insulation/isolasjon.h"
#include "modules/utvendig_kondens/condensation_object.h"

namespace kav {

struct UtvendigKondensInputs {
  float MediumTemperature = 0.0f;    // °C
  float AmbientTemperature = 20.0f;  // °C
  float RelativeHumidity = 50.0f;    // % of the ambient air
  float Diameter = 50.0f;            // mm (pipes and circular ducts)
  float Height = 200.0f;             // mm; also the height of a vertical flat surface
  float Width = 200.0f;              // mm
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  CIsolasjon Layer1{code::Usage::Pipe, 0, 1};  // its thickness is sought
  CIsolasjon Layer2{code::Usage::Pipe, 1, 0};  // outer layer of two on ducts, thickness given
  int TwoLayers = 0;                           // effective for ducts insulated outside
  code::CondensationObject ObjectType = code::CondensationObject::Pipe;
  int Vertical = 0;

  // Two layers are calculated on ducts insulated outside only.
  bool CalculatesTwoLayers() const { return TwoLayers != 0 && code::TakesTwoLayers(ObjectType); }
  // The layer whose surface faces the air.
  const CIsolasjon& OuterLayer() const { return CalculatesTwoLayers() ? Layer2 : Layer1; }
};

}  // namespace kav
