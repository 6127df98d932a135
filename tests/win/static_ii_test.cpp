// The rich-text control's window side: clearing and layout, attaching to existing windows,
// the animation timer, and hover with the hand cursor and tool tips.
#include "host_resources.h"
#include "static_ii_fixture.h"
#include "win/dialog.h"

using namespace wintest;

namespace {

TEST_F(RichText, AnEmptyTextClearsHoverAndFocus) {
  control.SetText(u"<A>one</A>");
  control.SetFocus();
  MovePointerTo(control, CentreOf(1));
  ASSERT_NE(control.Document().hover.object, nullptr);
  ASSERT_NE(control.Document().focus.object, nullptr);
  control.SetText(u"");
  EXPECT_EQ(control.Document().hover.link, -1);
  EXPECT_EQ(control.Document().focus.object, nullptr);
  EXPECT_EQ(LinkItemCount(control.Document()), 0);
  Pump();  // paints an empty document
}

TEST_F(RichText, LayoutFollowsTheWindowsSize) {
  control.SetText(u"Parental control applies to every account of this computer and to each of its users");
  const Size wide = control.ContentSize();
  SetWindowPos(control, nullptr, 0, 0, 120, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_LE(control.ContentSize().cx, 120);
  EXPECT_GT(control.ContentSize().cy, wide.cy);
}

TEST_F(RichText, HoveringALinkShowsTheHandAndAToolTipThatWraps) {
  std::u16string tip;
  for (int word = 0; word < 30; ++word) tip += u"word ";
  control.SetText(u"<A TOOLTIP=\"" + tip + u"\">long tip</A>");
  MovePointerTo(control, CentreOf(1));
  EXPECT_EQ(control.Document().hover.link, 1);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  HWND tipWindow = nullptr;
  RunHostLoop(frame, [&] {
    tipWindow = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    return tipWindow && IsWindowVisible(tipWindow);
  }, 3000);
  ASSERT_TRUE(tipWindow && IsWindowVisible(tipWindow));
  RECT shown{};
  GetWindowRect(tipWindow, &shown);
  EXPECT_LE(shown.right - shown.left, CStaticII::kToolTipWidth + 20);  // the text and the tip's margins
  EXPECT_GT(shown.bottom - shown.top, 30);                           // on more than one line
  MovePointerTo(control, POINT{400, 200});                             // off the link: no hover
  EXPECT_EQ(control.Document().hover.link, -1);
}

// An animated document runs the control's timer, and a still one stops it. (How often the
// frames change per tick: the mark-up engine's objects test.)
TEST_F(RichText, AnimatedObjectsTickUntilTheTextIsStill) {
  HostResources resources;
  resources.Install(control.Document());
  control.SetText(u"<IMG SRC=\"state_icon_list\" FRAMES=\"5\" TIME=\"15\"></IMG>");
  ASSERT_TRUE(control.Document().Animated());
  EXPECT_TRUE(RunHostLoop(frame, [&] { return control.Ticks() >= 3; }, 10000)) << "ticks come";
  control.SetText(u"still");
  const unsigned stopped = control.Ticks();
  Pump(100);
  EXPECT_EQ(control.Ticks(), stopped);
}

// A dialog's static and a "CStaticII" of the template: the dialog's font, the window's text.
TEST(RichTextAttached, ToWindowsOfADialog) {
  TestApp app;
  HWND frame = CreateFrame(400, 220, L"Attached");
  ASSERT_TRUE(CStaticII::RegisterClass());
  CDialog page(101);
  ASSERT_TRUE(page.Create(frame));
  CStaticII fromStatic, fromTemplate;
  ASSERT_TRUE(fromStatic.Attach(page.GetDlgItem(1103)));
  ASSERT_TRUE(fromTemplate.Attach(page.GetDlgItem(1102)));
  EXPECT_EQ(fromStatic.Document().defaultFont.face, u"MS Shell Dlg 2");
  LinkItem item;
  ASSERT_EQ(LinkItemCount(fromStatic.Document()), 1);
  ASSERT_TRUE(LinkItemAt(fromStatic.Document(), 1, item));
  EXPECT_EQ(item.name, u"from the static");
  fromTemplate.SetText(u"<A>in the page</A>");
  EXPECT_EQ(LinkItemCount(fromTemplate.Document()), 1);
  Pump();
  Screenshot(page, "static_ii_attached");
}

}  // namespace
