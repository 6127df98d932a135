#pragma once
// An in-process host for protocol tests: it is the host link of the process, attaches every
// object that registers, logs every request and answers through a replaceable function.
#include <functional>
#include <vector>

#include "frame/protocol/process.h"
#include "frame/templates/ioctl_template.h"

// Host services with only a settings service (which may be null).
class StubServices : public IHostServices {
 public:
  const StatusTable* GetStatusTable() override { return nullptr; }
  IHostMetrics* GetMetrics() override { return nullptr; }
  IHostSettings* GetSettings() override { return settings; }
  IHostImages* GetImages() override { return nullptr; }
  IHostSettings* settings = nullptr;
};

// A settings service that holds nothing; tests override what they watch.
class StubSettings : public IHostSettings {
 public:
  bool QueryFlag(const char16_t*, const char16_t*) override { return false; }
  std::uint32_t QueryNumber(const char16_t*, std::uint32_t fallback) override { return fallback; }
  bool SetFlag(const char16_t*, bool) override { return false; }
  bool SetNumber(const char16_t*, std::uint32_t) override { return false; }
  const char16_t* GetText(const char16_t*) override { return nullptr; }
  bool SetText(const char16_t*, const char16_t*) override { return false; }
  bool Remove(const char16_t*) override { return false; }
  std::uint32_t Count() override { return 0; }
  void Chain(IHostSettings*) override {}
};

class TestHost {
 public:
  struct Request {
    std::uint32_t param;
    std::uint32_t code;
    void* arg;
  };
  using Answer = std::function<std::int32_t(std::uint32_t param, std::uint32_t code, void* arg)>;

  TestHost() {
    Process().hostLink = Link();
    Process().registerHook = &RegisterObject;
  }
  ~TestHost() {
    Process().hostLink = IoctlLink{};
    Process().registerHook = nullptr;
    Process().names.Clear();
  }

  IoctlLink Link() { return IoctlLink{PLUGIN_ID, AddressOf(&Proc), AddressOf(this)}; }

  std::size_t Count(std::uint32_t code) const {
    std::size_t n = 0;
    for (const Request& r : requests) n += r.code == code;
    return n;
  }

  bool attach = true;                     // attach objects as they register
  bool create = false;                    // and create them (code 5) right after
  Answer answer;                          // answers requests other than registration
  std::vector<Request> requests;          // every request, in order
  std::vector<IoctlLink> registrations;   // the records of kCodeRegister
  std::vector<IoctlLink> unregistrations; // the records of kCodeDetach

 private:
  static std::int32_t Proc(void* context, std::uint32_t param, std::uint32_t code, void* arg) {
    auto* host = static_cast<TestHost*>(context);
    host->requests.push_back({param, code, arg});
    if (code == kCodeRegister) {
      IoctlLink record = *static_cast<IoctlLink*>(arg);
      host->registrations.push_back(record);
      IoctlLink link = host->Link();
      if (host->attach) ProcOf(record)(FromAddress<void>(record.context), 0, kCodeAttach, &link);
      if (host->create) ProcOf(record)(FromAddress<void>(record.context), 0, kCodeCreate, nullptr);
      return kDone;
    }
    if (code == kCodeDetach) {
      host->unregistrations.push_back(*static_cast<IoctlLink*>(arg));
      return kDone;
    }
    return host->answer ? host->answer(param, code, arg) : kFailed;
  }
};
