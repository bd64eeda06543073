#include "data/user_snapshot.h"

#include "data/absorpsjon.h"
#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "data/tillegg.h"

namespace kav {
namespace {

// The sub-rows a row owns, or null.
ObjectList* SubRowsOf(CListItem& row) {
  if (auto* product = dynamic_cast<CIsoProdukt*>(&row)) return &product->SubRows();
  if (auto* series = dynamic_cast<CKorbuFlexSerie*>(&row)) return &series->SubRows();
  if (auto* accessory = dynamic_cast<CTillegg2*>(&row)) return &accessory->SubRows();
  if (auto* absorption = dynamic_cast<CAbsorpsjon*>(&row)) return &absorption->SubRows();
  return nullptr;
}

}  // namespace

void UserSnapshot::Record(const ObjectList& rows) {
  for (CListItem* row : rows) {
    if (!row->Users.empty()) entries_.emplace_back(row, row->Users);
    if (const ObjectList* subRows = SubRowsOf(*row)) Record(*subRows);
  }
}

void UserSnapshot::Restore() const {
  for (const auto& [row, users] : entries_) {
    for (CItem* user : users) user->ReplaceReference(row);
  }
}

}  // namespace kav
