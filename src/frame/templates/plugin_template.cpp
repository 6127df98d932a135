#include "frame/templates/plugin_template.h"

#include "frame/protocol/process.h"

CPluginTemplate::CPluginTemplate() {
  ProcessState& process = Process();
  CPluginTemplate* previous = process.mainTemplate;
  process.mainTemplate = this;
  if (previous) previous->Release();
  process.registerHook = &RegisterObject;
  process.mainRequest = &SendMainRequest;
}

CPluginTemplate::~CPluginTemplate() {
  ProcessState& process = Process();
  if (process.mainTemplate != this) return;  // a released predecessor leaves the state alone
  process.mainTemplate = nullptr;
  process.registerHook = nullptr;
  process.mainRequest = nullptr;
}

std::int32_t SendMainRequest(std::uint32_t param, std::uint32_t code, void* arg) {
  CPluginTemplate* main = Process().mainTemplate;
  return main ? main->SendRequest(param, code, arg) : kFailed;
}

void StartPlugin(const IoctlLink* link, CPluginTemplate* (*create)()) {
  if (!link) return;
  ProcessState& process = Process();
  process.hostLink = *link;
  process.registerHook = &RegisterObject;
  try {
    create();
    const NameTableHeader* answer = nullptr;
    if (SendMainRequest(0, kRequestNameTable, &answer) == kDone) process.names.Load(answer);
  } catch (...) {
  }
}
