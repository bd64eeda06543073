#pragma once
// The external condensation module (module 3, "Utv. kondensering"): the
// insulation thickness that keeps the outside of a cold pipe, duct or flat
// surface at or above the dew point of the air around it, beside the
// nearest standard thickness of the product.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/utvendig_kondens/utvendig_kondens_inputs.h"
#include "modules/utvendig_kondens/utvendig_kondens_result.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

class CUtvendigKondensModul final : public CPageModul, public UtvendigKondensInputs {
 public:
  static constexpr const char* kClassName = "CUtvendigKondensModul";
  static constexpr int kPage = 3;

  CUtvendigKondensModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Calculate() override;
  void Reset() override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;
  ResultValues Results() const override;

  // What the last calculation found; empty while there are no results.
  std::optional<ExternalCondensationResult> LastResult;
  CTabell ResultTable;
  CTabell InputTable;
  CText InternalInsulationText;  // shown for insulation inside

 private:
  void SetUpItems();
};

}  // namespace kav
