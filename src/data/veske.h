#pragma once
// Liquids: the medium's density, heat capacity and freezing point.
#include <memory>

#include "core/item.h"

namespace kav {

class CVeske final : public CListItem {
 public:
  static constexpr const char* kClassName = "CVeske";

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  float Density = 999.0f;        // kg/m³
  float HeatCapacity = 4180.0f;  // J/kgK
  float FreezingPoint = 0.0f;    // °C
};

}  // namespace kav
