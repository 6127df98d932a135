#pragma once
// An engine plug for model tests: answers plug calls through a replaceable function and
// records the output size of every call.
#include <cstdint>
#include <functional>
#include <vector>

#include "frame/templates/plug.h"

class EnginePlug : public CPlug {
 public:
  using Answer = std::function<std::uint32_t(std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                                             void* output, std::uint64_t outputSize, std::uint64_t* returned)>;
  EnginePlug() { SetForward(&Forward); }

  Answer answer;
  std::vector<std::uint64_t> outputSizes;

 private:
  static std::uint32_t Forward(CPlug* plug, std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                               void* output, std::uint64_t outputSize, std::uint64_t* returned) {
    auto* self = static_cast<EnginePlug*>(plug);
    self->outputSizes.push_back(outputSize);
    std::uint64_t size = 0;
    const std::uint32_t result = self->answer ? self->answer(innerCode, input, inputSize, output, outputSize, &size)
                                              : kPlugNotSupported;
    if (returned) *returned = size;
    return result;
  }
};
