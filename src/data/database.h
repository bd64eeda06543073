#pragma once
// The standard product database (kav.dat): eight ordered lists of catalogue
// rows. Documents do not point into it: a module stores its own copy of a
// row it uses, and reading the document resolves that copy by name against
// the database.
#include <memory>
#include <string>

#include "core/archive.h"
#include "core/item.h"
#include "core/object_list.h"
#include "data/absorpsjon.h"
#include "data/database_list.h"
#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "data/mantling.h"
#include "data/tillegg.h"
#include "data/veske.h"

namespace kav {

// The eight lists, and the list the editing dialog showed last. The
// database's dialog edits a working set of these.
struct DatabaseLists {
  int LastList = 0;
  TypedList<CIsoProdukt> InsulationProducts;
  TypedList<CKorbuFlex> HoseProducts;
  TypedList<CAbsorpsjon> AbsorptionProducts;
  TypedList<CMantling> Jacketings;
  TypedList<COverflate> Surfaces;
  TypedList<CInnvMantling> InnerJacketings;
  TypedList<CTillegg2> AccessoryTypes;
  TypedList<CVeske> Liquids;

  // Calls f with each list, in DatabaseList order.
  template <class F>
  void ForEachList(F&& f) {
    f(InsulationProducts);
    f(HoseProducts);
    f(AbsorptionProducts);
    f(Jacketings);
    f(Surfaces);
    f(InnerJacketings);
    f(AccessoryTypes);
    f(Liquids);
  }

  // The contents of kav.dat: the eight lists in DatabaseList order.
  void SerializeLists(CArchive& ar) {
    ForEachList([&ar](auto& list) { SerializeList(ar, list); });
  }

  ObjectList& List(DatabaseList which);
  const ObjectList& List(DatabaseList which) const;
  template <class T>
  TypedList<T>& Rows() {
    return static_cast<TypedList<T>&>(List(ListOfRow<T>()));
  }
  template <class T>
  const TypedList<T>& Rows() const {
    return static_cast<const TypedList<T>&>(List(ListOfRow<T>()));
  }
};

class CDataBase final : public CItem, public DatabaseLists {
 public:
  static constexpr const char* kClassName = "CDataBase";

  // Reads the file named by the settings ("KAV"/"KavData", default kav.dat).
  CDataBase();
  explicit CDataBase(std::string fileName);
  CDataBase(const CDataBase&) = delete;
  CDataBase& operator=(const CDataBase&) = delete;

  const char* ClassName() const override { return kClassName; }

  // Reads the eight lists; a missing or damaged file leaves them empty,
  // with a message.
  void Load();
  // Writes the eight lists; false after a message when that fails.
  bool Save();
  // Runs the database dialog on working copies; after OK the copies replace
  // the lists (every user re-pointed to the new rows), the file is written,
  // and the result is 1. When the file cannot be written the old one stays
  // as it was, with a message, and the edited lists stay in use (still 1:
  // the calculations must follow them).
  int EditInput() override;

  // The first row of the list with exactly this name, or null.
  CListItem* FindByName(DatabaseList list, const std::string& name) const;

  // Stores a module's reference to a row as a copy of the row, untagged;
  // null as a default row named NullRowName.
  template <class T>
  static void WriteReference(CArchive& ar, const T* row) {
    if (row != nullptr) {
      const_cast<T*>(row)->Serialize(ar);  // storing only reads the fields
      return;
    }
    auto none = std::make_unique<T>();
    none->Name = NullRowName;
    none->Serialize(ar);
    // Its sub-rows were written by address, which must stay unused for the
    // rest of the archive.
    ar.KeepAlive(std::move(none));
  }

  // Reads a stored copy and returns the database row of that name (message
  // 61229 when its values differ), the user's replacement when the name is
  // gone, or null for NullRowName or when there is nothing to choose from.
  // `rowStored`, when given, tells whether the archive held a row rather
  // than NullRowName (a row may be stored and still resolve to null).
  template <class T>
  T* ReadReference(CArchive& ar, bool* rowStored = nullptr) {
    auto stored = std::make_unique<T>();
    stored->Serialize(ar);
    if (rowStored != nullptr) *rowStored = stored->Name != NullRowName;
    CListItem* row = Resolve(*stored, ListOfRow<T>());
    // Later parts of the archive may refer to the copy's sub-rows.
    ar.KeepAlive(std::move(stored));
    return static_cast<T*>(row);
  }

  std::string FileName;

 private:
  CListItem* Resolve(const CListItem& stored, DatabaseList list) const;
};

}  // namespace kav
