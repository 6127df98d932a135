#include "computer/picker_dialog.h"

#include <commctrl.h>

#include <string>

#include "common/text.h"
#include "computer/picker_resources.h"
#include "language/host_language.h"

namespace host {
namespace {

struct DialogState {
  HMODULE module;  // the picker's own, with its texts
  const LocalComputer& computer;
  const std::vector<const ComputerAccount*>& listed;
  bool multiSelect;
  const ScriptedPick& pick;
  std::vector<std::size_t> chosen;
};

UINT KindOf(const ComputerAccount& account) {
  if (account.data.groups & kAdministrators) return IDS_PICKER_ADMINISTRATOR;
  return account.data.groups == kGuests ? IDS_PICKER_GUEST : IDS_PICKER_STANDARD;
}

// The listed account a script names, by name or relative identifier; -1 when none.
int Scripted(const DialogState& state, const std::wstring& name) {
  for (std::size_t i = 0; i < state.listed.size(); ++i) {
    const ComputerAccount& account = *state.listed[i];
    if (parental::common::EqualsNoCase(parental::common::AsText(account.name.c_str()),
                                       parental::common::AsText(name.c_str())) ||
        std::to_wstring(account.data.rid) == name)
      return int(i);
  }
  return -1;
}

void FillList(HWND list, const DialogState& state) {
  if (state.multiSelect) SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) & ~LVS_SINGLESEL);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  const UINT headings[] = {IDS_PICKER_NAME, IDS_PICKER_TYPE};
  for (int column = 0; column < 2; ++column) {
    std::wstring heading = HostString(state.module, headings[column]);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.cx = column ? 150 : 200;
    c.pszText = &heading[0];
    ListView_InsertColumn(list, column, &c);
  }
  for (std::size_t i = 0; i < state.listed.size(); ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = int(i);
    item.pszText = const_cast<wchar_t*>(state.listed[i]->name.c_str());
    ListView_InsertItem(list, &item);
    std::wstring kind = HostString(state.module, KindOf(*state.listed[i]));
    ListView_SetItemText(list, int(i), 1, &kind[0]);
  }
}

// Selects what the script names and presses OK, or Cancel when it names nothing listed.
void RunScript(HWND dialog, HWND list, const DialogState& state) {
  int button = state.pick.accounts.empty() ? IDCANCEL : IDOK;
  for (const std::wstring& name : state.pick.accounts) {
    const int at = Scripted(state, name);
    if (at < 0) button = IDCANCEL;
    else ListView_SetItemState(list, at, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_INITDIALOG) {
    state = reinterpret_cast<DialogState*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    const std::wstring prompt = HostString(state->module, IDS_PICKER_PROMPT, {state->computer.Name()});
    SetDlgItemTextW(dialog, IDC_PICKER_PROMPT, prompt.c_str());
    HWND list = GetDlgItem(dialog, IDC_PICKER_LIST);
    FillList(list, *state);
    if (state->pick.scripted) RunScript(dialog, list, *state);
    return TRUE;
  }
  if (message != WM_COMMAND || !state) return FALSE;
  const int id = LOWORD(wParam);
  if (id == IDOK) {
    HWND list = GetDlgItem(dialog, IDC_PICKER_LIST);
    for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(list, i, LVNI_SELECTED))
      state->chosen.push_back(std::size_t(i));
  }
  if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
  return id == IDOK || id == IDCANCEL;
}

}  // namespace

std::vector<std::size_t> RunPickerDialog(HINSTANCE module, HWND owner, const LocalComputer& computer,
                                         const std::vector<const ComputerAccount*>& listed, bool multiSelect,
                                         const ScriptedPick& pick) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  DialogState state{module, computer, listed, multiSelect, pick, {}};
  // In the language of the calling thread, as the host chose it.
  if (HostDialogBox(module, IDD_PICKER, owner, Procedure, LPARAM(&state)) != IDOK) return {};
  return state.chosen;
}

}  // namespace host
