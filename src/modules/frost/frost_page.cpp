#include "modules/frost/frost_page.h"

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

constexpr int kResultHeadings[] = {ids::FrostHeading, ids::ResultsHeading};
constexpr int kInputHeadings[] = {ids::FrostHeading, ids::InputValuesHeading};

void ResultRows(const FrostResult& r, TableRows& rows) {
  rows.Add(ids::CoolingTime, FormatValue(ids::FmtHours1, r.coolingTime));
  rows.Add(ids::FreezingTime, FormatValue(ids::FmtHours1, r.freezingTime));
  rows.Add(ids::TotalFrostBurstTime, FormatValue(ids::FmtHours1, r.totalTime));
  rows.Add(ids::PowerToAvoidFreezing, FormatValue(ids::FmtWattPerMetre1, r.power));
  rows.Add(ids::OuterHeatTransferCoefficientShort,
           FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.coefficient));
}

void InputRows(const FrostInputs& in, TableRows& rows) {
  rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, in.Diameter));
  in.Insulation.LayerRows(rows, in.Diameter);
  if (code::IsIndoorsOrOutdoors(in.Surroundings)) in.Insulation.JacketingRows(rows);
  rows.Add(ids::MediumStartTemperature, FormatValue(ids::FmtCelsius1, in.StartTemperature));
  rows.Add(ids::FreezingDegree, FormatValue(ids::FmtPercent0, in.FreezingDegree));
  rows.Add(ids::AmbientTemperature, FormatValue(ids::FmtCelsius1, in.AmbientTemperature));
  AddSurroundingsRows(rows, in.Surroundings, in.WindSpeed, in.OuterCoefficient);
}

}  // namespace

void FillFrostTables(CFrostModul& m, const FrostResult& r) {
  TableRows results;
  ResultRows(r, results);
  results.FillTable(m.ResultTable, kResultHeadings);
  TableRows inputs;
  InputRows(m, inputs);
  PlaceBelowOrInNextColumn(m.InputTable, inputs, kInputHeadings, m.ResultTable);
}

ResultValues FrostValues(const FrostResult& r) {
  ResultValues v;
  v.Add("mean_temperature", r.meanTemperature, "°C");
  v.Add("surface_temperature", r.surfaceTemperature, "°C");
  v.Add("outer_coefficient", r.coefficient, "W/m²K");
  v.Add("heat_loss", r.heatFlow, "W/m");
  v.Add("cooling_time", r.coolingTime, "h");
  v.Add("full_freezing_time", r.fullFreezingTime, "h");
  v.Add("freezing_time", r.freezingTime, "h");
  v.Add("total_time", r.totalTime, "h");
  v.Add("protection_power", r.power, "W/m");
  return v;
}

}  // namespace kav
