#include "modules/utvendig_kondens/utvendig_kondens_page.h"

#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

using code::CondensationObject;

constexpr int kResultHeadings[] = {ids::ExternalCondensationHeading, ids::ResultsHeading};
constexpr int kComparisonHeadings[] = {
    ids::ExternalCondensationHeading, ids::RequiredThicknessHeading, ids::StandardThicknessHeading};
constexpr int kInputHeadings[] = {ids::ExternalCondensationHeading, ids::InputValuesHeading};

constexpr int kObjectText[code::kCondensationObjects] = {ids::GeometryPipe,
                                                         ids::GeometryCircularDuct,
                                                         ids::GeometryRectangularDuct,
                                                         ids::GeometryCircularDuctInside,
                                                         ids::GeometryRectangularDuctInside,
                                                         ids::GeometryFlatOutside,
                                                         ids::GeometryFlatInside};

int HeatFlowFormat(const UtvendigKondensInputs& in) {
  return code::IsFlat(in.ObjectType) ? ids::FmtWattPerSquareMetre1 : ids::FmtWattPerMetre1;
}

std::string Millimetres(float metres) {
  return FormatValue(ids::FmtMillimetre1, metres * 1000.0f);
}

void ResultRows(const UtvendigKondensInputs& in, const ExternalCondensationResult& r,
                TableRows& rows) {
  rows.Add(ids::RequiredInsulationThickness, Millimetres(r.needed.thickness));
  if (r.lookedUp) {
    rows.Add(ids::NearestStandardThickness,
             r.standardFits ? r.standardText
                            : FormatId(ids::StandardThicknessNoRoom, r.standardThickness));
  }
  rows.Add(ids::DewPointTemperature, FormatValue(ids::FmtCelsius1, r.dewPoint));
  rows.Add(ids::DuctSurfaceTemperature, FormatValue(ids::FmtCelsius1, r.dewPoint));
  rows.Add(ids::OuterHeatTransferCoefficient,
           FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.needed.coefficient));
  rows.Add(ids::HeatLoss, FormatValue(HeatFlowFormat(in), r.needed.heatFlow));
  if (!code::IsFlat(in.ObjectType)) {
    rows.Add(ids::InsulationQuantityPerMetre, FormatValue(ids::FmtSquareMetre2, r.quantity));
  }
}

// The needed thickness beside the standard one, in three columns.
void FillComparison(CUtvendigKondensModul& m, const ExternalCondensationResult& r) {
  const int flow = HeatFlowFormat(m);
  std::vector<int> labels = {ids::InsulationThickness, ids::SurfaceTemperatureInsulation,
                             ids::DewPointTemperature, ids::OuterHeatTransferCoefficient,
                             ids::HeatLoss};
  std::vector<std::string> cells = {
      Millimetres(r.needed.thickness),
      m.Layer1.Source == code::Source::Hose ? r.standardText
                                            : FormatValue(ids::FmtMillimetre1, r.standardThickness),
      FormatValue(ids::FmtCelsius1, r.dewPoint),
      FormatValue(ids::FmtCelsius1, r.standard.surfaceTemperature),
      FormatValue(ids::FmtCelsius1, r.dewPoint),
      FormatValue(ids::FmtCelsius1, r.dewPoint),
      FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.needed.coefficient),
      FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.standard.coefficient),
      FormatValue(flow, r.needed.heatFlow),
      FormatValue(flow, r.standard.heatFlow)};
  if (!code::IsFlat(m.ObjectType)) {
    labels.push_back(ids::InsulationQuantityPerMetre);
    cells.push_back(FormatValue(ids::FmtSquareMetre2, r.quantity));
    cells.push_back(FormatValue(ids::FmtSquareMetre2, r.standardQuantity));
  }
  m.ResultTable.FillTexts(kComparisonHeadings, labels, cells);
}

void InputRows(const UtvendigKondensInputs& in, TableRows& rows) {
  rows.Add(ids::PipeDuctType, Str(kObjectText[code::ToInt(in.ObjectType)]));
  auto millimetres = [&rows](int label, float value) {
    rows.Add(label, FormatValue(ids::FmtMillimetre1, value));
  };
  switch (in.ObjectType) {
    case CondensationObject::Pipe:
    case CondensationObject::CircularDuct:
      millimetres(ids::PipeDuctDiameter, in.Diameter);
      break;
    case CondensationObject::RectangularDuct:
      millimetres(ids::DuctHeight, in.Height);
      millimetres(ids::DuctWidth, in.Width);
      break;
    case CondensationObject::CircularDuctInside:
      millimetres(ids::OuterDiameter, in.Diameter);
      break;
    case CondensationObject::RectangularDuctInside:
      millimetres(ids::OuterHeight, in.Height);
      millimetres(ids::OuterWidth, in.Width);
      break;
    default:
      break;
  }
  in.Layer1.ProductRows(rows, ids::InsulationProductStandard, ids::InsulationProductUserDefined);
  if (in.CalculatesTwoLayers()) {
    in.Layer2.ProductRows(rows, ids::InsulationProductSecondLayerStandard,
                          ids::InsulationProductSecondLayerUserDefined);
  }
  if (code::IsIndoorsOrOutdoors(in.Surroundings)) in.OuterLayer().JacketingRows(rows);
  rows.Add(ids::MediumTemperature, FormatValue(ids::FmtCelsius1, in.MediumTemperature));
  rows.Add(ids::AmbientTemperature, FormatValue(ids::FmtCelsius1, in.AmbientTemperature));
  rows.Add(ids::RelativeHumidity, FormatValue(ids::FmtPercent1, in.RelativeHumidity));
  AddSurroundingsRows(rows, in.Surroundings, in.WindSpeed, in.OuterCoefficient);
}

}  // namespace

void FillExternalCondensationTables(CUtvendigKondensModul& m, const ExternalCondensationResult& r) {
  if (r.Compares()) {
    FillComparison(m, r);
  } else {
    TableRows rows;
    ResultRows(m, r, rows);
    rows.FillTable(m.ResultTable, kResultHeadings);
  }
  TableRows inputs;
  InputRows(m, inputs);
  PlaceBelowOrInNextColumn(m.InputTable, inputs, kInputHeadings, m.ResultTable);
}

ResultValues ExternalCondensationValues(const UtvendigKondensInputs& in,
                                        const ExternalCondensationResult& r) {
  ResultValues v;
  const bool flat = code::IsFlat(in.ObjectType);
  const std::string flow = flat ? "W/m²" : "W/m";
  v.Add("required_thickness", r.needed.thickness * 1000.0f, "mm");
  v.Add("dew_point", r.dewPoint, "°C");
  v.Add("surface_temperature", r.needed.surfaceTemperature, "°C");
  v.Add("outer_coefficient", r.needed.coefficient, "W/m²K");
  v.Add("heat_loss", r.needed.heatFlow, flow);
  if (!flat) v.Add("insulation_quantity", r.quantity, "m²/m");
  if (r.Compares()) {
    v.Add("standard_thickness", r.standardThickness, "mm");
    v.Add("standard_surface_temperature", r.standard.surfaceTemperature, "°C");
    v.Add("standard_outer_coefficient", r.standard.coefficient, "W/m²K");
    v.Add("standard_heat_loss", r.standard.heatFlow, flow);
    if (!flat) v.Add("standard_insulation_quantity", r.standardQuantity, "m²/m");
  }
  return v;
}

}  // namespace kav
