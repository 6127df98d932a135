// Plugs, host services and the bitmap store against an in-process host. (Submissions: every
// save of the model's tests goes through the host's own reading of the record.)
#include <gtest/gtest.h>

#include "frame/templates/bitmap_store.h"
#include "frame/templates/plug.h"
#include "test_host.h"

namespace {

class UiPlug : public CUiPlug {
 public:
  std::uint32_t OnPlugCall(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t innerCode,
                           const void*, std::uint64_t, void*, std::uint64_t,
                           std::uint64_t* returnedSize) override {
    lastInner = innerCode;
    *returnedSize = 4;
    return 0;
  }
  void OnUiEvent() override { ++uiEvents; }
  std::uint32_t lastInner = 0;
  int uiEvents = 0;
};

TEST(Plug, OutgoingCallsTravelThroughThePlugInObject) {
  CPlug bare;
  EXPECT_EQ(bare.PlugCall(kInnerCategories, nullptr, 0, nullptr, 0, nullptr), kPlugNoHost);

  TestHost host;
  auto* plug = new UiPlug;
  std::uint32_t input = 4;
  char output[16] = {};
  host.answer = [&](std::uint32_t param, std::uint32_t code, void* arg) {
    auto* record = static_cast<PlugCallRecord*>(arg);
    if (code != kRequestPlugCall || param != PLUGIN_ID) return kFailed;
    if (record->innerCode == kInnerGroupRoles) return kFailed;
    EXPECT_EQ(+record->input, AddressOf(&input));
    EXPECT_EQ(+record->inputSize, 4u);
    EXPECT_EQ(+record->output, AddressOf(output));
    EXPECT_EQ(+record->outputSize, 16u);
    record->returnedSize = 40;
    record->innerResult = kPlugMoreData;
    return kDone;
  };
  std::uint64_t returned = 0;
  EXPECT_EQ(plug->PlugCall(kInnerCategories, &input, 4, output, 16, &returned), kPlugMoreData);
  EXPECT_EQ(returned, 40u);
  EXPECT_EQ(plug->PlugCall(kInnerCategories, &input, 4, output, 16, nullptr), kPlugMoreData);
  EXPECT_EQ(plug->PlugCall(kInnerGroupRoles, &input, 4, output, 16, &returned), kPlugNoHost);
  plug->Release();
}

TEST(Plug, IncomingCallsAnswerOnlyTheUserInterfaceRange) {
  TestHost host;
  auto* plug = new UiPlug;
  TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, kCodeCreate, nullptr);
  PlugCallRecord record{0x30001, 0, 0, 0, 0, 99, 0};
  EXPECT_EQ(TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, kRequestPlugCall, &record), 1);
  EXPECT_EQ(+record.innerResult, kPlugNotSupported);
  EXPECT_EQ(+record.returnedSize, 0u);
  record.innerCode = 0x40010;
  EXPECT_EQ(TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, kRequestPlugCall, &record), 1);
  EXPECT_EQ(+record.innerResult, 0u);
  EXPECT_EQ(+record.returnedSize, 4u);
  EXPECT_EQ(plug->lastInner, 0x40010u);
  EXPECT_EQ(TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, kNoticeUiEvent, nullptr), 1);
  EXPECT_EQ(plug->uiEvents, 1);
  EXPECT_EQ(TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, 0x1234, nullptr), kFailed);
  plug->Release();
}

// Host services whose settings record what is chained to them.
class Settings : public StubSettings {
 public:
  void Chain(IHostSettings* next) override { chained = next; }
  IHostSettings* chained = nullptr;
};

TEST(Plug, CreationKeepsTheHostServicesAndChainsANewSettingsService) {
  TestHost host;
  Settings first, second;
  StubServices services;
  services.settings = &first;
  host.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    if (code != kRequestServices) return kFailed;
    *static_cast<IHostServices**>(arg) = &services;
    return kDone;
  };
  auto* plug = new UiPlug;
  TemplateProcedure(static_cast<CIOCtlProcTemplate*>(plug), 0, kCodeCreate, nullptr);
  EXPECT_EQ(Process().settings, &first);
  StoreHostServices(&services, true);  // the same service again: nothing chained
  EXPECT_EQ(first.chained, nullptr);
  services.settings = &second;
  StoreHostServices(&services, true);
  EXPECT_EQ(Process().settings, &first);
  EXPECT_EQ(first.chained, &second);
  plug->Release();
  Process().settings = nullptr;
}

TEST(BitmapStore, LendsHostBitmapsThroughItsLink) {
  TestHost host;
  BitmapRecord seen{};
  host.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    auto* record = static_cast<BitmapRecord*>(arg);
    seen = *record;
    record->handle = code == kRequestBitmapGet ? 0x55 : code == kRequestBitmapQueryA;
    return record->numbers[0] == 2 ? kFailed : kDone;
  };
  auto* store = new CBitmapStoragePlugin;
  EXPECT_EQ(+host.registrations.back().id, 0u);
  const char16_t* name = u"state_icon_list";
  EXPECT_EQ(store->GetBitmap(name, 1, 16, 16), 0x55u);
  EXPECT_EQ(+seen.pointer, AddressOf(name));
  EXPECT_EQ(store->GetBitmapById(2, 0, 0), 0u);  // a failed request lends nothing
  EXPECT_TRUE(store->QueryBitmapA(0x55));
  EXPECT_FALSE(store->QueryBitmapB(0x55));
  { CSharedBitmap borrowed(0x55, store); }
  EXPECT_EQ(host.requests.back().code, kRequestBitmapRelease);
  EXPECT_EQ(+seen.handle, 0x55u);
  static_cast<CIOCtlProcTemplate*>(store)->Release();
}

}  // namespace
