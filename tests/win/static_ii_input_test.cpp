// What the rich-text control sends its parent for real input, as declared sequences:
// clicks on links and on a combo-box button, the click callback, keyboard walks through
// links and buttons with the wrap rule at both ends, Enter and Space, the tab message.
#include "static_ii_fixture.h"
#include "win/dialog.h"

using namespace wintest;

namespace {

const char16_t kLinksAndButton[] = u"<A>one</A> and <BUTTON ID=\"go\" CAPTION=\"Go\" WIDTH=\"60\" HEIGHT=\"22\"/> and <A>two</A>";

TEST_F(RichText, AClickOnALinkSendsF0AndFocusesTheLink) {
  control.SetText(kLinksAndButton);
  ClickAt(control, CentreOf(3));
  RunHostLoop(frame, [&] { return !parent.log.Steps().empty() && parent.log.Steps().back().message == WM_COMMAND; });
  EXPECT_TRUE(MatchesSequence(parent.log, {Optional(WM_PARENTNOTIFY), Command(kId, 0xF0, control)}));
  EXPECT_TRUE(control.HasFocus());
  EXPECT_EQ(FocusedItem(), 3);
}

TEST_F(RichText, TheClickCallbackTakesTheClickWhenItAnswersTrue) {
  control.SetText(kLinksAndButton);
  bool answer = true;
  control.SetClickCallback([&](CLineObject* object, int link, CStaticII& from) {
    parent.log.Add(kCallbackStep, static_cast<WPARAM>(link), reinterpret_cast<LPARAM>(from.GetSafeHwnd()));
    return answer;
  });
  const MessageStep callback{kCallbackStep, 1, reinterpret_cast<LPARAM>(control.GetSafeHwnd()),
                             MessageStep::kWParam | MessageStep::kLParam};
  ClickAt(control, CentreOf(1));
  RunHostLoop(frame, [&] { return !parent.log.Steps().empty() && parent.log.Steps().back().message == kCallbackStep; });
  Pump();
  EXPECT_TRUE(MatchesSequence(parent.log, {Optional(WM_PARENTNOTIFY), callback}));

  parent.log.Clear();
  answer = false;
  ClickAt(control, CentreOf(1));
  RunHostLoop(frame, [&] { return !parent.log.Steps().empty() && parent.log.Steps().back().message == WM_COMMAND; });
  EXPECT_TRUE(MatchesSequence(parent.log, {Optional(WM_PARENTNOTIFY), callback, Command(kId, 0xF0, control)}));
}

// A combo-box button shows its menu and reports F1; the click callback is not asked.
TEST_F(RichText, AClickOnAComboBoxButtonSendsF1) {
  control.SetText(u"Age: <BUTTON ID=\"age\" TYPE=\"combobox\" ITEMS=\"7;12;16\" SELECT=\"1\" WIDTH=\"80\" HEIGHT=\"22\"/>");
  int menus = 0;
  control.Document().menuChooser = [&](const std::vector<std::u16string>& items, const Rect&) {
    EXPECT_EQ(items.size(), 3u);
    ++menus;
    return 3;
  };
  control.SetClickCallback([&](CLineObject*, int, CStaticII&) {
    ADD_FAILURE() << "the callback is not asked for a combo box";
    return true;
  });
  ClickAt(control, CentreOf(1));
  RunHostLoop(frame, [&] { return !parent.log.Steps().empty() && parent.log.Steps().back().message == WM_COMMAND; });
  EXPECT_TRUE(MatchesSequence(parent.log, {Optional(WM_PARENTNOTIFY), Command(kId, 0xF1, control)}));
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(control.Document().FindObject(u"age")->GetAttributeValue(u"CAPTION"), u"16");
}

// Tab walks the items and leaves after the last; Shift+Tab comes back in at the last item,
// walks back and leaves before the first. Each time the control is left, its focus chain
// is set again as on WM_SETFOCUS.
TEST_F(RichText, KeyboardWalkWithTheWrapRule) {
  control.SetText(kLinksAndButton);
  SetFocus(before);
  std::vector<int> walk;
  for (int step = 0; step < 4; ++step) {
    PressAndWait(VK_TAB);
    walk.push_back(control.HasFocus() ? FocusedItem() : 0);
  }
  EXPECT_EQ(walk, (std::vector<int>{1, 2, 3, 0}));
  EXPECT_EQ(GetFocus(), after);

  walk.clear();
  for (int step = 0; step < 4; ++step) {
    PressAndWait(VK_TAB, true);
    walk.push_back(control.HasFocus() ? FocusedItem() : 0);
  }
  EXPECT_EQ(walk, (std::vector<int>{3, 2, 1, 0}));
  EXPECT_EQ(GetFocus(), before);
  EXPECT_TRUE(parent.log.Steps().empty());  // walking activates nothing
}

TEST_F(RichText, EnterAndSpaceActivateTheFocusedItem) {
  control.SetText(kLinksAndButton);
  control.SetFocus();
  ASSERT_EQ(FocusedItem(), 1);
  PressKey(VK_RETURN);
  RunHostLoop(frame, [&] { return parent.log.Steps().size() >= 1; });
  PressAndWait(VK_TAB);
  ASSERT_EQ(FocusedItem(), 2);
  PressKey(VK_SPACE);
  RunHostLoop(frame, [&] { return parent.log.Steps().size() >= 2; });
  Pump();
  EXPECT_TRUE(MatchesSequence(parent.log, {Command(kId, 0xF0, control), Command(kId, 0xF0, control)}));
  EXPECT_TRUE(control.HasFocus());  // Enter did not reach the dialog's default handling
}

TEST_F(RichText, TheTabMessageOfAnEmbeddingControl) {
  control.SetText(kLinksAndButton);
  const UINT message = CStaticII::TabKeyboardMessage();
  EXPECT_NE(message, 0u);
  EXPECT_TRUE(control.TabNavigation());
  EXPECT_EQ(control.SendMessage(message, 1, 15), 1);
  EXPECT_FALSE(control.TabNavigation());
  EXPECT_EQ(control.SendMessage(message, 1, 14), 0);
  EXPECT_EQ(control.SendMessage(message, 0, 0), 1);  // into the control, forward
  EXPECT_EQ(FocusedItem(), 1);
  EXPECT_EQ(control.SendMessage(message, 0, 1), 0);  // backward from the first: nothing before it
  EXPECT_EQ(control.SendMessage(message, 0, 0), 1);
  EXPECT_EQ(FocusedItem(), 1);
  // With tab navigation off, a Tab is the dialog's.
  control.SetFocus();
  PressKey(VK_TAB);
  RunHostLoop(frame, [&] { return !control.HasFocus(); });
  EXPECT_EQ(GetFocus(), after);
}

// Inside the system's modal loop the control sees its keys first as well: Tab moves to its
// second link and Enter activates it instead of pressing the dialog's default button.
class RichDialog : public CDialog {
 public:
  RichDialog() : CDialog(104) {}
  int activatedItem = 0;

 protected:
  BOOL OnInitDialog() override {
    text_.Attach(GetDlgItem(1102));
    PostMessage(WM_APP);
    return CDialog::OnInitDialog();
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_APP) return CDialog::WindowProc(message, wParam, lParam);
    text_.SetFocus();
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    return 0;
  }
  bool OnCommand(int id, int code, HWND from) override {
    if (id != 1102) return CDialog::OnCommand(id, code, from);
    const auto& focus = text_.Document().focus;
    activatedItem = code == CStaticII::kLinkActivated ? LinkItemNumber(text_.Document(), focus.object, focus.link) : -1;
    EndDialog(555);
    return true;
  }

 private:
  CStaticII text_;
};

TEST(RichTextModal, KeysReachTheControlInsideAModalDialog) {
  TestApp app;
  HWND frame = CreateFrame(300, 200, L"Owner");
  ASSERT_TRUE(CStaticII::RegisterClass());
  RichDialog dialog;
  EXPECT_EQ(dialog.DoModal(frame), 555);  // not IDOK: Enter did not reach the dialog manager
  EXPECT_EQ(dialog.activatedItem, 2);
}

}  // namespace
