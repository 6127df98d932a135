// Engine answer blocks of any shape: the category list (for the count the block's own
// header claims, and for none) and the template roles.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "parental/engine_blocks.h"

using namespace parental::corvui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<CategoryEntry> entries;
  std::uint32_t claimed = 0;
  if (size >= 8) std::memcpy(&claimed, data + 4, 4);
  ReadCategoryBlock(data, size, claimed, &entries);
  ReadCategoryBlock(data, size, 0, &entries);
  for (const parental::core::RolePtr& role : ReadTemplateRoleBlock(data, size)) {
    std::uint32_t state;
    role->GetCategory(1, &state);
  }
  return 0;
}
