#pragma once
// How a row is edited: its dialog works on a copy, and only OK brings the
// copy's fields back. Sub-rows come back through TakeList with notification,
// so that users of an old sub-row are re-pointed to its edited copy before
// the old one is deleted.
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/editors.h"
#include "core/item.h"
#include "core/object_list.h"

namespace kav {

// Opens the dialog registered for T on a copy of `row`; 1 after OK, 0 after
// Cancel or when no dialog edits T.
template <class T>
int EditRow(T& row) {
  std::unique_ptr<T> copy = CloneAs(row);
  const std::optional<bool> accepted = Editors::Run<T>(*copy);
  if (!accepted.value_or(false)) return 0;
  if constexpr (requires { row.SubRows(); }) {
    TakeList(row.SubRows(), copy->SubRows(), true);
    // Park the edited sub-rows in the copy again so that they move in with
    // the other fields below.
    TakeList(copy->SubRows(), row.SubRows(), false);
  }
  std::vector<CItem*> users = std::move(row.Users);
  row = std::move(*copy);
  row.Users = std::move(users);
  return 1;
}

}  // namespace kav
