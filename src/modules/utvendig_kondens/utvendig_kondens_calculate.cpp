#include "modules/utvendig_kondens/utvendig_kondens_calculate.h"

#include <cmath>

#include "core/strings.h"

namespace kav {
namespace {

using code::CondensationObject;
using Found = DewPointThickness::Outcome;

bool Finite(const DewPointSurface& s) {
  return std::isfinite(s.thickness) && std::isfinite(s.surfaceTemperature) &&
         std::isfinite(s.coefficient) && std::isfinite(s.heatFlow);
}

bool KnownCodes(const UtvendigKondensInputs& in) {
  return code::IsKnown(in.ObjectType) && code::IsKnown(in.Surroundings) &&
         (in.Vertical == 0 || in.Vertical == 1);
}

bool DimensionsUsable(const UtvendigKondensInputs& in) {
  if (code::HasDiameter(in.ObjectType)) return in.Diameter > 0.0f;
  if (code::IsFlat(in.ObjectType)) return in.Vertical == 0 || in.Height > 0.0f;
  return in.Height > 0.0f && in.Width > 0.0f;
}

// One calculation of the inputs into a result.
class ExternalCondensationRun {
 public:
  explicit ExternalCondensationRun(const UtvendigKondensInputs& in)
      : in_(in), case_(DewPointCaseOf(in)), search_(case_) {}

  ExternalCondensationResult Run();

 private:
  DewPointThickness TwoLayers();
  void CompareStandard();
  // m² of insulation per metre with the (inner) layer s m thick.
  float Quantity(float s) const;
  bool AllFinite() const;
  ExternalCondensationResult Refused(int reason) {
    r_ = ExternalCondensationResult();
    r_.outcome.Refuse(reason);
    return r_;
  }

  const UtvendigKondensInputs& in_;
  DewPointCase case_;
  DewPointSearch search_;
  GivenOuterLayer outer_;
  LayerConductivities conductivities_;
  ExternalCondensationResult r_;
};

ExternalCondensationResult ExternalCondensationRun::Run() {
  if (!KnownCodes(in_)) return Refused(ids::ReasonUnknownObjectCode);
  if (!DimensionsUsable(in_)) return Refused(ids::ReasonDimensionNotPositive);
  const float humidity = in_.RelativeHumidity;
  r_.dewPoint = case_.dewPoint;
  if (!(humidity > 0.0f && humidity < 100.0f) || !(case_.dewPoint < case_.ambientTemperature)) {
    return Refused(ids::ReasonHumidityRange);
  }

  DewPointThickness found;
  if (in_.CalculatesTwoLayers()) {
    found = TwoLayers();
    if (!r_.outcome.ok) return r_;
  } else if (code::IsInsideDuct(in_.ObjectType)) {
    found = search_.Inside(in_.Layer1.Conductivity(), in_.Layer1.Emissivity());
  } else {
    found = search_.OneLayer(in_.Layer1.Conductivity(), in_.Layer1.Emissivity());
  }
  if (found.outcome == Found::TooThick) {
    r_.outcome.Fail(ids::ThicknessTooLarge, Str(ids::ThicknessTooLarge));
    return r_;
  }
  r_.needed = found.surface;
  r_.quantity = Quantity(r_.needed.thickness);
  if (r_.needed.thickness > 0.0f) CompareStandard();
  if (!AllFinite()) return Refused(ids::ReasonNoFiniteResult);
  return r_;
}

DewPointThickness ExternalCondensationRun::TwoLayers() {
  // The outer layer's thickness is taken on the start estimate of the total.
  const float start = search_.StartThickness();
  const float diameter = in_.Diameter + 2.0f * (start * 1000.0f);
  outer_ = {in_.Layer2.ThicknessAt(diameter) / 1000.0f, in_.Layer2.Conductivity(),
            in_.Layer2.Emissivity()};
  if (!(outer_.thickness > 0.0f)) {
    Refused(ids::ReasonOuterLayerWithoutThickness);
    return {};
  }
  return search_.TwoLayers(start, in_.Layer1.Conductivity(), outer_, conductivities_);
}

void ExternalCondensationRun::CompareStandard() {
  const float diameter = code::HasDiameter(in_.ObjectType) ? in_.Diameter : -1.0f;
  const auto lookup = in_.Layer1.LookUpStandardThickness(r_.needed.thickness, diameter);
  if (!lookup) return;
  r_.lookedUp = true;
  r_.standardThickness = lookup->thickness;
  r_.standardText = lookup->text;
  if (!(lookup->thickness > 0.0f)) return;
  const float s = lookup->thickness / 1000.0f;
  // Half the inside room or more leaves no duct: the standard thickness
  // does not fit.
  if (code::IsInsideDuct(in_.ObjectType) && !(s < search_.InsideLimit())) {
    r_.standardFits = false;
    return;
  }
  const ConductivityPolynomial lambda = in_.Layer1.Conductivity();
  r_.standard = in_.CalculatesTwoLayers()
                    ? search_.TwoLayerSurface(s, s, lambda, outer_, conductivities_)
                    : search_.Surface(s, lambda, in_.Layer1.Emissivity());
  r_.standardQuantity = Quantity(s);
}

float ExternalCondensationRun::Quantity(float s) const {
  if (code::IsFlat(in_.ObjectType) || s <= 0.0001f) return 0.0f;
  const float outer = in_.CalculatesTwoLayers() ? outer_.thickness : 0.0f;
  const float h = in_.Height / 1000.0f;
  const float w = in_.Width / 1000.0f;
  switch (in_.ObjectType) {
    case CondensationObject::Pipe:
    case CondensationObject::CircularDuct:
      return RoundSurface(in_.Diameter / 1000.0f + 2.0f * s + 2.0f * outer, 1.0f);
    case CondensationObject::RectangularDuct:
      return RectSurface(h + 2.0f * (s + outer), w + 2.0f * (s + outer), 1.0f);
    case CondensationObject::CircularDuctInside:
      return RoundSurface(in_.Diameter / 1000.0f, 1.0f);
    case CondensationObject::RectangularDuctInside:
      return RectSurface(h, w, 1.0f);
    default:
      return 0.0f;
  }
}

bool ExternalCondensationRun::AllFinite() const {
  if (!std::isfinite(r_.dewPoint) || !Finite(r_.needed) || !std::isfinite(r_.quantity)) {
    return false;
  }
  return !r_.Compares() || (Finite(r_.standard) && std::isfinite(r_.standardQuantity));
}

}  // namespace

DewPointCase DewPointCaseOf(const UtvendigKondensInputs& in) {
  DewPointCase c;
  c.object = in.ObjectType;
  c.surroundings = in.Surroundings;
  c.vertical = in.Vertical;
  c.mediumTemperature = in.MediumTemperature;
  c.ambientTemperature = in.AmbientTemperature;
  c.dewPoint = DewPoint(in.RelativeHumidity, in.AmbientTemperature);
  c.diameter = in.Diameter;
  c.height = in.Height;
  c.width = in.Width;
  c.windSpeed = in.WindSpeed;
  c.outerCoefficient = in.OuterCoefficient;
  return c;
}

ExternalCondensationResult CalculateExternalCondensation(const UtvendigKondensInputs& in) {
  return ExternalCondensationRun(in).Run();
}

}  // namespace kav
