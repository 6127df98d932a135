#include "controls_test_support.h"

#include "res/dialogs/account_config_ids.h"
#include "ui/controls/list_box_adv.h"
#include "ui/controls/tree_ctrl_ex.h"

namespace controls_test {

namespace {

// 32-bit bitmaps keep their alpha only as DIB sections.
HBITMAP LoadListBitmap(UINT id) {
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

bool ControlParent::Create(HWND frame) {
  RECT client{};
  ::GetClientRect(frame, &client);
  return RecordingParent::Create(frame, client);
}

LRESULT ControlParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    LPARAM item = header->code == parental::util::kTreeCheckChanged
                      ? reinterpret_cast<LPARAM>(reinterpret_cast<NMTREEVIEWW*>(lParam)->itemNew.hItem)
                      : 0;
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) && header->code != static_cast<UINT>(NM_SETCURSOR)) {
      log.Add(message, header->code, item);
    }
  } else if (message == kListBoxAdvDelete || message == kListBoxAdvToggle) {
    log.Add(message, wParam, lParam);
  }
  return RecordingParent::WindowProc(message, wParam, lParam);
}

MessageStep Notify(UINT code, LPARAM item, bool optional) {
  unsigned flags = MessageStep::kWParam | (optional ? MessageStep::kOptional : MessageStep::kLParam);
  return MessageStep{WM_NOTIFY, code, item, flags};
}

PageImages::PageImages()
    : allowed(LoadListBitmap(IDB_EXCEPTION_ALLOWED)),
      blocked(LoadListBitmap(IDB_EXCEPTION_BLOCKED)),
      action(LoadListBitmap(IDB_EXCEPTION_REMOVE)) {}

PageImages::~PageImages() {
  for (HBITMAP bitmap : {allowed, blocked, action}) DeleteObject(bitmap);
}

void ControlsTest::SetUp() {
  host_.help.clear();
  host_.events.clear();
  host_.SetTextMode(false);
  frame_ = wintest::CreateFrame(480, 320, L"Controls");
}

}  // namespace controls_test
