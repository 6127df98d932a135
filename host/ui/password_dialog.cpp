#include "ui/password_dialog.h"

#include <string>

#include "language/host_language.h"
#include "ui/host_dialogs.h"
#include "ui/host_texts.h"
#include "ui/password_prompt.h"

namespace host {
namespace {

// OK with two equal entries ends the dialog with the new password; two different ones
// keep it open with the message and the first field selected.
void OnOk(HWND dialog) {
  const std::wstring typed = DialogItemText(dialog, IDC_PASSWORD_NEW);
  if (typed != DialogItemText(dialog, IDC_PASSWORD_CONFIRM)) {
    SetDlgItemTextW(dialog, IDC_PASSWORD_MESSAGE, HostString(GetModuleHandleW(nullptr), IDS_PASSWORDS_DIFFER).c_str());
    SetDlgItemTextW(dialog, IDC_PASSWORD_CONFIRM, L"");
    HWND first = GetDlgItem(dialog, IDC_PASSWORD_NEW);
    SendMessageW(dialog, WM_NEXTDLGCTL, WPARAM(first), TRUE);
    SendMessageW(first, EM_SETSEL, 0, -1);
    return;
  }
  *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER)) = typed;
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetForegroundWindow(dialog);
      return TRUE;
    case WM_CTLCOLORSTATIC:  // the message in red
      if (GetDlgCtrlID(HWND(lParam)) != IDC_PASSWORD_MESSAGE) return FALSE;
      SetTextColor(HDC(wParam), RGB(0xC0, 0, 0));
      SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
      return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) OnOk(dialog);
      else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      else return FALSE;
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool RunPasswordDialog(HWND owner, SettingsPassword& password) {
  // Changing the protection is a change of the settings: whoever may not change them may
  // not remove it either.
  if (!AskSettingsPassword(owner, password)) return false;
  std::wstring typed;
  if (HostDialogBox(GetModuleHandleW(nullptr), IDD_PASSWORD_SET, owner, &Procedure, LPARAM(&typed)) != IDOK)
    return false;
  password.Set(typed);
  return true;
}

}  // namespace host
