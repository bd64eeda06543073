#pragma once
// The item hierarchy: every persistent object of the program is a CObject;
// editable, re-linkable objects are CItems; named rows, cells, curves and
// modules are CListItems, which also keep the list of items referring to
// them.
#include <memory>
#include <string>
#include <vector>

namespace kav {

class CArchive;

class CObject {
 public:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
  virtual ~CObject() = default;

  // Reads or writes the object's own fields, in its fixed order.
  virtual void Serialize(CArchive& ar);
  // The stored class name ("CIsoProdukt"); written in class records.
  virtual const char* ClassName() const = 0;
};

class CItem : public CObject {
 public:
  // Opens the object's own dialog on a copy of its fields; 1 after OK.
  virtual int EditInput();
  // Called on a user of a database row that has been replaced by `item`;
  // the user stores it in its reference field of the item's kind.
  virtual void ReplaceReference(CItem* item);
};

class CListItem : public CItem {
 public:
  static constexpr const char* kClassName = "CListItem";

  CListItem() = default;
  explicit CListItem(std::string name) : Name(std::move(name)) {}
  CListItem(const CListItem&) = default;
  CListItem& operator=(const CListItem&) = default;

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;

  void AddUser(CItem* user);
  void RemoveUser(CItem* user);
  virtual void NotifyUsers();
  // A copy of every field, the user list included.
  virtual std::unique_ptr<CListItem> Clone() const;
  // The entry a list editor's "new" button builds from this one; null when
  // the class offers none.
  virtual std::unique_ptr<CListItem> CreateNew() const;
  // Whether every value the calculations use is equal.
  virtual bool IsEqual(const CListItem& other) const;

  std::vector<CItem*> Users;  // items referring to this one; not owned
  std::string Name;
  std::string Description;
};

// Clone() with the static type of the source.
template <class T>
std::unique_ptr<T> CloneAs(const T& item) {
  return std::unique_ptr<T>(static_cast<T*>(item.Clone().release()));
}

}  // namespace kav
