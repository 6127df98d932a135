// The plug-in object's life with an in-process host: what registers, what creation asks
// for, which notices it answers, and that destruction unregisters everything.
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

TEST(ParentalPlugin, RegistersItsObjectsAndDrivesThemThroughTheirLife) {
  ServingHost host;
  auto* plugin = new CParentalPlugin;
  // The plug-in object, its page, the page's two panels and the two configuration objects.
  ASSERT_EQ(host.registrations.size(), 6u);
  CIOCtlProcTemplate* main = plugin;
  EXPECT_EQ(+host.registrations[0].context, AddressOf(main));
  EXPECT_EQ(Process().mainTemplate, plugin);
  EXPECT_TRUE(plugin->PrivateConfig() && plugin->SharedConfig());

  EXPECT_EQ(Send(main, kCodeCreate), kDone);
  EXPECT_EQ(host.Count(kRequestServices), 2u);
  EXPECT_EQ(plugin->PrivateConfig()->Variables(), u"${PluginID}=01000D00|${ProfileName}=@My profile");
  EXPECT_EQ(Send(&plugin->Page(), kCodeCreate), kDone);
  EXPECT_EQ(host.Count(kRequestPublishPanels), 2u);
  EXPECT_EQ(Send(plugin->PrivateConfig(), kCodeCreate), kDone);
  EXPECT_EQ(host.Count(kRequestPublishViews), 0u);  // the private one offers no pages
  EXPECT_EQ(Send(plugin->SharedConfig(), kCodeCreate), kDone);
  EXPECT_EQ(host.Count(kRequestPublishViews), 1u);

  EXPECT_EQ(Send(main, kConfigChangeNotices[0]), kDone);
  EXPECT_EQ(Send(main, kConfigChangeNotices[1]), kDone);
  PlugCallRecord call{kInnerUiFirst, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Send(main, kRequestPlugCall, &call), kFailed);  // the plug-in takes no plug calls
  EXPECT_EQ(Send(&plugin->Page(), 0x1234), kDone);

  main->Release();
  EXPECT_EQ(host.unregistrations.size(), 6u);
  EXPECT_EQ(Process().mainTemplate, nullptr);
}

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
