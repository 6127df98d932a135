#pragma once
// For operations that report failure by result: an allocation of the standard containers
// they use that fails becomes that failure instead of an exception.
#include <new>

namespace parental::common {

// f(), or `failed` when an allocation inside it fails.
template <typename R, typename F>
R OrWhenOutOfMemory(R failed, F&& f) {
  try {
    return f();
  } catch (const std::bad_alloc&) {
    return failed;
  }
}

}  // namespace parental::common
