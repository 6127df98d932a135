// The reference host's engine data parser, and the answer blocks built from what it accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  host::EngineData engineData;
  std::string error;
  if (!host::ParseEngineData(std::string_view(reinterpret_cast<const char*>(data), size), engineData, error)) {
    return 0;
  }
  host::EngineSimulator engine(engineData);
  std::uint32_t input = 4;
  std::uint8_t output[64];
  std::uint64_t returned = 0;
  for (std::uint32_t code : {0x30001u, 0x30002u, 0x30003u}) engine.Answer(code, &input, 4, output, sizeof(output), &returned);
  return 0;
}
