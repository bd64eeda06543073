#include "modules/kanal_temp/kanal_temp_calculate.h"

#include <cmath>

#include "core/formulas.h"
#include "core/strings.h"

namespace kav {
namespace {

// The freezing point of air: no freezing check in ducts.
constexpr float kAirFreezingPoint = -273.0f;

bool KnownCodes(const CSegment& s) {
  return code::IsRun(s.Type) && code::IsKnown(s.Surroundings) && code::IsKnown(s.FlowUnit) &&
         (s.Vertical == 0 || s.Vertical == 1);
}

bool DimensionsPositive(const CSegment& s) {
  const bool section =
      code::IsCircular(s.Type) ? s.Diameter > 0.0f : s.Width > 0.0f && s.Height > 0.0f;
  return section && s.Length > 0.0f;
}

int SegmentInputError(const CSegment& s) {
  if (!KnownCodes(s)) return ids::ReasonUnknownDuctCode;
  if (!DimensionsPositive(s)) return ids::ReasonDimensionNotPositive;
  if (!(s.VolumeFlow() > 0.0f) || (s.UserInnerCoefficient != 0 && !(s.InnerCoefficient >= 0.0f))) {
    return ids::ReasonNoFlow;
  }
  if (s.Uninsulated != 0) return 0;
  const float t1 = s.Layer1.ThicknessAt(s.Diameter);
  if (!(t1 > 0.0f)) return ids::ReasonDimensionNotPositive;
  if (s.HasTwoLayers() && !(s.Layer2.ThicknessAt(s.Diameter + 2.0f * t1) > 0.0f)) {
    return ids::ReasonDimensionNotPositive;
  }
  // The lining inside a duct leaves a free section.
  if (s.Type == code::Geometry::InternalDuct && !(s.Width > 2.0f * t1 && s.Height > 2.0f * t1)) {
    return ids::ReasonDimensionNotPositive;
  }
  return 0;
}

bool Finite(const SegmentResult& r) {
  return std::isfinite(r.outletTemperature) && std::isfinite(r.heatLoss) &&
         std::isfinite(r.outerCoefficient) && std::isfinite(r.innerCoefficient) &&
         std::isfinite(r.quantity1) && std::isfinite(r.quantity2);
}

bool Finite(const FlowingMediumResult& r) {
  return std::isfinite(r.totalLoss) && std::isfinite(r.meanLoss) && std::isfinite(r.energy) &&
         std::isfinite(r.cost) && std::isfinite(r.totalQuantity) && std::isfinite(r.dewPoint);
}

FlowingMediumResult Refused(int reason) {
  FlowingMediumResult r;
  r.outcome.Refuse(reason);
  return r;
}

Notice Question(int id, std::string text, Notice::Buttons buttons) {
  return {id, std::move(text), Icon::Exclamation, buttons};
}

// Why the inputs cannot be calculated (a reason of CalculationNotPossible),
// or 0: codes out of range, no positive dimension, thickness (also the free
// width inside a lined duct), flow or medium properties, a humidity the dew
// point is not defined for.
int InputError(const KanalTempInputs& in) {
  if (code::ToInt(in.RunType) < 0 || code::ToInt(in.RunType) > 3) {
    return ids::ReasonUnknownDuctCode;
  }
  const bool air = code::CarriesAir(in.RunType);
  if (!air && !(in.Density() > 0.0f && in.HeatCapacity() > 0.0f)) {
    return ids::ReasonNoFiniteResult;
  }
  if (air && in.CheckDewPoint != 0 &&
      !(in.RelativeHumidity > 0.0f && in.RelativeHumidity < 100.0f)) {
    return ids::ReasonHumidityRange;
  }
  for (const CSegment* segment : in.Segments) {
    if (const int reason = SegmentInputError(*segment)) return reason;
  }
  return 0;
}

}  // namespace

FlowingMediumResult CalculateFlowingMedium(const KanalTempInputs& in, const Ask& ask) {
  if (in.Segments.empty()) {
    FlowingMediumResult r;
    r.outcome.Fail(ids::SegmentListEmpty, Str(ids::SegmentListEmpty), Icon::Exclamation);
    return r;
  }
  if (const int reason = InputError(in)) return Refused(reason);

  FlowingMediumResult r;
  r.ducts = code::CarriesAir(in.RunType);
  const float density = in.Density();
  const float heatCapacity = in.HeatCapacity();
  const float freezingPoint = r.ducts ? kAirFreezingPoint : in.FreezingPoint();
  r.dewPointChecked = in.CheckDewPoint != 0 && r.ducts;
  if (r.dewPointChecked) r.dewPoint = DewPoint(in.RelativeHumidity, in.InletTemperature);

  float t = in.InletTemperature;
  for (const CSegment* segment : in.Segments) {
    if (segment->MaxProductTemperature() < t &&
        !ask(Question(ids::InletTemperatureAboveProductMax,
                      Substitute(Str(ids::InletTemperatureAboveProductMax), {segment->Name}),
                      Notice::Buttons::OkCancel))) {
      r.outcome.Stop();
      return r;
    }
    const SegmentResult s = segment->CalculateSegment(t, density, heatCapacity);
    if (!Finite(s)) return Refused(ids::ReasonNoFiniteResult);
    r.segments.push_back(s);
    t = s.outletTemperature;
    r.totalLoss += s.heatLoss;
    r.totalLength += segment->Length;
    // Row by row, as the quantity table lists them.
    r.totalQuantity += s.quantity1;
    if (segment->HasTwoLayers()) r.totalQuantity += s.quantity2;
    if (r.dewPointChecked && r.dewPoint > t &&
        ask(Question(ids::BelowDewPointAtSegmentOutlet,
                     FormatId(ids::BelowDewPointAtSegmentOutlet, segment->Name, t, r.dewPoint),
                     Notice::Buttons::YesNo))) {
      r.outcome.Stop();
      return r;
    }
    if (freezingPoint > t) {
      r.outcome.Fail(ids::MediumFreezesInSegment,
                     Substitute(Str(ids::MediumFreezesInSegment), {segment->Name}));
      return r;
    }
  }
  r.meanLoss = r.totalLoss / r.totalLength;
  r.energy = r.totalLoss * in.OperatingHours / 1000.0f;
  r.cost = r.energy * in.EnergyPrice / 100.0f;
  if (!Finite(r)) return Refused(ids::ReasonNoFiniteResult);
  return r;
}

}  // namespace kav
