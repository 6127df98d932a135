#include "reference_host.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/text.h"
#include "frame/templates/page_template.h"
#include "status_walk.h"
#include "ui/host_commands.h"
#include "ui/host_ui.h"

namespace host {

namespace {
using SetIOCtlExtProcFn = void (*)(IoctlLink*);

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof(text), "0x%llX", static_cast<unsigned long long>(value));
  return text;
}
}  // namespace

ReferenceHost::ReferenceHost(const Options& options, const EngineData& engine)
    : options_(options), engine_(engine), data_(engine), trace_(options.trace), password_(options.settingsPassword) {
  services_.OnEvent([this](const std::string& event) {
    trace_.Note(event);
    events_.push_back(event);
  });
  // The status page's warning asks whether the settings are unprotected.
  password_.OnChange([this] { services_.SetText(u"gui.password.disabled", password_.IsSet() ? u"0" : u"1"); });
}

// The host's procedures answer the plug-in; no exception of the host may reach it.
std::int32_t ReferenceHost::HostLinkProc(void* context, std::uint32_t, std::uint32_t code, void* arg) {
  auto* host = static_cast<ReferenceHost*>(context);
  try {
    if (code == kCodeRegister) return host->Register(static_cast<const IoctlLink*>(arg));
    host->trace_.ToHost(0, code, "through the host link", kFailed);
  } catch (...) {
  }
  ++host->refused_;
  return kFailed;
}

std::int32_t ReferenceHost::ObjectLinkProc(void* context, std::uint32_t param, std::uint32_t code,
                                           void* arg) {
  auto* object = static_cast<HostObject*>(context);
  ReferenceHost& host = *object->host;
  std::string detail;
  std::int32_t result = kFailed;
  try {
    result = host.Answer(*object, param, code, arg, detail);
    host.trace_.ToHost(object->number, code, detail, result);
  } catch (...) {
    result = kFailed;
  }
  ++(result == kFailed ? host.refused_ : host.answered_);
  return result;
}

HostObject* ReferenceHost::Find(std::uint64_t object) {
  for (HostObject& entry : objects_) {
    if (entry.registration.context == object && !entry.unregistered) return &entry;
  }
  return nullptr;
}

std::int32_t ReferenceHost::Register(const IoctlLink* record) {
  if (!record || !record->proc || !record->context) return kFailed;
  HostObject* entry = Find(record->context);
  bool again = entry != nullptr;
  if (!entry) {
    objects_.push_back(HostObject{this, objects_.size() + 1, *record, {}});
    entry = &objects_.back();
    entry->link = IoctlLink{record->id, AddressOf(&ObjectLinkProc), AddressOf(entry)};
    if (record->id == 0) entry->role = "bitmap store";
  }
  trace_.ToHost(entry->number, kCodeRegister, again ? "registered again" : "id " + Hex(record->id), kDone);
  Send(*entry, kCodeAttach, &entry->link);
  return kDone;
}

std::int32_t ReferenceHost::Send(HostObject& to, std::uint32_t code, void* arg) {
  std::int32_t result = ProcOf(to.registration)(FromAddress<void>(to.registration.context), 0, code, arg);
  trace_.ToPlugin(to.number, code, result);
  return result;
}

void ReferenceHost::SetModules(const ModuleState& state) {
  modules_ = state;
  services_.SetParentalState(state.parental);
  pendingState_ = true;
  events_.push_back("parental control in state " + std::to_string(state.parental) + ", encrypted traffic " +
                    (state.trafficFiltered ? "filtered" : "not filtered"));
}

CPageTemplate* ReferenceHost::StatusPage() const {
  for (const HostObject& object : objects_) {
    if (object.role == "status page" && object.created && !object.unregistered)
      return static_cast<CPageTemplate*>(FromAddress<CIOCtlProcTemplate>(object.registration.context));
  }
  return nullptr;
}

void ReferenceHost::DeliverNotices() {
  while (pendingState_) {
    pendingState_ = false;
    for (HostObject& object : objects_) {
      if (object.role != "status panel" || !object.created || object.unregistered) continue;
      PanelStateRecord record = StateCodes(modules_);
      Send(object, kNoticePanelState, &record);
      events_.push_back("state codes sent to the status panel");
    }
  }
  while (pendingNotices_) {
    --pendingNotices_;
    std::size_t told = 0;
    for (HostObject& object : objects_) {
      if (!object.created || object.unregistered) continue;
      Send(object, kConfigChangeNotices[0], nullptr);
      ++told;
    }
    events_.push_back("configuration-changed notice sent to " + std::to_string(told) + " objects");
  }
}

bool ReferenceHost::ApplyFile(const std::wstring& path, std::uint32_t section) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string detail;
  if (!file.good() && !file.eof()) detail = "cannot read the file";
  bool stored = detail.empty() && StoreConfiguration(section, text.data(), text.size(), detail);
  if (!stored) {
    std::fprintf(stderr, "parental-host: could not store %s: %s\n",
                 parental::common::ToUtf8(parental::common::AsText(path.c_str())).c_str(),
                 detail.c_str());
  }
  return stored;
}

void ReferenceHost::WalkStatusPages() {
  for (const HostObject& object : objects_) {
    if (object.role != "status page" || !object.created || object.unregistered) continue;
    auto* base = FromAddress<CIOCtlProcTemplate>(object.registration.context);
    for (std::string& line : WalkStatusPage(*static_cast<CPageTemplate*>(base))) events_.push_back(std::move(line));
  }
}

int ReferenceHost::Run() {
  if (!options_.tour.empty() && !StartTour()) return 1;
  HMODULE plugin = LoadLibraryW(options_.plugin.c_str());
  if (!plugin) {
    std::fprintf(stderr, "parental-host: cannot load the plug-in %s (error %lu)\n",
                 parental::common::ToUtf8(parental::common::AsText(options_.plugin.c_str())).c_str(),
                 GetLastError());
    return 1;
  }
  auto start = reinterpret_cast<SetIOCtlExtProcFn>(
      reinterpret_cast<void*>(GetProcAddress(plugin, "SetIOCtlExtProc")));
  if (!start) {
    std::fprintf(stderr, "parental-host: the library does not export SetIOCtlExtProc\n");
    FreeLibrary(plugin);
    return 1;
  }
  IoctlLink link{PLUGIN_ID, AddressOf(&HostLinkProc), AddressOf(this)};
  trace_.Note("SetIOCtlExtProc");
  start(&link);
  DeliverNotices();

  // Create every object, including those that register while others are created.
  std::vector<HostObject*> created;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    HostObject& object = objects_[i];
    if (object.unregistered || Send(object, kCodeCreate, nullptr) != kDone) continue;
    object.created = true;
    created.push_back(&object);
    DeliverNotices();
  }
  bool applied = options_.apply.empty() || ApplyFile(options_.apply, options_.section);
  DeliverNotices();
  WalkStatusPages();
  const bool scripted = RunUserInterface() && (options_.tour.empty() || FinishTour());

  for (auto it = created.rbegin(); it != created.rend(); ++it) {
    if (!(*it)->unregistered && Send(**it, kCodeDestroy, nullptr) == kDone) (*it)->created = false;
  }
  trace_.Note("unloading the plug-in");
  FreeLibrary(plugin);  // the plug-in releases its objects, which unregister

  bool released = bitmaps_.Outstanding() == 0;
  for (const HostObject& object : objects_) released = released && object.unregistered;
  return released && applied && scripted ? 0 : 1;
}

bool ReferenceHost::RunUserInterface() {
  if (!options_.setup && !options_.main && options_.script.empty()) return true;
  if (options_.setup && !pagesConfig_) {
    events_.push_back("no configuration object offered setup pages");
    return false;
  }
  windowsShown_ = true;
  HostCommandContext commands{&password_, BesideProgram(L""), [this] { return EngineLog(); }, [this] {
                                // The status page shows the password's state: it is told, as of any change.
                                ++pendingNotices_;
                                DeliverNotices();
                              }};
  auto hostCommand = [commands](HWND owner, const std::u16string& command) mutable {
    return RunHostCommand(owner, command, commands);
  };
  auto screenshotTaken = [this](const std::u16string& file, const std::u16string& caption) {
    tourIndex_.AddScreenshot(file, caption);
  };
  HostUi ui({pagesConfig_, StatusPage(), &bitmaps_, &password_, options_.script, options_.scriptWords, options_.main,
             [this](const std::string& event) { events_.push_back(event); }, [this] { DeliverNotices(); },
             [this](std::uint32_t state) {
               SetModules({state, modules_.trafficFiltered});
               DeliverNotices();
               return true;
             },
             [this](const std::wstring& file, std::uint32_t section) {
               const bool stored = ApplyFile(file, section);
               DeliverNotices();
               return stored;
             },
             hostCommand, parental::common::AsText(options_.tour.c_str()), screenshotTaken});
  ui_ = &ui;
  const bool ok = ui.Run();
  ui_ = nullptr;
  windowsShown_ = false;
  return ok;
}

}  // namespace host
