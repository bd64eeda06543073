#pragma once
// The frost module (module 5, "Frostbeskyttelse"): how long standing water
// in an insulated pipe takes to cool to 0 °C and to freeze to a chosen
// degree, and the heating power that keeps it from freezing.
#include "modules/common/page_modul.h"
#include "modules/insulation/isolasjon.h"
#include "output/tabell.h"

namespace kav {

// The inputs, with their defaults; what the frost dialog edits.
struct FrostInputs {
  float Diameter = 100.0f;                         // mm
  float StartTemperature = 20.0f;                  // °C, when the flow stops
  float AmbientTemperature = -20.0f;               // °C
  float FreezingDegree = 25.0f;                    // % of the water that may freeze
  CIsolasjon Insulation{code::Usage::Pipe, 1, 1};  // on a pipe
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  int Vertical = 0;
};

class CFrostModul final : public CPageModul, public FrostInputs {
 public:
  static constexpr const char* kClassName = "CFrostModul";
  static constexpr int kPage = 5;

  CFrostModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Reset() override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  CTabell ResultTable;
  CTabell InputTable;

 private:
  void SetUpItems();
};

}  // namespace kav
