#include "data/active_list.h"

#include <array>

#include "data/reference_data.h"

namespace kav {
namespace {

// The working copies that dialogs have put in place of the own lists.
std::array<ObjectList*, detail::kActiveListSlots> gWorkingCopies{};

}  // namespace

namespace detail {

ObjectList* ActiveListAt(int slot) {
  if (ObjectList* working = gWorkingCopies.at(static_cast<std::size_t>(slot))) return working;
  switch (slot) {
    case kUserProductsSlot:
      return UserDatabase() ? &UserDatabase()->UserProducts : nullptr;
    case kLocationsSlot:
      return Climate() ? &Climate()->Locations : nullptr;
    case kCostEntriesSlot:
      return Costs() ? &Costs()->Entries : nullptr;
    default:
      return Database() ? &Database()->List(static_cast<DatabaseList>(slot)) : nullptr;
  }
}

ObjectList* RedirectActiveList(int slot, ObjectList* list) {
  ObjectList*& entry = gWorkingCopies.at(static_cast<std::size_t>(slot));
  ObjectList* previous = entry;
  entry = list;
  return previous;
}

}  // namespace detail
}  // namespace kav
