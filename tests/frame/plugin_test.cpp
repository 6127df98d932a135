// The plug-in object with an in-process host that creates every object as it registers.
// (Its whole life in the order the host drives it: the host's trace in tests/host.)
#include <gtest/gtest.h>

#include "frame/plugin/parental_plugin.h"
#include "test_host.h"

namespace {

using parental::corvui::CParentalPlugin;

std::int32_t Send(CIOCtlProcTemplate* object, std::uint32_t code, void* arg = nullptr) {
  return TemplateProcedure(object, 0, code, arg);
}

// A host that hands out its services and accepts every other request.
struct ServingHost : TestHost {
  ServingHost() {
    answer = [this](std::uint32_t, std::uint32_t code, void* arg) {
      if (code == kRequestServices) *static_cast<IHostServices**>(arg) = &services;
      return kDone;
    };
  }
  StubServices services;
};

// A host that creates every object as it registers creates each one while it is still
// being constructed: every OnCreate must still run, once what it uses exists.
TEST(ParentalPlugin, ObjectsCreatedAsTheyRegisterRunTheirOnCreate) {
  ServingHost host;
  host.create = true;
  auto* plugin = new CParentalPlugin;
  EXPECT_EQ(host.Count(kRequestServices), 3u);  // twice by the plug-in, once by the status panel
  // The private configuration was loaded: it took the plug-in object's variables.
  EXPECT_EQ(plugin->PrivateConfig()->Variables(), u"${PluginID}=01000D00|${ProfileName}=@My profile");
  EXPECT_EQ(host.Count(kRequestPublishPanels), 2u);
  EXPECT_EQ(host.Count(kRequestPublishViews), 1u);  // by the shared configuration only
  EXPECT_EQ(Send(plugin, kCodeCreate), kFailed);    // created once
  plugin->Release();
  EXPECT_EQ(host.unregistrations.size(), 6u);
}

}  // namespace
