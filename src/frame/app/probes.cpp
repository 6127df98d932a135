#include "frame/app/probes.h"

#include <climits>
#include <string>
#include <vector>

namespace {

using parental::platform::IRegistryStore;
using parental::platform::RegKey;

// A string value of at most `bytes` bytes, up to its first zero; false when it is missing,
// longer or of another type.
bool ReadString(IRegistryStore& registry, RegKey key, std::u16string_view name, std::uint32_t bytes,
                std::u16string* text) {
  std::vector<char16_t> buffer(bytes / sizeof(char16_t) + 1, u'\0');
  std::uint32_t type = 0, size = bytes;
  if (!key || !registry.QueryValue(key, name, &type, buffer.data(), &size)) return false;
  if (type != parental::platform::kRegString && type != parental::platform::kRegExpandString) return false;
  buffer[size / sizeof(char16_t)] = 0;
  *text = buffer.data();
  return true;
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

int ParseLeadingVersion(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  const bool negative = at < text.size() && text[at] == u'-';
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) ++at;
  long long version = 0;
  std::size_t digits = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at, ++digits) {
    if (version <= INT_MAX) version = version * 10 + (text[at] - u'0');
  }
  if (digits == 0) return 0;
  if (version > INT_MAX) version = INT_MAX;  // a number beyond an int: the largest one
  return int(negative ? -version : version);
}

int ParseWordVersion(std::u16string_view text) {
  static constexpr std::u16string_view kPrefix = u"Word.Application.";
  const std::size_t found = text.find(kPrefix);
  return found == std::u16string_view::npos ? 0 : ParseLeadingVersion(text.substr(found + kPrefix.size()));
}

int GetInternetExplorerVersion(IRegistryStore& registry) {
  const RegKey machine = registry.Root(parental::platform::RegRoot::LocalMachine);
  const RegKey opened = registry.OpenIn64BitView(machine, u"SOFTWARE\\Microsoft\\Internet Explorer\\");
  parental::platform::ScopedKey key(registry, opened);
  std::u16string text;
  return ReadString(registry, key.get(), u"Version", 102, &text) ? ParseLeadingVersion(text) : 0;
}

int GetWordVersion(IRegistryStore& registry) {
  const RegKey classes = registry.Root(parental::platform::RegRoot::ClassesRoot);
  parental::platform::ScopedKey key(registry, registry.Open(classes, u"Word.Application\\CurVer", false));
  std::u16string text;
  return ReadString(registry, key.get(), u"", 518, &text) ? ParseWordVersion(text) : 0;
}
