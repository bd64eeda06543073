#pragma once
// The sound-trap module (module 6, "Lydfelle"): the attenuation per octave
// band of a duct lined with an absorbing product.
#include <optional>
#include <string>

#include "modules/common/page_modul.h"
#include "modules/lyd/lyd_inputs.h"
#include "modules/lyd/lyd_result.h"
#include "output/graph.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

class CLydModul final : public CPageModul, public LydInputs {
 public:
  static constexpr const char* kClassName = "CLydModul";
  static constexpr int kPage = 6;

  CLydModul();

  const char* ClassName() const override { return kClassName; }
  // The product and its thickness row as stored rows (only the null row
  // without a product), then the other inputs.
  void Serialize(CArchive& ar) override;
  // After OK and the calculation, warns when the cross dimension is too
  // large for the results to hold.
  int EditInput() override;
  void Calculate() override;
  void Reset() override;
  void ReplaceReference(CItem* item) override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;
  ResultValues Results() const override;

  // Set by the calculation: the acoustic cross dimension exceeds 430 mm,
  // or (only) 200 mm.
  bool CrossDimensionAbove430 = false;
  bool CrossDimensionAbove200 = false;
  // What the last calculation found; empty while there are no results.
  std::optional<SoundTrapResult> LastResult;

  CTabell InputTable;
  CTabell ResultTable;
  CGraph AttenuationGraph;
  CText ValidityText;
  CText Warning430Text;
  CText Warning200Text;

 private:
  void SetUpItems();
  // Reads the stored thickness row and finds the product's row of that
  // name: the row itself (with a message when its data changed) or the
  // user's choice when the product has no such thickness.
  void ReadThicknessRow(CArchive& ar);
};

}  // namespace kav
