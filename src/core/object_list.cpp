#include "core/object_list.h"

#include <algorithm>

namespace kav {

void ObjectList::Insert(std::size_t index, Ptr item) {
  if (index > items_.size()) index = items_.size();
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
}

ObjectList::Ptr ObjectList::Remove(const CListItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  return RemoveAt(static_cast<std::size_t>(index));
}

ObjectList::Ptr ObjectList::RemoveAt(std::size_t index) {
  Ptr taken = std::move(items_.at(index));
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  return taken;
}

void ObjectList::Clear() {
  // Head first, one at a time: an element's destructor may look at the list.
  while (!items_.empty()) RemoveAt(0);
}

int ObjectList::IndexOf(const CListItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

CListItem* ObjectList::FindByName(const std::string& name) const {
  for (const Ptr& item : items_) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

void DeleteAll(ObjectList& list) {
  list.Clear();
}

void CopyList(ObjectList& dst, const ObjectList& src) {
  DeleteAll(dst);
  for (CListItem* item : src) dst.Append(item->Clone());
}

void TakeList(ObjectList& dst, ObjectList& src, bool notify) {
  ObjectList old = std::move(dst);
  dst = ObjectList();
  while (!src.empty()) dst.Append(src.RemoveAt(0));
  if (notify) {
    for (CListItem* item : dst) item->NotifyUsers();
  }
  DeleteAll(old);
}

bool ListsEqual(const ObjectList& a, const ObjectList& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!a.at(i)->IsEqual(*b.at(i))) return false;
  }
  return true;
}

}  // namespace kav
