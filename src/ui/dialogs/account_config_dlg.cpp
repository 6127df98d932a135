#include "ui/dialogs/account_config_dlg.h"

#include <uxtheme.h>

#include "frame/app/plugin_app.h"
#include "frame/protocol/requests.h"
#include "res/dialogs/account_config_ids.h"
#include "ui/dialogs/category_dialog.h"
#include "ui/dialogs/dialog_resources.h"
#include "ui/dialogs/display_names.h"

namespace parental::corvui {
namespace {

constexpr UINT kStringTabTitles = 2033;
constexpr std::uint32_t kFollowLowerRight = kResizeRightToBorder | kResizeBottomToBorder;
constexpr std::uint32_t kStretch = kResizeLeftFixed | kResizeTopFixed | kFollowLowerRight;

}  // namespace

CAccountConfigDlg::CAccountConfigDlg(HWND owner, CParentalConfig& config, std::u16string roleKey,
                                     platform::IAnsiCodePage& codePage)
    : CDialogAdv(IDD_ACCOUNT_CONFIG, kHelpCategories),
      owner_(owner),
      config_(config),
      edit_(config.Roles(), std::move(roleKey), codePage),
      exceptionsTab_(codePage),
      grid_(std::make_unique<CCategoryDialog>()),
      resizer_(kResizerDeferred) {}

CAccountConfigDlg::~CAccountConfigDlg() = default;

CDialog& CAccountConfigDlg::Page(int index) {
  return index == 0 ? static_cast<CDialog&>(categoriesTab_) : static_cast<CDialog&>(exceptionsTab_);
}

BOOL CAccountConfigDlg::OnInitDialog() {
  BOOL result = CDialogAdv::OnInitDialog();
  for (int id : {IDCANCEL, IDOK, IDC_CONFIG_UNDO}) resizer_.Add(GetSafeHwnd(), id, kFollowLowerRight);
  resizer_.Add(GetSafeHwnd(), IDC_CONFIG_TABS, kStretch);

  tabs_.SubclassDlgItem(IDC_CONFIG_TABS, GetSafeHwnd());
  const std::vector<std::u16string> titles = SplitAtBar(ResourceText(kStringTabTitles));
  for (std::size_t i = 0; i < titles.size() && i < 2; ++i) tabs_.InsertItem(static_cast<int>(i), titles[i].c_str());
  CreatePages();

  if (grid_->Create(categoriesTab_.GetSafeHwnd(), categoriesTab_.GridArea())) {
    categoriesTab_.SetGridWindow(grid_->GetSafeHwnd());
    grid_->SetGrid(LoadGridContent(config_.Roles(), config_.Categories()));
  }
  edit_.TakeOpeningStates();
  ShowOpeningStates();
  SetForegroundWindow(GetSafeHwnd());
  return result;
}

// Both pages are made with the dialog; the exceptions page waits hidden and disabled.
void CAccountConfigDlg::CreatePages() {
  for (int index : {0, 1}) CreatePage(index);
  exceptionsTab_.EnableWindow(false);
  categoriesTab_.ShowWindow(SW_SHOW);
}

void CAccountConfigDlg::CreatePage(int index) {
  CDialog& page = Page(index);
  if (!page.Create(GetSafeHwnd())) return;
  EnableThemeDialogTexture(page.GetSafeHwnd(), ETDT_ENABLETAB);
  // Above the tab control, so that the tab does not paint over the page.
  SetWindowPos(page.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PlacePages();
}

void CAccountConfigDlg::PlacePages() {
  if (!tabs_.GetSafeHwnd()) return;
  RECT area = tabs_.GetWindowRect();
  MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&area), 2);
  tabs_.AdjustRect(false, area);
  for (int index : {0, 1})
    if (Page(index).GetSafeHwnd()) Page(index).MoveWindow(area);
}

void CAccountConfigDlg::ShowOpeningStates() {
  std::vector<bool> checks;
  std::vector<ExceptionEntry> entries;
  if (edit_.OpeningStates(grid_->Ids(), checks, entries)) {
    grid_->SetChecks(checks);
    exceptionsTab_.SetEntries(entries);
  } else {
    grid_->Control().Invalidate();
  }
}

void CAccountConfigDlg::SelectTab(int index) {
  if (index == current_ || index < 0 || index > 1) return;
  if (tabs_.GetCurSel() != index) tabs_.SetCurSel(index);
  CDialog& old = Page(current_);
  old.EnableWindow(false);
  old.ShowWindow(SW_HIDE);
  current_ = index;
  CDialog& page = Page(index);
  page.EnableWindow(true);
  page.ShowWindow(SW_SHOW);
  ::SetFocus(::GetNextDlgTabItem(page.GetSafeHwnd(), nullptr, FALSE));
  SetHelpContext(index == 0 ? kHelpCategories : kHelpExceptions);
}

LRESULT CAccountConfigDlg::OnNotify(int id, NMHDR* header) {
  if (id == IDC_CONFIG_TABS && header->code == TCN_SELCHANGE) {
    SelectTab(tabs_.GetCurSel());
    return 0;
  }
  return CDialogAdv::OnNotify(id, header);
}

bool CAccountConfigDlg::OnCommand(int id, int code, HWND from) {
  if (id == IDC_CONFIG_UNDO && code == BN_CLICKED) {
    ShowOpeningStates();
    return true;
  }
  return CDialogAdv::OnCommand(id, code, from);
}

void CAccountConfigDlg::OnOK() {
  if (!ConfirmHostAccess()) return;  // refused: every edit stays in the dialog
  // A role that took nothing, or a save that failed (the stored configuration is then loaded
  // again), keeps the dialog open with every edit, for another "OK" or "Cancel".
  if (!edit_.Write(grid_->Ids(), grid_->Checks(), exceptionsTab_.Entries()) || !config_.SaveAsUsual()) return;
  EndDialog(IDOK);
}

void CAccountConfigDlg::OnSize(UINT type, int width, int height) {
  CDialogAdv::OnSize(type, width, height);
  if (type == SIZE_MINIMIZED) return;
  resizer_.Layout();
  PlacePages();
}

}  // namespace parental::corvui
