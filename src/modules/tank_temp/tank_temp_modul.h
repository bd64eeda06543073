#pragma once
// The tank module (module 2, "Tanktemperatur"): how the liquid in an
// insulated box, cylinder or sphere cools towards the ambient temperature
// during a storage time, with a graph of its temperature.
#include "modules/common/liquid.h"
#include "modules/common/page_modul.h"
#include "modules/insulation/isolasjon.h"
#include "output/graph.h"
#include "output/tabell.h"

namespace kav {

// The inputs, with their defaults; what the tank dialog edits.
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
  int Shape = 0;                                   // 0 box, 1 cylinder, 2 sphere
};

class CTankTempModul final : public CPageModul, public TankTempInputs {
 public:
  static constexpr const char* kClassName = "CTankTempModul";
  static constexpr int kPage = 2;

  CTankTempModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Reset() override;
  void ReplaceReference(CItem* item) override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  CTabell ResultTable;
  CTabell InputTable;
  CGraph TemperatureGraph;  // liquid temperature over the storage time

 private:
  void SetUpItems();
};

}  // namespace kav
