#pragma once
// The web-content categories of the filtering engine, with their names and descriptions
// fetched from the host by string id. Nothing is kept: every request asks again.
#include <cstdint>
#include <string>
#include <vector>

#include "parental/counted_pointer.h"

class CPlug;

namespace parental::corvui {

struct CategoryInfo {
  std::uint16_t id;
  std::u16string name;
  std::u16string description;
};
using CategoryList = common::CountedPointer<std::vector<CategoryInfo>>;

class CConfigManagerCategory {
 public:
  explicit CConfigManagerCategory(CPlug* engine) : engine_(engine) {}

  // The categories in the engine's order; a category whose texts cannot be fetched is
  // left out, and an engine that does not answer gives an empty list.
  CategoryList GetCategories() const;

 private:
  CPlug* engine_;
};

}  // namespace parental::corvui
