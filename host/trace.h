#pragma once
// The host's trace: one line for every request between host and plug-in, and its result.
#include <cstdint>
#include <string>

namespace host {

// The name of a request code, such as "name table" for 0x40001.
const char* RequestName(std::uint32_t code, bool toPlugin);

class Trace {
 public:
  explicit Trace(bool enabled) : enabled_(enabled) {}
  bool enabled() const { return enabled_; }
  // "plug-in #2 -> host  0x00030005 publish panels  value=0 -> 0"
  void ToHost(std::size_t object, std::uint32_t code, const std::string& detail, std::int32_t result);
  // "host -> plug-in #2  5 create -> 0"
  void ToPlugin(std::size_t object, std::uint32_t code, std::int32_t result);
  void Note(const std::string& text);

 private:
  bool enabled_;
};

}  // namespace host
