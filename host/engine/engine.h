#pragma once
// The filtering-engine simulator: answers the plug calls of the plug-in with the blocks
// it expects (category list, template roles, group roles, excluded relative identifier).
#include <cstdint>
#include <vector>

#include "engine/engine_data.h"

namespace host {

class EngineSimulator {
 public:
  explicit EngineSimulator(const EngineData& data);

  // One plug call: the inner result; *returned receives the size written or needed.
  std::uint32_t Answer(std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                       void* output, std::uint64_t outputSize, std::uint64_t* returned) const;

  const std::vector<std::uint8_t>& CategoryBlock() const { return categories_; }
  const std::vector<std::uint8_t>& RoleBlock(int variant) const { return variant ? groups_ : templates_; }

 private:
  std::vector<std::uint8_t> categories_;
  std::vector<std::uint8_t> templates_;
  std::vector<std::uint8_t> groups_;
  std::uint32_t excludedRid_;
};

}  // namespace host
