#pragma once
// The dialogs' URL edits start at "http://": that text, like an empty one, names no web
// page, and "OK" or "&Add" then writes nothing.
#include <string_view>

namespace parental::corvui {

inline bool NamesWebPage(std::u16string_view text) { return !text.empty() && text != u"http://"; }

}  // namespace parental::corvui
