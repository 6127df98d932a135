#pragma once
// The line format of the host's data files: one record a line, fields separated by "|",
// empty lines and lines starting with "#" skipped.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

std::vector<std::string_view> SplitFields(std::string_view text, char separator);

// A decimal number of at most `maximum`, digits only.
bool ParseNumber(std::string_view text, std::uint32_t maximum, std::uint32_t& value);

// Hands every record line to `record`, which answers an empty text or what is wrong with
// the line; the first problem stops the reading with `error` = "line N: problem".
bool ReadRecordLines(std::string_view text, const std::function<std::string(std::string_view)>& record,
                     std::string& error);

}  // namespace host
