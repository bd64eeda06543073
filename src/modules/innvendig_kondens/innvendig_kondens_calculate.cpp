#include "modules/innvendig_kondens/innvendig_kondens_calculate.h"

#include <cmath>

#include "core/strings.h"
#include "modules/common/air.h"
#include "modules/common/surface_search.h"

namespace kav {
namespace {

bool Finite(const DuctOutlet& o) {
  return std::isfinite(o.thickness) && std::isfinite(o.surfaceTemperature) &&
         std::isfinite(o.outerCoefficient) && std::isfinite(o.transmittance) &&
         std::isfinite(o.outletTemperature) && std::isfinite(o.innerSurfaceTemperature);
}

bool KnownCodes(const InnvendigKondensInputs& in) {
  return code::IsKnown(in.DuctShape) && code::IsKnown(in.Surroundings) &&
         code::IsKnown(in.FlowUnit) && (in.Vertical == 0 || in.Vertical == 1);
}

bool DimensionsUsable(const InnvendigKondensInputs& in) {
  const bool section = in.Rectangular() ? in.Height > 0.0f && in.Width > 0.0f : in.Diameter > 0.0f;
  return section && in.Length > 0.0f;
}

// One calculation of the inputs into a result.
class InternalCondensationRun {
 public:
  explicit InternalCondensationRun(const InnvendigKondensInputs& in)
      : in_(in), case_(DuctAirCaseOf(in)), search_(case_) {}

  InternalCondensationResult Run();

 private:
  // W per metre of the duct's own length: C·V·(Tin − Tout)/L.
  float HeatLoss(const DuctOutlet& outlet) const;
  // m² of insulation s m thick over the length.
  float Quantity(float s) const;
  void CompareStandard(float ts);
  bool AllFinite() const;
  InternalCondensationResult Refused(int reason) {
    r_ = InternalCondensationResult();
    r_.outcome.Refuse(reason);
    return r_;
  }

  const InnvendigKondensInputs& in_;
  DuctAirCase case_;
  DuctCondensationSearch search_;
  InternalCondensationResult r_;
};

InternalCondensationResult InternalCondensationRun::Run() {
  if (!KnownCodes(in_)) return Refused(ids::ReasonUnknownDuctCode);
  if (!DimensionsUsable(in_)) return Refused(ids::ReasonDimensionNotPositive);
  if (!(in_.Flow > 0.0f) || (in_.UserInnerCoefficient != 0 && !(in_.InnerCoefficient > 0.0f))) {
    return Refused(ids::ReasonNoFlow);
  }
  const float humidity = in_.RelativeHumidity;
  if (!(humidity > 0.0f && humidity < 100.0f) || !(case_.dewPoint < case_.inletTemperature)) {
    return Refused(ids::ReasonHumidityRange);
  }
  if (!(std::fabs(in_.InletTemperature - in_.AmbientTemperature) >= 0.1f)) {
    return Refused(ids::ReasonInletAtAmbient);
  }
  r_.dewPoint = case_.dewPoint;
  r_.innerCoefficient = case_.innerCoefficient;

  if (search_.Ratio() <= 1.0001f || !(search_.StartThickness() > 0.0f)) {
    r_.needed = search_.Uninsulated();
  } else {
    float ts = 0.0f;
    const DuctThickness found = search_.NeededThickness(ts);
    if (found.outcome == DuctThickness::Outcome::TooThick) {
      r_.outcome.Fail(ids::ThicknessTooLarge, Str(ids::ThicknessTooLarge));
      return r_;
    }
    r_.insulated = true;
    r_.needed = found.outlet;
    r_.quantity = Quantity(r_.needed.thickness);
    CompareStandard(ts);
  }
  r_.heatLoss = HeatLoss(r_.needed);
  if (!AllFinite()) return Refused(ids::ReasonNoFiniteResult);
  return r_;
}

float InternalCondensationRun::HeatLoss(const DuctOutlet& outlet) const {
  return case_.heatCapacity * case_.flow * (case_.inletTemperature - outlet.outletTemperature) /
         in_.Length;
}

float InternalCondensationRun::Quantity(float s) const {
  if (s <= 0.0001f) return 0.0f;
  if (in_.Rectangular()) {
    return RectSurface(case_.width + 2.0f * s, case_.height + 2.0f * s, in_.Length);
  }
  return RoundSurface(case_.diameter + 2.0f * s, in_.Length);
}

void InternalCondensationRun::CompareStandard(float ts) {
  const auto lookup = in_.Insulation.LookUpStandardThickness(r_.needed.thickness, -1.0f);
  if (!lookup) return;
  r_.lookedUp = true;
  r_.standardThickness = lookup->thickness;
  r_.standardText = lookup->text;
  if (!(lookup->thickness > 0.0f)) return;
  const float s = lookup->thickness / 1000.0f;
  r_.standard = search_.At(s, ts, DuctFilm::Simple);
  r_.standardHeatLoss = HeatLoss(r_.standard);
  r_.standardQuantity = Quantity(s);
}

bool InternalCondensationRun::AllFinite() const {
  if (!std::isfinite(r_.dewPoint) || !std::isfinite(r_.innerCoefficient) || !Finite(r_.needed) ||
      !std::isfinite(r_.heatLoss) || !std::isfinite(r_.quantity)) {
    return false;
  }
  return !r_.Compares() || (Finite(r_.standard) && std::isfinite(r_.standardHeatLoss) &&
                            std::isfinite(r_.standardQuantity));
}

}  // namespace

DuctAirCase DuctAirCaseOf(const InnvendigKondensInputs& in) {
  DuctAirCase c;
  const float tin = in.InletTemperature;
  c.rectangular = in.Rectangular();
  c.surroundings = in.Surroundings;
  c.vertical = in.Vertical;
  c.inletTemperature = tin;
  c.ambientTemperature = in.AmbientTemperature;
  c.dewPoint = DewPoint(in.RelativeHumidity, tin);
  float area = 0.0f;
  float hydraulicDiameter = 0.0f;
  if (c.rectangular) {
    c.height = in.Height / 1000.0f;
    c.width = in.Width / 1000.0f;
    area = c.height * c.width;
    c.innerPerimeter = 2.0f * c.height + 2.0f * c.width;
    hydraulicDiameter = 4.0f * area / c.innerPerimeter;
  } else {
    c.diameter = in.Diameter / 1000.0f;
    area = kPi * c.diameter * c.diameter / 4.0f;
    c.innerPerimeter = kPi * c.diameter;
    hydraulicDiameter = c.diameter;
  }
  c.heatCapacity = (1.29f - 0.00346f * tin) * 1000.0f;
  switch (in.FlowUnit) {
    case code::FlowUnit::CubicMetresPerHour:
      c.flow = in.Flow / 3600.0f;
      break;
    case code::FlowUnit::LitresPerSecond:
      c.flow = in.Flow / 1000.0f;
      break;
    case code::FlowUnit::MetresPerSecond:
      c.flow = in.Flow * area;
      break;
  }
  if (in.UserInnerCoefficient != 0) {
    c.innerCoefficient = in.InnerCoefficient;
  } else {
    const float velocity = c.flow / area;
    const float reynolds = hydraulicDiameter * velocity / air::KinematicViscosity(tin);
    c.innerCoefficient = air::InnerCoefficient(air::Conductivity(tin), reynolds, hydraulicDiameter);
  }
  c.effectiveLength = in.Length;
  if (in.UninsulatedHangers != 0) {
    c.effectiveLength = in.Length * search::HangerFactor(in.Surroundings);
  }
  c.windSpeed = in.WindSpeed;
  c.outerCoefficient = in.OuterCoefficient;
  c.emissivity = in.Insulation.Emissivity();
  c.lambda = in.Insulation.Conductivity();
  return c;
}

InternalCondensationResult CalculateInternalCondensation(const InnvendigKondensInputs& in) {
  return InternalCondensationRun(in).Run();
}

}  // namespace kav
