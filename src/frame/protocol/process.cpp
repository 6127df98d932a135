#include "frame/protocol/process.h"

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

std::int32_t MainRequest(std::uint32_t code, void* arg) {
  MainRequestRoutine routine = Process().mainRequest;
  return routine ? routine(0, code, arg) : kFailed;
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
