#include "ui/dialogs/exception_tab.h"

#include "frame/app/plugin_app.h"
#include "res/dialogs/account_config_ids.h"
#include "ui/dialogs/display_names.h"
#include "win/dpi.h"

namespace parental::corvui {
namespace {

constexpr UINT kStringStates = 2047;  // "Allow|Block"

struct MoveButton {
  int id;
  UINT icon;
};
constexpr MoveButton kMoveButtons[] = {{IDC_EXCEPTIONS_UP, IDI_MOVE_UP},
                                       {IDC_EXCEPTIONS_DOWN, IDI_MOVE_DOWN},
                                       {IDC_EXCEPTIONS_TOP, IDI_MOVE_TOP},
                                       {IDC_EXCEPTIONS_BOTTOM, IDI_MOVE_BOTTOM}};

}  // namespace

CTabConfigException::CTabConfigException(platform::IAnsiCodePage& codePage)
    : CDialog(IDD_ACCOUNT_CONFIG_EXCEPTIONS), edit_(codePage) {}

CTabConfigException::~CTabConfigException() {
  for (HICON icon : icons_) DestroyIcon(icon);
}

BOOL CTabConfigException::OnInitDialog() {
  BOOL result = CDialog::OnInitDialog();
  list_.SubclassDlgItem(IDC_TAB_EXCEPTIONS_LIST, GetSafeHwnd());
  list_.SetActionImage(images_.Remove());
  url_.SubclassDlgItem(IDC_EXCEPTIONS_URL, GetSafeHwnd());
  state_.SubclassDlgItem(IDC_EXCEPTIONS_STATE, GetSafeHwnd());
  const UINT dpi = DpiOf(GetSafeHwnd());
  for (const MoveButton& button : kMoveButtons) {
    HICON icon = LoadSmallIcon(button.icon, dpi);
    if (!icon) continue;
    icons_.push_back(icon);
    ::SendMessageW(GetDlgItem(button.id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  }
  url_.SetWindowText(u"http://");
  for (const std::u16string& state : SplitAtBar(ResourceText(kStringStates))) state_.AddString(state.c_str());
  state_.SetCurSel(0);

  const std::uint32_t right = kResizeRightToBorder | kResizeTopFixed;
  const std::uint32_t bottom = kResizeRightToBorder | kResizeBottomToBorder;
  resizer_.Add(GetSafeHwnd(), IDC_EXCEPTIONS_CAPTION, kResizeLeftFixed | right);
  resizer_.Add(GetSafeHwnd(), IDC_TAB_EXCEPTIONS_LIST, kResizeLeftFixed | kResizeTopFixed | bottom);
  for (const MoveButton& button : kMoveButtons) resizer_.Add(GetSafeHwnd(), button.id, right);
  resizer_.Add(GetSafeHwnd(), IDC_EXCEPTIONS_URL_LABEL, kResizeLeftFixed | kResizeBottomToBorder);
  resizer_.Add(GetSafeHwnd(), IDC_EXCEPTIONS_URL, kResizeLeftFixed | bottom);
  for (int id : {IDC_EXCEPTIONS_STATE_LABEL, IDC_EXCEPTIONS_STATE}) resizer_.Add(GetSafeHwnd(), id, bottom);
  resizer_.Add(GetSafeHwnd(), IDC_TAB_EXCEPTIONS_ADD, bottom);
  return result;
}

void CTabConfigException::SetEntries(const std::vector<ExceptionEntry>& entries) {
  edit_.Entries() = entries;
  listStale_ = true;
  if (IsWindowVisible()) ShowEntries();
}

// The list follows the edit in place: adding an entry to an owner-drawn list measures it,
// which is slow, so entries are only added or deleted where the counts differ.
void CTabConfigException::ShowEntries() {
  listStale_ = false;
  const std::vector<ExceptionEntry>& entries = edit_.Entries();
  const int count = static_cast<int>(entries.size());
  while (list_.ItemCount() > count) list_.DeleteItem(list_.ItemCount() - 1);
  for (int i = 0; i < count; ++i) {
    HBITMAP mark = images_.Mark(entries[i].allowed);
    CExtItem* item = list_.GetItem(i);
    if (!item) {
      list_.AddItem(entries[i].url, mark);
    } else if (item->text != entries[i].url || item->image != mark) {
      item->text = entries[i].url;
      item->image = mark;
      list_.RedrawItem(i);
    }
  }
}

void CTabConfigException::OnShowWindow(bool show, UINT status) {
  CDialog::OnShowWindow(show, status);
  if (show && listStale_) ShowEntries();
}

bool CTabConfigException::OnCommand(int id, int code, HWND from) {
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_TAB_EXCEPTIONS_ADD:
        Add();
        return true;
      case IDC_EXCEPTIONS_UP:
      case IDC_EXCEPTIONS_DOWN:
      case IDC_EXCEPTIONS_TOP:
      case IDC_EXCEPTIONS_BOTTOM:
        Move(id);
        return true;
    }
  }
  return CDialog::OnCommand(id, code, from);
}

void CTabConfigException::Add() {
  const bool allowed = state_.GetCurSel() == 0;
  if (!edit_.Add(url_.GetWindowText(), allowed)) return;
  const int index = list_.AddItem(edit_.Entries().back().url, images_.Mark(allowed));
  list_.SetCurSel(index);
}

// The list and the edit move the same entry; the list takes an insertion position.
void CTabConfigException::Move(int id) {
  const int from = list_.GetCurSel();
  switch (id) {
    case IDC_EXCEPTIONS_UP:
      if (edit_.MoveUp(from) >= 0) list_.SwapItems(from, from - 1);
      break;
    case IDC_EXCEPTIONS_DOWN:
      if (edit_.MoveDown(from) >= 0) list_.SwapItems(from, from + 1);
      break;
    case IDC_EXCEPTIONS_TOP:
      if (edit_.MoveToTop(from) >= 0) list_.MoveItem(from, 0);
      break;
    case IDC_EXCEPTIONS_BOTTOM:
      if (edit_.MoveToBottom(from) >= 0) list_.MoveItem(from, list_.ItemCount());
      break;
  }
}

void CTabConfigException::Toggle() {
  const int index = list_.GetCurSel();
  if (!edit_.Toggle(index)) return;
  if (CExtItem* item = list_.GetItem(index)) item->image = images_.Mark(edit_.Entries()[index].allowed);
  list_.RedrawItem(index);
}

LRESULT CTabConfigException::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kListBoxAdvToggle:
      Toggle();
      return 0;
    case kListBoxAdvDelete:  // the list deletes its entry itself after this
      edit_.Remove(list_.CurrentItem());
      return 0;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

void CTabConfigException::OnSize(UINT type, int width, int height) {
  CDialog::OnSize(type, width, height);
  resizer_.Layout();
}

}  // namespace parental::corvui
