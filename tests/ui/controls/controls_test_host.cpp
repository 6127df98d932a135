#include "controls_test_host.h"

#include "frame/templates/plugin_template.h"

namespace controls_test {

ControlsHost& ControlsHost::Get() {
  static ControlsHost host;
  return host;
}

IoctlLink ControlsHost::Link() { return IoctlLink{PLUGIN_ID, AddressOf(&Proc), AddressOf(this)}; }

ControlsHost::ControlsHost() {
  Process().hostLink = Link();
  Process().registerHook = &RegisterObject;
  new CPluginTemplate();  // main requests (help) go through it; the application releases it
  app_ = std::make_unique<wintest::TestApp>(L"");
  StoreHostServices(&services, true);
  services.OnEvent([this](const std::string& event) { events.push_back(event); });
}

ControlsHost::~ControlsHost() {
  app_.reset();
  Process() = ProcessState{};
}

std::int32_t ControlsHost::Proc(void* context, std::uint32_t, std::uint32_t code, void* arg) {
  auto* self = static_cast<ControlsHost*>(context);
  switch (code) {
    case kCodeRegister: {
      IoctlLink record = *static_cast<IoctlLink*>(arg);
      IoctlLink link = self->Link();
      return ProcOf(record)(FromAddress<void>(record.context), 0, kCodeAttach, &link);
    }
    case kCodeDetach:
      return kDone;
    case kRequestHelp: {
      auto* record = static_cast<HelpRecord*>(arg);
      self->help.push_back({record->data, record->command});
      return kDone;
    }
    case kRequestBitmapGet:
    case kRequestBitmapRelease:
    case kRequestBitmapQueryA:
    case kRequestBitmapQueryB:
      return host::AnswerBitmapRequest(self->bitmaps, code, *static_cast<BitmapRecord*>(arg));
    default:
      return kFailed;
  }
}

}  // namespace controls_test
