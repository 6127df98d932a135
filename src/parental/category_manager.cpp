#include "parental/category_manager.h"

#include <cstring>

#include "frame/protocol/records.h"
#include "frame/protocol/requests.h"
#include "parental/engine_blocks.h"

namespace parental::corvui {
namespace {

constexpr std::uint32_t kFirstTextCapacity = 255;
constexpr std::size_t kEntrySize = 10;

// Room for as many entries as the header of a "more data" answer announces.
std::size_t CategoryBlockSize(const std::uint8_t* header) {
  std::uint32_t count;
  std::memcpy(&count, header + 4, 4);
  return kEngineHeaderSize + kEntrySize * std::size_t(count);
}

}  // namespace

CategoryList CConfigManagerCategory::GetCategories() const {
  CategoryList list = CategoryList::Make();
  EngineAnswer answer;
  std::vector<CategoryEntry> entries;
  if (!list || !AskEngine(engine_, kInnerCategories, kEngineHeaderSize, &CategoryBlockSize, &answer)) return list;
  const auto count = std::uint32_t((answer.buffer.size() - kEngineHeaderSize) / kEntrySize);
  if (!ReadCategoryBlock(answer.buffer.data(), answer.returned, count, &entries)) return list;
  std::uint32_t capacity = kFirstTextCapacity;  // each text starts where the last one ended
  for (const CategoryEntry& entry : entries) {
    CategoryInfo info{entry.id, {}, {}};
    if (FetchHostText(entry.nameId, info.name, capacity) &&
        FetchHostText(entry.descriptionId, info.description, capacity)) {
      list->push_back(std::move(info));
    } else {
      capacity = kFirstTextCapacity;  // a failed request may have left any capacity behind
    }
  }
  return list;
}

}  // namespace parental::corvui
