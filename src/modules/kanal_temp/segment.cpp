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

}  // namespace

SegmentInputs::SegmentInputs(int type) : Type(type), Layer1(type, 1, 1), Layer2(type, 1, 0) {}

CSegment::CSegment(int type) : SegmentInputs(type) {
  Surface.Bind(this);
}

CSegment::CSegment(const CSegment& other) : CListItem(other), SegmentInputs(other) {
  Surface.Bind(this);
}

std::unique_ptr<CSegment> CSegment::NewSegment(int type, const CSegment* from) {
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
  const bool pipe = Type == 0;
  switch (FlowUnit) {
    case 0:
      return FormatValue(pipe ? ids::FmtCubicMetrePerHour2 : ids::FmtCubicMetrePerHour0, Flow);
    case 1:
      return FormatValue(pipe ? ids::FmtLitrePerSecond2 : ids::FmtLitrePerSecond1, Flow);
    case 2:
      return FormatValue(ids::FmtMetrePerSecond2, Flow);
    default:
      return std::string();
  }
}

std::string CSegment::Describe() const {
  const std::string product = Uninsulated != 0 ? Str(ids::NoInsulation) : Layer1.ProductName();
  const float thickness = Uninsulated != 0 ? 0.0f : Layer1.ThicknessAt(Diameter);
  switch (Type) {
    case 0:
      return FormatId(ids::SegmentDescriptionPipe, product, thickness, Diameter, Length,
                      AmbientTemperature, FlowText());
    case 1:
      return FormatId(ids::SegmentDescriptionCircularDuct, product, thickness, Diameter, Length,
                      AmbientTemperature, FlowText());
    case 2:
      return FormatId(ids::SegmentDescriptionRectangularDuct, product, thickness, Height, Width,
                      Length, AmbientTemperature, FlowText());
    default:
      return std::string();
  }
}

float CSegment::VolumeFlow() const {
  switch (FlowUnit) {
    case 0:
      return Flow / 3600.0f;
    case 1:
      return Flow / 1000.0f;
    case 2:
      return Flow * CrossSection();
    default:
      return 0.0f;
  }
}

float CSegment::CrossSection() const {
  switch (Type) {
    case 0:
    case 1: {
      const float d = Diameter / 1000.0f;
      return kPi * d * d / 4.0f;
    }
    case 2:
    case 3:
      return (Width / 1000.0f) * (Height / 1000.0f);
    default:
      return 0.0f;
  }
}

float CSegment::MaxProductTemperature() const {
  if (Uninsulated != 0 || Layer1.Source == 2) return kNoTemperatureLimit;
  const CIsoProdukt* product = Layer1.ActiveProduct();
  return product != nullptr ? product->MaxTemperature : kNoTemperatureLimit;
}

}  // namespace kav
