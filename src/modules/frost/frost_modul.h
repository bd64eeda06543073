#pragma once
// The frost module (module 5, "Frostbeskyttelse"): how long standing water
// in an insulated pipe takes to cool to 0 °C and to freeze to a chosen
// degree, and the heating power that keeps it from freezing.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/frost/frost_inputs.h"
#include "modules/frost/frost_result.h"
#include "output/tabell.h"

namespace kav {

class CFrostModul final : public CPageModul, public FrostInputs {
 public:
  static constexpr const char* kClassName = "CFrostModul";
  static constexpr int kPage = 5;

  CFrostModul();

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
  std::optional<FrostResult> LastResult;
  CTabell ResultTable;
  CTabell InputTable;

 private:
  void SetUpItems();
};

}  // namespace kav
