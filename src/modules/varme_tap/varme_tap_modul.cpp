#include "modules/varme_tap/varme_tap_modul.h"

#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/varme_tap/varme_tap_calculate.h"
#include "modules/varme_tap/varme_tap_page.h"

namespace kav {

CVarmeTapModul::CVarmeTapModul() : CPageModul(kPage) {
  SetUpItems();
  ClearResults();
}

void CVarmeTapModul::SetUpItems() {
  static constexpr std::array kResultHeadings = {ids::HeatLossCalculation, ids::ResultsHeading};
  static constexpr std::array kInputHeadings = {ids::HeatLossCalculation, ids::InputValuesHeading};
  static constexpr std::array kPlaceholder = {ids::HeatLossCalculation};
  static constexpr std::array kTextLines = {ids::InternalInsulationLine1,
                                            ids::InternalInsulationLine2};
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.1f", kResultHeadings, kPlaceholder, {}, 170.0f);
  ResultTable.HelpTopic = "::/html/varmetap_restabell.htm";
  InputTable.SetUp(20.0f, 20.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kPlaceholder, {}, 170.0f);
  InputTable.HelpTopic = "::/html/varmetap_inputtabell.htm";
  InternalInsulationText.SetUp(ids::InternalInsulationTitle, kTextLines, 20.0f, 20.0f);
}

void CVarmeTapModul::Reset() {
  static_cast<VarmeTapInputs&>(*this) = VarmeTapInputs();
  SetUpItems();
  ClearResults();
}

int CVarmeTapModul::EditInput() {
  return EditModuleInputs<VarmeTapInputs>(*this, *this);
}

void CVarmeTapModul::Serialize(CArchive& ar) {
  Layer1.Serialize(ar);
  Layer2.Serialize(ar);
  SerializeList(ar, Accessories);
  ar.Word(CalcEnergy);
  ar.Word(Criterion);
  ar.Word(Geometry);
  ar.Float(MediumTemperature);
  ar.Word(HasAccessories);
  ar.Float(AmbientTemperature);
  ar.Float(GivenSurfaceTemperature);
  ar.Float(Diameter);
  ar.Float(Width);
  ar.Float(Height);
  ar.Float(Length);
  ar.Float(Area);
  ar.Word(TwoLayers);
  ar.Word(Surroundings);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Float(OperatingHours);
  ar.Float(EnergyPrice);
  ar.Float(GivenMaxHeatLoss);
  ar.Word(ResultsValid);
  ar.Long(Vertical);
  ar.Float(Co2Factor);
  ar.Long(UninsulatedHangers);
  FinishReading(ar);
}

void VarmeTapInputs::PictureColours(ColourRecord& colours) const {
  if (IsInternal()) {
    colours.Add(kKeyOlive, Layer1.InsulationColour());
    colours.Add(kKeyYellow, Layer1.FacingColour());
    colours.Add(kKeyBlue, Layer1.OuterSurfaceColour());
  } else {
    // The insulation next to the object, and the surface of the outermost
    // layer.
    const CIsolasjon& outer = CalculatesTwoLayers() ? Layer2 : Layer1;
    colours.Add(kKeyOlive, Layer1.InsulationColour());
    colours.Add(kKeyYellow, outer.OuterSurfaceColour());
  }
}

std::string CVarmeTapModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "MATERIALTYPEX0";
  PictureColours(colours);
  return OrientedPicture("MATERIALTYPE", Vertical, 6, code::ToInt(Geometry));
}

void CVarmeTapModul::ShowResults() {
  SetResultsShown({&ResultTable, &InputTable}, true);
  ShowTextBelow(InternalInsulationText, InputTable, IsInternal());
}

void CVarmeTapModul::ClearResults() {
  SetResultsShown({&ResultTable, &InputTable, &InternalInsulationText}, false);
  LastResult.reset();
}

void CVarmeTapModul::Calculate() {
  HeatLossResult result = CalculateHeatLoss(*this);
  // Criterion 3 sets the maximum heat loss from the class it finds.
  if (result.insulationClass) InsulationClass = *result.insulationClass;
  if (result.classMaxHeatLoss) GivenMaxHeatLoss = *result.classMaxHeatLoss;
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  // An unknown criterion counts as done, with nothing to show.
  if (result.kind == HeatLossResult::Kind::None) return;
  FillHeatLossResultTable(*this, result);
  FillHeatLossInputTable(*this);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CVarmeTapModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return HeatLossValues(*this, *LastResult);
}

}  // namespace kav
