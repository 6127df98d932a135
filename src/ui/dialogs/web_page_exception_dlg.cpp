#include "ui/dialogs/web_page_exception_dlg.h"

#include "frame/app/plugin_app.h"
#include "res/dialogs/web_page_exception_ids.h"
#include "ui/dialogs/typed_url.h"

namespace parental::corvui {
namespace {

constexpr std::uint32_t kFollowLowerRight = kResizeRightToBorder | kResizeBottomToBorder;
constexpr std::uint32_t kStretchAcross = kResizeLeftFixed | kResizeRightToBorder | kResizeTopFixed;
constexpr std::uint32_t kStretch = kStretchAcross | kResizeBottomToBorder;
constexpr UINT kStringTitle = 2034;

std::u16string ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(name, &size) ? std::u16string(reinterpret_cast<const char16_t*>(name), size) : u"";
}

}  // namespace

CExceptionConfigDlg::CExceptionConfigDlg(HWND owner, CConfigManagerRole& roles,
                                         CConfigManagerAccount::AccountMap accounts, IAccountsService& service,
                                         platform::IAnsiCodePage& codePage)
    : CDialogAdv(IDD_WEB_PAGE_EXCEPTION, kHelpContext),
      owner_(owner),
      service_(service),
      rules_(roles, std::move(accounts), codePage) {}

BOOL CExceptionConfigDlg::OnInitDialog() {
  BOOL result = CDialogAdv::OnInitDialog();
  const std::u16string title = ResourceText(kStringTitle);
  if (!title.empty()) SetWindowText(title);
  for (int id : {IDOK, IDCANCEL}) resizer_.Add(GetSafeHwnd(), id, kFollowLowerRight);
  // The URL and the list follow the window too, so that a larger window shows more.
  resizer_.Add(GetSafeHwnd(), IDC_WEB_PAGE_URL, kStretchAcross);
  resizer_.Add(GetSafeHwnd(), IDC_WEB_PAGE_ACCOUNTS, kStretch);

  url_.SubclassDlgItem(IDC_WEB_PAGE_URL, GetSafeHwnd());
  accounts_.SubclassDlgItem(IDC_WEB_PAGE_ACCOUNTS, GetSafeHwnd());
  rules_.ListAccounts(service_, ComputerName());
  for (const AccountMark& entry : rules_.Entries()) accounts_.AddItem(entry.displayName, images_.Mark(entry.allowed));
  url_.SetWindowText(u"http://");
  return result;
}

void CExceptionConfigDlg::ShowMarks() {
  for (int i = 0; i < accounts_.ItemCount() && i < static_cast<int>(rules_.Entries().size()); ++i) {
    CExtItem* item = accounts_.GetItem(i);
    HBITMAP mark = images_.Mark(rules_.Entries()[i].allowed);
    if (item && item->image != mark) {
      item->image = mark;
      accounts_.RedrawItem(i);
    }
  }
}

bool CExceptionConfigDlg::OnCommand(int id, int code, HWND from) {
  if (id == IDC_WEB_PAGE_URL && code == EN_CHANGE) {
    if (url_.GetSafeHwnd()) {
      rules_.FollowUrl(url_.GetWindowText());
      ShowMarks();
    }
    return true;
  }
  return CDialogAdv::OnCommand(id, code, from);
}

LRESULT CExceptionConfigDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kListBoxAdvToggle) {
    if (rules_.Toggle(accounts_.GetCurSel())) ShowMarks();
    return 0;
  }
  return CDialogAdv::WindowProc(message, wParam, lParam);
}

// Without a typed web page the dialog closes as cancelled (nothing was written); a refused
// exception keeps it open with the URL and the marks.
void CExceptionConfigDlg::OnOK() {
  const std::u16string url = url_.GetSafeHwnd() ? url_.GetWindowText() : std::u16string();
  if (!NamesWebPage(url)) EndDialog(IDCANCEL);
  else if (rules_.Apply(url)) EndDialog(IDOK);
}

void CExceptionConfigDlg::OnSize(UINT type, int width, int height) {
  CDialogAdv::OnSize(type, width, height);
  resizer_.Layout();
}

}  // namespace parental::corvui
