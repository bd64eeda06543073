#include "modules/kanal_temp/kanal_temp_page.h"

#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

constexpr int kPipeHeadings[] = {ids::SegmentName, ids::OutletTemperatureShort, ids::HeatLoss,
                                 ids::OuterHeatTransferCoefficientShort};
constexpr int kDuctHeadings[] = {ids::SegmentName, ids::OutletTemperatureShort, ids::HeatLoss,
                                 ids::OuterHeatTransferCoefficientShort,
                                 ids::InnerHeatTransferCoefficientShort};
constexpr int kEnergyHeadings[] = {ids::HeatEnergyCostHeading, ids::ResultsHeading};
constexpr int kLossHeadings[] = {ids::AllSegmentsHeatLossHeading, ids::ResultsHeading};
constexpr int kQuantityHeadings[] = {ids::SegmentName, ids::InsulationQuantity};
constexpr int kInputHeadings[] = {ids::FlowingMediumHeading, ids::InputValuesHeading};
constexpr int kSegmentInputHeadings[] = {ids::SegmentHeading, ids::InputValuesHeading};

std::string Celsius(float value) {
  return FormatValue(ids::FmtCelsius1, value);
}

std::string Coefficient(float value) {
  return FormatValue(ids::FmtWattPerSquareMetreKelvin1, value);
}

void FillSegmentTable(CKanalTempModul& m, const FlowingMediumResult& r) {
  std::vector<std::string> labels;
  std::vector<std::string> cells;
  for (std::size_t i = 0; i < r.segments.size(); ++i) {
    const SegmentResult& s = r.segments[i];
    labels.push_back(m.Segments[i]->Name);
    cells.push_back(Celsius(s.outletTemperature));
    cells.push_back(FormatValue(ids::FmtWatt1, s.heatLoss));
    cells.push_back(Coefficient(s.outerCoefficient));
    if (r.ducts) cells.push_back(Coefficient(s.innerCoefficient));
  }
  if (r.ducts) {
    m.SegmentTable.FillLabelledTexts(kDuctHeadings, labels, cells);
  } else {
    m.SegmentTable.FillLabelledTexts(kPipeHeadings, labels, cells);
  }
}

TableRows EnergyRows(const KanalTempInputs& in, const FlowingMediumResult& r) {
  TableRows rows;
  rows.Add(ids::TotalHeatLoss, FormatValue(ids::FmtWatt0, r.totalLoss));
  rows.Add(ids::AverageHeatLoss, FormatValue(ids::FmtWattPerMetre1, r.meanLoss));
  if (in.CalcEnergy != 0) {
    rows.Add(ids::AnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, r.energy));
    rows.Add(ids::AnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, r.cost));
  }
  return rows;
}

TableRows QuantityRows(const KanalTempInputs& in, const FlowingMediumResult& r) {
  TableRows rows;
  for (std::size_t i = 0; i < r.segments.size(); ++i) {
    const CSegment& segment = *in.Segments[i];
    const SegmentResult& s = r.segments[i];
    if (segment.HasTwoLayers()) {
      rows.Add(segment.Name + Str(ids::Layer1Suffix),
               FormatValue(ids::FmtSquareMetre2, s.quantity1));
      rows.Add(segment.Name + Str(ids::Layer2Suffix),
               FormatValue(ids::FmtSquareMetre2, s.quantity2));
    } else {
      rows.Add(segment.Name, FormatValue(ids::FmtSquareMetre2, s.quantity1));
    }
  }
  rows.Add(ids::Total, FormatValue(ids::FmtSquareMetre2, r.totalQuantity));
  return rows;
}

TableRows InputRows(const KanalTempInputs& in) {
  TableRows rows;
  if (in.RunType == code::RunType::Pipes) {
    rows.Add(ids::Medium, in.LiquidName());
    rows.Add(ids::MediumDensity, FormatValue(ids::FmtKilogramPerCubicMetre0, in.Density()));
    rows.Add(ids::MediumHeatCapacity,
             FormatValue(ids::FmtJoulePerKilogramKelvin0, in.HeatCapacity()));
    rows.Add(ids::MediumFreezingPoint, Celsius(in.FreezingPoint()));
  } else if (in.RunType != code::RunType::InternalDucts) {
    rows.Add(ids::Medium, Str(ids::Air));
  }
  rows.Add(ids::InletTemperature, Celsius(in.InletTemperature));
  if (in.CalcEnergy != 0) {
    rows.Add(ids::EnergyPrice, FormatValue(ids::FmtOrePerKilowattHour1, in.EnergyPrice));
    rows.Add(ids::OperatingTime, FormatValue(ids::FmtHoursPerYear0, in.OperatingHours));
  }
  return rows;
}

int GeometryTextId(code::Geometry type) {
  switch (type) {
    case code::Geometry::Pipe:
      return ids::GeometryPipe;
    case code::Geometry::CircularDuct:
      return ids::GeometryCircularDuct;
    case code::Geometry::RectangularDuct:
      return ids::GeometryRectangularDuct;
    default:
      return ids::GeometryInternallyInsulatedDuct;
  }
}

TableRows SegmentInputRows(const CSegment& s) {
  TableRows rows;
  rows.Add(ids::SegmentName, s.Name);
  rows.Add(ids::PipeDuctType, Str(GeometryTextId(s.Type)));
  if (code::IsCircular(s.Type)) {
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, s.Diameter));
  } else {
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, s.Height));
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, s.Width));
  }
  rows.Add(ids::PipeDuctLength, FormatValue(ids::FmtMetre2, s.Length));
  if (s.Uninsulated != 0) {
    rows.Add(ids::NoInsulation, Str(ids::NotApplicable));
  } else {
    s.Layer1.LayerRows(rows, s.Diameter);
    if (s.HasTwoLayers()) {
      rows.Add(ids::TwoLayerInsulation, Str(ids::NotApplicable));
      s.Layer2.LayerRows(rows, s.Diameter + 2.0f * s.Layer1.ThicknessAt(s.Diameter));
    }
  }
  if (s.Surroundings != code::Surroundings::UserCoefficient) {
    if (s.Uninsulated != 0) {
      const bool typedIn = s.UserEmissivity != 0 || s.Surface == nullptr;
      rows.Add(ids::PipeDuctSurface, typedIn ? Str(ids::UserDefined) : s.Surface->Name);
      rows.Add(
          ids::SurfaceEmissivity,
          FormatValue(ids::FmtNumber2, RowEmissivityOr(s.Surface, s.UserEmissivity, s.Emissivity)));
    } else {
      s.Layer1.JacketingRows(rows);
    }
  }
  rows.Add(ids::AmbientTemperature, Celsius(s.AmbientTemperature));
  AddSurroundingsRows(rows, s.Surroundings, s.WindSpeed, s.OuterCoefficient);
  if (s.HasAccessories != 0) {
    for (const CTilleggsutstyr* accessory : s.Accessories)
      rows.Add(ids::Accessory, accessory->Name);
  }
  rows.Add(ids::MediumFlowIntoSegment, s.FlowText());
  rows.Add(ids::UninsulatedHangers, Str(s.UninsulatedHangers != 0 ? ids::Yes : ids::No));
  return rows;
}

}  // namespace

void FillFlowingMediumTables(CKanalTempModul& m, const FlowingMediumResult& r) {
  FillSegmentTable(m, r);
  if (m.CalcEnergy != 0) {
    PlaceBelowInItsColumn(m.EnergyTable, EnergyRows(m, r), kEnergyHeadings, m.SegmentTable);
  } else {
    PlaceBelowInItsColumn(m.EnergyTable, EnergyRows(m, r), kLossHeadings, m.SegmentTable);
  }
  PlaceBelowInItsColumn(m.QuantityTable, QuantityRows(m, r), kQuantityHeadings, m.EnergyTable);
  PlaceBelowInItsColumn(m.InputTable, InputRows(m), kInputHeadings, m.QuantityTable);
  const CTabell* above = &m.InputTable;
  for (CSegment* segment : m.Segments) {
    segment->InputTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kSegmentInputHeadings, {}, {},
                              170.0f);
    PlaceBelowInItsColumn(segment->InputTable, SegmentInputRows(*segment), kSegmentInputHeadings,
                          *above);
    above = &segment->InputTable;
  }
}

ResultValues FlowingMediumValues(const KanalTempInputs& in, const FlowingMediumResult& r) {
  ResultValues v;
  v.Add("total_heat_loss", r.totalLoss, "W");
  v.Add("mean_heat_loss", r.meanLoss, "W/m");
  v.Add("annual_energy", r.energy, "kWh/år");
  v.Add("annual_cost", r.cost, "kr/år");
  v.Add("insulation_quantity", r.totalQuantity, "m²");
  if (r.dewPointChecked) v.Add("dew_point", r.dewPoint, "°C");
  for (std::size_t i = 0; i < r.segments.size(); ++i) {
    const SegmentResult& s = r.segments[i];
    ResultValues& record = v.AddRecord("segments");
    record.Add("outlet_temperature", s.outletTemperature, "°C");
    record.Add("heat_loss", s.heatLoss, "W");
    record.Add("outer_coefficient", s.outerCoefficient, "W/m²K");
    if (r.ducts) record.Add("inner_coefficient", s.innerCoefficient, "W/m²K");
    record.Add("insulation_quantity_layer1", s.quantity1, "m²");
    if (in.Segments[i]->HasTwoLayers()) {
      record.Add("insulation_quantity_layer2", s.quantity2, "m²");
    }
  }
  return v;
}

}  // namespace kav
