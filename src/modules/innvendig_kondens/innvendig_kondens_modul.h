#pragma once
// The internal condensation module (module 4, "Innv. kondensering"): the
// outside insulation of a duct carrying warm humid air for which the
// inside wall at the outlet stays at the dew point of the incoming air,
// beside the nearest standard thickness of the product.
#include <optional>

#include "modules/common/page_modul.h"
#include "modules/innvendig_kondens/innvendig_kondens_inputs.h"
#include "modules/innvendig_kondens/innvendig_kondens_result.h"
#include "output/tabell.h"

namespace kav {

class CInnvendigKondensModul final : public CPageModul, public InnvendigKondensInputs {
 public:
  static constexpr const char* kClassName = "CInnvendigKondensModul";
  static constexpr int kPage = 4;

  CInnvendigKondensModul();

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
  std::optional<InternalCondensationResult> LastResult;
  CTabell ResultTable;
  CTabell InputTable;

 private:
  void SetUpItems();
};

}  // namespace kav
