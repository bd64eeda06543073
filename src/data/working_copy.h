#pragma once
// How the list dialogs edit: on working copies of the lists, which the
// active lists point at while the dialog is open. OK replaces the lists by
// the copies and re-points every user to the new rows; Cancel drops the
// copies and points users back to the rows they had.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/editors.h"
#include "core/object_list.h"
#include "data/active_list.h"
#include "data/user_snapshot.h"

namespace kav {

// The lists of a holder with ForEachList, in its order.
template <class Holder>
std::vector<ObjectList*> ListsOf(Holder& holder) {
  std::vector<ObjectList*> lists;
  holder.ForEachList([&lists](ObjectList& list) { lists.push_back(&list); });
  return lists;
}

// Copies `own` into the lists of `working` (same order), calls prepare(),
// runs the dialog registered for Working; after OK the copies replace `own`
// and the result is true.
template <class Working, class Prepare>
bool EditCopies(const std::vector<ObjectList*>& own, Working& working, Prepare&& prepare) {
  const std::vector<ObjectList*> copies = ListsOf(working);
  UserSnapshot users;
  for (std::size_t i = 0; i < own.size(); ++i) {
    CopyList(*copies[i], *own[i]);
    users.Record(*own[i]);
  }
  prepare();
  std::optional<bool> accepted;
  {
    ActiveListScope scope;
    working.ForEachList([&scope](auto& list) { scope.Redirect(list); });
    accepted = Editors::Run(working);
  }
  if (!accepted.value_or(false)) {
    users.Restore();
    return false;
  }
  for (std::size_t i = 0; i < own.size(); ++i) TakeList(*own[i], *copies[i], true);
  return true;
}

}  // namespace kav
