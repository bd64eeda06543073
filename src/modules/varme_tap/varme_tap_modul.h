#pragma once
// The heat-loss module (module 0, "Varmetap"): surface temperature and heat
// loss of a pipe, duct or flat surface with one or two insulation layers,
// or the thickness that meets a surface temperature, a maximum heat loss or
// the insulation class of NS-EN 12828; accessories, energy, cost and CO2.
#include "data/sub_list.h"
#include "modules/insulation/isolasjon.h"
#include "modules/common/page_modul.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

// The inputs, with their defaults; what the heat-loss dialog edits.
struct VarmeTapInputs {
  // 0 given thickness, 1 given surface temperature, 2 given maximum heat
  // loss, 3 recommended thickness by NS-EN 12828.
  int Criterion = 0;
  // 0 pipe, 1 circular duct, 2 rectangular duct, 3 rectangular duct
  // insulated inside, 4 flat surface insulated outside, 5 inside.
  int Geometry = 0;
  float MediumTemperature = 50.0f;        // °C
  float AmbientTemperature = 20.0f;       // °C
  float GivenSurfaceTemperature = 30.0f;  // °C
  float Diameter = 50.0f;                 // mm
  float Width = 200.0f;                   // mm
  float Height = 200.0f;                  // mm; also the wall height of a flat surface
  float Length = 20.0f;                   // m
  float Area = 10.0f;                     // m²
  int TwoLayers = 0;
  CIsolasjon Layer1{0, 1, 1};     // next to the object
  CIsolasjon Layer2{0, 1, 0};     // outside the first
  int Surroundings = 0;           // 0 indoors, 1 outdoors, 2 user coefficient
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

  // Geometries 3 and 5: the insulation lies inside.
  bool IsInternal() const { return Geometry == 3 || Geometry == 5; }
  // The colours of the layers for the geometry picture: the insulation
  // next to the object and the outer surface (for insulation inside, the
  // facing and the duct's own surface).
  void PictureColours(ColourRecord& colours) const;
};

class CVarmeTapModul final : public CPageModul, public VarmeTapInputs {
 public:
  static constexpr const char* kClassName = "CVarmeTapModul";
  static constexpr int kPage = 0;

  CVarmeTapModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Calculate() override;
  void Reset() override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  int InsulationClass = 0;  // found by criterion 3; not stored
  CTabell ResultTable;
  CTabell InputTable;
  CText InternalInsulationText;  // shown for insulation inside

 private:
  void SetUpItems();
};

}  // namespace kav
