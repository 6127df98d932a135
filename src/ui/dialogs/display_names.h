#pragma once
// Texts the dialogs show: role keys as display names, and texts that hold several parts.
#include <string>
#include <vector>

namespace parental::corvui {

// A symbolic name ("@...") through the host's table of names (at most 80 characters), any
// other key, or a name the table lacks, as it is.
std::u16string RoleDisplayName(const std::u16string& key);
// A text split at "|".
std::vector<std::u16string> SplitAtBar(const std::u16string& text);

}  // namespace parental::corvui
