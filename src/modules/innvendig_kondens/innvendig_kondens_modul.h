#pragma once
// The internal condensation module (module 4, "Innv. kondensering"): the
// outside insulation of a duct carrying warm humid air for which the
// inside wall at the outlet stays at the dew point of the incoming air.
#include "modules/common/page_modul.h"
#include "modules/insulation/isolasjon.h"
#include "output/tabell.h"

namespace kav {

// The inputs, with their defaults; what the condensation dialog edits.
struct InnvendigKondensInputs {
  float Diameter = 50.0f;          // mm, circular duct
  float Height = 200.0f;           // mm, rectangular duct
  float Width = 200.0f;            // mm
  float Length = 10.0f;            // m
  float InletTemperature = 40.0f;  // °C
  float RelativeHumidity = 50.0f;  // %, at the inlet
  float Flow = 100.0f;
  code::FlowUnit FlowUnit = code::FlowUnit::CubicMetresPerHour;
  float AmbientTemperature = 20.0f;
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;
  float OuterCoefficient = 5.0f;
  int UserInnerCoefficient = 0;
  float InnerCoefficient = 10.0f;  // W/m²K
  int UninsulatedHangers = 0;
  CIsolasjon Insulation{code::Usage::CircularDuct, 0, 1};  // on a duct; its thickness is sought
  int DuctShape = 0;                                       // 0 circular, 1 rectangular
  int Vertical = 0;
};

class CInnvendigKondensModul final : public CPageModul, public InnvendigKondensInputs {
 public:
  static constexpr const char* kClassName = "CInnvendigKondensModul";
  static constexpr int kPage = 4;

  CInnvendigKondensModul();

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
