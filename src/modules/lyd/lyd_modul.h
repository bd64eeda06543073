#pragma once
// The sound-trap module (module 6, "Lydfelle"): the attenuation per octave
// band of a duct lined with an absorbing product.
#include <array>
#include <string>

#include "data/absorpsjon.h"
#include "modules/common/page_modul.h"
#include "modules/common/row_ref.h"
#include "output/graph.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav {

// The inputs, with their defaults; what the sound-trap dialog edits.
struct LydInputs {
  // 0 circular, 1 rectangular lined on all sides, 2 lined top and bottom,
  // 3 lined on the side walls.
  int DuctType = 1;
  float Diameter = 400.0f;                // mm, before lining (type 0)
  float DuctHeight = 400.0f;              // mm (types 1 to 3)
  float DuctWidth = 400.0f;               // mm
  int OwnValues = 0;                      // 1: the user's own product instead of a database row
  RowRef<CAbsorpsjon> AbsorptionProduct;  // bound to the module
  RowRef<CAbsorpsjonTykkelse> AbsorptionThickness;  // one of the product's rows
  std::string OwnName;
  float OwnThickness = 50.0f;  // mm
  // At 125, 250, 500, 1000, 2000 and 4000 Hz.
  std::array<float, CAbsorpsjonTykkelse::kBandCount> OwnAbsorption{0.25f, 0.65f, 0.95f,
                                                                   1.0f,  1.0f,  1.0f};
};

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
  void Reset() override;
  void ReplaceReference(CItem* item) override;
  std::string PictureName(ColourRecord& colours) const override;
  void ShowResults() override;
  void ClearResults() override;

  // Set by the calculation: the acoustic cross dimension exceeds 430 mm,
  // or (only) 200 mm.
  bool CrossDimensionAbove430 = false;
  bool CrossDimensionAbove200 = false;

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
