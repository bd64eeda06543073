#include "modules/tank_temp/tank_temp_page.h"

#include <array>
#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"
#include "output/page_layout.h"

namespace kav {
namespace {

constexpr int kResultHeadings[] = {ids::TankHeading, ids::ResultsHeading};
constexpr int kInputHeadings[] = {ids::TankHeading, ids::InputValuesHeading};
constexpr int kShapeText[] = {ids::ShapeBox, ids::ShapeCylinder, ids::ShapeSphere};

std::string Celsius(float value) {
  return FormatValue(ids::FmtCelsius1, value);
}

std::string Metres(float value) {
  return FormatValue(ids::FmtMetre2, value);
}

void FillResultTable(CTankTempModul& m, const TankTempResult& r) {
  static constexpr int kLabels[] = {ids::LiquidTemperatureAfterStorage,
                                    ids::SurfaceTemperatureAfterStorage,
                                    ids::OuterHeatTransferCoefficient_62482,
                                    ids::SurfaceArea,
                                    ids::Volume,
                                    ids::EnergyChangeDuringStorage,
                                    ids::HeatLossAtStart,
                                    ids::FreezingPointReachedAfter};
  std::vector<std::string> cells = {
      Celsius(r.endTemperature),
      Celsius(r.cooling.surfaceTemperature),
      FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.cooling.outerCoefficient),
      FormatValue(ids::FmtSquareMetre2, r.geometry.area),
      FormatValue(ids::FmtCubicMetre3, r.geometry.volume),
      FormatValue(ids::FmtKilowattHour1, r.energyChange),
      FormatValue(ids::FmtWatt0, r.startHeatLoss)};
  if (r.freezes) cells.push_back(FormatValue(ids::FmtHours1, r.freezingTime));
  m.ResultTable.FillTexts(kResultHeadings, std::span(kLabels).first(cells.size()), cells);
}

void FillGraph(CGraph& graph, const TankCurve& c, float top) {
  const std::array<CurveData, 1> curve = {CurveData{c.time, c.temperature}};
  graph.SetScale(c.timeStep, c.temperatureStep, 1, 1);
  graph.SetData(0.0f, c.temperatureMin, c.timeMax, c.temperatureMax, curve);
  graph.SetPosition(kLeftMarginMm, top);
}

void DimensionRows(const TankTempInputs& in, TableRows& rows) {
  switch (in.Shape) {
    case code::TankShape::Box:
      rows.Add(ids::Height, Metres(in.Height));
      rows.Add(ids::Width, Metres(in.Width));
      rows.Add(ids::Depth, Metres(in.Depth));
      break;
    case code::TankShape::Cylinder:
      rows.Add(ids::Diameter, Metres(in.Diameter));
      rows.Add(ids::LengthHeight, Metres(in.Length));
      break;
    case code::TankShape::Sphere:
      rows.Add(ids::Diameter, Metres(in.Diameter));
      break;
  }
}

TableRows InputRows(const TankTempInputs& in) {
  TableRows rows;
  // A known shape: the calculation refuses the others.
  rows.Add(ids::TankShape, Str(kShapeText[code::ToInt(in.Shape)]));
  DimensionRows(in, rows);
  in.Insulation.ProductRows(rows, ids::InsulationProductStandard,
                            ids::InsulationProductUserDefined);
  rows.Add(ids::InsulationThickness,
           FormatValue(ids::FmtMillimetre1, in.Insulation.ThicknessAt(0.0f)));
  if (in.Surroundings != code::Surroundings::UserCoefficient) in.Insulation.JacketingRows(rows);
  rows.Add(ids::Medium, in.LiquidName());
  rows.Add(ids::MediumDensity, FormatValue(ids::FmtKilogramPerCubicMetre0, in.Density()));
  rows.Add(ids::MediumHeatCapacity,
           FormatValue(ids::FmtJoulePerKilogramKelvin0, in.HeatCapacity()));
  rows.Add(ids::MediumFreezingPoint, Celsius(in.FreezingPoint()));
  rows.Add(ids::MediumStartTemperature, Celsius(in.StartTemperature));
  rows.Add(ids::StorageTime, FormatValue(ids::FmtHours1, in.StorageTime));
  rows.Add(ids::AmbientTemperature, Celsius(in.AmbientTemperature));
  AddSurroundingsRows(rows, in.Surroundings, in.WindSpeed, in.OuterCoefficient);
  return rows;
}

}  // namespace

void FillTankPage(CTankTempModul& m, const TankTempResult& r) {
  FillResultTable(m, r);
  FillGraph(m.TemperatureGraph, r.curve, BottomMm(m.ResultTable) + kItemGapMm);
  PlaceBelowOrInNextColumn(m.InputTable, InputRows(m), kInputHeadings, m.TemperatureGraph);
}

ResultValues TankTempValues(const TankTempResult& r) {
  ResultValues v;
  v.Add("end_temperature", r.endTemperature, "°C");
  v.Add("surface_temperature", r.cooling.surfaceTemperature, "°C");
  v.Add("outer_coefficient", r.cooling.outerCoefficient, "W/m²K");
  v.Add("area", r.geometry.area, "m²");
  v.Add("volume", r.geometry.volume, "m³");
  v.Add("energy_change", r.energyChange, "kWh");
  v.Add("start_heat_loss", r.startHeatLoss, "W");
  if (r.freezes) v.Add("freezing_time", r.freezingTime, "h");
  v.Add("time_constant", r.cooling.timeConstant, "h");
  v.Add("thin_insulation_model", r.thinModel ? 1.0f : 0.0f, "");
  v.Add("search_passes", static_cast<float>(r.cooling.passes), "");
  return v;
}

}  // namespace kav
