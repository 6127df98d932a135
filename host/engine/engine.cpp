#include "engine/engine.h"

#include <cstring>

#include "frame/protocol/records.h"

namespace host {
namespace {

// Little-endian block builder.
class Block {
 public:
  void U16(std::uint16_t v) { Bytes(&v, 2); }
  void U32(std::uint32_t v) { Bytes(&v, 4); }
  void Bytes(const void* data, std::size_t size) {
    auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void PatchU32(std::size_t offset, std::uint32_t v) { std::memcpy(&bytes_[offset], &v, 4); }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kHeaderSize = 16;
constexpr std::uint32_t kRoleRecordSize = 28;

// Header {16, n, 10 n, 16} and n entries {id, name string id, description string id}.
std::vector<std::uint8_t> BuildCategoryBlock(const std::vector<CategoryRecord>& categories) {
  Block block;
  auto n = std::uint32_t(categories.size());
  for (std::uint32_t v : {kHeaderSize, n, 10 * n, kHeaderSize}) block.U32(v);
  for (const CategoryRecord& c : categories) {
    block.U16(c.id);
    block.U32(c.nameId);
    block.U32(c.descriptionId);
  }
  return block.Take();
}

// Header {16, count, 16, 0}; each record: its 28-byte head {size A = 28, size B = name
// bytes, name offset, minimum age, maximum age, entry count, size C = entry bytes, entry
// offset}, the name and the entries {id, state, 0}.
std::vector<std::uint8_t> BuildRoleBlock(const std::vector<RoleRecord>& roles) {
  Block block;
  for (std::uint32_t v : {kHeaderSize, std::uint32_t(roles.size()), kHeaderSize, 0u}) block.U32(v);
  for (const RoleRecord& role : roles) {
    auto nameBytes = std::uint32_t((role.key.size() + 1) * 2);
    auto count = std::uint32_t(role.states.size());
    for (std::uint32_t v : {kRoleRecordSize, nameBytes, kRoleRecordSize}) block.U32(v);
    block.U16(role.minAge);
    block.U16(role.maxAge);
    for (std::uint32_t v : {count, 4 * count, kRoleRecordSize + nameBytes}) block.U32(v);
    block.Bytes(role.key.c_str(), nameBytes);
    for (const auto& [id, state] : role.states) {
      block.U16(id);
      std::uint8_t entry[2] = {state, 0};
      block.Bytes(entry, 2);
    }
  }
  return block.Take();
}

std::uint32_t Deliver(const std::vector<std::uint8_t>& block, void* output, std::uint64_t outputSize,
                      std::uint64_t* returned, bool sizeFirst) {
  *returned = block.size();
  if (output && outputSize >= block.size()) {
    std::memcpy(output, block.data(), block.size());
    return kPlugOk;
  }
  // Too small: the caller learns what it needs, from the header or from the first value.
  if (output && outputSize >= kHeaderSize) {
    std::memcpy(output, block.data(), kHeaderSize);
    auto needed = std::uint32_t(block.size());
    if (sizeFirst) std::memcpy(output, &needed, 4);
  }
  return kPlugMoreData;
}

bool InputIs(const void* input, std::uint64_t inputSize, const std::uint32_t* expected, std::size_t count) {
  return input && inputSize == count * 4 && std::memcmp(input, expected, count * 4) == 0;
}

}  // namespace

EngineSimulator::EngineSimulator(const EngineData& data)
    : categories_(BuildCategoryBlock(data.categories)),
      templates_(BuildRoleBlock(data.templates)),
      groups_(BuildRoleBlock(data.groups)),
      excludedRid_(data.excludedRid) {}

std::uint32_t EngineSimulator::Answer(std::uint32_t innerCode, const void* input,
                                      std::uint64_t inputSize, void* output,
                                      std::uint64_t outputSize, std::uint64_t* returned) const {
  static const std::uint32_t kListInput[] = {4};
  static const std::uint32_t kRidInput[] = {24, 0x01000F00, 0x1F009, 0, 24, 0};
  *returned = 0;
  switch (innerCode) {
    case kInnerCategories:
      if (!InputIs(input, inputSize, kListInput, 1)) return kPlugNotSupported;
      return Deliver(categories_, output, outputSize, returned, false);
    case kInnerTemplateRoles:
    case kInnerGroupRoles:
      if (!InputIs(input, inputSize, kListInput, 1)) return kPlugNotSupported;
      return Deliver(innerCode == kInnerGroupRoles ? groups_ : templates_, output, outputSize,
                     returned, true);
    case kInnerExcludedRid:
      if (!InputIs(input, inputSize, kRidInput, 6)) return kPlugNotSupported;
      if (!output || outputSize < 4) return kPlugMoreData;
      std::memcpy(output, &excludedRid_, 4);
      *returned = 4;
      return kPlugOk;
    default:
      return kPlugNotSupported;
  }
}

}  // namespace host
