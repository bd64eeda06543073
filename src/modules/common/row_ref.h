#pragma once
// A reference from an item to a database row it does not own. A bound
// reference keeps its user registered in the row's Users: whatever the
// reference is set to, the user leaves the old row and enters the new one,
// and it leaves the row when the reference goes away.
#include "core/item.h"

namespace kav {

template <class T>
class RowRef {
 public:
  RowRef() = default;
  // A copy refers to the same row but registers nobody until it is bound.
  RowRef(const RowRef& other) : row_(other.row_) {}
  RowRef& operator=(const RowRef& other) {
    Set(other.row_);
    return *this;
  }
  RowRef& operator=(T* row) {
    Set(row);
    return *this;
  }
  ~RowRef() {
    if (user_ != nullptr && row_ != nullptr) row_->RemoveUser(user_);
  }

  // Makes `user` the item that refers to the row (once, by its owner).
  void Bind(CItem* user) {
    user_ = user;
    if (row_ != nullptr) row_->AddUser(user_);
  }

  T* get() const { return row_; }
  operator T*() const { return row_; }
  T* operator->() const { return row_; }

 private:
  void Set(T* row) {
    if (row == row_) return;
    if (user_ != nullptr && row_ != nullptr) row_->RemoveUser(user_);
    row_ = row;
    if (user_ != nullptr && row_ != nullptr) row_->AddUser(user_);
  }

  T* row_ = nullptr;
  CItem* user_ = nullptr;
};

}  // namespace kav
