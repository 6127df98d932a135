#pragma once
// A rich-text control (id 42) inside a recording parent, between two push buttons, in the
// test frame: the set-up of the rich-text control's tests.
#include "markup/link_items.h"
#include "win/richtext/static_ii.h"
#include "support/message_sequence.h"
#include "support/window_test.h"

namespace wintest {

struct RichText : ::testing::Test {
  static constexpr int kId = 42;
  TestApp app;
  HWND frame = CreateFrame(480, 320);
  RecordingParent parent;
  CStaticII control;
  HWND before = nullptr, after = nullptr;

  void SetUp() override;
  // The centre of item `number` (markup/link_items.h) in the control's client area.
  POINT CentreOf(int number);
  int FocusedItem();
  // Presses a key in the host's loop and waits until the focus (window or item) moved.
  void PressAndWait(WORD key, bool shift = false);
};

}  // namespace wintest
