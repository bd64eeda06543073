#include "modules/varme_tap/varme_tap_page.h"

#include <string>
#include <vector>

#include "core/strings.h"
#include "modules/common/geometry_text.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"

namespace kav {
namespace {

using code::Criterion;
using code::Geometry;
using Kind = HeatLossResult::Kind;

constexpr int kResultHeadings[] = {ids::HeatLossCalculation, ids::ResultsHeading};
constexpr int kComparisonHeadings[] = {ids::HeatLossCalculation, ids::RequiredThicknessHeading,
                                       ids::StandardThicknessHeading};
constexpr int kInputHeadings[] = {ids::HeatLossCalculation, ids::InputValuesHeading};

constexpr int kCriterionText[] = {
    ids::GivenInsulationThickness, ids::CriterionGivenSurfaceTemperature,
    ids::CriterionGivenMaxHeatLoss, ids::CriterionRecommendedThickness};

int LossFormat(const VarmeTapInputs& in) {
  return code::IsFlat(in.Geometry) ? ids::FmtWattPerSquareMetre1 : ids::FmtWattPerMetre1;
}

std::string ClassText(const HeatLossResult& r) {
  return FormatValue(ids::FmtNumber0, static_cast<float>(r.insulationClass.value_or(0)));
}

void GivenThicknessRows(const VarmeTapInputs& in, const HeatLossResult& r, TableRows& rows) {
  const int loss = LossFormat(in);
  rows.Add(ids::SurfaceTemperatureInsulation,
           FormatValue(ids::FmtCelsius1, r.surface.surfaceTemperature));
  if (r.twoLayers) {
    rows.Add(ids::InterfaceTemperature,
             FormatValue(ids::FmtCelsius1, r.surface.interfaceTemperature));
  }
  rows.Add(ids::HeatLoss_62315, FormatValue(loss, r.heatLoss));
  rows.Add(ids::OuterHeatTransferCoefficient,
           FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.surface.coefficient));
  rows.Add(ids::TotalHeatLoss, FormatValue(ids::FmtWatt0, r.totalLoss));
  if (r.accessoryLoss > 0.0f) {
    rows.Add(ids::AccessoryHeatLoss, FormatValue(ids::FmtWatt0, r.accessoryLoss));
    rows.Add(ids::TotalHeatLossInclAccessories,
             FormatValue(ids::FmtWatt0, r.totalLoss + r.accessoryLoss));
  }
  if (in.CalcEnergy) {
    rows.Add(ids::AnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, r.energy));
    rows.Add(ids::AnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, r.cost));
  }
  rows.Add(ids::BareHeatLoss, FormatValue(loss, r.bare.heatLoss));
  if (in.CalcEnergy) {
    rows.Add(ids::BareAnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, r.bareEnergy));
    rows.Add(ids::BareAnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, r.bareCost));
  }
  if (!code::IsFlat(in.Geometry)) {
    if (r.twoLayers) {
      rows.Add(ids::CalculatedInsulationQuantityLayer1,
               FormatValue(ids::FmtSquareMetre2, r.quantity1));
      rows.Add(ids::CalculatedInsulationQuantityLayer2,
               FormatValue(ids::FmtSquareMetre2, r.quantity2));
    } else {
      rows.Add(ids::CalculatedInsulationQuantity, FormatValue(ids::FmtSquareMetre2, r.quantity1));
    }
  }
  if (in.CalcEnergy) rows.Add(ids::SavedCo2Emission, FormatValue(ids::FmtKilogram0, r.savedCo2));
}

void RequiredThicknessRows(const VarmeTapInputs& in, const HeatLossResult& r, TableRows& rows) {
  rows.Add(ids::RequiredInsulationThickness,
           FormatValue(ids::FmtMillimetre1, r.thickness * 1000.0f));
  if (r.catalogue) rows.Add(ids::NearestStandardThickness, r.standardText);
  if (in.Criterion == Criterion::GivenMaxHeatLoss || in.Criterion == Criterion::InsulationClass) {
    rows.Add(ids::SurfaceTemperatureInsulation,
             FormatValue(ids::FmtCelsius1, r.surface.surfaceTemperature));
  }
  rows.Add(ids::HeatLoss_62315, FormatValue(LossFormat(in), r.surface.heatLoss));
  rows.Add(ids::OuterHeatTransferCoefficient,
           FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.surface.coefficient));
  rows.Add(ids::BareHeatLoss, FormatValue(LossFormat(in), r.bare.heatLoss));
  if (in.Criterion == Criterion::InsulationClass) rows.Add(ids::InsulationClass, ClassText(r));
}

void NoClassRows(const VarmeTapInputs& in, const HeatLossResult& r, TableRows& rows) {
  rows.Add(ids::SurfaceTemperatureInsulation, FormatValue(ids::FmtCelsius1, in.MediumTemperature));
  rows.Add(ids::RequiredInsulationThickness, FormatValue(ids::FmtMillimetre1, 0.0f));
  rows.Add(ids::OuterHeatTransferCoefficient,
           FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.bare.coefficient));
  rows.Add(ids::TotalHeatLoss, FormatValue(ids::FmtWatt0, r.bareTotalLoss));
  if (in.CalcEnergy) {
    rows.Add(ids::AnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, r.energy));
    rows.Add(ids::AnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, r.cost));
  }
}

// The thickness found beside the next standard thickness, in three columns.
void FillComparison(CVarmeTapModul& m, const HeatLossResult& r) {
  const int loss = LossFormat(m);
  std::vector<int> labels = {ids::InsulationThickness, ids::SurfaceTemperatureInsulation,
                             ids::HeatLoss_62315, ids::OuterHeatTransferCoefficient,
                             ids::BareHeatLoss};
  std::vector<std::string> cells = {
      FormatValue(ids::FmtMillimetre1, r.thickness * 1000.0f),
      m.Layer1.Source == code::Source::Hose ? r.standardText
                                            : FormatValue(ids::FmtMillimetre1, r.standardThickness),
      FormatValue(ids::FmtCelsius1, r.surface.surfaceTemperature),
      FormatValue(ids::FmtCelsius1, r.standard.surfaceTemperature),
      FormatValue(loss, r.surface.heatLoss),
      FormatValue(loss, r.standard.heatLoss),
      FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.surface.coefficient),
      FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.standard.coefficient),
      FormatValue(loss, r.bare.heatLoss),
      std::string()};
  if (m.Criterion == Criterion::InsulationClass) {
    labels.push_back(ids::InsulationClass);
    cells.push_back(ClassText(r));
    cells.emplace_back();
  }
  m.ResultTable.FillTexts(kComparisonHeadings, labels, cells);
}

}  // namespace

void FillHeatLossResultTable(CVarmeTapModul& m, const HeatLossResult& r) {
  TableRows rows;
  switch (r.kind) {
    case Kind::StandardComparison:
      return FillComparison(m, r);
    case Kind::GivenThickness:
      GivenThicknessRows(m, r, rows);
      break;
    case Kind::RequiredThickness:
      RequiredThicknessRows(m, r, rows);
      break;
    case Kind::NoClassNeeded:
      NoClassRows(m, r, rows);
      break;
    case Kind::None:
      return;
  }
  rows.FillTable(m.ResultTable, kResultHeadings);
}

void FillHeatLossInputTable(CVarmeTapModul& m) {
  TableRows rows;
  const bool twoLayers = m.CalculatesTwoLayers();
  // A known geometry was calculated.
  rows.Add(ids::PipeDuctType, Str(GeometryTextId(m.Geometry)));
  if (code::IsCircular(m.Geometry)) {
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, m.Diameter));
  }
  if (code::IsRectangular(m.Geometry)) {
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, m.Height));
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, m.Width));
  }
  if (m.Criterion == Criterion::GivenThickness && code::IsRun(m.Geometry)) {
    rows.Add(ids::PipeDuctLength, FormatValue(ids::FmtMetre2, m.Length));
  }
  if (code::IsFlat(m.Geometry)) rows.Add(ids::FlatArea, FormatValue(ids::FmtSquareMetre2, m.Area));
  rows.Add(ids::CalculationCriterion, Str(kCriterionText[code::ToInt(m.Criterion)]));
  const float t1 = m.Layer1.ThicknessAt(m.Diameter);
  auto thickness = [](const CIsolasjon& layer, float d) {
    const std::string note = layer.ThicknessNote(d);
    return note.empty() ? FormatValue(ids::FmtMillimetre1, layer.ThicknessAt(d)) : note;
  };
  switch (m.Criterion) {
    case Criterion::GivenThickness:
      rows.Add(ids::ThicknessLayer1, thickness(m.Layer1, m.Diameter));
      if (twoLayers) {
        const float d2 = m.IsInternal() ? m.Diameter : m.Diameter + 2.0f * t1;
        rows.Add(ids::ThicknessLayer2, thickness(m.Layer2, d2));
      }
      break;
    case Criterion::GivenSurfaceTemperature:
      rows.Add(ids::SurfaceTemperature, FormatValue(ids::FmtCelsius1, m.GivenSurfaceTemperature));
      break;
    case Criterion::GivenMaxHeatLoss:
      rows.Add(ids::MaxHeatLoss, FormatValue(LossFormat(m), m.GivenMaxHeatLoss));
      break;
    case Criterion::InsulationClass:
      break;
  }
  m.Layer1.ProductRows(rows, ids::InsulationProductLayer1Standard,
                       ids::InsulationProductLayer1UserDefined);
  if (twoLayers) {
    m.Layer2.ProductRows(rows, ids::InsulationProductLayer2Standard,
                         ids::InsulationProductLayer2UserDefined);
  }
  if (code::IsIndoorsOrOutdoors(m.Surroundings)) {
    (twoLayers ? m.Layer2 : m.Layer1).JacketingRows(rows);
  }
  rows.Add(ids::MediumTemperature, FormatValue(ids::FmtCelsius1, m.MediumTemperature));
  rows.Add(ids::AmbientTemperature, FormatValue(ids::FmtCelsius1, m.AmbientTemperature));
  AddSurroundingsRows(rows, m.Surroundings, m.WindSpeed, m.OuterCoefficient);
  if (code::IsRun(m.Geometry) && m.HasAccessories &&
      (m.Criterion == Criterion::GivenThickness ||
       m.Criterion == Criterion::GivenSurfaceTemperature)) {
    for (const CTilleggsutstyr* accessory : m.Accessories)
      rows.Add(ids::Accessory, accessory->Name);
  }
  if (m.CalcEnergy || m.Criterion == Criterion::InsulationClass) {
    rows.Add(ids::OperatingTime, FormatValue(ids::FmtHoursPerYear0, m.OperatingHours));
  }
  if (m.CalcEnergy) {
    rows.Add(ids::EnergyPrice, FormatValue(ids::FmtOrePerKilowattHour1, m.EnergyPrice));
    rows.Add(ids::Co2Emission, FormatValue(ids::FmtGramPerKilowattHour0, m.Co2Factor));
  }
  rows.Add(ids::UninsulatedHangers, Str(m.UninsulatedHangers ? ids::Yes : ids::No));
  PlaceBelowOrInNextColumn(m.InputTable, rows, kInputHeadings, m.ResultTable);
}

ResultValues HeatLossValues(const VarmeTapInputs& in, const HeatLossResult& r) {
  ResultValues v;
  const bool flat = code::IsFlat(in.Geometry);
  const std::string loss = flat ? "W/m²" : "W/m";
  switch (r.kind) {
    case Kind::GivenThickness:
      v.Add("surface_temperature", r.surface.surfaceTemperature, "°C");
      if (r.twoLayers) v.Add("interface_temperature", r.surface.interfaceTemperature, "°C");
      v.Add("heat_loss", r.heatLoss, loss);
      v.Add("outer_coefficient", r.surface.coefficient, "W/m²K");
      v.Add("total_heat_loss", r.totalLoss, "W");
      v.Add("accessory_heat_loss", r.accessoryLoss, "W");
      v.Add("annual_energy", r.energy, "kWh/år");
      v.Add("annual_cost", r.cost, "kr/år");
      v.Add("bare_heat_loss", r.bare.heatLoss, loss);
      v.Add("bare_annual_energy", r.bareEnergy, "kWh/år");
      v.Add("bare_annual_cost", r.bareCost, "kr/år");
      v.Add("saved_co2", r.savedCo2, "kg/år");
      if (!flat) {
        v.Add("insulation_quantity_layer1", r.quantity1, "m²");
        if (r.twoLayers) v.Add("insulation_quantity_layer2", r.quantity2, "m²");
      }
      break;
    case Kind::RequiredThickness:
    case Kind::StandardComparison:
      v.Add("required_thickness", r.thickness * 1000.0f, "mm");
      v.Add("surface_temperature", r.surface.surfaceTemperature, "°C");
      v.Add("heat_loss", r.surface.heatLoss, loss);
      v.Add("outer_coefficient", r.surface.coefficient, "W/m²K");
      v.Add("bare_heat_loss", r.bare.heatLoss, loss);
      if (r.kind == Kind::StandardComparison) {
        v.Add("standard_thickness", r.standardThickness, "mm");
        v.Add("standard_surface_temperature", r.standard.surfaceTemperature, "°C");
        v.Add("standard_heat_loss", r.standard.heatLoss, loss);
        v.Add("standard_outer_coefficient", r.standard.coefficient, "W/m²K");
      }
      break;
    case Kind::NoClassNeeded:
      v.Add("required_thickness", 0.0f, "mm");
      v.Add("surface_temperature", in.MediumTemperature, "°C");
      v.Add("outer_coefficient", r.bare.coefficient, "W/m²K");
      v.Add("total_heat_loss", r.bareTotalLoss, "W");
      v.Add("annual_energy", r.energy, "kWh/år");
      v.Add("annual_cost", r.cost, "kr/år");
      v.Add("bare_heat_loss", r.bare.heatLoss, loss);
      break;
    case Kind::None:
      break;
  }
  if (r.insulationClass) v.Add("insulation_class", static_cast<float>(*r.insulationClass), "");
  if (r.classMaxHeatLoss) v.Add("class_max_heat_loss", *r.classMaxHeatLoss, loss);
  return v;
}

}  // namespace kav
