#pragma once
// The blocks in which the filtering engine answers plug calls: the category list and the
// template roles. Everything is little-endian; offsets count from the start of the block.
// Readers check every count, offset and size against the block and never read outside it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "parental/role.h"

class CPlug;

namespace parental::corvui {

constexpr std::uint32_t kEngineHeaderSize = 16;

struct CategoryEntry {
  std::uint16_t id;
  std::uint32_t nameId;         // string ids of the texts the host serves
  std::uint32_t descriptionId;
};

// A category block asked for with room for `count` entries: header {16, n, 10 n, offset}
// and n packed 10-byte entries. False when the header does not match or the entries lie
// outside the block.
bool ReadCategoryBlock(const std::uint8_t* block, std::size_t size, std::uint32_t count,
                       std::vector<CategoryEntry>* entries);

// A template role block: header {16, count, first record offset, -} and records
// {size A, size B, name offset, minimum age, maximum age, entry count, size C, entry
// offset} with the next record at A + B + C. A record that does not lie inside the block,
// or a stride shorter than a record's head, ends the list.
std::vector<core::RolePtr> ReadTemplateRoleBlock(const std::uint8_t* block, std::size_t size);

// An engine answer: the buffer as last asked for and the size the engine returned.
struct EngineAnswer {
  std::vector<std::uint8_t> buffer;
  std::size_t returned = 0;
};

// Asks the engine for a block that may need a larger buffer: while it answers "more data"
// (5) and returns at least a header, neededSize(answer) gives the size to ask for next; a
// size that does not grow, or one above 16 MiB, ends the retries. False unless the engine
// finally answers 0 (success) with at least a header.
using NeededSize = std::size_t (*)(const std::uint8_t* header);
bool AskEngine(CPlug* engine, std::uint32_t innerCode, std::size_t firstSize, NeededSize neededSize,
               EngineAnswer* answer);

}  // namespace parental::corvui
