#include "data/database.h"

#include <array>

#include "core/platform.h"
#include "core/settings.h"
#include "core/strings.h"
#include "data/data_classes.h"
#include "data/data_file.h"
#include "data/replacement.h"
#include "data/working_copy.h"

namespace kav {
namespace {

// The prompt of the replacement choice, by DatabaseList.
constexpr std::array<int, kDatabaseListCount> kRemovedRowMessages = {
    ids::RemovedInsulationProduct, ids::RemovedHoseProduct, ids::RemovedAbsorptionProduct,
    ids::RemovedJacketing,         ids::RemovedSurface,     ids::RemovedInnerJacketing,
    ids::RemovedAccessoryType,     ids::RemovedLiquid,
};
constexpr const char* kReplacementHelp = "::/html/dbverdiborte.htm";

}  // namespace

ObjectList& DatabaseLists::List(DatabaseList which) {
  ObjectList* found = nullptr;
  int index = 0;
  ForEachList([&](ObjectList& list) {
    if (index++ == static_cast<int>(which)) found = &list;
  });
  return *found;
}

const ObjectList& DatabaseLists::List(DatabaseList which) const {
  return const_cast<DatabaseLists*>(this)->List(which);
}

CDataBase::CDataBase() : CDataBase(CurrentSettings().GetString("KAV", "KavData", "kav.dat")) {}

CDataBase::CDataBase(std::string fileName) : FileName(std::move(fileName)) {
  Load();
}

void CDataBase::Load() {
  DatabaseLists read;
  const DataFileRead result = ReadDataFile(
      FileName, DatabaseFileClasses(), [&read](CArchive& ar) { read.SerializeLists(ar); },
      ids::DatabaseReadFailed, ids::DatabaseReadFailed);
  const std::vector<ObjectList*> own = ListsOf<DatabaseLists>(*this);
  const std::vector<ObjectList*> loaded = ListsOf(read);
  for (std::size_t i = 0; i < own.size(); ++i) {
    if (result != DataFileRead::Read) loaded[i]->Clear();
    TakeList(*own[i], *loaded[i], false);
  }
}

bool CDataBase::Save() {
  return WriteDataFile(
      FileName, [this](CArchive& ar) { SerializeLists(ar); }, ids::DatabaseWriteFailed);
}

int CDataBase::EditInput() {
  DatabaseLists working;
  working.LastList = LastList;
  if (!EditCopies(ListsOf<DatabaseLists>(*this), working, [] {})) return 0;
  LastList = working.LastList;
  Save();
  return 1;
}

CListItem* CDataBase::FindByName(DatabaseList list, const std::string& name) const {
  return List(list).FindByName(name);
}

CListItem* CDataBase::Resolve(const CListItem& stored, DatabaseList list) const {
  if (stored.Name == NullRowName) return nullptr;
  const ObjectList& rows = List(list);
  if (CListItem* row = rows.FindByName(stored.Name)) {
    if (!row->IsEqual(stored)) ShowMessage(FormatId(ids::DatabaseValueChanged, stored.Name));
    return row;
  }
  const int message = kRemovedRowMessages[static_cast<std::size_t>(list)];
  return ChooseReplacement(rows, FormatId(message, stored.Name), kReplacementHelp);
}

}  // namespace kav
