#pragma once
// The flowing-media module (module 1, "Strømmende medier"): how a liquid in
// pipes or air in ducts cools or warms along a chain of up to 25 segments.
#include <optional>

#include "data/sub_list.h"
#include "modules/common/liquid.h"
#include "modules/common/page_modul.h"
#include "modules/kanal_temp/kanal_temp_result.h"
#include "modules/kanal_temp/segment.h"
#include "output/tabell.h"

namespace kav {

// The inputs, with their defaults; what the flowing-media dialog edits.
struct KanalTempInputs : LiquidInputs {
  float InletTemperature = 40.0f;  // °C, into the first segment
  int CalcEnergy = 0;
  float OperatingHours = 8760.0f;  // h/year
  float EnergyPrice = 60.0f;       // øre/kWh
  int CheckDewPoint = 0;
  float RelativeHumidity = 60.0f;  // %, at the inlet
  SubList<CSegment> Segments;      // in flow order
  code::RunType RunType = code::RunType::Pipes;
  // Numbers the segments made new ("Segment 3").
  int NextSegmentNumber = 1;

  // A new segment of the run's type, from `templ` when one is given, named
  // with NextSegmentNumber, which goes up by one.
  std::unique_ptr<CSegment> NewSegment(const CSegment* templ);

  template <class F>
  void ForEachList(F&& f) {
    f(Segments);
  }
};

class CKanalTempModul final : public CPageModul, public KanalTempInputs {
 public:
  static constexpr const char* kClassName = "CKanalTempModul";
  static constexpr int kPage = 1;

  CKanalTempModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Reset() override;
  void ReplaceReference(CItem* item) override;
  std::string PictureName(ColourRecord& colours) const override;
  void Calculate() override;
  void ShowResults() override;
  void ClearResults() override;
  ResultValues Results() const override;

  // What the last calculation found; empty while there are no results.
  std::optional<FlowingMediumResult> LastResult;

  CTabell SegmentTable;   // outlet temperature, heat loss and coefficients per segment
  CTabell EnergyTable;    // total and mean heat loss, energy and cost
  CTabell QuantityTable;  // insulation quantity per segment
  CTabell InputTable;

 private:
  void SetUpItems();
};

}  // namespace kav
