#pragma once
// The external condensation module (module 3, "Utv. kondensering"): the
// insulation thickness that keeps the outside of a cold pipe, duct or flat
// surface at or above the dew point of the air around it.
#include "modules/common/page_modul.h"
#include "modules/insulation/isolasjon.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

// The inputs, with their defaults; what the condensation dialog edits.
struct UtvendigKondensInputs {
  float MediumTemperature = 0.0f;    // °C
  float AmbientTemperature = 20.0f;  // °C
  float RelativeHumidity = 50.0f;    // % of the ambient air
  float Diameter = 50.0f;            // mm (types 0, 1, 3)
  float Height = 200.0f;             // mm; also the height of a vertical flat surface
  float Width = 200.0f;              // mm
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  CIsolasjon Layer1{code::Usage::Pipe, 0, 1};  // its thickness is sought
  CIsolasjon Layer2{code::Usage::Pipe, 1, 0};  // outer layer of two on ducts, thickness given
  int TwoLayers = 0;                           // effective for types 1 and 2
  // 0 pipe, 1 circular duct, 2 rectangular duct, 3 circular duct insulated
  // inside, 4 rectangular duct insulated inside, 5 flat surface insulated
  // outside, 6 inside.
  int ObjectType = 0;
  int Vertical = 0;
};

class CUtvendigKondensModul final : public CPageModul, public UtvendigKondensInputs {
 public:
  static constexpr const char* kClassName = "CUtvendigKondensModul";
  static constexpr int kPage = 3;

  CUtvendigKondensModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Reset() override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  // Types 3, 4 and 6: the insulation lies inside.
  bool IsInternal() const { return ObjectType == 3 || ObjectType == 4 || ObjectType == 6; }

  CTabell ResultTable;
  CTabell InputTable;
  CText InternalInsulationText;  // shown for insulation inside

 private:
  void SetUpItems();
};

}  // namespace kav
