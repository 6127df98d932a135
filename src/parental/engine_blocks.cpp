#include "parental/engine_blocks.h"

#include <cstring>

#include "frame/templates/plug.h"

namespace parental::corvui {
namespace {

constexpr std::size_t kMaxAnswerSize = 16u << 20;
constexpr std::size_t kCategoryEntrySize = 10;
constexpr std::size_t kRoleHeadSize = 28;
constexpr std::uint32_t kListInput = 4;

std::uint32_t U32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
std::uint16_t U16(const std::uint8_t* p) {
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

bool Inside(std::size_t size, std::uint64_t offset, std::uint64_t length) {
  return offset <= size && length <= size - offset;
}

// The NUL-terminated UTF-16 text at offset; false when its terminator is not in the block.
bool ReadName(const std::uint8_t* block, std::size_t size, std::uint64_t offset, std::u16string* name) {
  name->clear();
  for (std::uint64_t at = offset; Inside(size, at, 2); at += 2) {
    const char16_t c = U16(block + at);
    if (c == 0) return true;
    name->push_back(c);
  }
  return false;
}

}  // namespace

bool ReadCategoryBlock(const std::uint8_t* block, std::size_t size, std::uint32_t count,
                       std::vector<CategoryEntry>* entries) {
  entries->clear();
  if (size < kEngineHeaderSize || U32(block) != kEngineHeaderSize || U32(block + 4) != count) return false;
  const std::uint64_t arrayBytes = std::uint64_t(count) * kCategoryEntrySize;
  if (U32(block + 8) != arrayBytes || !Inside(size, U32(block + 12), arrayBytes)) return false;
  const std::uint8_t* entry = block + U32(block + 12);
  for (std::uint32_t i = 0; i < count; ++i, entry += kCategoryEntrySize)
    entries->push_back({U16(entry), U32(entry + 2), U32(entry + 6)});
  return true;
}

std::vector<core::RolePtr> ReadTemplateRoleBlock(const std::uint8_t* block, std::size_t size) {
  std::vector<core::RolePtr> roles;
  if (size < kEngineHeaderSize || U32(block) != kEngineHeaderSize) return roles;
  const std::uint32_t count = U32(block + 4);
  std::uint64_t record = U32(block + 8);
  std::u16string name;
  for (std::uint32_t i = 0; i < count && Inside(size, record, kRoleHeadSize); ++i) {
    const std::uint8_t* head = block + record;
    const std::uint64_t entries = U32(head + 16);
    const std::uint64_t entryOffset = record + U32(head + 24);
    if (!ReadName(block, size, record + U32(head + 8), &name) || !Inside(size, entryOffset, entries * 4)) break;
    core::RolePtr role = core::RolePtr::Make(name, U16(head + 12), U16(head + 14));
    if (!role) break;
    for (std::uint64_t e = 0; e < entries; ++e) {
      const std::uint8_t* entry = block + entryOffset + 4 * e;
      if (entry[2] <= core::kAllowed) role->SetCategory(U16(entry), entry[2]);
    }
    roles.push_back(role);
    const std::uint64_t stride = std::uint64_t(U32(head)) + U32(head + 4) + U32(head + 20);
    if (stride < kRoleHeadSize) break;
    record += stride;
  }
  return roles;
}

bool AskEngine(CPlug* engine, std::uint32_t innerCode, std::size_t firstSize, NeededSize neededSize,
               EngineAnswer* answer) {
  if (!engine) return false;
  std::size_t size = firstSize;
  for (;;) {
    answer->buffer.assign(size, 0);
    std::uint64_t returned = 0;
    const std::uint32_t result =
        engine->PlugCall(innerCode, &kListInput, sizeof(kListInput), answer->buffer.data(), size, &returned);
    answer->returned = std::size_t(returned < size ? returned : size);
    if (result == kPlugOk) return returned >= kEngineHeaderSize;
    if (result != kPlugMoreData || returned < kEngineHeaderSize) return false;
    const std::size_t next = neededSize(answer->buffer.data());
    if (next <= size || next > kMaxAnswerSize) return false;
    size = next;
  }
}

}  // namespace parental::corvui
