// Page and panel templates: panel publication, refresh requests, the panel window and
// the wait event.
#include <gtest/gtest.h>

#include <vector>

#include "frame/templates/page_template.h"
#include "frame/templates/panel_template.h"
#include "test_host.h"

namespace {

class Panel : public CPanelTemplate {
 public:
  using CPanelTemplate::SetRefreshBlock;
  using CPanelTemplate::SetWindow;
};

class Page : public CPageTemplate {
 public:
  CPanelTemplate* GetPanel(std::uint32_t index) override {
    return index < count ? &panels[index] : nullptr;
  }
  std::uint32_t count = 0;
  Panel panels[2];
};

TEST(PageTemplate, PublishesItsPanelsEvenWhenThereAreNone) {
  TestHost host;
  ObjectRecord published{};
  host.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    if (code == kRequestPublishPanels) published = *static_cast<ObjectRecord*>(arg);
    return kDone;
  };
  Page page;
  page.PublishPanels(0);
  EXPECT_EQ(host.Count(kRequestPublishPanels), 1u);
  EXPECT_EQ(+published.object, AddressOf(static_cast<CIOCtlProcTemplate*>(&page)));
  page.count = 2;
  page.PublishPanels(1);
  EXPECT_EQ(+published.value, 1u);
  EXPECT_EQ(page.panels[0].Page(), &page);
  EXPECT_EQ(page.panels[1].Page(), &page);
}

TEST(PanelTemplate, InvalidateMarksPartsAndAsksForARefresh) {
  TestHost host;
  host.answer = [](std::uint32_t, std::uint32_t, void*) { return kDone; };
  Panel panel;
  panel.Invalidate(32);
  EXPECT_EQ(panel.ChangeFlags(), 0u);
  EXPECT_EQ(host.Count(kRequestRefresh), 0u);
  panel.Invalidate(3);
  EXPECT_EQ(panel.ChangeFlags(), CPanelTemplate::kFlagChanged);
  EXPECT_EQ(panel.PartMask(), 8u);
  ASSERT_EQ(host.Count(kRequestRefresh), 1u);
  EXPECT_EQ(host.requests.back().arg, static_cast<void*>(&panel));
  panel.Invalidate(-1);
  EXPECT_EQ(panel.PartMask(), ~0u);
  panel.SetRefreshBlock(1);
  panel.Invalidate(0);
  EXPECT_EQ(host.Count(kRequestRefresh), 2u);
}

TEST(PanelTemplate, ALiveWindowGetsTheRefreshPosted) {
  TestHost host;
  Panel panel;
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  panel.SetWindow(window);
  EXPECT_EQ(panel.GetWindow(), window);
  panel.RequestRefresh();
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, window, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, CPanelTemplate::kRefreshMessage);
  EXPECT_EQ(message.wParam, kRequestRefresh);
  EXPECT_EQ(message.lParam, reinterpret_cast<LPARAM>(&panel));
  EXPECT_EQ(host.Count(kRequestRefresh), 0u);
  DestroyWindow(window);

  // Without a live window the host names it.
  host.answer = [&](std::uint32_t, std::uint32_t code, void* arg) {
    auto* record = static_cast<PanelWindowRecord*>(arg);
    if (code != kRequestPanelWindow || record->panel != AddressOf(static_cast<CIOCtlProcTemplate*>(&panel)))
      return kFailed;
    record->window = 0x1234;
    return kDone;
  };
  EXPECT_EQ(panel.GetWindow(), reinterpret_cast<HWND>(0x1234));
  host.answer = nullptr;
  EXPECT_EQ(panel.GetWindow(), nullptr);
}

TEST(PanelTemplate, WaitEventStaysSignalledUntilArmedAgain) {
  Panel panel;
  panel.EndWait();  // no event yet: nothing to signal
  panel.SetResult(5);
  HANDLE event = panel.BeginWait();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(panel.GetResult(), 0u);
  EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  panel.EndWait();
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);  // stays signalled
  EXPECT_EQ(panel.BeginWait(), event);
  EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
