#include "dialog_driver.h"

#include "bitmaps.h"
#include "frame/templates/bitmap_store.h"
#include "services.h"

namespace dialogtest {
namespace {

// The reference host's services and bitmap store, for the whole program: the plug-in's
// shared bitmap store registers once and keeps its link to the host for good, so the host
// it talks to must outlive every test's model host. Dialog headers get the host's bitmaps.
class LastingHost {
 public:
  static LastingHost& Get() {
    static LastingHost host;
    // The store is made after the host, so that it goes (and unregisters) before the host.
    static const bool registered = [] {
      const IoctlLink current = Process().hostLink;
      Process().hostLink = host.Link();
      SharedBitmapStore();
      Process().hostLink = current;
      return true;
    }();
    (void)registered;
    return host;
  }
  host::HostServices services;

 private:
  LastingHost() = default;
  IoctlLink Link() { return IoctlLink{PLUGIN_ID, AddressOf(&Proc), AddressOf(this)}; }
  static std::int32_t Proc(void* context, std::uint32_t, std::uint32_t code, void* arg) {
    auto* self = static_cast<LastingHost*>(context);
    switch (code) {
      case kCodeRegister: {
        const IoctlLink record = *static_cast<IoctlLink*>(arg);
        IoctlLink link = self->Link();
        return ProcOf(record)(FromAddress<void>(record.context), 0, kCodeAttach, &link);
      }
      case kRequestBitmapGet:
      case kRequestBitmapRelease:
      case kRequestBitmapQueryA:
      case kRequestBitmapQueryB:
        return host::AnswerBitmapRequest(self->bitmaps_, code, *static_cast<BitmapRecord*>(arg));
      default:
        return kDone;  // detaching
    }
  }
  host::BitmapStore bitmaps_;
};

}  // namespace

ConfigFixture::ConfigFixture() {
  static wintest::TestApp app(L"no-language-library.dll");
  StoreHostServices(&LastingHost::Get().services, true);
  model.host.LoadNames();
  config = std::make_unique<parental::corvui::CParentalConfig>(&model.host.engine, true, model.host.registry,
                                                               model.service);
  config->Load(config->GetVariables());
  owner = wintest::CreateFrame(300, 200, L"Dialog owner");
}

ConfigFixture::~ConfigFixture() = default;

std::string ConfigFixture::ReloadedModel() {
  parental::corvui::CParentalConfig fresh(&model.host.engine, true, model.host.registry, model.service);
  fresh.Load(fresh.GetVariables());
  return DescribeModel(fresh);
}

}  // namespace dialogtest
