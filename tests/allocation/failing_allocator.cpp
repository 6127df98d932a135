#include "failing_allocator.h"

#include <cstdlib>
#include <new>

extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* p, std::size_t size);
}

namespace {

long g_countdown = 0;  // 0: not counting
bool g_failed = false;

// True when this allocation is the one to fail.
bool FailNow() {
  if (g_countdown == 0 || --g_countdown != 0) return false;
  g_failed = true;
  return true;
}

void* Allocate(std::size_t size) {
  return FailNow() ? nullptr : __real_malloc(size ? size : 1);
}

}  // namespace

namespace failing_allocator {

void FailAllocation(long n) {
  g_failed = false;
  g_countdown = n;
}
void Stop() { g_countdown = 0; }
bool Failed() { return g_failed; }
long Pause() {
  const long countdown = g_countdown;
  g_countdown = 0;
  return countdown;
}
void Resume(long paused) { g_countdown = paused; }

}  // namespace failing_allocator

extern "C" {
void* __wrap_malloc(std::size_t size) { return FailNow() ? nullptr : __real_malloc(size); }
void* __wrap_calloc(std::size_t count, std::size_t size) {
  return FailNow() ? nullptr : __real_calloc(count, size);
}
void* __wrap_realloc(void* p, std::size_t size) { return FailNow() ? nullptr : __real_realloc(p, size); }
}

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
