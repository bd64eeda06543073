#include "modules/frost/frost_modul.h"

#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/frost/frost_calculate.h"
#include "modules/frost/frost_page.h"

namespace kav {

CFrostModul::CFrostModul() : CPageModul(kPage) {
  SetUpItems();
  ClearResults();
}

void CFrostModul::SetUpItems() {
  static constexpr std::array kResultHeadings = {ids::FrostHeading, ids::ResultsHeading};
  static constexpr std::array kInputHeadings = {ids::FrostHeading, ids::InputValuesHeading};
  static constexpr std::array kPlaceholder = {ids::FrostHeading};
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.1f", kResultHeadings, kPlaceholder, {}, 170.0f);
  InputTable.SetUp(20.0f, 120.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kPlaceholder, {}, 170.0f);
}

void CFrostModul::Reset() {
  static_cast<FrostInputs&>(*this) = FrostInputs();
  SetUpItems();
  ClearResults();
}

int CFrostModul::EditInput() {
  return EditModuleInputs<FrostInputs>(*this, *this);
}

void CFrostModul::Serialize(CArchive& ar) {
  Insulation.Serialize(ar);
  ar.Float(AmbientTemperature);
  ar.Float(FreezingDegree);
  ar.Float(Diameter);
  ar.Float(StartTemperature);
  ar.Word(Surroundings);
  ar.Word(ResultsValid);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Long(Vertical);
  FinishReading(ar);
}

std::string CFrostModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "RORX0";
  Insulation.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  return NumberedPicture("ROR", Vertical);
}

void CFrostModul::ShowResults() {
  SetResultsShown({&ResultTable, &InputTable}, true);
}

void CFrostModul::ClearResults() {
  SetResultsShown({&ResultTable, &InputTable}, false);
  LastResult.reset();
}

void CFrostModul::Calculate() {
  FrostResult result = CalculateFrost(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  FillFrostTables(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CFrostModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return FrostValues(*LastResult);
}

}  // namespace kav
