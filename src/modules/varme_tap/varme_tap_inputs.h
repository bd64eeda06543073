#pragma once
// The inputs of the heat-loss module, with their defaults: what the
// heat-loss dialog edits and the calculation reads.
#include "core/colour.h"
#include "data/sub_list.h"
#include "modules/common/codes.h"
#include "modules/insulation/isolasjon.h"
#include "modules/insulation/tilleggsutstyr.h"

namespace kav {

struct VarmeTapInputs {
  code::Criterion Criterion = code::Criterion::GivenThickness;
  code::Geometry Geometry = code::Geometry::Pipe;
  float MediumTemperature = 50.0f;        // °C
  float AmbientTemperature = 20.0f;       // °C
  float GivenSurfaceTemperature = 30.0f;  // °C
  float Diameter = 50.0f;                 // mm
  float Width = 200.0f;                   // mm
  float Height = 200.0f;                  // mm; also the wall height of a flat surface
  float Length = 20.0f;                   // m
  float Area = 10.0f;                     // m²
  int TwoLayers = 0;
  CIsolasjon Layer1{code::Usage::Pipe, 1, 1};  // next to the object
  CIsolasjon Layer2{code::Usage::Pipe, 1, 0};  // outside the first
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;         // m/s
  float OuterCoefficient = 5.0f;  // W/m²K
  int HasAccessories = 0;
  SubList<CTilleggsutstyr> Accessories;
  float OperatingHours = 5840.0f;  // h/year
  float EnergyPrice = 60.0f;       // øre/kWh
  int CalcEnergy = 0;
  float GivenMaxHeatLoss = 10.0f;  // W/m or W/m²
  int Vertical = 0;
  float Co2Factor = 380.0f;  // g/kWh
  int UninsulatedHangers = 0;

  template <class F>
  void ForEachList(F&& f) {
    f(Accessories);
  }

  bool IsInternal() const { return code::IsInternal(Geometry); }
  // Two layers are calculated for a given thickness only.
  bool CalculatesTwoLayers() const {
    return TwoLayers != 0 && Criterion == code::Criterion::GivenThickness;
  }
  // The colours of the layers for the geometry picture: the insulation
  // next to the object and the outer surface (for insulation inside, the
  // facing and the duct's own surface).
  void PictureColours(ColourRecord& colours) const;
};

}  // namespace kav
