#pragma once

namespace parental::common {

struct OsCriticalSection;  // the operating system's recursive critical section

// Lock interface over an operating-system critical section that may be missing:
// without one every operation reports false and does nothing.
class CLockable {
 public:
  explicit CLockable(OsCriticalSection* section = nullptr) : section_(section) {}
  CLockable(const CLockable&) = delete;
  CLockable& operator=(const CLockable&) = delete;
  virtual ~CLockable();
  virtual bool Lock();
  virtual bool Unlock();
  virtual bool TryLock();

 protected:
  OsCriticalSection* section_;
};

// Holds a lock for the lifetime of a scope.
class ScopedLock {
 public:
  explicit ScopedLock(CLockable& lock) : lock_(lock) { lock_.Lock(); }
  ~ScopedLock() { lock_.Unlock(); }
  ScopedLock(const ScopedLock&) = delete;
  ScopedLock& operator=(const ScopedLock&) = delete;

 private:
  CLockable& lock_;
};

namespace internal {

// A CLockable that makes its own critical section; a failed allocation leaves it without one.
class CriticalSection : public CLockable {
 public:
  CriticalSection();
};

}  // namespace internal

// The one process-wide lock, made on first use and kept until the process ends.
CLockable& ProcessLock();

}  // namespace parental::common
