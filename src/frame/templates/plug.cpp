#include "frame/templates/plug.h"

#include "frame/protocol/process.h"

namespace {

CUiPlug* g_uiPlug = nullptr;  // the object whose link carries outgoing plug calls

std::uint32_t ForwardToHost(CPlug* plug, std::uint32_t innerCode, const void* input,
                            std::uint64_t inputSize, void* output, std::uint64_t outputSize,
                            std::uint64_t* returnedSize) {
  if (!g_uiPlug) return kPlugNoHost;
  PlugCallRecord record{innerCode, AddressOf(input), inputSize, AddressOf(output), outputSize, 0, 0};
  if (g_uiPlug->SendRequest(plug->PlugId(), kRequestPlugCall, &record) != kDone) return kPlugNoHost;
  if (returnedSize) *returnedSize = record.returnedSize;
  return record.innerResult;
}

}  // namespace

std::uint32_t CPlug::HandlePlugCall(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                    const void*, std::uint64_t, void*, std::uint64_t,
                                    std::uint64_t*) {
  return kPlugNotSupported;
}

std::uint32_t CPlug::PlugCall(std::uint32_t innerCode, const void* input, std::uint64_t inputSize,
                              void* output, std::uint64_t outputSize, std::uint64_t* returnedSize) {
  if (!forward_) return kPlugNoHost;
  return forward_(this, innerCode, input, inputSize, output, outputSize, returnedSize);
}

CUiPlug::CUiPlug() {
  SetForward(&ForwardToHost);
  g_uiPlug = this;
}

CUiPlug::~CUiPlug() {
  if (g_uiPlug == this) g_uiPlug = nullptr;
}

std::int32_t CUiPlug::OnIOCtl(std::uint32_t code, void* arg) {
  if (code == kRequestPlugCall && arg) {
    auto* record = static_cast<PlugCallRecord*>(arg);
    std::uint64_t returned = 0;
    record->innerResult = HandlePlugCall(PlugId(), 0, 0, record->innerCode,
                                         FromAddress<const void>(record->input), record->inputSize,
                                         FromAddress<void>(record->output), record->outputSize,
                                         &returned);
    record->returnedSize = returned;
    return kAnswered;
  }
  if (code == kNoticeUiEvent) {
    OnUiEvent();
    return kAnswered;
  }
  return kFailed;
}

void CUiPlug::OnCreate() { StoreHostServices(QueryHostServices(), false); }

std::uint32_t CUiPlug::HandlePlugCall(std::uint32_t plugId, std::uint32_t a, std::uint32_t b,
                                      std::uint32_t innerCode, const void* input,
                                      std::uint64_t inputSize, void* output,
                                      std::uint64_t outputSize, std::uint64_t* returnedSize) {
  if (returnedSize) *returnedSize = 0;
  if (innerCode < kInnerUiFirst || innerCode > kInnerUiLast) return kPlugNotSupported;
  return OnPlugCall(plugId, a, b, innerCode, input, inputSize, output, outputSize, returnedSize);
}

std::uint32_t CUiPlug::OnPlugCall(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                  const void*, std::uint64_t, void*, std::uint64_t,
                                  std::uint64_t*) {
  return kPlugNotSupported;
}
