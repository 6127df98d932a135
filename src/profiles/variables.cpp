#include "profiles/variables.h"

#include "common/text.h"
#include "profiles/paths.h"

namespace parental::profiles {
namespace {

constexpr std::size_t kMaxPart = 255;

}  // namespace

bool ExpandVariables(std::u16string* text, std::size_t capacity, std::u16string_view variables) {
  if (!text || capacity == 0) return false;
  bool fits = text->size() < capacity;
  if (!fits) text->resize(capacity - 1);
  while (!variables.empty()) {
    std::size_t bar = variables.find(u'|');
    std::u16string_view pair = variables.substr(0, bar);
    variables = bar == std::u16string_view::npos ? std::u16string_view() : variables.substr(bar + 1);
    std::size_t eq = pair.find(u'=');
    if (eq == std::u16string_view::npos || eq == 0) continue;
    std::u16string_view name = pair.substr(0, eq).substr(0, kMaxPart);
    std::u16string_view value = pair.substr(eq + 1).substr(0, kMaxPart);
    // Searching on after each inserted value keeps a value that holds its own name from
    // being expanded forever.
    for (std::size_t at = text->find(name); at != std::u16string::npos; at = text->find(name, at)) {
      std::size_t room = capacity - 1 - (text->size() - name.size());
      std::u16string_view put = value;
      if (put.size() > room) {
        put = put.substr(0, room);
        fits = false;
      }
      text->replace(at, name.size(), put);
      at += put.size();
    }
  }
  return fits;
}

bool ExpandVariables(char16_t* text, std::size_t capacity, std::u16string_view variables) {
  if (!text || capacity == 0) return false;
  std::u16string s(text, common::BoundedLength(text, capacity));
  bool fits = ExpandVariables(&s, capacity, variables);
  common::CopyText(text, capacity, s);
  return fits;
}

std::u16string VariablePair(std::u16string_view name, std::u16string_view value) {
  std::u16string pair(name);
  pair += u'=';
  pair += value;
  return pair;
}

std::u16string PluginVariables(std::uint32_t pluginId) {
  return VariablePair(kPluginIdVariable, common::FormatHex(pluginId, 8));
}

std::u16string ProfileVariables(std::u16string_view profile, std::u16string_view variables) {
  std::u16string s = VariablePair(kProfileNameVariable, profile);
  if (!variables.empty()) s += u"|" + std::u16string(variables);
  if (s.size() > kMaxPart) s.resize(kMaxPart);
  return s;
}

}  // namespace parental::profiles
