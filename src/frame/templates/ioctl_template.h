#pragma once
// The protocol base of every object that the host talks to: a reference count, the
// created and in-handler flags, the object's own link to the host and its template id.
#include <atomic>
#include <cstdint>

#include "frame/protocol/host_services.h"
#include "frame/protocol/records.h"

class CIOCtlProcTemplate {
 public:
  // Sets the id and registers the object with the host (through AddRef).
  explicit CIOCtlProcTemplate(std::uint32_t id = PLUGIN_ID);
  CIOCtlProcTemplate(const CIOCtlProcTemplate&) = delete;
  CIOCtlProcTemplate& operator=(const CIOCtlProcTemplate&) = delete;

  virtual std::int32_t OnIOCtl(std::uint32_t code, void* arg);  // base: -1
  virtual ~CIOCtlProcTemplate();                                // unregisters: code 2
  virtual void Release();
  virtual void OnCreate() {}
  virtual void OnDestroy() {}

  void AddRef();
  // Calls the object's own link: proc(link.context, param, code, arg); -1 without a link.
  std::int32_t SendRequest(std::uint32_t param, std::uint32_t code, void* arg);
  // The host's service interface (kRequestServices through the link); null on failure.
  IHostServices* QueryHostServices();

  std::uint32_t TemplateId() const { return id_; }
  bool IsCreated() const { return created_ != 0; }
  const IoctlLink& Link() const { return link_; }
  std::uint32_t RefCount() const { return refCount_.load(); }

 private:
  friend std::int32_t TemplateProcedure(void*, std::uint32_t, std::uint32_t, void*);
  std::int32_t Dispatch(std::uint32_t code, void* arg);

  std::atomic<std::uint32_t> refCount_{0};
  std::uint8_t created_ = 0;
  std::uint8_t inHandler_ = 0;  // code 9 is being handled
  IoctlLink link_{};
  std::uint32_t id_;
};

// The procedure the host calls for every registered object; its context is the object.
std::int32_t TemplateProcedure(void* context, std::uint32_t param, std::uint32_t code, void* arg);

// Sends kCodeRegister with {id, template procedure, object} through the host link (the
// main template's id for MAIN_TEMPLATE_ID); the register hook while registration is on.
void RegisterObject(CIOCtlProcTemplate* object);
