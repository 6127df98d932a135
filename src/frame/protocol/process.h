#pragma once
// Process-wide state of the loaded plug-in: the host link, the hooks that the main
// template sets, the host's name table and services. The templates above fill it; this
// layer only holds it, so it names their classes without knowing them.
#include <cstdint>

#include "frame/protocol/host_services.h"
#include "frame/protocol/name_table.h"
#include "frame/protocol/records.h"

class CIOCtlProcTemplate;
class CPluginTemplate;

using RegisterHook = void (*)(CIOCtlProcTemplate* object);
using EnterModule = std::uintptr_t (*)();      // makes the plug-in's resources current
using LeaveModule = void (*)(std::uintptr_t);  // restores what EnterModule replaced
using MainRequestRoutine = std::int32_t (*)(std::uint32_t param, std::uint32_t code, void* arg);

struct ProcessState {
  IoctlLink hostLink{};                     // copied by SetIOCtlExtProc
  RegisterHook registerHook = nullptr;      // set while objects may register
  MainRequestRoutine mainRequest = nullptr; // set while a main template exists
  CPluginTemplate* mainTemplate = nullptr;
  NameTable names;
  IHostMetrics* metrics = nullptr;  // services received with kRequestServices
  IHostSettings* settings = nullptr;
  IHostImages* images = nullptr;
  EnterModule enterModule = nullptr;  // set by the application where the platform has it
  LeaveModule leaveModule = nullptr;
};

ProcessState& Process();

// Keeps the plug-in's module context current for the duration of an entry from the host.
class ModuleScope {
 public:
  ModuleScope();
  ~ModuleScope();
  ModuleScope(const ModuleScope&) = delete;
  ModuleScope& operator=(const ModuleScope&) = delete;

 private:
  LeaveModule leave_;
  std::uintptr_t cookie_ = 0;
};

// A request marked "main": through the main-request routine, -1 when none is set.
std::int32_t MainRequest(std::uint32_t code, void* arg);

// Keeps the services of an answer to kRequestServices: metrics and settings, and the
// images too when `withImages` is set. A second settings service is chained to the first.
void StoreHostServices(IHostServices* services, bool withImages);

// Translates a symbolic name through the host's name table.
bool LookupName(std::u16string_view name, char16_t result[kNameCapacity]);
