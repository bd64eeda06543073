#include "data/egendef_database.h"

#include "core/settings.h"
#include "core/strings.h"
#include "data/data_classes.h"
#include "data/data_file.h"
#include "data/database_list.h"
#include "data/replacement.h"
#include "data/working_copy.h"

namespace kav {

CEgendefDatabase::CEgendefDatabase()
    : CEgendefDatabase(CurrentSettings().GetString("Files", "User Database File", "egendef.dat")) {}

CEgendefDatabase::CEgendefDatabase(std::string fileName) : FileName(std::move(fileName)) {
  Load();
}

void CEgendefDatabase::Load() {
  ReadListFile(FileName, UserDatabaseFileClasses(), UserProducts, 0, ids::UserDatabaseReadFailed);
}

bool CEgendefDatabase::Save() {
  return WriteListFile(FileName, UserProducts, ids::DatabaseWriteFailed);
}

int CEgendefDatabase::EditInput() {
  UserDatabaseLists working;
  if (!EditCopies(ListsOf<UserDatabaseLists>(*this), working, [] {})) return 0;
  Save();
  return 1;
}

void CEgendefDatabase::WriteReference(CArchive& ar, const CEgendefIsoProdukt* product) {
  ar.WriteString(product != nullptr ? product->Name : std::string(NullRowName));
}

CEgendefIsoProdukt* CEgendefDatabase::ReadReference(CArchive& ar) const {
  const std::string name = ar.ReadString();
  if (name == NullRowName) return nullptr;
  if (CEgendefIsoProdukt* product = UserProducts.FindByName(name)) return product;
  return static_cast<CEgendefIsoProdukt*>(ChooseReplacement(
      UserProducts, FormatId(ids::RemovedUserProduct, name), "::/html/egendefdbverdiborte.htm"));
}

}  // namespace kav
