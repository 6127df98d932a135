#pragma once
// A test allocator that fails the n-th allocation from now: operator new in every form
// (the throwing ones throw std::bad_alloc, the nothrow ones return null) and, for the
// program's own code, malloc, calloc and realloc (linked with --wrap). Counting is off
// until FailAllocation is called; only that one allocation fails.
#include <cstddef>

namespace failing_allocator {

void FailAllocation(long n);  // n >= 1: the n-th allocation from now fails
void Stop();                  // no further failure
bool Failed();                // whether the planned failure happened
long Pause();                 // counting stops; returns what Resume needs
void Resume(long paused);

// Runs step(n) for n = 1, 2, ..., where the step calls FailAllocation(n) before the work
// under test, until a run meets no failure; returns how many runs failed one.
template <typename Step>
long ForEachAllocation(Step&& step) {
  for (long n = 1;; ++n) {
    step(n);
    Stop();
    if (!Failed()) return n - 1;
  }
}

}  // namespace failing_allocator
