#include "win/dialog.h"

#include "win/module_context.h"

bool CDialog::LoadTemplate(CDialogTemplate& dialogTemplate, const TemplateCallback& adjust) const {
  if (!dialogTemplate.Load(templateId_)) return false;
  if (adjust) adjust(dialogTemplate);
  return true;
}

bool CDialog::Create(HWND parent, const TemplateCallback& adjust) {
  CDialogTemplate dialogTemplate;
  return LoadTemplate(dialogTemplate, adjust) && CreateIndirect(dialogTemplate, parent);
}

bool CDialog::CreateIndirect(const CDialogTemplate& dialogTemplate, HWND parent) {
  if (GetSafeHwnd() || dialogTemplate.IsEmpty()) return false;
  modal_ = false;
  CreationScope scope;
  HWND window = CreateDialogIndirectParamW(PluginModule(), dialogTemplate.Data(), parent, &StaticDialogProc,
                                           reinterpret_cast<LPARAM>(this));
  if (!window) return false;
  owned_ = true;
  return true;
}

INT_PTR CDialog::DoModal(HWND parent, const TemplateCallback& adjust) {
  CDialogTemplate dialogTemplate;
  return LoadTemplate(dialogTemplate, adjust) ? DoModalIndirect(dialogTemplate, parent) : -1;
}

INT_PTR CDialog::DoModalIndirect(const CDialogTemplate& dialogTemplate, HWND parent) {
  if (GetSafeHwnd() || dialogTemplate.IsEmpty()) return -1;
  modal_ = true;
  CreationScope scope;  // kept through the loop: controls made later are version 6 as well
  INT_PTR result = DialogBoxIndirectParamW(PluginModule(), dialogTemplate.Data(), parent, &StaticDialogProc,
                                           reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

void CDialog::EndDialog(INT_PTR result) {
  if (!GetSafeHwnd()) return;
  if (modal_) {
    ::EndDialog(GetSafeHwnd(), result);
  } else {
    ShowWindow(SW_HIDE);  // a modeless dialog is destroyed by its owner
  }
}

bool CDialog::PreTranslateMessage(MSG* message) {
  if (modal_ || (GetStyle() & WS_CHILD) || message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return false;
  return IsDialogMessageW(GetSafeHwnd(), message) != FALSE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(int id, int code, HWND from) {
  if (code != BN_CLICKED && from) return false;
  if (id == IDOK) OnOK();
  else if (id == IDCANCEL) OnCancel();
  else return false;
  return true;
}

LRESULT CDialog::DefaultProc(UINT, WPARAM, LPARAM) {
  handled_ = false;
  return 0;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    ModuleScope scope;
    CDialog* dialog = static_cast<CDialog*>(FromHandle(window));
    if (message == WM_INITDIALOG && !dialog) {
      dialog = reinterpret_cast<CDialog*>(lParam);
      dialog->Attach(window);
      return dialog->OnInitDialog();
    }
    if (!dialog) return FALSE;
    const bool outer = dialog->handled_;
    dialog->handled_ = true;
    LRESULT result = dialog->Dispatch(message, wParam, lParam);
    const bool handled = dialog->handled_;
    dialog->handled_ = outer;
    if (message == WM_NCDESTROY) {
      dialog->Detach();
      dialog->PostNcDestroy();  // may delete the object
      return FALSE;
    }
    if (!handled) return FALSE;
    switch (message) {  // these answer through the return value, not DWLP_MSGRESULT
      case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM: case WM_VKEYTOITEM:
      case WM_CHARTOITEM: case WM_QUERYDRAGICON:
        return result;
      default:
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
  } catch (...) {
    return FALSE;
  }
}
