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
