// The status page and its panels with an in-process host: the panels' layouts and texts
// from the host's status table and state codes, the account links that change the
// configuration, and the state button's menu. (The page's records and the second panel
// following the state: the host's trace and the status roads.)
#include <gtest/gtest.h>

#include "frame/app/plugin_app.h"
#include "frame/plugin/page_parental.h"
#include "frame/templates/plugin_template.h"
#include "parental/substitute_accounts.h"
#include "platform/memory_registry.h"
#include "win/richtext/static_ii.h"
#include "test_host.h"

namespace {

using namespace parental::corvui;

class App : public CPluginAppTemplate {
 public:
  App() : CPluginAppTemplate(nullptr) { Attach(GetModuleHandleW(nullptr)); }  // carries the strings
  ~App() override { Detach(false); }
  CPluginTemplate* CreatePlugin() override { return nullptr; }
};

class Services : public IHostServices, public IHostMetrics, public StubSettings {
 public:
  const StatusTable* GetStatusTable() override { return &table; }
  IHostMetrics* GetMetrics() override { return this; }
  IHostSettings* GetSettings() override { return this; }
  IHostImages* GetImages() override { return nullptr; }
  std::uint32_t GetVersion() override { return 1; }
  std::uint32_t GetColor(std::uint32_t) override { return 0; }
  std::uint64_t GetFont(std::uint32_t) override { return 0; }
  std::uint64_t GetCursor(std::uint32_t) override { return 0; }
  bool GetMetrics(std::uint32_t, HostMetricsRecord* record) override {
    *record = {420, 60, {}};
    return true;
  }
  bool QueryFlag(const char16_t* key, const char16_t*) override {
    return std::u16string(key) == u"gui.password.disabled" && noPassword;
  }

  StatusTableEntry entries[1] = {{0x2020001, {}, 4, {}}};
  StatusTable table{1, entries, {}};
  bool noPassword = true;
};

class StatusPageTest : public testing::Test {
 protected:
  void SetUp() override {
    Process().metrics = &services_;
    Process().settings = &services_;
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    ASSERT_TRUE(GetComputerNameW(name, &length));
    std::u16string computer(reinterpret_cast<const char16_t*>(name), length);
    accounts_.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1001", computer + u"\\anna");
    accounts_.AddMember(BuiltinGroup::Administrators, u"S-1-5-21-5-500", computer + u"\\Admin");
    accounts_.names[u"S-1-5-21-5-1001"] = {u"anna", computer};
    accounts_.names[u"S-1-5-21-5-500"] = {u"Admin", u"OTHER"};
    host_.answer = [this](std::uint32_t, std::uint32_t code, void* arg) -> std::int32_t {
      switch (code) {
        case kRequestServices: *static_cast<IHostServices**>(arg) = &services_; return kDone;
        case kRequestPanelState: {
          auto* record = static_cast<PanelStateRecord*>(arg);
          record->count = 1;
          record->codes[0] = 0x82020001;
          return kDone;
        }
        case kRequestConfirmAccess: static_cast<ConfirmAccessRecord*>(arg)->result = allow_; return kDone;
        case kRequestSubmit: return saves_ ? kDone : kFailed;
        default: return kDone;
      }
    };
    main_ = new CPluginTemplate;
    config_ = new CParentalConfig(nullptr, true, registry_, accounts_);
    config_->Accounts().LoadAccounts(u"OTHER.anna", u"S-1-5-21-5-1001:1:2015|S-1-5-21-5-500:1:1980");
    page_ = new CPageParental;
    page_->SetConfig(config_);
    TemplateProcedure(page_, 0, kCodeCreate, nullptr);
    TemplateProcedure(&page_->Status(), 0, kCodeCreate, nullptr);
  }
  void TearDown() override {
    page_->Release();
    config_->Release();
    main_->Release();
    Process().metrics = nullptr;
    Process().settings = nullptr;
  }

  std::u16string Content(CPanelTemplate& panel, std::uint32_t item) {
    ItemContentRecord record{};
    if (!panel.GetItemContent(item, 0, &record)) return u"(none)";
    return record.text ? FromAddress<const char16_t>(record.text) : u"";
  }
  bool Link(std::uint32_t item, std::uint32_t id) {
    HostItemRecord hostItem{};
    ItemLinkRecord link{0, id};
    return page_->Status().OnItemLink(item, 0, &hostItem, &link);
  }

  App app_;
  TestHost host_;
  Services services_;
  parental::platform::MemoryRegistry registry_;
  SubstituteAccounts accounts_;
  CPluginTemplate* main_ = nullptr;
  CParentalConfig* config_ = nullptr;
  CPageParental* page_ = nullptr;
  std::uint32_t allow_ = 1;
  bool saves_ = true;
};

TEST_F(StatusPageTest, TextsFromTheTableTheCodesAndTheAccounts) {
  CPanelParental& status = page_->Status();
  ItemLayoutRecord layout{};
  ASSERT_TRUE(status.GetItemLayout(0, &layout));  // lists the accounts
  ASSERT_EQ(status.Lines().size(), 2u);
  EXPECT_TRUE(status.GetItemLayout(4, &layout));
  EXPECT_FALSE(status.GetItemLayout(5, &layout));

  std::u16string header = Content(status, 1);
  EXPECT_NE(header.find(u"caption=\"Enabled\""), std::u16string::npos);
  EXPECT_NE(header.find(u"active=\"0\""), std::u16string::npos);
  EXPECT_NE(header.find(u"gui.passworddlg.show"), std::u16string::npos);  // enabled administrator, no password
  EXPECT_NE(header.find(u"<A ID=\"1\">Enable</A>"), std::u16string::npos);
  services_.entries[0].state = 2;
  services_.noPassword = false;
  header = Content(status, 1);
  EXPECT_NE(header.find(u"caption=\"Non-functional\""), std::u16string::npos);
  EXPECT_EQ(header.find(u"gui.passworddlg.show"), std::u16string::npos);

  // The administrators come first; an account of this computer shows its user name alone.
  EXPECT_NE(Content(status, 3).find(u"<H4>OTHER\\Admin ("), std::u16string::npos);
  std::u16string line = Content(status, 4);
  EXPECT_NE(line.find(u"<H4>anna (<A ID=\"4\">"), std::u16string::npos);
  EXPECT_NE(line.find(u"<A ID=\"3\"><F7>Enabled</A>"), std::u16string::npos);
  ItemContentRecord record{};
  ASSERT_TRUE(status.GetItemContent(3, 0, &record));
  EXPECT_EQ(record.picture, kNoPicture);  // Wine's shell has no account pictures
  EXPECT_EQ(Content(status, 9), u"(none)");
}

TEST_F(StatusPageTest, LabelLinksSwitchAccountsOnlyWithAccessAndKeepWhatASaveLost) {
  CPanelParental& status = page_->Status();
  ItemLayoutRecord layout{};
  status.GetItemLayout(0, &layout);
  ASSERT_EQ(status.Lines()[1].account.sidText, u"S-1-5-21-5-1001");

  allow_ = 0;
  EXPECT_TRUE(Link(4, kLinkEnabled));
  EXPECT_EQ(config_->Accounts().Accounts().at(u"S-1-5-21-5-1001").account->enabled, 1u);

  allow_ = 1;
  EXPECT_TRUE(Link(4, kLinkEnabled));
  EXPECT_EQ(config_->Accounts().Accounts().at(u"S-1-5-21-5-1001").account->enabled, 0u);
  EXPECT_NE(Content(status, 4).find(u"<A ID=\"2\"><F8>Disabled</A>"), std::u16string::npos);
  EXPECT_TRUE(Link(4, kLinkDisabled));
  EXPECT_NE(Content(status, 4).find(u"<F7>Enabled"), std::u16string::npos);

  EXPECT_GE(host_.Count(kRequestSubmit), 2u);

  // A save the host refuses reloads the stored configuration; the line keeps its label.
  saves_ = false;
  EXPECT_TRUE(Link(4, kLinkEnabled));
  EXPECT_EQ(config_->Accounts().Accounts().count(u"S-1-5-21-5-1001"), 0u);  // nothing was stored
  EXPECT_EQ(status.Lines()[1].account.kind, kAccountEnabled);

  EXPECT_TRUE(Link(1, 1));  // "Enable" of the encrypted-traffic warning
  EXPECT_EQ(host_.Count(kRequestHostValue), 1u);
  EXPECT_FALSE(page_->Status().OnItemLink(4, 0, nullptr, nullptr));
  EXPECT_FALSE(Link(1, 0));  // no clicked button reported
}

TEST_F(StatusPageTest, TheStateButtonAsksForTheHostsMenuBelowItself) {
  ASSERT_TRUE(CStaticII::RegisterClass());
  CStaticII control;
  ASSERT_TRUE(control.Create(WS_POPUP, RECT{100, 200, 700, 300}, nullptr, 0));
  control.SetText(Content(page_->Status(), 1));
  CLineObject* button = control.Document().FindObject(u"0");
  ASSERT_TRUE(button && button->GetKind() == CLineObject::kButton);
  HostItemRecord hostItem{};
  hostItem.control = AddressOf(&control);
  ItemLinkRecord link{0, 0};
  EXPECT_FALSE(page_->Status().OnItemLink(1, 0, &hostItem, &link));  // nothing clicked yet

  StateMenuRecord asked{};
  host_.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    if (code == kRequestStateMenu) asked = *static_cast<StateMenuRecord*>(arg);
    return kDone;
  };
  control.Document().hover.object = button;
  EXPECT_TRUE(page_->Status().OnItemLink(1, 0, &hostItem, &link));
  POINT expected{button->GetRect().left, button->GetRect().bottom};
  ClientToScreen(control.GetSafeHwnd(), &expected);
  EXPECT_EQ(asked.size, 16u);
  EXPECT_EQ(asked.module, 0x2020001u);
  EXPECT_EQ(asked.point, std::uint32_t(expected.x) | std::uint64_t(std::uint32_t(expected.y)) << 32);
  EXPECT_GE(expected.y, 200);
  control.DestroyWindow();
}

}  // namespace
