// The heat-loss calculation: runs the search for the chosen criterion and
// fills the result and input tables.
#include <cmath>
#include <string>

#include "core/formulas.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/surroundings.h"
#include "modules/common/table_rows.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "modules/varme_tap/varme_tap_search.h"

namespace kav {
namespace {

constexpr int kResultHeadings[] = {ids::HeatLossCalculation, ids::ResultsHeading};
constexpr int kComparisonHeadings[] = {ids::HeatLossCalculation, ids::RequiredThicknessHeading,
                                       ids::StandardThicknessHeading};
constexpr int kInputHeadings[] = {ids::HeatLossCalculation, ids::InputValuesHeading};

constexpr int kGeometryText[] = {ids::GeometryPipe,
                                 ids::GeometryCircularDuct,
                                 ids::GeometryRectangularDuct,
                                 ids::GeometryInternallyInsulatedDuct,
                                 ids::GeometryFlatOutside,
                                 ids::GeometryFlatInside};
constexpr int kCriterionText[] = {
    ids::GivenInsulationThickness, ids::CriterionGivenSurfaceTemperature,
    ids::CriterionGivenMaxHeatLoss, ids::CriterionRecommendedThickness};

// Degree-hours below which no insulation class applies.
constexpr float kClassZeroBound = 19400.0f;

// One row of the NS-EN 12828 classes: up to `bound` degree-hours a year,
// the largest heat loss per K is `flat` W/m²K on flat surfaces and
// `slope`·d + `offset` W/mK on pipes and ducts of equivalent diameter d.
struct InsulationClassRow {
  float bound;
  int insulationClass;
  float flat;
  float slope;
  float offset;
};
constexpr InsulationClassRow kClasses[] = {
    {47000.0f, 1, 1.17f, 3.3f, 0.22f},  {97000.0f, 2, 0.88f, 2.6f, 0.20f},
    {194000.0f, 3, 0.66f, 2.0f, 0.18f}, {389000.0f, 4, 0.49f, 1.5f, 0.16f},
    {778000.0f, 5, 0.35f, 1.1f, 0.14f}, {0.0f, 6, 0.22f, 0.8f, 0.12f},
};

bool Finite(const SurfaceResult& r) {
  return std::isfinite(r.surfaceTemperature) && std::isfinite(r.interfaceTemperature) &&
         std::isfinite(r.heatLoss) && std::isfinite(r.coefficient);
}

ConductivityPolynomial LambdaOf(const CIsolasjon& layer) {
  const CIsoProdukt* product = layer.ActiveProduct();
  return product ? product->Conductivity() : ConductivityPolynomial{};
}

// One calculation of the module's inputs.
class HeatLossRun {
 public:
  explicit HeatLossRun(CVarmeTapModul& m) : m_(m), search_(CaseOf(m)), bare_(search_.Bare()) {}

  // Fills the result table; false (after telling the user) when the
  // calculation fails.
  bool Run();

 private:
  static HeatLossCase CaseOf(const VarmeTapInputs& in);
  bool Flat() const { return m_.Geometry == 4 || m_.Geometry == 5; }
  bool Circular() const { return m_.Geometry == 0 || m_.Geometry == 1; }
  // Length of a pipe or duct, area of a flat surface.
  float Extent() const { return Flat() ? m_.Area : m_.Length; }
  int LossFormat() const { return Flat() ? ids::FmtWattPerSquareMetre1 : ids::FmtWattPerMetre1; }
  bool DimensionsUsable() const;
  bool Invalid();

  bool GivenThickness();
  bool RequiredThickness(const ThicknessResult& found);
  bool RecommendedThickness();
  void WarnIfNoRoom(float thickness, int messageId) const;

  CVarmeTapModul& m_;
  HeatLossSearch search_;
  SurfaceResult bare_;
  TableRows rows_;
};

HeatLossCase HeatLossRun::CaseOf(const VarmeTapInputs& in) {
  HeatLossCase c;
  c.geometry = in.Geometry;
  c.surroundings = in.Surroundings;
  c.vertical = in.Vertical;
  c.mediumTemperature = in.MediumTemperature;
  c.ambientTemperature = in.AmbientTemperature;
  c.diameter = in.Diameter;
  c.width = in.Width;
  c.height = in.Height;
  c.windSpeed = in.WindSpeed;
  c.outerCoefficient = in.OuterCoefficient;
  return c;
}

bool HeatLossRun::DimensionsUsable() const {
  if (Circular()) return m_.Diameter > 0.0f;
  if (Flat()) return m_.Vertical != 1 || m_.Height > 0.0f;
  return m_.Width > 0.0f && m_.Height > 0.0f;
}

bool HeatLossRun::Invalid() {
  ShowMessage(Str(ids::CalculationInputInvalid), Icon::Stop);
  return false;
}

bool HeatLossRun::Run() {
  if (m_.Geometry < 0 || m_.Geometry > 5 || !DimensionsUsable() || !Finite(bare_)) {
    return Invalid();
  }
  switch (m_.Criterion) {
    case 0:
      return GivenThickness();
    case 1:
      return RequiredThickness(search_.ForSurfaceTemperature(
          m_.GivenSurfaceTemperature, LambdaOf(m_.Layer1), m_.Layer1.Emissivity()));
    case 2:
      return RequiredThickness(
          search_.ForMaxHeatLoss(m_.GivenMaxHeatLoss, LambdaOf(m_.Layer1), m_.Layer1.Emissivity()));
    case 3:
      return RecommendedThickness();
    default:
      return true;
  }
}

bool HeatLossRun::GivenThickness() {
  const bool twoLayers = m_.TwoLayers != 0;
  const float t1mm = m_.Layer1.ThicknessAt(m_.Diameter);
  const HeatLossLayer layer1{t1mm / 1000.0f, LambdaOf(m_.Layer1)};
  HeatLossLayer layer2;
  SurfaceResult r;
  if (twoLayers) {
    const float d2 = m_.IsInternal() ? m_.Diameter : m_.Diameter + 2.0f * t1mm;
    layer2 = {m_.Layer2.ThicknessAt(d2) / 1000.0f, LambdaOf(m_.Layer2)};
    if (layer1.thickness <= 0.0f || layer2.thickness <= 0.0f) return Invalid();
    r = search_.TwoLayers(layer1, layer2, m_.Layer2.Emissivity());
  } else {
    if (layer1.thickness <= 0.0f) return Invalid();
    r = search_.OneLayer(layer1, m_.Layer1.Emissivity());
  }
  if (!Finite(r)) return Invalid();
  const float t1 = layer1.thickness;
  const float t2 = layer2.thickness;

  if (m_.Geometry == 3) {
    const float room = 2.0f * (t1 + t2);
    if (m_.Width / 1000.0f < room || m_.Height / 1000.0f < room) {
      ShowMessage(Str(ids::NoRoomForInsulation));
    }
  }

  float q = r.heatLoss;
  if (m_.UninsulatedHangers && m_.Geometry <= 2) q = q * (m_.Surroundings == 1 ? 1.25f : 1.15f);
  const float total = q * Extent();
  float accessoryLoss = 0.0f;
  if (m_.HasAccessories && m_.Geometry == 0) {
    float length = 0.0f;
    for (const CTilleggsutstyr* accessory : m_.Accessories) {
      length += accessory->EquivalentLengthAt(m_.Diameter);
    }
    accessoryLoss = bare_.heatLoss * length;
  }
  const float energy = total * m_.OperatingHours / 1000.0f;
  const float cost = m_.EnergyPrice * energy / 100.0f;
  const float bareEnergy = bare_.heatLoss * Extent() * m_.OperatingHours / 1000.0f;
  const float bareCost = m_.EnergyPrice * bareEnergy / 100.0f;
  const float savedCo2 = (bareEnergy - energy) * m_.Co2Factor / 1000.0f;

  rows_.Add(ids::SurfaceTemperatureInsulation, FormatValue(ids::FmtCelsius1, r.surfaceTemperature));
  if (twoLayers) {
    rows_.Add(ids::InterfaceTemperature, FormatValue(ids::FmtCelsius1, r.interfaceTemperature));
  }
  rows_.Add(ids::HeatLoss_62315, FormatValue(LossFormat(), q));
  rows_.Add(ids::OuterHeatTransferCoefficient,
            FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.coefficient));
  rows_.Add(ids::TotalHeatLoss, FormatValue(ids::FmtWatt0, total));
  if (accessoryLoss > 0.0f) {
    rows_.Add(ids::AccessoryHeatLoss, FormatValue(ids::FmtWatt0, accessoryLoss));
    rows_.Add(ids::TotalHeatLossInclAccessories, FormatValue(ids::FmtWatt0, total + accessoryLoss));
  }
  if (m_.CalcEnergy) {
    rows_.Add(ids::AnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, energy));
    rows_.Add(ids::AnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, cost));
  }
  rows_.Add(ids::BareHeatLoss, FormatValue(LossFormat(), bare_.heatLoss));
  if (m_.CalcEnergy) {
    rows_.Add(ids::BareAnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, bareEnergy));
    rows_.Add(ids::BareAnnualEnergyCost, FormatValue(ids::FmtKronePerYear0, bareCost));
  }
  if (!Flat()) {
    // Insulation quantity: the outer surface of each layer over the length.
    float quantity1 = 0.0f;
    float quantity2 = 0.0f;
    if (Circular()) {
      const float d1 = m_.Diameter / 1000.0f + 2.0f * t1;
      const float d2 = d1 + 2.0f * t2;
      quantity1 = RoundSurface(d1, m_.Length);
      quantity2 = RoundSurface(d2, m_.Length);
    } else if (m_.Geometry == 2) {
      const float h = m_.Height / 1000.0f + 2.0f * (t1 + t2);
      const float b = m_.Width / 1000.0f + 2.0f * (t1 + t2);
      quantity1 = RectSurface(h - 2.0f * t2, b - 2.0f * t2, m_.Length);
      quantity2 = RectSurface(h, b, m_.Length);
    } else {
      const float h = m_.Height / 1000.0f;
      const float b = m_.Width / 1000.0f;
      quantity1 = RectSurface(h, b, m_.Length);
      quantity2 = RectSurface(h - 2.0f * t1, b - 2.0f * t1, m_.Length);
    }
    if (twoLayers) {
      rows_.Add(ids::CalculatedInsulationQuantityLayer1,
                FormatValue(ids::FmtSquareMetre2, quantity1));
      rows_.Add(ids::CalculatedInsulationQuantityLayer2,
                FormatValue(ids::FmtSquareMetre2, quantity2));
    } else {
      rows_.Add(ids::CalculatedInsulationQuantity, FormatValue(ids::FmtSquareMetre2, quantity1));
    }
  }
  if (m_.CalcEnergy) rows_.Add(ids::SavedCo2Emission, FormatValue(ids::FmtKilogram0, savedCo2));
  rows_.FillTable(m_.ResultTable, kResultHeadings);
  return true;
}

void HeatLossRun::WarnIfNoRoom(float thickness, int messageId) const {
  if (m_.Geometry != 3) return;
  if (m_.Width / 1000.0f < 2.0f * thickness || m_.Height / 1000.0f < 2.0f * thickness) {
    ShowMessage(Str(messageId));
  }
}

bool HeatLossRun::RequiredThickness(const ThicknessResult& found) {
  if (found.outcome == ThicknessResult::Outcome::TooThick) {
    ShowMessage(Str(ids::ThicknessTooLarge), Icon::Stop);
    return false;
  }
  const SurfaceResult& r = found.surface;
  if (!Finite(r) || !std::isfinite(found.thickness)) return Invalid();
  const float t = found.thickness;
  WarnIfNoRoom(t, ids::NoRoomForRequiredThickness);
  const bool classRow = m_.Criterion == 3;
  const std::string classText =
      FormatValue(ids::FmtNumber0, static_cast<float>(m_.InsulationClass));

  // Standard and hose products offer the standard thickness that covers it.
  const bool catalogue = m_.Layer1.Source == 0 || m_.Layer1.Source == 1;
  const CIsoProdukt* product = m_.Layer1.ActiveProduct();
  std::string standardText;
  if (catalogue && product != nullptr) {
    const float standard =
        product->SelectStandardThickness(t, standardText, Circular() ? m_.Diameter : -1.0f);
    if (standard > 0.0f) {
      WarnIfNoRoom(standard / 1000.0f, ids::NoRoomForStandardThickness);
      const SurfaceResult s =
          search_.OneLayer({standard / 1000.0f, product->Conductivity()}, m_.Layer1.Emissivity());
      if (!Finite(s)) return Invalid();
      const std::vector<int> labels = {ids::InsulationThickness, ids::SurfaceTemperatureInsulation,
                                       ids::HeatLoss_62315, ids::OuterHeatTransferCoefficient,
                                       ids::BareHeatLoss};
      std::vector<std::string> cells = {
          FormatValue(ids::FmtMillimetre1, t * 1000.0f),
          m_.Layer1.Source == 1 ? standardText : FormatValue(ids::FmtMillimetre1, standard),
          FormatValue(ids::FmtCelsius1, r.surfaceTemperature),
          FormatValue(ids::FmtCelsius1, s.surfaceTemperature),
          FormatValue(LossFormat(), r.heatLoss),
          FormatValue(LossFormat(), s.heatLoss),
          FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.coefficient),
          FormatValue(ids::FmtWattPerSquareMetreKelvin1, s.coefficient),
          FormatValue(LossFormat(), bare_.heatLoss),
          std::string()};
      std::vector<int> rowLabels = labels;
      if (classRow) {
        rowLabels.push_back(ids::InsulationClass);
        cells.push_back(classText);
        cells.emplace_back();
      }
      m_.ResultTable.FillTexts(kComparisonHeadings, rowLabels, cells);
      return true;
    }
  }

  rows_.Add(ids::RequiredInsulationThickness, FormatValue(ids::FmtMillimetre1, t * 1000.0f));
  if (catalogue) rows_.Add(ids::NearestStandardThickness, standardText);
  if (m_.Criterion >= 2) {
    rows_.Add(ids::SurfaceTemperatureInsulation,
              FormatValue(ids::FmtCelsius1, r.surfaceTemperature));
  }
  rows_.Add(ids::HeatLoss_62315, FormatValue(LossFormat(), r.heatLoss));
  rows_.Add(ids::OuterHeatTransferCoefficient,
            FormatValue(ids::FmtWattPerSquareMetreKelvin1, r.coefficient));
  rows_.Add(ids::BareHeatLoss, FormatValue(LossFormat(), bare_.heatLoss));
  if (classRow) rows_.Add(ids::InsulationClass, classText);
  rows_.FillTable(m_.ResultTable, kResultHeadings);
  return true;
}

bool HeatLossRun::RecommendedThickness() {
  const float dT = std::fabs(m_.MediumTemperature - m_.AmbientTemperature);
  const float degreeHours = dT * m_.OperatingHours;
  if (degreeHours < kClassZeroBound) {
    // Class 0: no insulation needed; the bare object is reported.
    m_.InsulationClass = 0;
    const float total = bare_.heatLoss * Extent();
    rows_.Add(ids::SurfaceTemperatureInsulation,
              FormatValue(ids::FmtCelsius1, m_.MediumTemperature));
    rows_.Add(ids::RequiredInsulationThickness, FormatValue(ids::FmtMillimetre1, 0.0f));
    rows_.Add(ids::OuterHeatTransferCoefficient,
              FormatValue(ids::FmtWattPerSquareMetreKelvin1, bare_.coefficient));
    rows_.Add(ids::TotalHeatLoss, FormatValue(ids::FmtWatt0, total));
    if (m_.CalcEnergy) {
      const float energy = total * m_.OperatingHours / 1000.0f;
      rows_.Add(ids::AnnualEnergyLoss, FormatValue(ids::FmtKilowattHourPerYear0, energy));
      rows_.Add(ids::AnnualEnergyCost,
                FormatValue(ids::FmtKronePerYear0, m_.EnergyPrice * energy / 100.0f));
    }
    rows_.FillTable(m_.ResultTable, kResultHeadings);
    return true;
  }
  const float equivalentDiameter =
      Circular() ? m_.Diameter / 1000.0f : (2.0f * m_.Height + 2.0f * m_.Width) / 3141.5927f;
  const InsulationClassRow* row = &kClasses[std::size(kClasses) - 1];
  for (const InsulationClassRow& candidate : kClasses) {
    if (candidate.bound > 0.0f && degreeHours < candidate.bound) {
      row = &candidate;
      break;
    }
  }
  const float perKelvin = Flat() ? row->flat : row->slope * equivalentDiameter + row->offset;
  m_.InsulationClass = row->insulationClass;
  // The class limit takes the sign of the heat flow, so that a medium colder
  // than the ambient gets a negative limit to search for.
  m_.GivenMaxHeatLoss = perKelvin * (m_.MediumTemperature - m_.AmbientTemperature);
  return RequiredThickness(
      search_.ForMaxHeatLoss(m_.GivenMaxHeatLoss, LambdaOf(m_.Layer1), m_.Layer1.Emissivity()));
}

void FillInputTable(CVarmeTapModul& m) {
  TableRows rows;
  const bool twoLayers = m.Criterion == 0 && m.TwoLayers;
  rows.Add(ids::PipeDuctType, Str(kGeometryText[m.Geometry]));
  if (m.Geometry <= 1)
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, m.Diameter));
  if (m.Geometry == 2 || m.Geometry == 3) {
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, m.Height));
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, m.Width));
  }
  if (m.Criterion == 0 && m.Geometry <= 3) {
    rows.Add(ids::PipeDuctLength, FormatValue(ids::FmtMetre2, m.Length));
  }
  if (m.Geometry >= 4) rows.Add(ids::FlatArea, FormatValue(ids::FmtSquareMetre2, m.Area));
  rows.Add(ids::CalculationCriterion, Str(kCriterionText[m.Criterion]));  // 0..3 here
  const float t1 = m.Layer1.ThicknessAt(m.Diameter);
  auto thickness = [](const CIsolasjon& layer, float d) {
    const std::string note = layer.ThicknessNote(d);
    return note.empty() ? FormatValue(ids::FmtMillimetre1, layer.ThicknessAt(d)) : note;
  };
  if (m.Criterion == 0) {
    rows.Add(ids::ThicknessLayer1, thickness(m.Layer1, m.Diameter));
    if (twoLayers) {
      const float d2 = m.IsInternal() ? m.Diameter : m.Diameter + 2.0f * t1;
      rows.Add(ids::ThicknessLayer2, thickness(m.Layer2, d2));
    }
  } else if (m.Criterion == 1) {
    rows.Add(ids::SurfaceTemperature, FormatValue(ids::FmtCelsius1, m.GivenSurfaceTemperature));
  } else if (m.Criterion == 2) {
    rows.Add(ids::MaxHeatLoss,
             FormatValue(m.Geometry >= 4 ? ids::FmtWattPerSquareMetre1 : ids::FmtWattPerMetre1,
                         m.GivenMaxHeatLoss));
  }
  auto product = [&rows](const CIsolasjon& layer, int userLabel, int standardLabel) {
    if (layer.Source == 2) {
      rows.Add(userLabel, layer.ProductName());
      layer.LambdaRows(rows);
    } else {
      rows.Add(standardLabel, layer.ProductName());
    }
  };
  product(m.Layer1, ids::InsulationProductLayer1UserDefined, ids::InsulationProductLayer1Standard);
  if (twoLayers) {
    product(m.Layer2, ids::InsulationProductLayer2UserDefined,
            ids::InsulationProductLayer2Standard);
  }
  if (m.Surroundings == 0 || m.Surroundings == 1) {
    (twoLayers ? m.Layer2 : m.Layer1).JacketingRows(rows);
  }
  rows.Add(ids::MediumTemperature, FormatValue(ids::FmtCelsius1, m.MediumTemperature));
  rows.Add(ids::AmbientTemperature, FormatValue(ids::FmtCelsius1, m.AmbientTemperature));
  AddSurroundingsRows(rows, m.Surroundings, m.WindSpeed, m.OuterCoefficient);
  if (m.Geometry <= 3 && m.HasAccessories && m.Criterion <= 1) {
    for (const CTilleggsutstyr* accessory : m.Accessories)
      rows.Add(ids::Accessory, accessory->Name);
  }
  if (m.CalcEnergy || m.Criterion == 3) {
    rows.Add(ids::OperatingTime, FormatValue(ids::FmtHoursPerYear0, m.OperatingHours));
  }
  if (m.CalcEnergy) {
    rows.Add(ids::EnergyPrice, FormatValue(ids::FmtOrePerKilowattHour1, m.EnergyPrice));
    rows.Add(ids::Co2Emission, FormatValue(ids::FmtGramPerKilowattHour0, m.Co2Factor));
  }
  rows.Add(ids::UninsulatedHangers, Str(m.UninsulatedHangers ? ids::Yes : ids::No));
  PlaceBelowOrInNextColumn(m.InputTable, rows, kInputHeadings, m.ResultTable);
}

}  // namespace

void CVarmeTapModul::Calculate() {
  HeatLossRun run(*this);
  if (!run.Run()) {
    ClearResults();
    return;
  }
  // Any other criterion counts as done, with nothing to show.
  if (Criterion < 0 || Criterion > 3) return;
  FillInputTable(*this);
  ShowResults();
}

}  // namespace kav
