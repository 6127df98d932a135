// CDialogAdv and CBitmapStatic with the reference host's answers: the header strip and its
// bitmaps, text mode, help through the host (WM_HELP, context help, the help caption),
// the logo's click, bitmaps given back; screenshots of the dialog with its header.
#include "ui/controls/dialog_adv.h"

#include "controls_test_support.h"
#include "header_bitmaps.h"
#include "support/accessible_names.h"
#include "ui/controls/bitmap_static.h"
#include "ui/controls/list_box_adv.h"

namespace controls_test {
namespace {

using wintest::ClickAt;
using wintest::MovePointerTo;
using wintest::Pump;

constexpr UINT kDialog = 9500;
constexpr DWORD kHelpContext = 393836;

// The test dialog with its list of web pages filled.
class PagesDialog : public CDialogAdv {
 public:
  PagesDialog() : CDialogAdv(kDialog) {}
  CListBoxAdv list;
  PageImages images;

 protected:
  BOOL OnInitDialog() override {
    BOOL result = CDialogAdv::OnInitDialog();
    list.SubclassDlgItem(2003, GetSafeHwnd());
    list.AddItem(u"example.com", images.allowed);
    list.AddItem(u"games.example.org", images.blocked);
    list.AddItem(u"news.example.net/today?a=1&b=2", images.allowed);
    list.SetActionImage(images.action);
    list.SetCurSel(1);
    return result;
  }
};

class DialogAdvTest : public ControlsTest {
 protected:
  void TearDown() override {
    dialog_.DestroyWindow();
    EXPECT_EQ(host_.bitmaps.Outstanding(), 0u) << "every bitmap goes back to the host";
  }
  bool Open() {
    if (!dialog_.Create(frame_)) return false;
    dialog_.ShowWindow(SW_SHOW);
    SetForegroundWindow(dialog_);
    Pump(100);
    return true;
  }
  RECT Header() const {
    RECT client = dialog_.GetClientRect();
    return RECT{0, 0, client.right, dialog_.HeaderHeight()};
  }
  POINT HelpPoint() const { return POINT{Header().right - 12, Header().bottom / 2}; }
  POINT LogoPoint() const { return POINT{20, Header().bottom / 2}; }

  PagesDialog dialog_;
};

TEST_F(DialogAdvTest, TheHeaderStandsAboveTheTemplatesControls) {
  ASSERT_TRUE(Open());
  EXPECT_TRUE(dialog_.Graphics());
  EXPECT_EQ(dialog_.HeaderHeight(), host::kHeaderHeight);
  EXPECT_EQ(host_.bitmaps.Outstanding(), 3u);  // background, logo, help sign
  EXPECT_GE(wintest::ClientRectOf(dialog_, dialog_.GetDlgItem(509)).top, host::kHeaderHeight);
  // The help caption's tip is the host's text.
  wchar_t tip[80] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = dialog_;
  tool.uId = 1;
  tool.lpszText = tip;
  SendMessageW(dialog_.HelpToolTip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(tip, L"Show help for this page");
  // The strip is drawn from the host's background: dark blue at the top left.
  COLORREF colour = ScreenColour(dialog_, POINT{Header().right / 2, 4});
  EXPECT_GT(GetBValue(colour), GetRValue(colour) + 40);
  wintest::Screenshot(dialog_, "dialog_adv");
}

TEST_F(DialogAdvTest, HelpGoesToTheHostWithTheHelpContext) {
  ASSERT_TRUE(Open());
  SendMessageW(dialog_, WM_HELP, 0, 0);  // help context 0: nothing
  EXPECT_TRUE(host_.help.empty());

  dialog_.SetHelpContext(kHelpContext);
  HELPINFO info{};
  info.cbSize = sizeof(info);
  SendMessageW(dialog_, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(dialog_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
  ClickAt(dialog_, HelpPoint());
  Pump(100);
  ASSERT_EQ(host_.help.size(), 3u);
  for (const ControlsHost::Help& help : host_.help) {
    EXPECT_EQ(help.context, kHelpContext);
    EXPECT_EQ(help.command, 15u);
  }
}

TEST_F(DialogAdvTest, TheLogoAndTheHelpCaptionTakeTheHandAndTheirClicks) {
  dialog_.SetHelpContext(kHelpContext);
  ASSERT_TRUE(Open());
  MovePointerTo(dialog_, HelpPoint());
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  MovePointerTo(dialog_, POINT{Header().right / 2, Header().bottom / 2});
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

  ClickAt(dialog_, LogoPoint());
  Pump(100);
  ASSERT_EQ(host_.events.size(), 1u);
  EXPECT_NE(host_.events[0].find("logo clicked"), std::string::npos);

  // Pressed on the help caption, released over the logo: no click at all.
  PressAt(dialog_, HelpPoint());
  ReleaseAt(dialog_, LogoPoint());
  EXPECT_TRUE(host_.help.empty());
  EXPECT_EQ(host_.events.size(), 1u);
}

TEST_F(DialogAdvTest, TextModeShowsTheHeaderWithoutImages) {
  host_.SetTextMode(true);
  PagesDialog textual;
  ASSERT_TRUE(textual.Create(frame_));
  textual.ShowWindow(SW_SHOW);
  MovePointerTo(textual, POINT{200, 150});  // nothing hot in the picture
  Pump(100);
  EXPECT_FALSE(textual.Graphics());
  EXPECT_EQ(host_.bitmaps.Outstanding(), 0u);
  wintest::Screenshot(textual, "dialog_adv_text_mode");
  textual.DestroyWindow();
}

TEST_F(DialogAdvTest, AScreenReaderReadsTheHeaderByItsWordsNotByItsBitmap) {
  ASSERT_TRUE(Open());
  std::vector<std::string> strips;  // the strip is the one control without an id
  for (const wintest::AccessibleControl& control : wintest::AccessibleControls(dialog_))
    if (GetDlgCtrlID(control.window) == 0) strips.push_back(control.name);
  EXPECT_EQ(strips, std::vector<std::string>{"Corvid Security, Help"}) << "the logo text and the help caption";
  EXPECT_EQ(wintest::NamingFaults(dialog_), std::vector<std::string>());
  // What the check catches: a picture that reads as the name of its bitmap.
  CBitmapStatic picture;
  ASSERT_TRUE(picture.Create(u"header_logo", WS_VISIBLE, RECT{10, 10, 50, 50}, dialog_, 3));
  const std::vector<std::string> faults = wintest::NamingFaults(dialog_);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("control 3 (Static) is named by the identifier \"header_logo\""), std::string::npos)
      << faults[0];
  picture.DestroyWindow();
}

TEST_F(DialogAdvTest, ABitmapStaticShowsTheBitmapItsTextNames) {
  CBitmapStatic picture;
  ASSERT_TRUE(picture.Create(u"header_logo", WS_VISIBLE, RECT{10, 10, 50, 50}, frame_, 3));
  HBITMAP logo = picture.Bitmap();
  EXPECT_TRUE(logo);
  picture.SetWindowText(u"header_help");
  EXPECT_NE(picture.Bitmap(), logo);
  EXPECT_EQ(host_.bitmaps.Outstanding(), 1u);  // the logo went back
  picture.SetWindowText(u"no_such_bitmap");
  EXPECT_FALSE(picture.Bitmap());
  EXPECT_EQ(host_.bitmaps.Outstanding(), 0u);
  picture.SetWindowText(u"header_logo");
  picture.DestroyWindow();
  EXPECT_EQ(host_.bitmaps.Outstanding(), 0u);
}

}  // namespace
}  // namespace controls_test
