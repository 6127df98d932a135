#pragma once
// Arrays of items held by value that report failure instead of throwing, and the sorted
// variant that keeps its items in the order of a comparison function.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

template <typename T>
class CArrayNoThrow {
 public:
  CArrayNoThrow() = default;
  CArrayNoThrow(const CArrayNoThrow&) = delete;
  CArrayNoThrow& operator=(const CArrayNoThrow&) = delete;
  virtual ~CArrayNoThrow() { RemoveAll(); std::free(items_); }

  std::size_t GetCount() const { return count_; }
  T& operator[](std::size_t i) { return items_[i]; }
  const T& operator[](std::size_t i) const { return items_[i]; }
  T* begin() { return items_; }
  T* end() { return items_ + count_; }

  // Makes room for one more item at index (the tail moves up) and constructs it empty.
  T* InsertEmptyAt(std::size_t index) {
    if (index > count_ || !Reserve(count_ + 1)) return nullptr;
    new (&items_[count_]) T();
    for (std::size_t i = count_; i > index; --i) items_[i] = std::move(items_[i - 1]);
    ++count_;
    items_[index] = T();
    return &items_[index];
  }
  void RemoveAt(std::size_t index) {
    if (index >= count_) return;
    for (std::size_t i = index; i + 1 < count_; ++i) items_[i] = std::move(items_[i + 1]);
    items_[--count_].~T();
  }
  void RemoveAll() {
    while (count_) items_[--count_].~T();
  }

 protected:
  bool Reserve(std::size_t wanted) {
    if (wanted <= capacity_) return true;
    std::size_t capacity = capacity_ ? capacity_ * 2 : 8;
    if (capacity < wanted) capacity = wanted;
    T* items = static_cast<T*>(std::malloc(capacity * sizeof(T)));
    if (!items) return false;
    for (std::size_t i = 0; i < count_; ++i) {
      new (&items[i]) T(std::move(items_[i]));
      items_[i].~T();
    }
    std::free(items_);
    items_ = items;
    capacity_ = capacity;
    return true;
  }

  T* items_ = nullptr;
  std::size_t count_ = 0;
  std::size_t capacity_ = 0;
};

template <typename T>
class CSortedArray : public CArrayNoThrow<T> {
 public:
  using Comparison = int (*)(T& a, T& b);  // reduced to -1, 0 or 1
  explicit CSortedArray(Comparison compare) : compare_(compare) {}

  virtual void Sort() {
    std::sort(this->begin(), this->end(), [this](T& a, T& b) { return compare_(a, b) < 0; });
  }

  // Binary search: the index of an equal item (found = true), else where it belongs.
  virtual std::size_t Find(T& item, bool* found) {
    *found = false;
    std::size_t lo = 0, hi = this->count_;
    if (hi == 0 || compare_(item, this->items_[hi - 1]) > 0) return hi;
    while (lo < hi) {
      std::size_t mid = lo + (hi - lo) / 2;
      int c = compare_(item, this->items_[mid]);
      if (c == 0) {
        *found = true;
        return mid;
      }
      if (c < 0) hi = mid; else lo = mid + 1;
    }
    return lo;
  }

  // item moved in at index, the tail moving up; false when memory ran out.
  bool InsertAt(std::size_t index, T&& item) {
    if (index > this->count_ || !this->Reserve(this->count_ + 1)) return false;
    new (&this->items_[this->count_]) T(std::move(item));
    ++this->count_;
    std::rotate(this->items_ + index, this->items_ + this->count_ - 1, this->items_ + this->count_);
    return true;
  }

  // A copy of item at index, by the item's own Assign; false when memory ran out.
  bool InsertAt(std::size_t index, const T& item) {
    T* slot = this->InsertEmptyAt(index);
    if (slot && slot->Assign(item)) return true;
    if (slot) this->RemoveAt(index);
    return false;
  }

 private:
  Comparison compare_;
};
