#include "data_file.h"

namespace host {

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool ParseNumber(std::string_view text, std::uint32_t maximum, std::uint32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  std::uint64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + std::uint64_t(c - '0');
  }
  if (n > maximum) return false;
  value = std::uint32_t(n);
  return true;
}

bool ReadRecordLines(std::string_view text, const std::function<std::string(std::string_view)>& record,
                     std::string& error) {
  std::size_t number = 0;
  for (std::string_view line : SplitFields(text, '\n')) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    std::string problem = record(line);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
  }
  return true;
}

}  // namespace host
