#include "data/absorpsjon.h"

#include "core/archive.h"
#include "core/strings.h"
#include "data/row_edit.h"

namespace kav {

// ---- CAbsorpsjonTykkelse

CAbsorpsjonTykkelse::CAbsorpsjonTykkelse() {
  UpdateName();
}

void CAbsorpsjonTykkelse::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Float(Thickness);
  for (float& coefficient : Coefficients) ar.Float(coefficient);
}

std::unique_ptr<CListItem> CAbsorpsjonTykkelse::Clone() const {
  return std::make_unique<CAbsorpsjonTykkelse>(*this);
}

int CAbsorpsjonTykkelse::EditInput() {
  return EditRow(*this);
}

bool CAbsorpsjonTykkelse::DiffersFrom(const CAbsorpsjonTykkelse& other) const {
  return Thickness != other.Thickness || Coefficients != other.Coefficients;
}

void CAbsorpsjonTykkelse::UpdateName() {
  Name = FormatId(ids::FmtNumber1, Thickness);
}

CAbsorpsjonTykkelse* InsertInOrder(TypedList<CAbsorpsjonTykkelse>& list,
                                   std::unique_ptr<CAbsorpsjonTykkelse> row) {
  return InsertOrdered(list, std::move(row),
                       [](const CAbsorpsjonTykkelse& t) { return t.Thickness; });
}

// ---- CAbsorpsjon

CAbsorpsjon::CAbsorpsjon() {
  AbsorptionThicknesses.Append(std::make_unique<CAbsorpsjonTykkelse>());
}

void CAbsorpsjon::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Dword(InsulationColour);
  ar.Dword(SurfaceColour);
  SerializeList(ar, AbsorptionThicknesses);
}

std::unique_ptr<CListItem> CAbsorpsjon::Clone() const {
  return std::make_unique<CAbsorpsjon>(*this);
}

bool CAbsorpsjon::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CAbsorpsjon*>(&other);
  return o != nullptr && ListsEqual(AbsorptionThicknesses, o->AbsorptionThicknesses);
}

int CAbsorpsjon::EditInput() {
  return EditRow(*this);
}

void CAbsorpsjon::NotifyUsers() {
  CListItem::NotifyUsers();
  NotifyAll(AbsorptionThicknesses);
}

}  // namespace kav
