#pragma once
// Accessory types (valves, flanges ...) with the pipe length that has the
// same heat loss as one unit, by pipe diameter band.
#include <memory>

#include "core/item.h"
#include "data/sub_list.h"

namespace kav {

class CTilleggslengde final : public CListItem {
 public:
  static constexpr const char* kClassName = "CTilleggslengde";

  CTilleggslengde();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // The name is the band: "10 - 50 mm".
  void UpdateName();

  float AdditionalLength = 1.0f;  // m
  float MinDiameter = 10.0f;      // mm
  float MaxDiameter = 50.0f;      // mm
};

// Keeps an accessory type's bands ascending by additional length.
CTilleggslengde* InsertInOrder(TypedList<CTilleggslengde>& list,
                               std::unique_ptr<CTilleggslengde> row);

class CTillegg2 final : public CListItem {
 public:
  static constexpr const char* kClassName = "CTillegg2";

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;
  void NotifyUsers() override;

  // The additional length (m) of one unit on a pipe of diameter d (mm): the
  // first band holding d; below the first band that band, otherwise (above
  // every band or in a gap) the last one; 0 without bands.
  float AdditionalLengthFor(float d) const;

  ObjectList& SubRows() { return Lengths; }

  SubList<CTilleggslengde> Lengths;
};

}  // namespace kav
