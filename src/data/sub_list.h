#pragma once
// The list of sub-rows a row owns (a product's thicknesses, a series' steps,
// an accessory type's length bands), and the rule that keeps such lists in
// order.
#include <memory>

#include "core/object_list.h"

namespace kav {

// A row's own list: copying the row copies every sub-row (Clone), moving it
// moves them.
template <class T>
class SubList : public TypedList<T> {
 public:
  SubList() = default;
  SubList(const SubList& other) : TypedList<T>() { CopyList(*this, other); }
  SubList& operator=(const SubList& other) {
    if (this != &other) CopyList(*this, other);
    return *this;
  }
  SubList(SubList&&) noexcept = default;
  SubList& operator=(SubList&&) noexcept = default;
};

// Inserts `row` before the first row whose key is greater than its own, so
// that the list stays ascending and equal keys keep their order of entry.
template <class T, class Key>
T* InsertOrdered(TypedList<T>& list, std::unique_ptr<T> row, Key key) {
  T* inserted = row.get();
  const auto value = key(*row);
  std::size_t index = 0;
  while (index < list.size() && !(value < key(*list[index]))) ++index;
  list.Insert(index, std::move(row));
  return inserted;
}

// Tells the users of every row of the list, and of their own sub-rows.
inline void NotifyAll(const ObjectList& rows) {
  for (CListItem* row : rows) row->NotifyUsers();
}

}  // namespace kav
