// The rich-text control through an accessibility client (AccessibleObjectFromWindow):
// children are the document's items with names, roles, locations, default action,
// navigation, selection and focus; events through NotifyWinEvent; a client on another
// thread; an object kept after the window went.
#include <oleacc.h>

#include <atomic>
#include <thread>

#include "static_ii_fixture.h"

using namespace wintest;

namespace {

const char16_t kDocument[] = u"<A>one</A> and <BUTTON ID=\"go\" CAPTION=\"Go\" WIDTH=\"60\" HEIGHT=\"22\"/> and <A>two\nlines</A>";

VARIANT Child(long number) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = number;
  return child;
}

std::u16string Text(BSTR text) {
  std::u16string result = text ? reinterpret_cast<const char16_t*>(text) : u"";
  SysFreeString(text);
  return result;
}

struct Accessibility : RichText {
  IAccessible* client = nullptr;
  void SetUp() override {
    RichText::SetUp();
    control.SetText(kDocument);
    ASSERT_EQ(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&client)),
              S_OK);
  }
  void TearDown() override {
    if (client) client->Release();
  }
  std::u16string Name(long number) {
    BSTR name = nullptr;
    client->get_accName(Child(number), &name);
    return Text(name);
  }
  long Role(long number) {
    VARIANT role;
    VariantInit(&role);
    client->get_accRole(Child(number), &role);
    return role.vt == VT_I4 ? role.lVal : -1;
  }
  long Navigate(long direction, long from) {
    VARIANT end;
    VariantInit(&end);
    return client->accNavigate(direction, Child(from), &end) == S_OK && end.vt == VT_I4 ? end.lVal : 0;
  }
};

TEST_F(Accessibility, ChildrenAreTheDocumentsItems) {
  long count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Name(1), u"one");
  EXPECT_EQ(Name(2), u"Go");
  EXPECT_EQ(Name(3), u"two lines");
  EXPECT_EQ(Role(0), ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(Role(1), ROLE_SYSTEM_LINK);
  EXPECT_EQ(Role(2), ROLE_SYSTEM_PUSHBUTTON);
  BSTR action = nullptr;
  ASSERT_EQ(client->get_accDefaultAction(Child(3), &action), S_OK);
  EXPECT_EQ(Text(action), u"Click");
  BSTR none = nullptr;
  EXPECT_EQ(client->get_accName(Child(4), &none), E_INVALIDARG);
}

TEST_F(Accessibility, LocationsAreInScreenCoordinates) {
  LinkItem item;
  ASSERT_TRUE(LinkItemAt(control.Document(), 3, item));
  POINT corner{item.rect.left, item.rect.top};
  ClientToScreen(control, &corner);
  long left, top, width, height;
  ASSERT_EQ(client->accLocation(&left, &top, &width, &height, Child(3)), S_OK);
  EXPECT_EQ(left, corner.x);
  EXPECT_EQ(top, corner.y);
  EXPECT_EQ(width, item.rect.Width());
  EXPECT_GT(height, 20);  // both lines of the link
  const POINT centre = CentreOf(2);
  POINT screen = centre;
  ClientToScreen(control, &screen);
  VARIANT hit;
  ASSERT_EQ(client->accHitTest(screen.x, screen.y, &hit), S_OK);
  EXPECT_EQ(hit.lVal, 2);
}

TEST_F(Accessibility, Navigation) {
  EXPECT_EQ(Navigate(NAVDIR_FIRSTCHILD, 0), 1);
  EXPECT_EQ(Navigate(NAVDIR_LASTCHILD, 0), 3);
  EXPECT_EQ(Navigate(NAVDIR_NEXT, 1), 2);
  EXPECT_EQ(Navigate(NAVDIR_DOWN, 2), 3);
  EXPECT_EQ(Navigate(NAVDIR_RIGHT, 3), 0);
  EXPECT_EQ(Navigate(NAVDIR_PREVIOUS, 3), 2);
  EXPECT_EQ(Navigate(NAVDIR_UP, 2), 1);
  EXPECT_EQ(Navigate(NAVDIR_LEFT, 1), 0);
}

TEST_F(Accessibility, SelectionFocusAndTheDefaultAction) {
  std::vector<std::pair<DWORD, LONG>> events;
  static std::vector<std::pair<DWORD, LONG>>* sink;
  sink = &events;
  HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr,
      [](HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_CLIENT && child > 0) sink->emplace_back(event, child);
      },
      GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  ASSERT_EQ(client->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Child(2)), S_OK);
  EXPECT_TRUE(control.HasFocus());
  EXPECT_EQ(FocusedItem(), 2);
  VARIANT focus, selection;
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  EXPECT_EQ(focus.lVal, 2);
  ASSERT_EQ(client->get_accSelection(&selection), S_OK);
  EXPECT_EQ(selection.lVal, 2);
  VARIANT state;
  ASSERT_EQ(client->get_accState(Child(2), &state), S_OK);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);
  PressAndWait(VK_TAB);
  Pump();
  UnhookWinEvent(hook);
  EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(DWORD{EVENT_OBJECT_FOCUS}, LONG{3})), events.end());
  EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(DWORD{EVENT_OBJECT_SELECTION}, LONG{3})),
            events.end());

  ASSERT_EQ(client->accDoDefaultAction(Child(1)), S_OK);
  EXPECT_TRUE(MatchesSequence(parent.log, {Command(kId, 0xF0, control)}));
  EXPECT_EQ(FocusedItem(), 1);
}

TEST_F(Accessibility, AClientOnAnotherThread) {
  std::atomic<bool> done{false};
  long count = 0;
  std::u16string name;
  HWND window = control;
  std::thread other([&] {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IAccessible* remote = nullptr;
    if (AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&remote)) == S_OK) {
      remote->get_accChildCount(&count);
      BSTR text = nullptr;
      remote->get_accName(Child(3), &text);
      name = Text(text);
      remote->Release();
    }
    CoUninitialize();
    done = true;
  });
  RunHostLoop(frame, [&] { return done.load(); }, 5000);
  other.join();
  EXPECT_EQ(count, 3);
  EXPECT_EQ(name, u"two lines");
}

TEST_F(Accessibility, AnObjectKeptAfterTheWindowWentAnswersDisconnected) {
  control.DestroyWindow();
  long count = 0;
  EXPECT_EQ(client->get_accChildCount(&count), RPC_E_DISCONNECTED);
}

}  // namespace
