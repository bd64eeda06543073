#pragma once
// How a module's inputs are edited: its dialog works on a copy of the
// inputs, and only OK brings the copy back. Inputs that hold object lists
// name them with ForEachList.
#include <cstddef>
#include <utility>
#include <vector>

#include "core/editors.h"
#include "core/kav_modul.h"
#include "core/object_list.h"
#include "data/working_copy.h"

namespace kav {

// Moves the edited inputs into `own`: every list through TakeList (with
// `notify`, the users of the moved items are told before the old items are
// deleted), everything else by assignment, which keeps the user entries of
// layers and row references right.
template <class Inputs>
void TakeInputs(Inputs& own, Inputs& edited, bool notify) {
  if constexpr (requires { edited.ForEachList([](ObjectList&) {}); }) {
    const std::vector<ObjectList*> ownLists = ListsOf(own);
    const std::vector<ObjectList*> editedLists = ListsOf(edited);
    for (std::size_t i = 0; i < ownLists.size(); ++i) {
      TakeList(*ownLists[i], *editedLists[i], notify);
      // Park the items in the copy again; they move in with the rest below.
      TakeList(*editedLists[i], *ownLists[i], false);
    }
  }
  own = std::move(edited);
}

// A module's EditInput: the dialog registered for Inputs edits a copy of
// `inputs`; after OK the module takes it back (TakeInputs) and calculates.
// 1 after OK, 0 after Cancel or without a dialog.
template <class Inputs>
int EditModuleInputs(CKavModul& module, Inputs& inputs, bool notifyListUsers = true) {
  Inputs copy(inputs);
  if (!Editors::Edit(copy)) return 0;
  TakeInputs(inputs, copy, notifyListUsers);
  module.Calculate();
  return 1;
}

}  // namespace kav
