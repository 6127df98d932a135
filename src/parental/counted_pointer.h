#pragma once
// A shared pointer whose 32-bit count lives in a block of its own and changes only under
// the one process-wide lock. Roles, accounts, role lists and exception lists are shared
// between the managers and the pages through it.
#include <cstdint>
#include <new>
#include <utility>

#include "common/lock.h"

namespace parental::common {

template <typename T>
class CountedPointer {
 public:
  CountedPointer() = default;
  // Takes ownership of object; without memory for the count the object is destroyed and
  // the pointer stays empty.
  explicit CountedPointer(T* object) {
    if (!object) return;
    count_ = new (std::nothrow) std::uint32_t(1);
    if (count_) object_ = object;
    else delete object;
  }
  CountedPointer(const CountedPointer& other) : object_(other.object_), count_(other.count_) { Retain(); }
  CountedPointer(CountedPointer&& other) noexcept
      : object_(std::exchange(other.object_, nullptr)), count_(std::exchange(other.count_, nullptr)) {}
  CountedPointer& operator=(CountedPointer other) noexcept {
    std::swap(object_, other.object_);
    std::swap(count_, other.count_);
    return *this;
  }
  ~CountedPointer() { Reset(); }

  template <typename... Args>
  static CountedPointer Make(Args&&... args) {
    return CountedPointer(new (std::nothrow) T(std::forward<Args>(args)...));
  }

  void Reset() {
    if (!count_) return;
    ProcessLock().Lock();
    const bool last = --*count_ == 0;
    ProcessLock().Unlock();
    if (last) {
      delete object_;
      delete count_;
    }
    object_ = nullptr;
    count_ = nullptr;
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }
  bool operator==(const CountedPointer& other) const { return object_ == other.object_; }
  bool operator!=(const CountedPointer& other) const { return object_ != other.object_; }

 private:
  void Retain() {
    if (!count_) return;
    ProcessLock().Lock();
    ++*count_;
    ProcessLock().Unlock();
  }

  T* object_ = nullptr;
  std::uint32_t* count_ = nullptr;
};

}  // namespace parental::common
