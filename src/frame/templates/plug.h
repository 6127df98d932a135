#pragma once
// Plugs: the channel of plug calls between the plug-in and the host's filtering engine.
#include <cstdint>

#include "frame/templates/plugin_template.h"

class CPlug;
using PlugForward = std::uint32_t (*)(CPlug* plug, std::uint32_t innerCode, const void* input,
                                      std::uint64_t inputSize, void* output, std::uint64_t outputSize,
                                      std::uint64_t* returnedSize);

class CPlug {
 public:
  explicit CPlug(std::uint32_t id = PLUGIN_ID) : id_(id) {}
  virtual ~CPlug() = default;
  // An incoming plug call; base: 7 (not supported).
  virtual std::uint32_t HandlePlugCall(std::uint32_t plugId, std::uint32_t, std::uint32_t,
                                       std::uint32_t innerCode, const void* input,
                                       std::uint64_t inputSize, void* output,
                                       std::uint64_t outputSize, std::uint64_t* returnedSize);

  // An outgoing plug call: the inner result, or 12 without a forwarding function or when
  // the host fails the request. The returned size is stored when returnedSize is not null.
  std::uint32_t PlugCall(std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                         void* output, std::uint64_t outputSize, std::uint64_t* returnedSize);

  std::uint32_t PlugId() const { return id_; }

 protected:
  void SetForward(PlugForward forward) { forward_ = forward; }

 private:
  [[maybe_unused]] std::uint64_t reserved_[2] = {};  // zero; kept for the layout
  std::uint32_t id_;
  PlugForward forward_ = nullptr;
};

// The main template as a plug: outgoing plug calls travel as kRequestPlugCall through
// its link; incoming ones reach HandlePlugCall.
class CUiPlug : public CPluginTemplate, public CPlug {
 public:
  CUiPlug();
  ~CUiPlug() override;

  std::int32_t OnIOCtl(std::uint32_t code, void* arg) override;
  void OnCreate() override;  // keeps the host's metrics and settings services
  std::uint32_t HandlePlugCall(std::uint32_t plugId, std::uint32_t, std::uint32_t,
                               std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                               void* output, std::uint64_t outputSize,
                               std::uint64_t* returnedSize) override;
  // Incoming plug calls of the user-interface range; base: 7.
  virtual std::uint32_t OnPlugCall(std::uint32_t plugId, std::uint32_t, std::uint32_t,
                                   std::uint32_t innerCode, const void* input,
                                   std::uint64_t inputSize, void* output,
                                   std::uint64_t outputSize, std::uint64_t* returnedSize);
  virtual void OnUiEvent() {}
};
