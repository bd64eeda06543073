// One segment of a flowing-media run: the surface temperature by secant
// search, the linear transmittance, the exponential decay of the medium's
// temperature over the length, then the accessories as a bare stretch.
#include <algorithm>
#include <cmath>

#include "core/formulas.h"
#include "modules/common/air.h"
#include "modules/common/surface_search.h"
#include "modules/kanal_temp/segment.h"

namespace kav {
namespace {

using search::kMaxIterations;
using search::SurfaceSecant;

// The lowest inner coefficient of a two-layer duct unless the user gives one.
constexpr float kMinTwoLayerInnerCoefficient = 2.5f;
// Below this difference between medium and ambient no heat flows.
constexpr float kNoFlowDifference = 0.1f;

class SegmentCalculation {
 public:
  SegmentCalculation(const CSegment& s, float tin, float density, float heatCapacity)
      : s_(s), tin_(tin), ta_(s.AmbientTemperature), density_(density), cp_(heatCapacity) {
    outer_.surroundings = s.Surroundings;
    outer_.vertical = s.Vertical;
    outer_.ambientTemperature = ta_;
    outer_.windSpeed = s.WindSpeed;
    outer_.userCoefficient = s.OuterCoefficient;
  }

  SegmentResult Run();

 private:
  bool Pipe() const { return s_.Type == code::Geometry::Pipe; }
  bool Circular() const { return code::IsCircular(s_.Type); }
  // Heat flows: medium and ambient differ by more than 0.1 K and, in a duct,
  // the inner coefficient lets heat through.
  bool Flows(float t, float innerCoefficient) const {
    return std::fabs(t - ta_) > kNoFlowDifference && (Pipe() || innerCoefficient > 0.0f);
  }
  float EffectiveLength() const {
    return s_.UninsulatedHangers != 0 ? s_.Length * search::HangerFactor(s_.Surroundings)
                                      : s_.Length;
  }
  // The inner coefficient of air at t in a duct of hydraulic diameter dh.
  float InnerCoefficient(float t, float dh) const;
  // The volumetric heat capacity at t: the liquid's, or of air.
  float HeatCapacity(float t) const { return Pipe() ? density_ * cp_ : air::Density(t) * 1000.0f; }
  // The medium's temperature after `length` m of transmittance u from t.
  float Decay(float t, float length, float u, float c) const {
    return ta_ + (t - ta_) * ExpF(-length * u / (s_.VolumeFlow() * c));
  }
  // αo at ts; on the ambient temperature itself (a segment that starts
  // there) the radiation part takes its limit 4·ε·5.67·((Ta + 273.15)/100)³/100.
  float OuterCoefficient(float ts, float size, float emissivity) const {
    if (ts != ta_ || !code::IsIndoorsOrOutdoors(s_.Surroundings)) {
      return outer_.Coefficient(ts, size, emissivity);
    }
    const float a = (ta_ + 273.15f) / 100.0f;
    return outer_.Convection(ts, size) +
           emissivity * kRadiationConstant * 4.0f * a * a * a / 100.0f;
  }
  float BareEmissivity() const {
    return RowEmissivityOr(s_.Surface, s_.UserEmissivity, s_.Emissivity);
  }

  void OneLayer();
  void TwoLayers();
  void Accessories();

  const CSegment& s_;
  float tin_;
  float ta_;
  float density_;
  float cp_;
  search::OuterFilm outer_;
  SegmentResult r_;
};

float SegmentCalculation::InnerCoefficient(float t, float dh) const {
  if (s_.UserInnerCoefficient != 0) return s_.InnerCoefficient;
  const float velocity = s_.VolumeFlow() / s_.CrossSection();
  const float reynolds = dh * velocity / air::KinematicViscosity(t);
  return air::InnerCoefficient(air::Conductivity(t), reynolds, dh);
}

SegmentResult SegmentCalculation::Run() {
  if (s_.HasTwoLayers()) {
    TwoLayers();
  } else {
    OneLayer();
  }
  if (s_.HasAccessories != 0) Accessories();
  return r_;
}

void SegmentCalculation::OneLayer() {
  const bool insulated = s_.Uninsulated == 0;
  const float s = insulated ? s_.Layer1.ThicknessAt(s_.Diameter) / 1000.0f : 0.0f;
  const float w = s_.Width / 1000.0f;
  const float h = s_.Height / 1000.0f;
  float po = 0.0f;    // outer perimeter
  float pi = 0.0f;    // inner perimeter
  float dh = 0.0f;    // hydraulic diameter
  float g = 0.0f;     // insulation factor
  float size = 0.0f;  // (equivalent) outer diameter
  if (Circular()) {
    const float d = s_.Diameter / 1000.0f;
    const float outer = d + 2.0f * s;
    po = kPi * outer;
    pi = kPi * d;
    dh = d;
    g = LogF(outer / d) / (2.0f * kPi);
    size = outer;
  } else {
    if (s_.Type == code::Geometry::RectangularDuct) {
      po = 2.0f * w + 2.0f * h + 8.0f * s;
      pi = 2.0f * w + 2.0f * h;
    } else {
      po = 2.0f * w + 2.0f * h;
      pi = 2.0f * (w - 2.0f * s) + 2.0f * (h - 2.0f * s);
    }
    dh = 4.0f * s_.CrossSection() / pi;
    g = s / po;
    size = po / kPi;
  }
  const float emissivity = insulated ? s_.Layer1.Emissivity() : BareEmissivity();
  float ts = tin_;
  if (insulated) {
    ts = search::StartSurfaceTemperature(s, tin_, ta_);
  } else if (!Pipe()) {
    ts = (tin_ + ta_) / 2.0f;
  }
  const float ai = Pipe() ? 0.0f : InnerCoefficient(tin_, dh);
  r_.innerCoefficient = ai;
  r_.outerCoefficient = OuterCoefficient(ts, size, emissivity);
  r_.outletTemperature = tin_;
  r_.quantity1 = s_.OuterArea1();
  if (!Flows(tin_, ai)) return;

  const ConductivityPolynomial lambda = s_.Layer1.Conductivity();
  SurfaceSecant secant(tin_, ta_);
  float ao = 0.0f;
  float qIn = 0.0f;
  float qOut = 0.0f;
  for (int i = 0; i < kMaxIterations; ++i) {
    ao = OuterCoefficient(ts, size, emissivity);
    qOut = ao * po * (ts - ta_);
    // The inside resistance of a bare pipe is neglected: its surface is at
    // the medium temperature.
    if (!insulated && Pipe()) break;
    qIn = insulated ? lambda.Integral(ts, tin_) / g : ai * po * (tin_ - ts);
    if (secant.Take(ts, qIn - qOut) != SurfaceSecant::Next::Step) break;
  }
  float u = 0.0f;
  if (Pipe()) {
    u = qOut / (tin_ - ta_);
  } else if (!insulated) {
    u = ai * ao * po / (ai + ao);
  } else {
    u = 1.0f / ((tin_ - ta_) / qIn + 1.0f / (ai * pi));
  }
  const float c = HeatCapacity(tin_);
  const float tout = Decay(tin_, EffectiveLength(), u, c);
  r_.outerCoefficient = ao;
  r_.outletTemperature = tout;
  r_.heatLoss = c * s_.VolumeFlow() * (tin_ - tout);
}

void SegmentCalculation::TwoLayers() {
  const float t1 = s_.Layer1.ThicknessAt(s_.Diameter);
  const float s1 = t1 / 1000.0f;
  const float s2 = s_.Layer2.ThicknessAt(s_.Diameter + 2.0f * t1) / 1000.0f;
  const float d = s_.Diameter / 1000.0f;
  const float d1 = d + 2.0f * s1;
  const float d2 = d1 + 2.0f * s2;
  const float w = s_.Width / 1000.0f;
  const float h = s_.Height / 1000.0f;
  float po = 0.0f;
  float pi = 0.0f;
  float p1 = 0.0f;  // outer perimeter of layer 1 (rectangular)
  float dh = 0.0f;
  float g2 = 0.0f;
  float size = 0.0f;
  if (Circular()) {
    po = kPi * d2;
    pi = kPi * d;
    dh = d;
    g2 = LogF(d2 / d1) / (2.0f * kPi);
    size = d2;
  } else {
    po = 2.0f * (w + 2.0f * (s1 + s2)) + 2.0f * (h + 2.0f * (s1 + s2));
    pi = 2.0f * w + 2.0f * h;
    p1 = 2.0f * (w + 2.0f * s1) + 2.0f * (h + 2.0f * s1);
    dh = 4.0f * s_.CrossSection() / pi;
    g2 = s2 / po;
    size = po / 3.14f;
  }
  const float emissivity = s_.Layer2.Emissivity();
  float ts = search::StartSurfaceTemperature(s1 + s2, tin_, ta_);
  float ai = 0.0f;
  if (!Pipe()) {
    ai = InnerCoefficient(tin_, dh);
    if (s_.UserInnerCoefficient == 0) ai = std::max(ai, kMinTwoLayerInnerCoefficient);
  }
  r_.innerCoefficient = ai;
  r_.outerCoefficient = OuterCoefficient(ts, size, emissivity);
  r_.outletTemperature = tin_;
  r_.quantity1 = s_.OuterArea1();
  r_.quantity2 = s_.OuterArea2();
  if (!Flows(tin_, ai)) return;

  const ConductivityPolynomial poly1 = s_.Layer1.Conductivity();
  const ConductivityPolynomial poly2 = s_.Layer2.Conductivity();
  const float dT = tin_ - ta_;
  const float across = s1 + s2 + 0.008f;
  float lambda1 = poly1.At(tin_ - (s1 / 2.0f + 0.004f) * dT / across);
  float lambda2 = poly2.At(ta_ + (s2 / 2.0f + 0.004f) * dT / across);
  const float length = EffectiveLength();
  const float c = HeatCapacity(tin_);
  const float v = s_.VolumeFlow();
  // The inner film's resistance per metre.
  const float innerFilm = Circular() ? 1.0f / (ai * kPi * dh) : 1.0f / (ai * pi);
  SurfaceSecant secant(tin_, ta_);
  float ao = 0.0f;
  float qIn = 0.0f;
  float qOut = 0.0f;
  float tw = tin_;  // inner wall
  float tj = tin_;  // between the layers
  float tm = tin_;  // mean air temperature
  for (int i = 0; i < kMaxIterations; ++i) {
    if (i >= 1) {
      lambda1 = poly1.At((tw + tj) / 2.0f);
      lambda2 = poly2.At((tj + ts) / 2.0f);
    }
    float k1 = 0.0f;
    float k2 = 0.0f;
    if (Circular()) {
      k1 = 2.0f * kPi * lambda1 / LogF(d1 / d);
      k2 = 2.0f * kPi * lambda2 / LogF(d2 / d1);
    } else {
      k1 = lambda1 / s1;
      k2 = lambda2 / s2;
    }
    ao = OuterCoefficient(ts, size, emissivity);
    if (Pipe()) {
      tw = tin_;
    } else {
      // The resistance chain per metre: inner film, the two layers, outer
      // film; rectangular layers conduct over their outer perimeters.
      const float r =
          Circular() ? innerFilm + LogF(d1 / d) / (2.0f * kPi * lambda1) +
                           LogF(d2 / d1) / (2.0f * kPi * lambda2) + 1.0f / (ao * kPi * d2)
                     : innerFilm + s1 / (lambda1 * p1) + s2 / (lambda2 * po) + 1.0f / (ao * po);
      const float te = ta_ + (tin_ - ta_) * ExpF(-length / (v * c * r));
      tm = (tin_ + te) / 2.0f;
      tw = tm - innerFilm / r * (tm - ta_);
    }
    const float ko = Circular() ? ao * (k2 * po) / (k2 + ao * po) : k2 * ao / (k2 + ao);
    tj = (tw * k1 + ta_ * ko) / (k1 + ko);
    qIn = poly2.Integral(ts, tj) / g2;
    qOut = ao * po * (ts - ta_);
    if (secant.Take(ts, qIn - qOut) != SurfaceSecant::Next::Step) break;
  }
  const float u = Pipe() ? qOut / (tin_ - ta_) : qIn / (tm - ta_);
  const float tout = Decay(tin_, length, u, c);
  r_.outerCoefficient = ao;
  r_.outletTemperature = tout;
  r_.heatLoss = c * v * (tin_ - tout);
}

void SegmentCalculation::Accessories() {
  float le = 0.0f;
  for (const CTilleggsutstyr* accessory : s_.Accessories) {
    le += accessory->EquivalentLengthAt(s_.Diameter);
  }
  if (le <= 0.0f) return;
  const float t = r_.outletTemperature;
  float p = 0.0f;
  float size = 0.0f;
  if (Circular()) {
    size = s_.Diameter / 1000.0f;
    p = kPi * size;
  } else {
    p = 2.0f * (s_.Width / 1000.0f) + 2.0f * (s_.Height / 1000.0f);
    size = p / kPi;
  }
  const float ai = Pipe() ? 0.0f : InnerCoefficient(t, size);
  if (!Flows(t, ai)) return;
  const float emissivity = BareEmissivity();
  float ts = Pipe() ? t : (t + ta_) / 2.0f;
  SurfaceSecant secant(t, ta_);
  float ao = 0.0f;
  for (int i = 0; i < kMaxIterations; ++i) {
    ao = OuterCoefficient(ts, size, emissivity);
    if (Pipe()) break;
    const float qIn = ai * p * (t - ts);
    const float qOut = ao * p * (ts - ta_);
    if (secant.Take(ts, qIn - qOut) != SurfaceSecant::Next::Step) break;
  }
  const float u = Pipe() ? ao * p : ai * ao * p / (ai + ao);
  const float c = HeatCapacity(t);
  const float after = Decay(t, le, u, c);
  r_.outletTemperature = after;
  r_.heatLoss += c * s_.VolumeFlow() * (t - after);
}

}  // namespace

SegmentResult CSegment::CalculateSegment(float tin, float density, float heatCapacity) const {
  return SegmentCalculation(*this, tin, density, heatCapacity).Run();
}

}  // namespace kav
