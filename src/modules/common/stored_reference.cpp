#include "modules/common/stored_reference.h"

#include "data/egendef_database.h"

namespace kav {

void SerializeReference(CArchive& ar, RowRef<CEgendefIsoProdukt>& ref) {
  if (ar.IsStoring()) {
    CEgendefDatabase::WriteReference(ar, ref.get());
  } else if (CEgendefDatabase* userDatabase = UserDatabase()) {
    ref = userDatabase->ReadReference(ar);
  } else {
    ar.ReadString();
    ref = nullptr;
  }
}

}  // namespace kav
