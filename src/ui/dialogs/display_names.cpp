#include "ui/dialogs/display_names.h"

#include "frame/protocol/process.h"

namespace parental::corvui {

std::u16string RoleDisplayName(const std::u16string& key) {
  char16_t name[kNameCapacity] = {};
  if (!key.empty() && key[0] == u'@' && LookupName(key, name)) return name;
  return key;
}

std::vector<std::u16string> SplitAtBar(const std::u16string& text) {
  std::vector<std::u16string> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = text.find(u'|', start)) != std::u16string::npos; start = bar + 1)
    parts.push_back(text.substr(start, bar - start));
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace parental::corvui
