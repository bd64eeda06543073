#pragma once
// The economic module (module 7, "Økonomi"): insulation solutions for one
// pipe, duct or flat surface compared by their cost over a depreciation
// period against a standard solution, with pay-back times and CO2.
#include "data/sub_list.h"
#include "modules/common/page_modul.h"
#include "modules/okonomi/okonomi_isolasjon.h"
#include "output/tabell.h"
#include "output/text_item.h"

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

class COkonomiModul final : public CPageModul, public OkonomiInputs {
 public:
  static constexpr const char* kClassName = "COkonomiModul";
  static constexpr int kPage = 7;

  COkonomiModul();

  const char* ClassName() const override { return kClassName; }
  // The standard solution (untagged), the alternatives, then the inputs;
  // after reading every alternative takes the module's object type.
  void Serialize(CArchive& ar) override;
  // The alternatives come back without telling their users.
  int EditInput() override;
  // Everything but the standard solution to its default.
  void Reset() override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  // Types 3 and 5: the insulation lies inside.
  bool IsInternal() const { return code::IsInternal(ObjectType); }

  int BestIndex = 0;  // 0 the standard solution, k the k-th alternative

  CTabell HeatLossTable;
  CTabell CostTable;
  CTabell PaybackTable;
  CTabell InputTable;
  CText InternalInsulationText;  // shown for insulation inside

 private:
  void SetUpItems();
};

}  // namespace kav
