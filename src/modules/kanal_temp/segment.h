#pragma once
// One stretch of a flowing-media run: a pipe or duct of its own dimensions,
// insulation, surroundings and flow. The module chains its segments, each
// outlet temperature being the next segment's inlet temperature.
#include <memory>
#include <string>

#include "core/item.h"
#include "data/mantling.h"
#include "data/sub_list.h"
#include "modules/common/row_ref.h"
#include "modules/insulation/isolasjon.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "modules/kanal_temp/kanal_temp_result.h"
#include "output/tabell.h"

namespace kav {

// A segment's inputs, with the defaults of a new segment.
struct SegmentInputs {
  explicit SegmentInputs(code::Geometry type = code::Geometry::Pipe);

  // A pipe or one of the three ducts; also the layers' field of use.
  code::Geometry Type = code::Geometry::Pipe;
  float Height = 200.0f;    // mm, inside (types 2, 3)
  float Width = 200.0f;     // mm, inside (types 2, 3)
  float Diameter = 100.0f;  // mm (types 0, 1)
  float Length = 10.0f;     // m
  int Uninsulated = 0;
  int TwoLayers = 0;
  CIsolasjon Layer1;
  CIsolasjon Layer2;
  float AmbientTemperature = 20.0f;  // °C
  code::Surroundings Surroundings = code::Surroundings::Indoors;
  float WindSpeed = 2.0f;         // m/s
  float OuterCoefficient = 5.0f;  // W/m²K
  int UserInnerCoefficient = 0;
  float InnerCoefficient = 10.0f;  // W/m²K
  code::FlowUnit FlowUnit = code::FlowUnit::CubicMetresPerHour;
  float Flow = 100.0f;
  int HasAccessories = 0;
  SubList<CTilleggsutstyr> Accessories;
  int UserEmissivity = 0;  // the bare surface's Emissivity typed in
  RowRef<COverflate> Surface;
  float Emissivity = 0.94f;
  int Vertical = 0;
  int UninsulatedHangers = 0;

  // Insulated with two layers (not inside a duct).
  bool HasTwoLayers() const {
    return Uninsulated == 0 && TwoLayers != 0 && Type != code::Geometry::InternalDuct;
  }

  template <class F>
  void ForEachList(F&& f) {
    f(Accessories);
  }
};

class CSegment final : public CListItem, public SegmentInputs {
 public:
  static constexpr const char* kClassName = "CSegment";

  // An unnamed segment of `type` with the defaults: layer 1 for the type,
  // layer 2 as an outer layer without product.
  explicit CSegment(code::Geometry type = code::Geometry::Pipe);
  // Every field with the name and the user list; the copy refers to the
  // same rows as a user of its own. The input table is not copied.
  CSegment(const CSegment& other);
  CSegment& operator=(const CSegment&) = delete;
  ~CSegment() override = default;

  // A new, unnamed segment of `type`. A template gives it everything but its
  // name and type and, unless the types match, its layers.
  static std::unique_ptr<CSegment> NewSegment(code::Geometry type, const CSegment* from);

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // A new segment with this one as template and of its type.
  std::unique_ptr<CListItem> CreateNew() const override;
  // The segment dialog on a copy; after OK the copy comes back; 1 after OK.
  int EditInput() override;
  void ReplaceReference(CItem* item) override;

  // The description beside the segment list; empty for type 3.
  std::string Describe() const;
  // The flow as the tables show it, in its unit.
  std::string FlowText() const;
  // The flow in m³/s.
  float VolumeFlow() const;
  // The inside cross-section in m².
  float CrossSection() const;
  // The highest medium temperature the insulation stands: layer 1's
  // product from the product database, else 10000 °C.
  float MaxProductTemperature() const;
  // The segment from the inlet temperature tin (°C) of its medium, of
  // density (kg/m³) and heat capacity (J/kgK) for a liquid; air in ducts.
  // Pure; the run checks the inputs before.
  SegmentResult CalculateSegment(float tin, float density, float heatCapacity) const;
  // The outer surface of the insulation over the length (m²): of layer 1,
  // and over both layers.
  float OuterArea1() const;
  float OuterArea2() const;

  CTabell InputTable;  // the segment's own input table
};

}  // namespace kav
