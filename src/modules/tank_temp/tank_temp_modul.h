#pragma once
// The tank module (module 2, "Tanktemperatur"): how the liquid in an
// insulated box, cylinder or sphere cools towards the ambient temperature
// during a storage time, with a graph of its temperature.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/tank_temp/tank_temp_inputs.h"
#include "modules/tank_temp/tank_temp_result.h"
#include "output/graph.h"
#include "output/tabell.h"

namespace kav {

class CTankTempModul final : public CPageModul, public TankTempInputs {
 public:
  static constexpr const char* kClassName = "CTankTempModul";
  static constexpr int kPage = 2;

  CTankTempModul();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  int EditInput() override;
  void Calculate() override;
  void Reset() override;
  void ReplaceReference(CItem* item) override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;
  ResultValues Results() const override;

  // What the last calculation found; empty while there are no results.
  std::optional<TankTempResult> LastResult;
  CTabell ResultTable;
  CTabell InputTable;
  CGraph TemperatureGraph;  // liquid temperature over the storage time

 private:
  void SetUpItems();
};

}  // namespace kav
