#pragma once
// How a document stores a reference to a database row: a copy of the row
// (through the product database), or for a user product its name (through
// the user database). Reading resolves the stored row against the installed
// databases; without one installed the stored row is read past and the
// reference becomes null.
#include <memory>

#include "core/archive.h"
#include "data/database.h"
#include "data/iso_produkt.h"
#include "data/reference_data.h"
#include "modules/common/row_ref.h"

namespace kav {

// The row referred to, in either direction. `rowStored`, when given, tells
// after reading whether the archive held a row rather than the null row.
template <class T>
void SerializeReference(CArchive& ar, RowRef<T>& ref, bool* rowStored = nullptr) {
  if (ar.IsStoring()) {
    CDataBase::WriteReference<T>(ar, ref.get());
    return;
  }
  if (CDataBase* database = Database()) {
    ref = database->ReadReference<T>(ar, rowStored);
    return;
  }
  auto stored = std::make_unique<T>();
  stored->Serialize(ar);
  if (rowStored != nullptr) *rowStored = stored->Name != NullRowName;
  ar.KeepAlive(std::move(stored));
  ref = nullptr;
}

// The user product referred to, by name, in either direction.
void SerializeReference(CArchive& ar, RowRef<CEgendefIsoProdukt>& ref);

}  // namespace kav
