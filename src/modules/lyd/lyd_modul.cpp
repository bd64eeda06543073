#include "modules/lyd/lyd_modul.h"

#include <array>
#include <memory>
#include <utility>

#include "core/platform.h"
#include "core/string_ids.h"
#include "core/strings.h"
#include "data/replacement.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/common/stored_reference.h"
#include "modules/lyd/lyd_calculate.h"
#include "modules/lyd/lyd_page.h"

namespace kav {

CLydModul::CLydModul() : CPageModul(kPage) {
  AbsorptionProduct.Bind(this);
  AbsorptionThickness.Bind(this);
  SetUpItems();
  ClearResults();
}

void CLydModul::SetUpItems() {
  static constexpr std::array kInputHeadings = {ids::SoundTrapCalculation, ids::InputValuesHeading};
  static constexpr std::array kInputRows = {ids::SoundTrapCalculation};
  static constexpr std::array kResultHeadings = {ids::SoundTrapCalculation, ids::ResultsHeading};
  static constexpr std::array kResultRows = {ids::Attenuation125Hz,  ids::Attenuation250Hz,
                                             ids::Attenuation500Hz,  ids::Attenuation1000Hz,
                                             ids::Attenuation2000Hz, ids::Attenuation4000Hz,
                                             ids::CriticalFrequency, ids::AcousticCrossDimension};
  static constexpr std::array kCurves = {ids::SoundGraphCurve};
  static constexpr std::array kCurveColours = {kKeyBlue};
  static constexpr std::array kValidityLines = {ids::ValidityLine1, ids::ValidityLine2,
                                                ids::ValidityLine3, ids::ValidityLine4,
                                                ids::ValidityLine5};
  static constexpr std::array k430Lines = {ids::CrossDimensionAbove430};
  static constexpr std::array k200Lines = {ids::CrossDimensionAbove200};
  InputTable.SetUp(20.0f, 20.0f, 4.0f, 2.0f, "%.0f", kInputHeadings, kInputRows, {}, 170.0f);
  InputTable.HelpTopic = "::/html/lyd_inputtabell.htm";
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.1f", kResultHeadings, kResultRows, {}, 170.0f);
  ResultTable.HelpTopic = "::/html/lyd_restabell.htm";
  AttenuationGraph.SetUp(20.0f, 75.0f, 150.0f, 70.0f, ids::SoundTrapCalculation,
                         ids::SoundGraphAttenuationAxis, ids::SoundGraphFrequencyAxis, kCurves,
                         kCurveColours, {"%.0f", "%.0f", "%.0f", "%.1f"}, true);
  AttenuationGraph.HelpTopic = "::/html/lyd_kurve.htm";
  ValidityText.SetUp(ids::ValidityTitle, kValidityLines, 20.0f, 75.0f);
  ValidityText.HelpTopic = "::/html/reslyd.htm";
  Warning430Text.SetUp(ids::WarningTitle, k430Lines, 20.0f, 75.0f);
  Warning200Text.SetUp(ids::WarningTitle, k200Lines, 20.0f, 75.0f);
  CrossDimensionAbove430 = false;
  CrossDimensionAbove200 = false;
}

void CLydModul::Reset() {
  static_cast<LydInputs&>(*this) = LydInputs();
  SetUpItems();
  ClearResults();
}

void CLydModul::Calculate() {
  ClearResults();
  CrossDimensionAbove430 = false;
  CrossDimensionAbove200 = false;
  SoundTrapResult result = CalculateSoundTrap(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) return;
  CrossDimensionAbove430 = result.above430;
  CrossDimensionAbove200 = result.above200;
  FillSoundTrapPage(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CLydModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return SoundTrapValues(*LastResult);
}

int CLydModul::EditInput() {
  if (EditModuleInputs<LydInputs>(*this, *this) == 0) return 0;
  if (CrossDimensionAbove430) ShowMessage(Str(ids::CrossDimensionAbove430), Icon::Exclamation);
  if (CrossDimensionAbove200) ShowMessage(Str(ids::CrossDimensionAbove200), Icon::Exclamation);
  return 1;
}

void CLydModul::ReplaceReference(CItem* item) {
  if (auto* product = dynamic_cast<CAbsorpsjon*>(item)) AbsorptionProduct = product;
  if (auto* thickness = dynamic_cast<CAbsorpsjonTykkelse*>(item)) AbsorptionThickness = thickness;
}

void CLydModul::Serialize(CArchive& ar) {
  bool productStored = AbsorptionProduct != nullptr;
  SerializeReference(ar, AbsorptionProduct, &productStored);
  if (productStored) {
    if (ar.IsStoring()) {
      CDataBase::WriteReference<CAbsorpsjonTykkelse>(ar, AbsorptionThickness);
    } else {
      ReadThicknessRow(ar);
    }
  } else if (ar.IsLoading()) {
    AbsorptionThickness = nullptr;
  }
  ar.Word(DuctType);
  ar.Word(OwnValues);
  ar.Float(OwnThickness);
  ar.Float(DuctWidth);
  ar.Float(DuctHeight);
  ar.Float(Diameter);
  for (float& coefficient : OwnAbsorption) ar.Float(coefficient);
  ar.String(OwnName);
  ar.Word(ResultsValid);
  FinishReading(ar);
}

void CLydModul::ReadThicknessRow(CArchive& ar) {
  auto stored = std::make_unique<CAbsorpsjonTykkelse>();
  stored->Serialize(ar);
  CAbsorpsjonTykkelse* row = nullptr;
  if (AbsorptionProduct != nullptr && stored->Name != NullRowName) {
    const auto& rows = AbsorptionProduct->AbsorptionThicknesses;
    row = rows.FindByName(stored->Name);
    if (row != nullptr && row->DiffersFrom(*stored)) {
      ShowMessage(Str(ids::AbsorptionThicknessChanged));
    } else if (row == nullptr) {
      row = static_cast<CAbsorpsjonTykkelse*>(ChooseReplacement(
          rows, FormatId(ids::AbsorptionThicknessMissing, stored->Name, AbsorptionProduct->Name),
          "::/html/dbverdiborte.htm"));
    }
  }
  AbsorptionThickness = row;
  ar.KeepAlive(std::move(stored));
}

void LydInputs::PictureColours(ColourRecord& colours) const {
  if (UsesOwnValues() || AbsorptionProduct == nullptr) return;
  colours.Add(kKeyYellow, AbsorptionProduct->InsulationColour);
  colours.Add(kKeyOlive, AbsorptionProduct->SurfaceColour);
}

std::string CLydModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "KANALTYPEX1";
  PictureColours(colours);
  return NumberedPicture("KANALTYPE", code::ToInt(DuctType));
}

void CLydModul::ShowResults() {
  SetResultsShown({&InputTable, &ResultTable, &AttenuationGraph, &ValidityText}, true);
  ShowOnPage({&Warning430Text}, CrossDimensionAbove430);
  ShowOnPage({&Warning200Text}, CrossDimensionAbove200);
}

void CLydModul::ClearResults() {
  SetResultsShown({&InputTable, &ResultTable, &AttenuationGraph, &ValidityText, &Warning430Text,
                   &Warning200Text},
                  false);
  LastResult.reset();
}

}  // namespace kav
