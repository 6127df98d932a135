// The host protocol seen from an in-process host: registration, the template procedure,
// reference counting, start-up with the name table, and the main requests.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "frame/protocol/requests.h"
#include "frame/templates/plugin_template.h"
#include "test_host.h"

namespace {

// An object that counts its handler calls and can be told to throw.
class Probe : public CIOCtlProcTemplate {
 public:
  using CIOCtlProcTemplate::CIOCtlProcTemplate;
  std::int32_t OnIOCtl(std::uint32_t code, void* arg) override {
    ++requests;
    if (throws) throw std::runtime_error("handler failed");
    if (reenter) return TemplateProcedure(this, 0, kCodeGuarded, arg) + 100;
    return 7;
  }
  void OnCreate() override { ++creates; }
  void OnDestroy() override { ++destroys; }
  ~Probe() override {
    if (deleted) *deleted = destroys;  // how often OnDestroy ran before deletion
  }
  int requests = 0, creates = 0, destroys = 0;
  bool throws = false, reenter = false;
  int* deleted = nullptr;
};

std::int32_t Send(CIOCtlProcTemplate& object, std::uint32_t code, void* arg = nullptr) {
  return TemplateProcedure(&object, 0, code, arg);
}

TEST(Protocol, AnUnattachedObjectFailsEveryRequestAndRegistersAgainOnAddRef) {
  TestHost host;
  host.attach = false;
  Probe probe;
  EXPECT_EQ(probe.SendRequest(0, kRequestServices, nullptr), kFailed);
  EXPECT_EQ(host.Count(kRequestServices), 0u);
  probe.AddRef();  // still no link: the hook registers it again
  EXPECT_EQ(host.registrations.size(), 2u);
  IoctlLink link = host.Link();
  EXPECT_EQ(Send(probe, kCodeRegister, &link), kDone);
  probe.AddRef();
  EXPECT_EQ(host.registrations.size(), 2u);
  EXPECT_EQ(Send(probe, kCodeUnregister), kDone);
  EXPECT_EQ(+probe.Link().proc, 0u);
  EXPECT_EQ(Send(probe, kCodeAttach, nullptr), kFailed);  // no record to copy
}

TEST(Protocol, CreateAndDestroyRunOnceInOrder) {
  TestHost host;
  Probe probe;
  EXPECT_EQ(Send(probe, kCodeDestroy), kFailed);
  EXPECT_EQ(Send(probe, 7), kFailed);  // requests need a created object
  EXPECT_EQ(probe.requests, 0);
  EXPECT_EQ(Send(probe, kCodeCreate), kDone);
  EXPECT_EQ(Send(probe, kCodeCreate), kFailed);
  EXPECT_EQ(probe.creates, 1);
  EXPECT_EQ(Send(probe, 8), 7);
  EXPECT_EQ(Send(probe, 0x1234), 7);
  EXPECT_EQ(Send(probe, kCodeDestroy), kDone);
  EXPECT_EQ(Send(probe, kCodeDestroy), kFailed);
  EXPECT_EQ(probe.destroys, 1);
  EXPECT_EQ(TemplateProcedure(nullptr, 0, kCodeCreate, nullptr), kFailed);
}

TEST(Protocol, GuardedRequestIsNotReentered) {
  TestHost host;
  Probe probe;
  Send(probe, kCodeCreate);
  probe.reenter = true;
  EXPECT_EQ(Send(probe, kCodeGuarded), 100);  // the nested call answered 0 at once
  EXPECT_EQ(probe.requests, 1);
  EXPECT_EQ(Send(probe, 8), 200);  // a guarded request inside another code is handled
  EXPECT_EQ(probe.requests, 3);
}

TEST(Protocol, ExceptionsBecomeFailuresAndLeaveTheGuardSet) {
  TestHost host;
  Probe probe;
  Send(probe, kCodeCreate);
  probe.throws = true;
  EXPECT_EQ(Send(probe, 8), kFailed);
  EXPECT_EQ(Send(probe, kCodeGuarded), kFailed);
  probe.throws = false;
  EXPECT_EQ(Send(probe, kCodeGuarded), kDone);  // guard still set: answered at once
  EXPECT_EQ(probe.requests, 2);

  host.answer = [](std::uint32_t, std::uint32_t, void*) -> std::int32_t { throw 1; };
  EXPECT_EQ(probe.SendRequest(0, kRequestServices, nullptr), kFailed);
}

TEST(Protocol, LastReleaseDestroysACreatedObject) {
  TestHost host;
  int destroyed = -1;
  auto* object = new Probe;
  object->deleted = &destroyed;
  Send(*object, kCodeCreate);
  object->AddRef();
  object->Release();
  EXPECT_EQ(destroyed, -1);
  object->Release();
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(host.unregistrations.size(), 1u);
}

// A main template that counts how often it is destroyed.
class Main : public CPluginTemplate {
 public:
  explicit Main(int* gone) : gone_(gone) {}
  ~Main() override { ++*gone_; }

 private:
  int* gone_;
};

TEST(Protocol, MainTemplateIsUniqueAndCarriesMainRequests) {
  TestHost host;
  int gone = 0;
  auto* first = new Main(&gone);
  EXPECT_EQ(Process().mainTemplate, first);
  Probe anonymous(MAIN_TEMPLATE_ID);
  EXPECT_EQ(+host.registrations.back().id, PLUGIN_ID);  // registered under the main id

  host.answer = [](std::uint32_t, std::uint32_t code, void* arg) {
    static_cast<ConfirmAccessRecord*>(arg)->result = 1;
    return code == kRequestConfirmAccess ? kDone : kFailed;
  };
  EXPECT_TRUE(ConfirmHostAccess());
  auto* second = new Main(&gone);
  EXPECT_EQ(gone, 1);  // the first was released
  EXPECT_EQ(Process().mainTemplate, second);
  second->Release();
  EXPECT_EQ(gone, 2);
  EXPECT_EQ(Process().mainTemplate, nullptr);
  EXPECT_EQ(Process().mainRequest, nullptr);
  EXPECT_FALSE(ConfirmHostAccess());
  EXPECT_EQ(SendMainRequest(0, kRequestConfirmAccess, nullptr), kFailed);
  std::size_t before = host.requests.size();
  Probe late;  // registration is off once the main template is gone
  EXPECT_EQ(host.requests.size(), before);
}

NameTableEntry Entry(const char16_t* first, const char16_t* second) {
  NameTableEntry entry{};
  std::u16string a(first), b(second);
  std::memcpy(entry.symbolicName, a.data(), a.size() * 2);
  std::memcpy(entry.displayName, b.data(), b.size() * 2);
  return entry;
}

CPluginTemplate* MakeMain() { return new CPluginTemplate; }
CPluginTemplate* FailToMake() { throw std::bad_alloc(); }

TEST(Protocol, StartUpLoadsTheNameTable) {
  TestHost host;
  NameTableEntry entries[3] = {Entry(u"@default", u"Default role"), Entry(u"@Teen", u"Teenager"),
                               Entry(u"@teen", u"Other")};
  std::fill(std::begin(entries[1].displayName), std::end(entries[1].displayName), u'x');  // no terminator
  NameTableHeader table{3, AddressOf(entries)};
  host.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    if (code != kRequestNameTable) return kFailed;
    *static_cast<const NameTableHeader**>(arg) = &table;
    return kDone;
  };
  StartPlugin(nullptr, &MakeMain);
  EXPECT_EQ(Process().mainTemplate, nullptr);
  IoctlLink link = host.Link();
  StartPlugin(&link, &MakeMain);
  ASSERT_NE(Process().mainTemplate, nullptr);
  EXPECT_EQ(Process().names.size(), 3u);
  std::memset(entries, 0, sizeof(entries));  // the plug-in keeps its own copy

  char16_t name[kNameCapacity];
  ASSERT_TRUE(LookupName(u"@DEFAULT", name));
  EXPECT_EQ(std::u16string(name), u"Default role");
  ASSERT_TRUE(LookupName(u"default role", name));
  EXPECT_EQ(std::u16string(name), u"@default");
  ASSERT_TRUE(LookupName(u"@TEEN", name));  // the first match wins
  EXPECT_EQ(std::u16string(name), std::u16string(80, u'x'));
  EXPECT_FALSE(LookupName(u"@unknown", name));
  Process().mainTemplate->Release();
}

TEST(Protocol, FailedStartUpLeavesNoTable) {
  TestHost host;
  IoctlLink link = host.Link();
  StartPlugin(&link, &FailToMake);  // the exception ends start-up silently
  EXPECT_EQ(Process().mainTemplate, nullptr);
  StartPlugin(&link, &MakeMain);  // the host does not answer the name table
  EXPECT_EQ(Process().names.size(), 0u);
  char16_t name[kNameCapacity];
  EXPECT_FALSE(LookupName(u"@default", name));
  Process().mainTemplate->Release();
}

TEST(Protocol, MessageBoxRecordCarriesCutCopies) {
  TestHost host;
  CPluginTemplate* main = new CPluginTemplate;
  MessageBoxRecord seen{};
  std::u16string caption, text;
  host.answer = [&](std::uint32_t, std::uint32_t, void* arg) {
    seen = *static_cast<MessageBoxRecord*>(arg);
    caption = seen.caption ? FromAddress<const char16_t>(seen.caption) : u"(none)";
    text = FromAddress<const char16_t>(seen.text);
    static_cast<MessageBoxRecord*>(arg)->result = 6;
    return kDone;
  };
  EXPECT_EQ(HostMessageBox(1, nullptr, nullptr, 0x30, 0, 0, false), -1);
  EXPECT_EQ(host.Count(kRequestMessageBox), 0u);
  std::u16string longCaption(300, u'c'), longText(3000, u't');
  EXPECT_EQ(HostMessageBox(9, longCaption.c_str(), longText.c_str(), 0x30, 2, 1, true), 6);
  EXPECT_EQ(caption.size(), 255u);
  EXPECT_EQ(text.size(), 2048u);
  EXPECT_EQ(+seen.result, ~std::uint64_t{0});  // as the host found it
  HostMessageBox(0, nullptr, u"x", 0, 0, 0, false);
  EXPECT_EQ(caption, u"(none)");
  main->Release();
}

TEST(Protocol, TextRequestGrowsTheBufferAsTheHostAsks) {
  TestHost host;
  CPluginTemplate* main = new CPluginTemplate;
  const std::u16string kText = u"Web pages that promote alcoholic drinks";
  bool stubborn = false;  // a host that is never satisfied must not keep the plug-in looping
  host.answer = [&](std::uint32_t, std::uint32_t, void* arg) -> std::int32_t {
    auto* record = static_cast<TextRequestRecord*>(arg);
    if (record->stringId == 99) return kFailed;
    if (stubborn || record->capacity < 64) {
      record->status = kTextTooSmallStatuses[stubborn ? 1 : 0];
      record->capacity = stubborn ? record->capacity : 64;
      return kAnswered;
    }
    std::memcpy(FromAddress<char16_t>(record->buffer), kText.c_str(), (kText.size() + 1) * 2);
    return kAnswered;
  };
  std::u16string text;
  std::uint32_t capacity = 8;
  ASSERT_TRUE(FetchHostText(2021, text, capacity));
  EXPECT_EQ(text, kText);
  EXPECT_EQ(capacity, 64u);  // the next text starts with the capacity reached
  EXPECT_FALSE(FetchHostText(99, text, capacity));
  stubborn = true;
  EXPECT_FALSE(FetchHostText(2020, text, capacity));
  main->Release();
}

}  // namespace
