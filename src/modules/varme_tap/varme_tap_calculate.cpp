#include "modules/varme_tap/varme_tap_calculate.h"

#include <cmath>
#include <iterator>
#include <string>

#include "core/formulas.h"
#include "core/strings.h"

namespace kav {
namespace {

using code::Geometry;

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

// One calculation of the inputs into a result.
class HeatLossRun {
 public:
  explicit HeatLossRun(const VarmeTapInputs& in)
      : in_(in), search_(HeatLossCaseOf(in)), bare_(search_.Bare()) {
    r_.bare = bare_;
  }

  HeatLossResult Run();

 private:
  bool Flat() const { return code::IsFlat(in_.Geometry); }
  bool Circular() const { return code::IsCircular(in_.Geometry); }
  // Length of a pipe or duct, area of a flat surface.
  float Extent() const { return Flat() ? in_.Area : in_.Length; }
  bool DimensionsUsable() const;
  void Invalid();

  void GivenThickness();
  void RequiredThickness(const ThicknessResult& found);
  void RecommendedThickness();
  void WarnIfNoRoom(float thickness, int messageId);

  const VarmeTapInputs& in_;
  HeatLossSearch search_;
  SurfaceResult bare_;
  HeatLossResult r_;
};

bool HeatLossRun::DimensionsUsable() const {
  if (Circular()) return in_.Diameter > 0.0f;
  if (Flat()) return in_.Vertical != 1 || in_.Height > 0.0f;
  return in_.Width > 0.0f && in_.Height > 0.0f;
}

void HeatLossRun::Invalid() {
  r_.outcome.Fail(ids::CalculationInputInvalid, Str(ids::CalculationInputInvalid));
}

HeatLossResult HeatLossRun::Run() {
  if (!code::IsKnown(in_.Geometry) || !DimensionsUsable() || !Finite(bare_)) {
    Invalid();
    return r_;
  }
  switch (in_.Criterion) {
    case code::Criterion::GivenThickness:
      GivenThickness();
      break;
    case code::Criterion::GivenSurfaceTemperature:
      RequiredThickness(search_.ForSurfaceTemperature(
          in_.GivenSurfaceTemperature, in_.Layer1.Conductivity(), in_.Layer1.Emissivity()));
      break;
    case code::Criterion::GivenMaxHeatLoss:
      RequiredThickness(search_.ForMaxHeatLoss(in_.GivenMaxHeatLoss, in_.Layer1.Conductivity(),
                                               in_.Layer1.Emissivity()));
      break;
    case code::Criterion::InsulationClass:
      RecommendedThickness();
      break;
  }
  return r_;
}

void HeatLossRun::GivenThickness() {
  const bool twoLayers = in_.TwoLayers != 0;
  const float t1mm = in_.Layer1.ThicknessAt(in_.Diameter);
  const HeatLossLayer layer1{t1mm / 1000.0f, in_.Layer1.Conductivity()};
  HeatLossLayer layer2;
  SurfaceResult r;
  if (twoLayers) {
    const float d2 = in_.IsInternal() ? in_.Diameter : in_.Diameter + 2.0f * t1mm;
    layer2 = {in_.Layer2.ThicknessAt(d2) / 1000.0f, in_.Layer2.Conductivity()};
    if (layer1.thickness <= 0.0f || layer2.thickness <= 0.0f) return Invalid();
    r = search_.TwoLayers(layer1, layer2, in_.Layer2.Emissivity());
  } else {
    if (layer1.thickness <= 0.0f) return Invalid();
    r = search_.OneLayer(layer1, in_.Layer1.Emissivity());
  }
  if (!Finite(r)) return Invalid();
  const float t1 = layer1.thickness;
  const float t2 = layer2.thickness;

  if (in_.Geometry == Geometry::InternalDuct) {
    const float room = 2.0f * (t1 + t2);
    if (in_.Width / 1000.0f < room || in_.Height / 1000.0f < room) {
      r_.outcome.Tell(ids::NoRoomForInsulation, Str(ids::NoRoomForInsulation));
    }
  }

  float q = r.heatLoss;
  if (in_.UninsulatedHangers && code::ToInt(in_.Geometry) <= 2) {
    q = q * search::HangerFactor(in_.Surroundings);
  }
  const float total = q * Extent();
  float accessoryLoss = 0.0f;
  if (in_.HasAccessories && in_.Geometry == Geometry::Pipe) {
    float length = 0.0f;
    for (const CTilleggsutstyr* accessory : in_.Accessories) {
      length += accessory->EquivalentLengthAt(in_.Diameter);
    }
    accessoryLoss = bare_.heatLoss * length;
  }
  const float energy = total * in_.OperatingHours / 1000.0f;
  const float bareEnergy = bare_.heatLoss * Extent() * in_.OperatingHours / 1000.0f;

  r_.kind = HeatLossResult::Kind::GivenThickness;
  r_.surface = r;
  r_.twoLayers = twoLayers;
  r_.heatLoss = q;
  r_.totalLoss = total;
  r_.accessoryLoss = accessoryLoss;
  r_.energy = energy;
  r_.cost = in_.EnergyPrice * energy / 100.0f;
  r_.bareEnergy = bareEnergy;
  r_.bareCost = in_.EnergyPrice * bareEnergy / 100.0f;
  r_.savedCo2 = (bareEnergy - energy) * in_.Co2Factor / 1000.0f;
  if (Flat()) return;
  // Insulation quantity: the outer surface of each layer over the length.
  if (Circular()) {
    const float d1 = in_.Diameter / 1000.0f + 2.0f * t1;
    const float d2 = d1 + 2.0f * t2;
    r_.quantity1 = RoundSurface(d1, in_.Length);
    r_.quantity2 = RoundSurface(d2, in_.Length);
  } else if (in_.Geometry == Geometry::RectangularDuct) {
    const float h = in_.Height / 1000.0f + 2.0f * (t1 + t2);
    const float b = in_.Width / 1000.0f + 2.0f * (t1 + t2);
    r_.quantity1 = RectSurface(h - 2.0f * t2, b - 2.0f * t2, in_.Length);
    r_.quantity2 = RectSurface(h, b, in_.Length);
  } else {
    const float h = in_.Height / 1000.0f;
    const float b = in_.Width / 1000.0f;
    r_.quantity1 = RectSurface(h, b, in_.Length);
    r_.quantity2 = RectSurface(h - 2.0f * t1, b - 2.0f * t1, in_.Length);
  }
}

void HeatLossRun::WarnIfNoRoom(float thickness, int messageId) {
  if (in_.Geometry != Geometry::InternalDuct) return;
  if (in_.Width / 1000.0f < 2.0f * thickness || in_.Height / 1000.0f < 2.0f * thickness) {
    r_.outcome.Tell(messageId, Str(messageId));
  }
}

void HeatLossRun::RequiredThickness(const ThicknessResult& found) {
  if (found.outcome == ThicknessResult::Outcome::TooThick) {
    r_.outcome.Fail(ids::ThicknessTooLarge, Str(ids::ThicknessTooLarge));
    return;
  }
  const SurfaceResult& r = found.surface;
  if (!Finite(r) || !std::isfinite(found.thickness)) return Invalid();
  const float t = found.thickness;
  WarnIfNoRoom(t, ids::NoRoomForRequiredThickness);
  r_.surface = r;
  r_.thickness = t;
  r_.kind = HeatLossResult::Kind::RequiredThickness;

  // Standard and hose products offer the standard thickness that covers it.
  r_.catalogue = code::IsCatalogue(in_.Layer1.Source);
  const CIsoProdukt* product = in_.Layer1.ActiveProduct();
  if (!r_.catalogue || product == nullptr) return;
  const float standard =
      product->SelectStandardThickness(t, r_.standardText, Circular() ? in_.Diameter : -1.0f);
  if (standard <= 0.0f) return;
  WarnIfNoRoom(standard / 1000.0f, ids::NoRoomForStandardThickness);
  const SurfaceResult s =
      search_.OneLayer({standard / 1000.0f, product->Conductivity()}, in_.Layer1.Emissivity());
  if (!Finite(s)) return Invalid();
  r_.kind = HeatLossResult::Kind::StandardComparison;
  r_.standardThickness = standard;
  r_.standard = s;
}

void HeatLossRun::RecommendedThickness() {
  const float dT = std::fabs(in_.MediumTemperature - in_.AmbientTemperature);
  const float degreeHours = dT * in_.OperatingHours;
  if (degreeHours < kClassZeroBound) {
    // Class 0: no insulation needed; the bare object is reported.
    r_.kind = HeatLossResult::Kind::NoClassNeeded;
    r_.insulationClass = 0;
    r_.bareTotalLoss = bare_.heatLoss * Extent();
    r_.energy = r_.bareTotalLoss * in_.OperatingHours / 1000.0f;
    r_.cost = in_.EnergyPrice * r_.energy / 100.0f;
    return;
  }
  const float equivalentDiameter =
      Circular() ? in_.Diameter / 1000.0f : (2.0f * in_.Height + 2.0f * in_.Width) / 3141.5927f;
  const InsulationClassRow* row = &kClasses[std::size(kClasses) - 1];
  for (const InsulationClassRow& candidate : kClasses) {
    if (candidate.bound > 0.0f && degreeHours < candidate.bound) {
      row = &candidate;
      break;
    }
  }
  const float perKelvin = Flat() ? row->flat : row->slope * equivalentDiameter + row->offset;
  // The class limit takes the sign of the heat flow, so that a medium colder
  // than the ambient gets a negative limit to search for.
  const float limit = perKelvin * (in_.MediumTemperature - in_.AmbientTemperature);
  r_.insulationClass = row->insulationClass;
  r_.classMaxHeatLoss = limit;
  RequiredThickness(
      search_.ForMaxHeatLoss(limit, in_.Layer1.Conductivity(), in_.Layer1.Emissivity()));
}

}  // namespace

HeatLossCase HeatLossCaseOf(const VarmeTapInputs& in) {
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

HeatLossResult CalculateHeatLoss(const VarmeTapInputs& in) {
  return HeatLossRun(in).Run();
}

}  // namespace kav
