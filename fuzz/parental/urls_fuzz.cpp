// URLs of any bytes: parsed and normalised; a normalised URL has no scheme, user or query
// left, so normalising it again keeps its host.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parental/url.h"

using namespace parental::corvui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParsedUrl url = ParseUrl(text);
  const std::string normalised = NormaliseUrl(text);
  if (normalised.empty() || url.path.empty()) std::abort();
  PercentDecode(text);
  return 0;
}
