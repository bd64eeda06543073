#include "modules/kanal_temp/segment.h"

#include "core/archive.h"
#include "core/editors.h"
#include "core/formulas.h"
#include "core/strings.h"
#include "modules/common/module_inputs.h"
#include "modules/common/stored_reference.h"

namespace kav {
namespace {

constexpr float kNoTemperatureLimit = 10000.0f;

// The outer surface over the length (m²) of insulation s m thick.
float OuterAreaAt(const SegmentInputs& in, float s) {
  if (in.Uninsulated != 0) return 0.0f;
  const float w = in.Width / 1000.0f;
  const float h = in.Height / 1000.0f;
  switch (in.Type) {
    case code::Geometry::Pipe:
    case code::Geometry::CircularDuct:
      return kPi * (in.Diameter / 1000.0f + 2.0f * s) * in.Length;
    case code::Geometry::RectangularDuct:
      return 2.0f * (w + 2.0f * s + h + 2.0f * s) * in.Length;
    case code::Geometry::InternalDuct:
      return 2.0f * (w + h) * in.Length;
    default:
      return 0.0f;
  }
}

}  // namespace

SegmentInputs::SegmentInputs(code::Geometry type)
    : Type(type), Layer1(code::UsageFor(type), 1, 1), Layer2(code::UsageFor(type), 1, 0) {}

CSegment::CSegment(code::Geometry type) : SegmentInputs(type) {
  Surface.Bind(this);
}

CSegment::CSegment(const CSegment& other) : CListItem(other), SegmentInputs(other) {
  Surface.Bind(this);
}

std::unique_ptr<CSegment> CSegment::NewSegment(code::Geometry type, const CSegment* from) {
  auto segment = std::make_unique<CSegment>(type);
  if (from != nullptr) {
    SegmentInputs copied = *from;
    copied.Type = type;
    if (from->Type != type) {
      copied.Layer1 = segment->Layer1;
      copied.Layer2 = segment->Layer2;
    }
    static_cast<SegmentInputs&>(*segment) = std::move(copied);
  }
  segment->Name.clear();
  return segment;
}

std::unique_ptr<CListItem> CSegment::Clone() const {
  return std::make_unique<CSegment>(*this);
}

std::unique_ptr<CListItem> CSegment::CreateNew() const {
  return NewSegment(Type, this);
}

int CSegment::EditInput() {
  auto copy = CloneAs(*this);
  if (!Editors::Edit(*copy)) return 0;
  Name = copy->Name;
  TakeInputs<SegmentInputs>(*this, *copy, true);
  return 1;
}

void CSegment::ReplaceReference(CItem* item) {
  if (auto* surface = dynamic_cast<COverflate*>(item)) Surface = surface;
}

void CSegment::Serialize(CArchive& ar) {
  ar.String(Name);
  if (ar.IsLoading()) Users.clear();
  ar.Word(Type);
  ar.Float(Width);
  ar.Float(Height);
  ar.Float(InnerCoefficient);
  ar.Word(UserInnerCoefficient);
  ar.Float(AmbientTemperature);
  ar.Word(Surroundings);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Float(Diameter);
  ar.Float(Length);
  ar.Word(Uninsulated);
  ar.Word(HasAccessories);
  ar.Word(FlowUnit);
  ar.Float(Flow);
  ar.Word(UserEmissivity);
  ar.Float(Emissivity);
  ar.Long(Vertical);
  ar.Long(TwoLayers);
  ar.Long(UninsulatedHangers);
  SerializeReference(ar, Surface);
  Layer1.Serialize(ar);
  Layer2.Serialize(ar);
  SerializeList(ar, Accessories);
}

std::string CSegment::FlowText() const {
  const bool pipe = Type == code::Geometry::Pipe;
  switch (FlowUnit) {
    case code::FlowUnit::CubicMetresPerHour:
      return FormatValue(pipe ? ids::FmtCubicMetrePerHour2 : ids::FmtCubicMetrePerHour0, Flow);
    case code::FlowUnit::LitresPerSecond:
      return FormatValue(pipe ? ids::FmtLitrePerSecond2 : ids::FmtLitrePerSecond1, Flow);
    case code::FlowUnit::MetresPerSecond:
      return FormatValue(ids::FmtMetrePerSecond2, Flow);
    default:
      return std::string();
  }
}

std::string CSegment::Describe() const {
  const std::string product = Uninsulated != 0 ? Str(ids::NoInsulation) : Layer1.ProductName();
  const float thickness = Uninsulated != 0 ? 0.0f : Layer1.ThicknessAt(Diameter);
  switch (Type) {
    case code::Geometry::Pipe:
      return FormatId(ids::SegmentDescriptionPipe, product, thickness, Diameter, Length,
                      AmbientTemperature, FlowText());
    case code::Geometry::CircularDuct:
      return FormatId(ids::SegmentDescriptionCircularDuct, product, thickness, Diameter, Length,
                      AmbientTemperature, FlowText());
    case code::Geometry::RectangularDuct:
      return FormatId(ids::SegmentDescriptionRectangularDuct, product, thickness, Height, Width,
                      Length, AmbientTemperature, FlowText());
    default:
      return std::string();
  }
}

float CSegment::VolumeFlow() const {
  switch (FlowUnit) {
    case code::FlowUnit::CubicMetresPerHour:
      return Flow / 3600.0f;
    case code::FlowUnit::LitresPerSecond:
      return Flow / 1000.0f;
    case code::FlowUnit::MetresPerSecond:
      return Flow * CrossSection();
    default:
      return 0.0f;
  }
}

float CSegment::CrossSection() const {
  if (code::IsCircular(Type)) {
    const float d = Diameter / 1000.0f;
    return kPi * d * d / 4.0f;
  }
  if (code::IsRectangular(Type)) return (Width / 1000.0f) * (Height / 1000.0f);
  return 0.0f;
}

float CSegment::MaxProductTemperature() const {
  if (Uninsulated != 0 || Layer1.Source == code::Source::User) return kNoTemperatureLimit;
  const CIsoProdukt* product = Layer1.ActiveProduct();
  return product != nullptr ? product->MaxTemperature : kNoTemperatureLimit;
}

float CSegment::OuterArea1() const {
  return OuterAreaAt(*this, Layer1.ThicknessAt(Diameter) / 1000.0f);
}

float CSegment::OuterArea2() const {
  const float t1 = Layer1.ThicknessAt(Diameter);
  const float s2 = Layer2.ThicknessAt(Diameter + 2.0f * t1) / 1000.0f;
  return OuterAreaAt(*this, t1 / 1000.0f + s2);
}

}  // namespace kav
