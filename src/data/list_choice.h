#pragma once
// The dialogs that edit a small list and choose one entry of it (climate
// places, cost entries) work on a ListChoice: a working copy of the list,
// the chosen entry and whether the list was changed.
#include <cstddef>

#include "core/object_list.h"
#include "data/working_copy.h"

namespace kav {

template <class Row>
struct ListChoice {
  TypedList<Row> Rows;
  Row* Selected = nullptr;  // an entry of Rows, or null
  bool Changed = false;     // an entry was added, edited or deleted

  template <class F>
  void ForEachList(F&& f) {
    f(Rows);
  }
};

// Runs the dialog for ListChoice<Row> on a copy of `rows`, with the copy of
// `selected` preselected. After OK the copy replaces `rows` (users
// notified), `selected` is the chosen entry, `changed` tells whether the
// list was changed, and the result is true. After Cancel, or without a
// dialog, nothing changes.
template <class Row>
bool RunListChoice(TypedList<Row>& rows, Row*& selected, bool& changed) {
  ListChoice<Row> working;
  const int preselected = rows.IndexOf(selected);
  auto preselect = [&] {
    if (preselected >= 0) working.Selected = working.Rows[static_cast<std::size_t>(preselected)];
  };
  if (!EditCopies({&rows}, working, preselect)) return false;
  // The chosen entry has moved into `rows`.
  selected = rows.IndexOf(working.Selected) < 0 ? nullptr : working.Selected;
  changed = working.Changed;
  return true;
}

}  // namespace kav
