#pragma once
// The user's own insulation products (egendef.dat). Documents store a
// reference to one by name only.
#include <string>

#include "core/archive.h"
#include "core/item.h"
#include "core/object_list.h"
#include "data/iso_produkt.h"

namespace kav {

// What the user database's dialog edits: a working copy of the products.
struct UserDatabaseLists {
  TypedList<CEgendefIsoProdukt> UserProducts;

  template <class F>
  void ForEachList(F&& f) {
    f(UserProducts);
  }
};

class CEgendefDatabase final : public CItem, public UserDatabaseLists {
 public:
  static constexpr const char* kClassName = "CEgendefDatabase";

  // Reads the file named by the settings ("Files"/"User Database File",
  // default egendef.dat).
  CEgendefDatabase();
  explicit CEgendefDatabase(std::string fileName);
  CEgendefDatabase(const CEgendefDatabase&) = delete;
  CEgendefDatabase& operator=(const CEgendefDatabase&) = delete;

  const char* ClassName() const override { return kClassName; }
  // A missing file (before the user has defined products) leaves the list
  // empty silently; a damaged one with a message.
  void Load();
  // Writes the products; when that fails, says so as for the product
  // database (62512 with the file name) and returns false.
  bool Save();
  // Runs the user database dialog on a working copy; after OK the copy
  // replaces the list (users re-pointed), the file is written, result 1.
  int EditInput() override;

  // Stores the product's name, or NullRowName for none.
  static void WriteReference(CArchive& ar, const CEgendefIsoProdukt* product);
  // The product of the stored name, the user's replacement when it is gone,
  // or null for NullRowName or when there is nothing to choose from.
  CEgendefIsoProdukt* ReadReference(CArchive& ar) const;

  std::string FileName;
};

}  // namespace kav
