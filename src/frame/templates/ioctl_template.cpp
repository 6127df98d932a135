#include "frame/templates/ioctl_template.h"

#include "frame/protocol/process.h"
#include "frame/templates/plugin_template.h"

CIOCtlProcTemplate::CIOCtlProcTemplate(std::uint32_t id) : id_(id) { AddRef(); }

CIOCtlProcTemplate::~CIOCtlProcTemplate() {
  IoctlLink record{id_, AddressOf(&TemplateProcedure), AddressOf(this)};
  try {
    SendRequest(0, kCodeDetach, &record);
  } catch (...) {
  }
}

std::int32_t CIOCtlProcTemplate::OnIOCtl(std::uint32_t, void*) { return kFailed; }

void CIOCtlProcTemplate::AddRef() {
  refCount_.fetch_add(1);
  RegisterHook hook = Process().registerHook;
  if (hook && !link_.proc) hook(this);
}

void CIOCtlProcTemplate::Release() {
  try {
    if (refCount_.fetch_sub(1) != 1) return;
    if (created_) {
      OnDestroy();
      created_ = 0;
    }
  } catch (...) {
  }
  delete this;
}

std::int32_t CIOCtlProcTemplate::SendRequest(std::uint32_t param, std::uint32_t code, void* arg) {
  IoctlProc proc = ProcOf(link_);
  if (!proc) return kFailed;
  try {
    return proc(FromAddress<void>(link_.context), param, code, arg);
  } catch (...) {
    return kFailed;
  }
}

IHostServices* CIOCtlProcTemplate::QueryHostServices() {
  IHostServices* services = nullptr;  // only a non-null answer counts, whatever the result
  SendRequest(0, kRequestServices, &services);
  return services;
}

std::int32_t CIOCtlProcTemplate::Dispatch(std::uint32_t code, void* arg) {
  switch (code) {
    case kCodeAttach:
    case kCodeRegister:
      if (!arg) return kFailed;
      link_ = *static_cast<const IoctlLink*>(arg);
      return kDone;
    case kCodeDetach:
    case kCodeUnregister:
      link_ = IoctlLink{};
      return kDone;
    case kCodeCreate:
      if (created_) return kFailed;
      created_ = 1;
      OnCreate();
      return kDone;
    case kCodeDestroy:
      if (!created_) return kFailed;
      OnDestroy();
      created_ = 0;
      return kDone;
    case kCodeGuarded: {
      if (!created_) return kFailed;
      if (inHandler_) return kDone;
      inHandler_ = 1;
      std::int32_t result = OnIOCtl(code, arg);  // an exception leaves the flag set
      inHandler_ = 0;
      return result;
    }
    default:
      return created_ ? OnIOCtl(code, arg) : kFailed;
  }
}

std::int32_t TemplateProcedure(void* context, std::uint32_t, std::uint32_t code, void* arg) {
  if (!context) return kFailed;
  try {
    ModuleScope scope;
    return static_cast<CIOCtlProcTemplate*>(context)->Dispatch(code, arg);
  } catch (...) {
    return kFailed;
  }
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
