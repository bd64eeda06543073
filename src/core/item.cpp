#include "core/item.h"

#include <algorithm>

#include "core/archive.h"

namespace kav {

void CObject::Serialize(CArchive&) {}

int CItem::EditInput() {
  return 0;
}

void CItem::ReplaceReference(CItem*) {}

void CListItem::Serialize(CArchive& ar) {
  ar.String(Name);
  ar.String(Description);
  if (ar.IsLoading()) Users.clear();
}

void CListItem::AddUser(CItem* user) {
  if (std::find(Users.begin(), Users.end(), user) == Users.end()) Users.push_back(user);
}

void CListItem::RemoveUser(CItem* user) {
  auto it = std::find(Users.begin(), Users.end(), user);
  if (it != Users.end()) Users.erase(it);
}

void CListItem::NotifyUsers() {
  // A user may re-register while being notified; walk a snapshot.
  const std::vector<CItem*> users = Users;
  for (CItem* user : users) user->ReplaceReference(this);
}

std::unique_ptr<CListItem> CListItem::Clone() const {
  return std::make_unique<CListItem>(*this);
}

std::unique_ptr<CListItem> CListItem::CreateNew() const {
  return nullptr;
}

bool CListItem::IsEqual(const CListItem& other) const {
  return Name == other.Name;
}

}  // namespace kav
