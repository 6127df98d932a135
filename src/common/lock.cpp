#include "common/lock.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace parental::common {

#ifdef _WIN32
struct OsCriticalSection {
  CRITICAL_SECTION cs;
  OsCriticalSection() { InitializeCriticalSection(&cs); }
  ~OsCriticalSection() { DeleteCriticalSection(&cs); }
  void Enter() { EnterCriticalSection(&cs); }
  void Leave() { LeaveCriticalSection(&cs); }
  bool TryEnter() { return TryEnterCriticalSection(&cs) != FALSE; }
};
#else
// Windows critical sections are recursive; so is this stand-in.
struct OsCriticalSection {
  pthread_mutex_t mutex;
  OsCriticalSection() {
    pthread_mutexattr_t attr;
    pthread_mutexattr_init(&attr);
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&mutex, &attr);
    pthread_mutexattr_destroy(&attr);
  }
  ~OsCriticalSection() { pthread_mutex_destroy(&mutex); }
  void Enter() { pthread_mutex_lock(&mutex); }
  void Leave() { pthread_mutex_unlock(&mutex); }
  bool TryEnter() { return pthread_mutex_trylock(&mutex) == 0; }
};
#endif

CLockable::~CLockable() { delete section_; }

bool CLockable::Lock() {
  if (!section_) return false;
  section_->Enter();
  return true;
}

bool CLockable::Unlock() {
  if (!section_) return false;
  section_->Leave();
  return true;
}

bool CLockable::TryLock() { return section_ && section_->TryEnter(); }

internal::CriticalSection::CriticalSection() : CLockable(new (std::nothrow) OsCriticalSection) {}

CLockable& ProcessLock() {
  // Never destroyed: shared objects may still be released while the library's static
  // objects are being destroyed at unload, after a static lock would already be gone.
  static internal::CriticalSection* lock = new internal::CriticalSection;
  return *lock;
}

}  // namespace parental::common
