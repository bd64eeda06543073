#include "modules/okonomi/okonomi_page.h"

#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/geometry_text.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

constexpr int kHeatLossHeadings[] = {ids::ThicknessPriceHeading, ids::HeatLoss,
                                     ids::OuterHeatTransferCoefficientShort};
constexpr int kCostHeadings[] = {ids::ThicknessPriceHeading, ids::Co2Emission,
                                 ids::EnergyCostHeading, ids::InvestmentCostHeading,
                                 ids::TotalCostHeading};
constexpr int kPaybackHeadings[] = {ids::ThicknessPriceHeading, ids::PaybackTimeHeading};
constexpr int kInputHeadings[] = {ids::EconomicInsulation, ids::InputValuesHeading};

struct Units {
  int loss;
  int co2;
  int cost;
};

Units UnitsFor(code::Geometry g) {
  if (code::IsFlat(g)) {
    return {ids::FmtWattPerSquareMetre1_62386, ids::FmtKilogramPerSquareMetre0,
            ids::FmtKronePerSquareMetre2};
  }
  return {ids::FmtWattPerMetre1, ids::FmtKilogramPerMetre0, ids::FmtKronePerMetre2};
}

void InputRows(const OkonomiInputs& in, TableRows& rows) {
  rows.Add(ids::PipeDuctType, Str(GeometryTextId(in.ObjectType)));
  if (code::IsCircular(in.ObjectType)) {
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, in.Diameter));
  }
  if (code::IsRectangular(in.ObjectType)) {
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, in.DuctHeight));
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, in.DuctWidth));
  }
  rows.Add(ids::MediumTemperature, FormatValue(ids::FmtCelsius1, in.MediumTemperature));
  rows.Add(ids::AmbientTemperature, FormatValue(ids::FmtCelsius1, in.AmbientTemperature));
  AddSurroundingsRows(rows, in.SurroundingsMode, in.WindSpeed, in.GivenCoefficient);
  rows.Add(ids::OperatingTime, FormatValue(ids::FmtHoursPerYear0, in.OperatingHours));
  rows.Add(ids::EnergyPrice, FormatValue(ids::FmtOrePerKilowattHour1, in.EnergyPrice));
  rows.Add(ids::Co2Emission, FormatValue(ids::FmtGramPerKilowattHour0, in.Co2Factor));
  rows.Add(ids::DepreciationTime, FormatValue(ids::FmtYears1, in.DepreciationYears));
  rows.Add(ids::EnergyPriceIncrease, FormatValue(ids::FmtPercent2, in.EnergyPriceIncrease));
  rows.Add(ids::RealInterest, FormatValue(ids::FmtPercent2, in.RealInterest));
}

}  // namespace

void FillEconomyPage(COkonomiModul& m, const EconomicResult& r) {
  const Units units = UnitsFor(m.ObjectType);
  std::vector<std::string> labels = {FormatId(ids::StandardSolutionLabel, m.StandardSolution.Name)};
  for (const COkonomiIsolasjon* alternative : m.Alternatives) labels.push_back(alternative->Name);
  std::vector<std::string> losses;
  std::vector<std::string> costs;
  std::vector<std::string> paybacks;
  for (std::size_t k = 0; k < r.solutions.size(); ++k) {
    const SolutionResult& s = r.solutions[k];
    losses.push_back(FormatValue(units.loss, s.heatLoss));
    losses.push_back(FormatValue(ids::FmtWattPerSquareMetreKelvin1, s.coefficient));
    costs.push_back(FormatValue(units.co2, s.co2));
    costs.push_back(FormatValue(units.cost, s.energyCost));
    costs.push_back(FormatValue(units.cost, s.investment));
    costs.push_back(FormatValue(units.cost, s.total));
    if (k > 0) paybacks.push_back(FormatValue(ids::FmtPaybackYears1, s.payback));
  }
  const std::vector<std::string> alternativeLabels(labels.begin() + 1, labels.end());
  m.HeatLossTable.FillLabelledTexts(kHeatLossHeadings, labels, losses);
  PlaceBelowInItsColumn(
      m.CostTable,
      [&](float x, float top) {
        m.CostTable.FillLabelledTexts(kCostHeadings, labels, costs, x, top, r.bestIndex + 1);
      },
      m.HeatLossTable);
  PlaceBelowInItsColumn(
      m.PaybackTable,
      [&](float x, float top) {
        m.PaybackTable.FillLabelledTexts(kPaybackHeadings, alternativeLabels, paybacks, x, top);
      },
      m.CostTable);
  TableRows inputs;
  InputRows(m, inputs);
  PlaceBelowInItsColumn(
      m.InputTable,
      [&](float x, float top) { inputs.FillTable(m.InputTable, kInputHeadings, x, top); },
      m.PaybackTable);
}

ResultValues EconomyValues(const OkonomiInputs& in, const EconomicResult& r) {
  const bool flat = code::IsFlat(in.ObjectType);
  const std::string per = flat ? "/m²" : "/m";
  ResultValues v;
  v.Add("investment_factor", r.factors.investment, "");
  v.Add("energy_factor", r.factors.energy, "");
  v.Add("best_index", static_cast<float>(r.bestIndex), "");
  for (std::size_t k = 0; k < r.solutions.size(); ++k) {
    const SolutionResult& s = r.solutions[k];
    ResultValues& record = v.AddRecord("solutions");
    record.Add("heat_loss", s.heatLoss, "W" + per);
    record.Add("outer_coefficient", s.coefficient, "W/m²K");
    record.Add("energy", s.energy, "kWh" + per);
    record.Add("co2", s.co2, "kg" + per);
    record.Add("energy_cost", s.energyCost, "kr" + per);
    record.Add("investment_cost", s.investment, "kr" + per);
    record.Add("total_cost", s.total, "kr" + per);
    if (k > 0) record.Add("payback_time", s.payback, "år");
  }
  return v;
}

}  // namespace kav
