#include "modules/utvendig_kondens/utvendig_kondens_modul.h"

#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/utvendig_kondens/utvendig_kondens_calculate.h"
#include "modules/utvendig_kondens/utvendig_kondens_page.h"

namespace kav {

CUtvendigKondensModul::CUtvendigKondensModul() : CPageModul(kPage) {
  SetUpItems();
  ClearResults();
}

void CUtvendigKondensModul::SetUpItems() {
  static constexpr std::array kResultHeadings = {ids::ExternalCondensationHeading,
                                                 ids::ResultsHeading};
  static constexpr std::array kInputHeadings = {ids::ExternalCondensationHeading,
                                                ids::InputValuesHeading};
  static constexpr std::array kPlaceholder = {ids::ExternalCondensationHeading};
  static constexpr std::array kTextLines = {ids::InternalInsulationLine1,
                                            ids::InternalInsulationLine2};
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.1f", kResultHeadings, kPlaceholder, {}, 170.0f);
  InputTable.SetUp(20.0f, 110.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kPlaceholder, {}, 170.0f);
  InternalInsulationText.SetUp(ids::InternalInsulationTitle, kTextLines, 20.0f, 110.0f);
}

void CUtvendigKondensModul::Reset() {
  static_cast<UtvendigKondensInputs&>(*this) = UtvendigKondensInputs();
  SetUpItems();
  ClearResults();
}

int CUtvendigKondensModul::EditInput() {
  return EditModuleInputs<UtvendigKondensInputs>(*this, *this);
}

void CUtvendigKondensModul::Serialize(CArchive& ar) {
  Layer1.Serialize(ar);
  Layer2.Serialize(ar);
  ar.Word(ObjectType);
  ar.Float(AmbientTemperature);
  ar.Float(MediumTemperature);
  ar.Float(Diameter);
  ar.Float(Width);
  ar.Float(Height);
  ar.Float(RelativeHumidity);
  ar.Word(ResultsValid);
  ar.Word(Surroundings);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Word(TwoLayers);
  ar.Long(Vertical);
  FinishReading(ar);
}

std::string CUtvendigKondensModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "UTVKONDTYPEX0";
  Layer1.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  return OrientedPicture("UTVKONDTYPE", Vertical, code::kCondensationObjects,
                         code::ToInt(ObjectType));
}

void CUtvendigKondensModul::ShowResults() {
  SetResultsShown({&ResultTable, &InputTable}, true);
  ShowTextBelow(InternalInsulationText, InputTable, code::IsInternal(ObjectType));
}

void CUtvendigKondensModul::ClearResults() {
  SetResultsShown({&ResultTable, &InputTable, &InternalInsulationText}, false);
  LastResult.reset();
}

void CUtvendigKondensModul::Calculate() {
  ExternalCondensationResult result = CalculateExternalCondensation(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  FillExternalCondensationTables(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CUtvendigKondensModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return ExternalCondensationValues(*this, *LastResult);
}

}  // namespace kav
