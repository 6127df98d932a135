#include "frame/protocol/process.h"

#include "frame/templates/ioctl_template.h"
#include "frame/templates/plugin_template.h"

ProcessState& Process() {
  static ProcessState state;
  return state;
}

ModuleScope::ModuleScope() : leave_(Process().leaveModule) {
  if (EnterModule enter = Process().enterModule) cookie_ = enter();
}

ModuleScope::~ModuleScope() {
  if (leave_) leave_(cookie_);
}

void RegisterObject(CIOCtlProcTemplate* object) {
  const IoctlLink& host = Process().hostLink;
  if (!host.proc || !host.context || !object) return;
  std::uint32_t id = object->TemplateId();
  if (id == MAIN_TEMPLATE_ID && Process().mainTemplate) id = Process().mainTemplate->TemplateId();
  IoctlLink record{id, AddressOf(&TemplateProcedure), AddressOf(object)};
  try {
    ProcOf(host)(FromAddress<void>(host.context), 0, kCodeRegister, &record);
  } catch (...) {
  }
}

std::int32_t SendMainRequest(std::uint32_t param, std::uint32_t code, void* arg) {
  CPluginTemplate* main = Process().mainTemplate;
  return main ? main->SendRequest(param, code, arg) : kFailed;
}

std::int32_t MainRequest(std::uint32_t code, void* arg) {
  MainRequestRoutine routine = Process().mainRequest;
  return routine ? routine(0, code, arg) : kFailed;
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

void StoreHostServices(IHostServices* services, bool withImages) {
  if (!services) return;
  ProcessState& process = Process();
  process.metrics = services->GetMetrics();
  IHostSettings* settings = services->GetSettings();
  if (!process.settings || process.settings == settings) {
    process.settings = settings;
  } else if (settings) {
    process.settings->Chain(settings);
  }
  if (withImages) process.images = services->GetImages();
}

bool LookupName(std::u16string_view name, char16_t result[kNameCapacity]) {
  return Process().names.Lookup(name, result);
}
