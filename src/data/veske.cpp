#include "data/veske.h"

#include "core/archive.h"
#include "data/row_edit.h"

namespace kav {

void CVeske::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Float(Density);
  ar.Float(HeatCapacity);
  ar.Float(FreezingPoint);
}

std::unique_ptr<CListItem> CVeske::Clone() const {
  return std::make_unique<CVeske>(*this);
}

bool CVeske::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CVeske*>(&other);
  return o != nullptr && Density == o->Density && HeatCapacity == o->HeatCapacity &&
         FreezingPoint == o->FreezingPoint;
}

int CVeske::EditInput() {
  return EditRow(*this);
}

}  // namespace kav
