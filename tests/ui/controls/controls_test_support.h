#pragma once
// What the control tests share: a parent window that logs what its children send it (and
// reflects owner drawing to them, as every parent of the window layer does), the plug-in's
// images of a list of web pages, and the fixture that brings up the in-process host first.
#include <windows.h>

#include <vector>

#include "controls_test_host.h"
#include "support/message_sequence.h"
#include "support/window_test.h"

namespace controls_test {

using wintest::MatchesSequence;
using wintest::MessageStep;

// A parent filling the test frame that records, besides commands, WM_NOTIFY (as the
// notification code and, from a tree, the item) and the list's two requests. Custom
// drawing and the cursor, which come with every paint and pointer move, are left out.
class ControlParent : public wintest::RecordingParent {
 public:
  bool Create(HWND frame);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The system's notice of a button going down on a child, before anything of the control.
const MessageStep kButtonDownNotice = wintest::Optional(WM_PARENTNOTIFY);

// A step: this notification code (and item) in WM_NOTIFY.
MessageStep Notify(UINT code, LPARAM item = 0, bool optional = false);

// The plug-in's list images (16 x 16 with alpha): allowed, blocked, and the action image of
// two frames (a grey cross, and a white cross on red when pointed at).
struct PageImages {
  PageImages();
  ~PageImages();
  HBITMAP allowed, blocked, action;
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  ControlsHost& host_ = ControlsHost::Get();
  HWND frame_ = nullptr;
};

using wintest::PressAt;
using wintest::ReleaseAt;
using wintest::ScreenColour;

}  // namespace controls_test
