#include "data/tillegg.h"

#include "core/archive.h"
#include "core/strings.h"
#include "data/row_edit.h"

namespace kav {

// ---- CTilleggslengde

CTilleggslengde::CTilleggslengde() {
  UpdateName();
}

void CTilleggslengde::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Float(AdditionalLength);
  ar.Float(MinDiameter);
  ar.Float(MaxDiameter);
}

std::unique_ptr<CListItem> CTilleggslengde::Clone() const {
  return std::make_unique<CTilleggslengde>(*this);
}

bool CTilleggslengde::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CTilleggslengde*>(&other);
  return o != nullptr && AdditionalLength == o->AdditionalLength && MinDiameter == o->MinDiameter &&
         MaxDiameter == o->MaxDiameter;
}

int CTilleggslengde::EditInput() {
  return EditRow(*this);
}

void CTilleggslengde::UpdateName() {
  Name = FormatId(ids::AccessoryLengthBandName, MinDiameter, MaxDiameter);
}

CTilleggslengde* InsertInOrder(TypedList<CTilleggslengde>& list,
                               std::unique_ptr<CTilleggslengde> row) {
  return InsertOrdered(list, std::move(row),
                       [](const CTilleggslengde& band) { return band.AdditionalLength; });
}

// ---- CTillegg2

void CTillegg2::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  SerializeList(ar, Lengths);
}

std::unique_ptr<CListItem> CTillegg2::Clone() const {
  return std::make_unique<CTillegg2>(*this);
}

bool CTillegg2::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CTillegg2*>(&other);
  return o != nullptr && ListsEqual(Lengths, o->Lengths);
}

int CTillegg2::EditInput() {
  return EditRow(*this);
}

void CTillegg2::NotifyUsers() {
  CListItem::NotifyUsers();
  NotifyAll(Lengths);
}

float CTillegg2::AdditionalLengthFor(float d) const {
  if (Lengths.empty()) return 0.0f;
  for (const CTilleggslengde* band : Lengths) {
    if (band->MinDiameter <= d && d <= band->MaxDiameter) return band->AdditionalLength;
  }
  if (Lengths.front()->MinDiameter > d) return Lengths.front()->AdditionalLength;
  return Lengths.back()->AdditionalLength;
}

}  // namespace kav
