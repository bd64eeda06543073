#include "modules/innvendig_kondens/innvendig_kondens_page.h"

#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

constexpr int kResultHeadings[] = {ids::InternalCondensationHeading, ids::ResultsHeading};
constexpr int kComparisonHeadings[] = {
    ids::InternalCondensationHeading, ids::RequiredThicknessHeading, ids::StandardThicknessHeading};
constexpr int kInputHeadings[] = {ids::InternalCondensationHeading, ids::InputValuesHeading};

std::string Millimetres(float metres) {
  return FormatValue(ids::FmtMillimetre1, metres * 1000.0f);
}

std::string Coefficient(float value) {
  return FormatValue(ids::FmtWattPerSquareMetreKelvin1, value);
}

std::string Celsius(float value) {
  return FormatValue(ids::FmtCelsius1, value);
}

void ResultRows(const InternalCondensationResult& r, TableRows& rows) {
  rows.Add(ids::RequiredInsulationThickness, Millimetres(r.needed.thickness));
  if (r.lookedUp) rows.Add(ids::NearestStandardThickness, r.standardText);
  rows.Add(ids::OuterHeatTransferCoefficientShort, Coefficient(r.needed.outerCoefficient));
  rows.Add(ids::InnerHeatTransferCoefficientShort, Coefficient(r.innerCoefficient));
  rows.Add(ids::DewPointTemperature, Celsius(r.dewPoint));
  rows.Add(ids::HeatLoss, FormatValue(ids::FmtWattPerMetre1, r.heatLoss));
  rows.Add(ids::OutletMediumTemperature, Celsius(r.needed.outletTemperature));
  if (!r.insulated) return;
  rows.Add(ids::InnerSurfaceTemperatureAtOutlet, Celsius(r.needed.innerSurfaceTemperature));
  rows.Add(ids::CalculatedInsulationQuantity, FormatValue(ids::FmtSquareMetre2, r.quantity));
}

// The thickness found beside the standard one, in three columns.
void FillComparison(CInnvendigKondensModul& m, const InternalCondensationResult& r) {
  const DuctOutlet& n = r.needed;
  const DuctOutlet& s = r.standard;
  constexpr int kLabels[] = {ids::InsulationThickness,
                             ids::OuterHeatTransferCoefficientShort,
                             ids::InnerHeatTransferCoefficientShort,
                             ids::DewPointTemperature,
                             ids::HeatLoss,
                             ids::OutletMediumTemperature,
                             ids::InnerSurfaceTemperatureAtOutlet,
                             ids::CalculatedInsulationQuantity};
  const std::vector<std::string> cells = {Millimetres(n.thickness),
                                          FormatValue(ids::FmtMillimetre1, r.standardThickness),
                                          Coefficient(n.outerCoefficient),
                                          Coefficient(s.outerCoefficient),
                                          Coefficient(r.innerCoefficient),
                                          Coefficient(r.innerCoefficient),
                                          Celsius(r.dewPoint),
                                          Celsius(r.dewPoint),
                                          FormatValue(ids::FmtWattPerMetre1, r.heatLoss),
                                          FormatValue(ids::FmtWattPerMetre1, r.standardHeatLoss),
                                          Celsius(n.outletTemperature),
                                          Celsius(s.outletTemperature),
                                          Celsius(n.innerSurfaceTemperature),
                                          Celsius(s.innerSurfaceTemperature),
                                          FormatValue(ids::FmtSquareMetre2, r.quantity),
                                          FormatValue(ids::FmtSquareMetre2, r.standardQuantity)};
  m.ResultTable.FillTexts(kComparisonHeadings, kLabels, cells);
}

int FlowFormat(code::FlowUnit unit) {
  switch (unit) {
    case code::FlowUnit::LitresPerSecond:
      return ids::FmtLitrePerSecond1;
    case code::FlowUnit::MetresPerSecond:
      return ids::FmtMetrePerSecond2;
    default:
      return ids::FmtCubicMetrePerHour0;
  }
}

void InputRows(const InnvendigKondensInputs& in, TableRows& rows) {
  rows.Add(ids::DuctType,
           Str(in.Rectangular() ? ids::GeometryRectangularDuct : ids::GeometryCircularDuct));
  if (in.Rectangular()) {
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, in.Height));
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, in.Width));
  } else {
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, in.Diameter));
  }
  rows.Add(ids::PipeDuctLength, FormatValue(ids::FmtMetre2, in.Length));
  in.Insulation.ProductRows(rows, ids::InsulationProductStandard,
                            ids::InsulationProductUserDefined);
  if (code::IsIndoorsOrOutdoors(in.Surroundings)) in.Insulation.JacketingRows(rows);
  rows.Add(ids::AmbientTemperature, Celsius(in.AmbientTemperature));
  AddSurroundingsRows(rows, in.Surroundings, in.WindSpeed, in.OuterCoefficient,
                      ids::OuterHeatTransferCoefficientShort);
  if (in.UserInnerCoefficient != 0) {
    rows.Add(ids::InnerHeatTransferCoefficientShort,
             FormatValue(ids::FmtNumber1, in.InnerCoefficient));
  }
  rows.Add(ids::UninsulatedHangers, Str(in.UninsulatedHangers != 0 ? ids::Yes : ids::No));
  rows.Add(ids::MediumFlowIntoSegment, FormatValue(FlowFormat(in.FlowUnit), in.Flow));
  rows.Add(ids::InletTemperature, Celsius(in.InletTemperature));
  rows.Add(ids::RelativeHumidity, FormatValue(ids::FmtPercent1, in.RelativeHumidity));
}

}  // namespace

void FillInternalCondensationTables(CInnvendigKondensModul& m,
                                    const InternalCondensationResult& r) {
  if (r.Compares()) {
    FillComparison(m, r);
  } else {
    TableRows rows;
    ResultRows(r, rows);
    rows.FillTable(m.ResultTable, kResultHeadings);
  }
  TableRows inputs;
  InputRows(m, inputs);
  PlaceBelowOrInNextColumn(m.InputTable, inputs, kInputHeadings, m.ResultTable);
}

ResultValues InternalCondensationValues(const InternalCondensationResult& r) {
  ResultValues v;
  v.Add("required_thickness", r.needed.thickness * 1000.0f, "mm");
  v.Add("outer_coefficient", r.needed.outerCoefficient, "W/m²K");
  v.Add("inner_coefficient", r.innerCoefficient, "W/m²K");
  v.Add("dew_point", r.dewPoint, "°C");
  v.Add("heat_loss", r.heatLoss, "W/m");
  v.Add("outlet_temperature", r.needed.outletTemperature, "°C");
  if (r.insulated) {
    v.Add("inner_surface_temperature", r.needed.innerSurfaceTemperature, "°C");
    v.Add("insulation_quantity", r.quantity, "m²");
  }
  if (r.Compares()) {
    v.Add("standard_thickness", r.standardThickness, "mm");
    v.Add("standard_outer_coefficient", r.standard.outerCoefficient, "W/m²K");
    v.Add("standard_heat_loss", r.standardHeatLoss, "W/m");
    v.Add("standard_outlet_temperature", r.standard.outletTemperature, "°C");
    v.Add("standard_inner_surface_temperature", r.standard.innerSurfaceTemperature, "°C");
    v.Add("standard_insulation_quantity", r.standardQuantity, "m²");
  }
  return v;
}

}  // namespace kav
