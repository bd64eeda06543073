#pragma once
// The economic module (module 7, "Økonomi"): insulation solutions for one
// pipe, duct or flat surface compared by their cost over a depreciation
// period against a standard solution, with pay-back times and CO2.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/okonomi/okonomi_inputs.h"
#include "modules/okonomi/okonomi_result.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

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
  // Every solution's heat loss and costs onto the page, or the refusal.
  void Calculate() override;
  // The picture of the object type and orientation, coloured after the
  // alternative at max(BestIndex − 1, 0), or the standard solution when
  // there is no alternative.
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;
  ResultValues Results() const override;

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

  std::optional<EconomicResult> LastResult;
};

}  // namespace kav
