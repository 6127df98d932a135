#include "static_ii_fixture.h"

namespace wintest {

void RichText::SetUp() {
  ASSERT_TRUE(parent.Create(frame, RECT{0, 0, 480, 320}));
  auto button = [&](const wchar_t* text, int y, int id) {
    return CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, y, 80, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  };
  before = button(L"Before", 4, 1);
  ASSERT_TRUE(control.Create(WS_VISIBLE | WS_TABSTOP, RECT{10, 34, 470, 270}, parent, kId));
  after = button(L"After", 280, 2);
  SetWindowPos(after, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // tab order: before, control, after
  SetWindowPos(before, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(frame);
  Pump(20);
  parent.log.Clear();  // the buttons' creation notices
}

POINT RichText::CentreOf(int number) {
  LinkItem item;
  EXPECT_TRUE(LinkItemAt(control.Document(), number, item)) << "item " << number;
  return {(item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2};
}

int RichText::FocusedItem() {
  const auto& focus = control.Document().focus;
  return LinkItemNumber(control.Document(), focus.object, focus.link);
}

void RichText::PressAndWait(WORD key, bool shift) {
  const HWND window = GetFocus();
  const int item = FocusedItem();
  PressKey(key, shift);
  RunHostLoop(frame, [&] { return GetFocus() != window || FocusedItem() != item; }, 1000);
  Pump(20);
}

}  // namespace wintest
