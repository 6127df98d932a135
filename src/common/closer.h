#pragma once
// Ownership of objects that a release function ends (documents, configuration handles):
// a unique_ptr whose deleter calls that function.
#include <memory>

namespace parental::common {

template <auto Release>
struct CloseWith {
  template <class T>
  void operator()(T* object) const { Release(object); }
};

template <class T, auto Release>
using Owned = std::unique_ptr<T, CloseWith<Release>>;

}  // namespace parental::common
