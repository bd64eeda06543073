#include "modules/innvendig_kondens/innvendig_kondens_modul.h"

#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/innvendig_kondens/innvendig_kondens_calculate.h"
#include "modules/innvendig_kondens/innvendig_kondens_page.h"

namespace kav {

CInnvendigKondensModul::CInnvendigKondensModul() : CPageModul(kPage) {
  SetUpItems();
  ClearResults();
}

void CInnvendigKondensModul::SetUpItems() {
  static constexpr std::array kResultHeadings = {ids::InternalCondensationHeading,
                                                 ids::ResultsHeading};
  static constexpr std::array kInputHeadings = {ids::InternalCondensationHeading,
                                                ids::InputValuesHeading};
  static constexpr std::array kPlaceholder = {ids::InternalCondensationHeading};
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.1f", kResultHeadings, kPlaceholder, {}, 170.0f);
  InputTable.SetUp(20.0f, 110.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kPlaceholder, {}, 170.0f);
}

void CInnvendigKondensModul::Reset() {
  static_cast<InnvendigKondensInputs&>(*this) = InnvendigKondensInputs();
  SetUpItems();
  ClearResults();
}

int CInnvendigKondensModul::EditInput() {
  return EditModuleInputs<InnvendigKondensInputs>(*this, *this);
}

void CInnvendigKondensModul::Serialize(CArchive& ar) {
  Insulation.Serialize(ar);
  ar.Word(DuctShape);
  ar.Float(AmbientTemperature);
  ar.Float(InnerCoefficient);
  ar.Word(UserInnerCoefficient);
  ar.Float(Diameter);
  ar.Float(Width);
  ar.Float(Height);
  ar.Float(Length);
  ar.Word(Surroundings);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Float(InletTemperature);
  ar.Float(RelativeHumidity);
  ar.Float(Flow);
  ar.Word(FlowUnit);
  ar.Word(ResultsValid);
  ar.Long(Vertical);
  ar.Long(UninsulatedHangers);
  FinishReading(ar);
}

std::string CInnvendigKondensModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "KANALX0";
  Insulation.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  return OrientedPicture("KANAL", Vertical, 2, code::ToInt(DuctShape));
}

void CInnvendigKondensModul::ShowResults() {
  SetResultsShown({&ResultTable, &InputTable}, true);
}

void CInnvendigKondensModul::ClearResults() {
  SetResultsShown({&ResultTable, &InputTable}, false);
  LastResult.reset();
}

void CInnvendigKondensModul::Calculate() {
  InternalCondensationResult result = CalculateInternalCondensation(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  FillInternalCondensationTables(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CInnvendigKondensModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return InternalCondensationValues(*LastResult);
}

}  // namespace kav
