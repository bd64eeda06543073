#pragma once
// The heat-loss module (module 0, "Varmetap"): surface temperature and heat
// loss of a pipe, duct or flat surface with one or two insulation layers,
// or the thickness that meets a surface temperature, a maximum heat loss or
// the insulation class of NS-EN 12828; accessories, energy, cost and CO2.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/varme_tap/varme_tap_inputs.h"
#include "modules/varme_tap/varme_tap_result.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

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
  ResultValues Results() const override;

  int InsulationClass = 0;  // found by criterion 3; not stored
  // What the last calculation found; empty while there are no results.
  std::optional<HeatLossResult> LastResult;
  CTabell ResultTable;
  CTabell InputTable;
  CText InternalInsulationText;  // shown for insulation inside

 private:
  void SetUpItems();
};

}  // namespace kav
