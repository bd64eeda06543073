#include "modules/okonomi/okonomi_modul.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/okonomi/okonomi_calculate.h"
#include "modules/okonomi/okonomi_page.h"

namespace kav {

COkonomiModul::COkonomiModul() : CPageModul(kPage) {
  SetUpItems();
  ClearResults();
}

void COkonomiModul::SetUpItems() {
  static constexpr std::array kHeatLossHeadings = {ids::ThicknessPriceHeading, ids::HeatLoss,
                                                   ids::OuterHeatTransferCoefficientShort};
  static constexpr std::array kCostHeadings = {ids::ThicknessPriceHeading, ids::Co2Emission,
                                               ids::EnergyCostHeading, ids::InvestmentCostHeading,
                                               ids::TotalCostHeading};
  static constexpr std::array kPaybackHeadings = {ids::ThicknessPriceHeading,
                                                  ids::PaybackTimeHeading};
  static constexpr std::array kSolutionRows = {ids::InsulationThicknessLayer1};
  static constexpr std::array kInputHeadings = {ids::EconomicInsulation, ids::InputValuesHeading};
  static constexpr std::array kInputRows = {ids::EconomicInsulation};
  static constexpr std::array kTextLines = {ids::InternalInsulationLine1,
                                            ids::InternalInsulationLine2};
  HeatLossTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.2f", kHeatLossHeadings, kSolutionRows, {},
                      170.0f);
  HeatLossTable.HelpTopic = "::/html/okoiso_varmetaptabell.htm";
  CostTable.SetUp(20.0f, 65.0f, 4.0f, 2.0f, "%.2f", kCostHeadings, kSolutionRows, {}, 170.0f);
  CostTable.HelpTopic = "::/html/okoiso_energikosttabell.htm";
  PaybackTable.SetUp(20.0f, 65.0f, 4.0f, 2.0f, "%.2f", kPaybackHeadings, kSolutionRows, {}, 170.0f);
  PaybackTable.HelpTopic = "::/html/okoiso_tilbakebettabell.htm";
  InputTable.SetUp(20.0f, 110.0f, 4.0f, 2.0f, "%.2f", kInputHeadings, kInputRows, {}, 170.0f);
  InputTable.HelpTopic = "::/html/okoiso_tabell.htm";
  InternalInsulationText.SetUp(ids::InternalInsulationTitle, kTextLines, 20.0f, 110.0f);
}

void COkonomiModul::Reset() {
  const COkonomiIsolasjon standard = StandardSolution;
  static_cast<OkonomiInputs&>(*this) = OkonomiInputs();
  StandardSolution = standard;
  BestIndex = 0;
  SetUpItems();
  ClearResults();
}

void COkonomiModul::Calculate() {
  ClearResults();
  EconomicResult result = CalculateEconomy(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) return;
  BestIndex = result.bestIndex;
  FillEconomyPage(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues COkonomiModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return EconomyValues(*this, *LastResult);
}

int COkonomiModul::EditInput() {
  return EditModuleInputs<OkonomiInputs>(*this, *this, false);
}

void COkonomiModul::Serialize(CArchive& ar) {
  StandardSolution.Serialize(ar);
  SerializeList(ar, Alternatives);
  ar.Word(ObjectType);
  ar.Float(MediumTemperature);
  ar.Float(AmbientTemperature);
  ar.Float(Diameter);
  ar.Float(DuctHeight);
  ar.Float(DuctWidth);
  ar.Word(SurroundingsMode);
  ar.Float(WindSpeed);
  ar.Float(GivenCoefficient);
  ar.Float(OperatingHours);
  ar.Float(EnergyPrice);
  ar.Float(RealInterest);
  ar.Float(EnergyPriceIncrease);
  ar.Float(DepreciationYears);
  ar.Word(ResultsValid);
  ar.Long(Orientation);
  ar.Float(Co2Factor);
  if (ar.IsLoading()) {
    for (COkonomiIsolasjon* alternative : Alternatives) alternative->ObjectType = ObjectType;
  }
  FinishReading(ar);
}

std::string COkonomiModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "MATERIALTYPEX0";
  const std::size_t shown = static_cast<std::size_t>(std::max(BestIndex - 1, 0));
  const COkonomiIsolasjon& solution =
      shown < Alternatives.size() ? *Alternatives[shown] : StandardSolution;
  colours.Add(kKeyOlive, solution.InsulationColour());
  colours.Add(kKeyYellow, solution.OuterColour());
  return OrientedPicture("MATERIALTYPE", Orientation, 6, code::ToInt(ObjectType));
}

void COkonomiModul::ShowResults() {
  SetResultsShown({&HeatLossTable, &CostTable, &PaybackTable, &InputTable}, true);
  ShowTextBelow(InternalInsulationText, InputTable, IsInternal());
}

void COkonomiModul::ClearResults() {
  SetResultsShown({&HeatLossTable, &CostTable, &PaybackTable, &InputTable, &InternalInsulationText},
                  false);
  LastResult.reset();
}

}  // namespace kav
