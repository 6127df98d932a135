#include "engine/engine_translation.h"

#include <algorithm>
#include <vector>

#include "common/text.h"
#include "data_file.h"

namespace host {
namespace {

using parental::common::FromUtf8;

std::string TranslateCategory(const std::vector<std::string_view>& f, EngineData& data) {
  std::uint32_t id = 0;
  if (!ParseNumber(f[1], 0xFFFF, id)) return "bad category id";
  if (f[2].empty() || f[3].empty()) return "category without name or description";
  auto found = std::find_if(data.categories.begin(), data.categories.end(),
                            [&](const CategoryRecord& category) { return category.id == id; });
  if (found == data.categories.end()) return "unknown category";
  data.texts[found->nameId] = FromUtf8(f[2]);
  data.texts[found->descriptionId] = FromUtf8(f[3]);
  return {};
}

std::string TranslateName(const std::vector<std::string_view>& f, EngineData& data) {
  if (f[2].empty()) return "symbolic name without display name";
  const std::u16string key = FromUtf8(f[1]);
  auto found = std::find_if(data.names.begin(), data.names.end(), [&](const auto& name) { return name.first == key; });
  if (found == data.names.end()) return "unknown symbolic name";
  found->second = FromUtf8(f[2]);
  return {};
}

}  // namespace

bool ApplyEngineTranslation(std::string_view text, EngineData& data, std::string& error) {
  return ReadRecordLines(
      text,
      [&](std::string_view line) -> std::string {
        std::vector<std::string_view> f = SplitFields(line, '|');
        if (f[0] == "category" && f.size() == 4) return TranslateCategory(f, data);
        if (f[0] == "name" && f.size() == 3) return TranslateName(f, data);
        return "unknown record or wrong number of fields";
      },
      error);
}

}  // namespace host
