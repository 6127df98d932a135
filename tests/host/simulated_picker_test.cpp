// The plug-in's account picker through the real COM path: CoCreateInstance finds the
// picker stand-in registered in the prefix, whose dialog takes the script's pick or the
// user's, in the language of the calling thread; a picker registered by the test hands back
// malformed selections.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <commctrl.h>
#include <objsel.h>

#include "common/text.h"
#include "computer/com_object.h"
#include "computer/picker_script.h"
#include "computer/picker_resources.h"
#include "computer/picker_selection.h"
#include "language/host_language.h"
#include "parental/win32_accounts.h"
#include "support/window_test.h"

namespace {

using namespace parental::corvui;
using parental::common::AsText;

constexpr PickerScope kLocalUsers{DSOP_SCOPE_TYPE_TARGET_COMPUTER, DSOP_SCOPE_FLAG_STARTING_SCOPE, DSOP_FILTER_USERS,
                                  0, 0, DSOP_DOWNLEVEL_FILTER_USERS};

class SimulatedPicker : public ::testing::Test {
 protected:
  void SetUp() override { OleInitialize(nullptr); }
  void TearDown() override {
    SetEnvironmentVariableW(host::kPickerScriptVariable, nullptr);
    OleUninitialize();
  }
  Win32Accounts accounts_;
  PickedAccount picked_;
};

TEST_F(SimulatedPicker, AScriptedPickGivesTheAccountsSidAndName) {
  SetEnvironmentVariableW(host::kPickerScriptVariable, L"guest;1000;cancel;nobody");
  ASSERT_TRUE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_));
  EXPECT_EQ(picked_.name, u"Guest");
  EXPECT_EQ(picked_.objectClass, u"user");
  EXPECT_EQ(picked_.principalName, u"");
  Sid sid;
  std::u16string name, domain;
  ASSERT_TRUE(accounts_.TextToSid(picked_.sidText, &sid));
  EXPECT_EQ(RelativeId(sid), 501u);
  ASSERT_TRUE(accounts_.LookupName(sid, &name, &domain));
  EXPECT_EQ(name, u"Guest");
  EXPECT_EQ(picked_.path, u"WinNT://" + domain + u"/Guest");

  ASSERT_TRUE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << "by relative identifier";
  wchar_t user[257];
  DWORD length = 257;
  GetUserNameW(user, &length);
  EXPECT_EQ(picked_.name, AsText(user));
  EXPECT_TRUE(picked_.sidText.size() > 5 && picked_.sidText.substr(picked_.sidText.size() - 5) == u"-1000");

  for (const char* what : {"cancel", "an account not listed", "script used up"})
    EXPECT_FALSE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << what;
  SetEnvironmentVariableW(host::kPickerScriptVariable, L"Guest");
  EXPECT_FALSE(accounts_.PickAccount(PickerScope{DSOP_SCOPE_TYPE_TARGET_COMPUTER, 0, DSOP_FILTER_BUILTIN_GROUPS, 0, 0, 0},
                                     nullptr, &picked_))
      << "a scope without users lists none";
}

struct DialogSeen {
  std::u16string title, prompt, guestType;
} seen;
const char* shotName = "";

// Once the picker's dialog shows on this thread: notes its texts, photographs it, chooses
// "Guest" in its list and presses OK.
void CALLBACK ChooseGuest(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = wintest::FindThreadDialog();
  if (!dialog) return;
  KillTimer(nullptr, timer);
  wintest::Screenshot(dialog, shotName);

  HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
  LVFINDINFOW find{};
  find.flags = LVFI_STRING;
  find.psz = L"Guest";
  const int at = ListView_FindItem(list, -1, &find);
  wchar_t type[64] = {};
  ListView_GetItemText(list, at, 1, type, 64);
  seen = {wintest::WindowText(dialog), wintest::WindowText(GetDlgItem(dialog, IDC_PICKER_PROMPT)), AsText(type)};
  ListView_SetItemState(list, at, LVIS_SELECTED, LVIS_SELECTED);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(SimulatedPicker, WithoutAScriptTheUserChoosesInTheDialogInTheCallersLanguage) {
  const struct {
    const wchar_t* code;
    const char* shot;
    const char16_t *title, *prompt, *guest;
  } languages[] = {{L"en", "picker-dialog", u"Select Users", u"Accounts of the computer ", u"Guest"},
                   {L"de", "picker-dialog-de", u"Benutzer auswählen", u"Konten des Computers ", u"Gast"}};
  for (const auto& language : languages) {
    SCOPED_TRACE(language.shot);
    host::UseHostLanguage(language.code);
    seen = {};
    shotName = language.shot;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, ChooseGuest);
    const bool picked = accounts_.PickAccount(kLocalUsers, nullptr, &picked_);
    KillTimer(nullptr, timer);
    EXPECT_EQ(seen.title, language.title);
    EXPECT_EQ(seen.prompt.rfind(language.prompt, 0), 0u) << parental::common::ToUtf8(seen.prompt);
    EXPECT_EQ(seen.guestType, language.guest);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked_.name, u"Guest");
  }
  host::UseHostLanguage(L"en");
}

// A picker that hands back a given selection, registered by the test for the picker's class.
class GivenSelection : public host::ComObject<IDsObjectPicker> {
 public:
  GivenSelection() : ComObject(IID_IDsObjectPicker) {}
  STDMETHODIMP Initialize(PDSOP_INIT_INFO) override { return S_OK; }
  STDMETHODIMP InvokeDialog(HWND, IDataObject** out) override {
    *out = host::MakeSelectionData(selection, fetched);
    return S_OK;
  }
  std::vector<host::SelectedObject> selection;
  ULONG fetched = 1;
};

class GivenFactory : public host::ComObject<IClassFactory> {
 public:
  explicit GivenFactory(GivenSelection* picker) : ComObject(IID_IClassFactory), picker_(picker) {}
  STDMETHODIMP CreateInstance(IUnknown*, REFIID iid, void** out) override { return picker_->QueryInterface(iid, out); }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }

 private:
  GivenSelection* picker_;
};

TEST_F(SimulatedPicker, AMalformedSelectionGivesNoAccount) {
  auto* picker = new GivenSelection;
  auto* factory = new GivenFactory(picker);
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(CLSID_DsObjectPicker, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
            S_OK);
  const std::vector<BYTE> admins{1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0};
  std::vector<BYTE> nine(8 + 9 * 4, 0);
  nine[1] = 9;
  picker->selection = {{L"Administrators", L"WinNT://PC/Administrators", L"group", L"", 1, {admins}},
                       {L"second", L"", L"user", L"", 1, {std::vector<BYTE>{1, 1, 0, 0, 0, 0, 0, 5, 7, 0, 0, 0}}}};
  ASSERT_TRUE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << "well formed: the first item";
  EXPECT_EQ(picked_.sidText, u"S-1-5-32-544");
  EXPECT_EQ(picked_.path, u"WinNT://PC/Administrators");

  picker->fetched = 0;
  EXPECT_FALSE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << "no attribute";
  picker->fetched = 1;
  picker->selection.resize(1);
  for (auto bytes : {std::optional<std::vector<BYTE>>(std::vector<BYTE>{1, 1, 0, 0, 0, 0, 0, 5, 32, 0}),
                     std::optional<std::vector<BYTE>>(nine), std::optional<std::vector<BYTE>>()}) {
    picker->selection[0].attributes = {bytes};
    EXPECT_FALSE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << "short, above 8, or no byte array";
  }
  picker->selection.clear();
  EXPECT_FALSE(accounts_.PickAccount(kLocalUsers, nullptr, &picked_)) << "nothing selected";
  CoRevokeClassObject(cookie);
  factory->Release();
  picker->Release();
}

TEST_F(SimulatedPicker, ThePickerStandInChecksHowItIsCalled) {
  IDsObjectPicker* picker = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_DsObjectPicker, nullptr, CLSCTX_INPROC_SERVER, IID_IDsObjectPicker,
                             reinterpret_cast<void**>(&picker)), S_OK);
  IDataObject* data = reinterpret_cast<IDataObject*>(1);
  EXPECT_EQ(picker->InvokeDialog(nullptr, &data), E_UNEXPECTED);
  EXPECT_EQ(data, nullptr);
  DSOP_INIT_INFO init{sizeof(init), nullptr, 0, nullptr, 0, 0, nullptr};
  EXPECT_EQ(picker->Initialize(&init), E_INVALIDARG) << "no scope";
  picker->Release();
}

}  // namespace
