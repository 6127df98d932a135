#pragma once
// Variable lists ("name=value" pairs joined by "|") and their expansion in path
// templates and value names.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace parental::profiles {

// Replaces every occurrence of each variable's name in text (a buffer of `capacity`
// units) by its value, pair after pair. False when the text had to be cut to fit.
bool ExpandVariables(char16_t* text, std::size_t capacity, std::u16string_view variables);
// The same on a string, cut to capacity - 1 characters.
bool ExpandVariables(std::u16string* text, std::size_t capacity, std::u16string_view variables);

// One pair of a variable list: name, "=" and value.
std::u16string VariablePair(std::u16string_view name, std::u16string_view value);

// "${PluginID}=" and the id as eight uppercase hexadecimal digits.
std::u16string PluginVariables(std::uint32_t pluginId);

// "${ProfileName}=" + profile, then "|" + variables when they are not empty; at most
// 255 characters.
std::u16string ProfileVariables(std::u16string_view profile, std::u16string_view variables);

}  // namespace parental::profiles
