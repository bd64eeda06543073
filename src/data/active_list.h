#pragma once
// The list of each kind that modules and dialogs see: normally the installed
// container's own list (the product database's eight lists, the user
// products, the climate places, the cost entries); while an editing dialog
// is open, the working copy it edits, so that row dialogs opened from it
// (name checks, choice lists) see the copy.
#include <type_traits>
#include <utility>
#include <vector>

#include "core/object_list.h"
#include "data/database_list.h"

namespace kav {

class CEgendefIsoProdukt;
class CKlimasted;
class CIsoKostnad;

namespace detail {
inline constexpr int kUserProductsSlot = kDatabaseListCount;
inline constexpr int kLocationsSlot = kDatabaseListCount + 1;
inline constexpr int kCostEntriesSlot = kDatabaseListCount + 2;
inline constexpr int kActiveListSlots = kDatabaseListCount + 3;

template <class T>
constexpr int ActiveSlot() {
  if constexpr (std::is_same_v<T, CEgendefIsoProdukt>) {
    return kUserProductsSlot;
  } else if constexpr (std::is_same_v<T, CKlimasted>) {
    return kLocationsSlot;
  } else if constexpr (std::is_same_v<T, CIsoKostnad>) {
    return kCostEntriesSlot;
  } else {
    return static_cast<int>(ListOfRow<T>());
  }
}

// The working copy of the slot if a dialog set one, else the installed
// container's list; null when no container is installed.
ObjectList* ActiveListAt(int slot);
// Sets the working copy of the slot (null: the container's own list) and
// returns the one set before.
ObjectList* RedirectActiveList(int slot, ObjectList* list);
}  // namespace detail

// The list of rows of class T as modules and dialogs see it; an empty list
// while no container is installed.
template <class T>
TypedList<T>& ActiveList() {
  ObjectList* list = detail::ActiveListAt(detail::ActiveSlot<T>());
  if (list == nullptr) {
    static TypedList<T> none;
    return none;
  }
  return static_cast<TypedList<T>&>(*list);
}

// Points active lists at working copies while it lives; on destruction each
// goes back to what it was before.
class ActiveListScope {
 public:
  ActiveListScope() = default;
  ActiveListScope(const ActiveListScope&) = delete;
  ActiveListScope& operator=(const ActiveListScope&) = delete;
  ~ActiveListScope() {
    for (auto it = previous_.rbegin(); it != previous_.rend(); ++it) {
      detail::RedirectActiveList(it->first, it->second);
    }
  }

  template <class T>
  void Redirect(TypedList<T>& working) {
    constexpr int slot = detail::ActiveSlot<T>();
    previous_.emplace_back(slot, detail::RedirectActiveList(slot, &working));
  }

 private:
  std::vector<std::pair<int, ObjectList*>> previous_;
};

}  // namespace kav
