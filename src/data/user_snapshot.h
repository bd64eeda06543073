#pragma once
// Who uses which row, remembered before a list dialog runs. A row dialog
// inside it re-points the users of sub-rows to the working copies it edits;
// when the list dialog is then cancelled and the copies deleted, Restore
// points every user back to the row it had.
#include <utility>
#include <vector>

#include "core/item.h"
#include "core/object_list.h"

namespace kav {

class UserSnapshot {
 public:
  // Records the users of every row of the lists and of their sub-rows.
  void Record(const ObjectList& rows);
  // Tells every recorded user its recorded row again.
  void Restore() const;

 private:
  std::vector<std::pair<CListItem*, std::vector<CItem*>>> entries_;
};

}  // namespace kav
