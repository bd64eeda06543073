#pragma once
// Ordered lists of owned items, and the helpers that copy, take over and
// compare them. A list owns its elements; a TypedList holds elements of one
// class (and its subclasses) only.
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include "core/item.h"

namespace kav {

class ObjectList {
 public:
  using Ptr = std::unique_ptr<CListItem>;

  ObjectList() = default;
  ObjectList(ObjectList&&) noexcept = default;
  ObjectList& operator=(ObjectList&&) noexcept = default;
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;
  virtual ~ObjectList() = default;

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  CListItem* at(std::size_t i) const { return items_.at(i).get(); }
  CListItem* front() const { return items_.front().get(); }
  CListItem* back() const { return items_.back().get(); }

  void Append(Ptr item) { items_.push_back(std::move(item)); }
  void Insert(std::size_t index, Ptr item);
  // Takes the element out of the list and hands it back; null if absent.
  Ptr Remove(const CListItem* item);
  Ptr RemoveAt(std::size_t index);
  // Deletes every element, head first.
  void Clear();
  // Index of the element, or -1.
  int IndexOf(const CListItem* item) const;
  // First element whose Name equals `name` exactly, or null.
  CListItem* FindByName(const std::string& name) const;

  // Iteration over the elements as CListItem*.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = CListItem*;
    using difference_type = std::ptrdiff_t;
    using pointer = CListItem**;
    using reference = CListItem*;
    explicit const_iterator(std::vector<Ptr>::const_iterator it) : it_(it) {}
    CListItem* operator*() const { return it_->get(); }
    const_iterator& operator++() {
      ++it_;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return it_ == o.it_; }

   private:
    std::vector<Ptr>::const_iterator it_;
  };
  const_iterator begin() const { return const_iterator(items_.begin()); }
  const_iterator end() const { return const_iterator(items_.end()); }

 protected:
  std::vector<Ptr> items_;
};

template <class T>
class TypedList : public ObjectList {
 public:
  T* at(std::size_t i) const { return static_cast<T*>(ObjectList::at(i)); }
  T* operator[](std::size_t i) const { return at(i); }
  T* front() const { return static_cast<T*>(ObjectList::front()); }
  T* back() const { return static_cast<T*>(ObjectList::back()); }
  T* FindByName(const std::string& name) const {
    return static_cast<T*>(ObjectList::FindByName(name));
  }
  void Append(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
  void Insert(std::size_t index, std::unique_ptr<T> item) {
    ObjectList::Insert(index, std::move(item));
  }

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T*;
    using difference_type = std::ptrdiff_t;
    using pointer = T**;
    using reference = T*;
    explicit const_iterator(std::vector<Ptr>::const_iterator it) : it_(it) {}
    T* operator*() const { return static_cast<T*>(it_->get()); }
    const_iterator& operator++() {
      ++it_;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return it_ == o.it_; }

   private:
    std::vector<Ptr>::const_iterator it_;
  };
  const_iterator begin() const { return const_iterator(items_.begin()); }
  const_iterator end() const { return const_iterator(items_.end()); }
};

// Deletes every element of the list.
void DeleteAll(ObjectList& list);
// Empties dst, then appends a Clone of every element of src, in order.
void CopyList(ObjectList& dst, const ObjectList& src);
// Empties dst and moves every element of src into it; with notify, every
// moved element then tells its users (NotifyUsers) so that they re-point
// themselves to it. The users are told before the old elements of dst are
// deleted, so nobody ever sees a deleted element.
void TakeList(ObjectList& dst, ObjectList& src, bool notify);
// Same length and IsEqual pairwise, in order.
bool ListsEqual(const ObjectList& a, const ObjectList& b);

}  // namespace kav
