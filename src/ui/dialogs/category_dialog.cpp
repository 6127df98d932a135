#include "ui/dialogs/category_dialog.h"

#include <algorithm>

#include "common/text.h"
#include "markup/win/gdi_context.h"
#include "res/dialogs/account_config_ids.h"
#include "win/dpi.h"

namespace parental::corvui {
namespace {

// The grid's mark-up counts at 96 dots per inch; the window has the dialog's.
int MinimumWidth(int columns, HWND window) { return ScaleToDpi(GridMinimumWidth(columns), DpiOf(window)); }

}  // namespace

CAccountConfigDlg::CCategoryDialog::CCategoryDialog() : CDialog(IDD_CATEGORY_GRID) {}

bool CAccountConfigDlg::CCategoryDialog::Create(HWND parent, const RECT& area) {
  if (!CDialog::Create(parent)) return false;
  MoveWindow(area);
  const RECT client = GetClientRect();
  if (!grid_.Create(WS_VISIBLE | WS_TABSTOP, client, GetSafeHwnd(), kGridControlId)) return false;
  // The grid's window text is what a screen reader calls it: the tab's caption.
  wchar_t caption[256] = {};
  ::GetDlgItemTextW(parent, IDC_CATEGORIES_CAPTION, caption, 256);
  grid_.SetWindowText(common::AsText(caption));
  grid_.Document().defaultFont = DescribeFont(GetFont(), static_cast<int>(DpiOf(GetSafeHwnd())));
  ShowWindow(SW_SHOW);
  return true;
}

void CAccountConfigDlg::CCategoryDialog::SetGrid(const GridContent& content) {
  const RECT client = GetClientRect();
  const int height = MulDiv(client.bottom, 96, static_cast<int>(DpiOf(GetSafeHwnd())));  // at 96 dots per inch
  const GridMarkup markup = BuildCategoryGrid(content.categories, content.groupNames, height);
  columns_ = markup.columns;
  ids_.clear();
  for (const GridCategory& category : content.categories) ids_.push_back(category.id);
  grid_.MoveWindow(RECT{0, 0, std::max<int>(client.right, MinimumWidth(columns_, GetSafeHwnd())), client.bottom});
  grid_.SetText(markup.text);
  boxes_.clear();
  for (std::uint16_t id : ids_)
    boxes_.push_back(dynamic_cast<CButtonLO*>(grid_.Document().FindObject(common::FormatDecimal(id))));
  scroll_.position = 0;
  FitControl();
}

std::vector<bool> CAccountConfigDlg::CCategoryDialog::Checks() const {
  std::vector<bool> checks;
  for (const CButtonLO* box : boxes_) checks.push_back(box && box->State() != 0);
  return checks;
}

void CAccountConfigDlg::CCategoryDialog::SetChecks(const std::vector<bool>& checks) {
  for (std::size_t i = 0; i < boxes_.size() && i < checks.size(); ++i)
    if (boxes_[i]) boxes_[i]->SetAttribute(u"STATE", checks[i] ? u"1" : u"0");
  grid_.Invalidate();
}

void CAccountConfigDlg::CCategoryDialog::FitControl() {
  if (!grid_.GetSafeHwnd()) return;
  const RECT client = GetClientRect();
  const int width = std::max<int>(client.right, MinimumWidth(columns_, GetSafeHwnd()));
  if (grid_.GetClientRect().right != width) grid_.MoveWindow(RECT{0, -scroll_.position, width, client.bottom});
  scroll_.content = grid_.ContentSize().cy;
  scroll_.visible = client.bottom;
  grid_.MoveWindow(RECT{0, -scroll_.position, width, -scroll_.position + std::max<int>(scroll_.content, client.bottom)});
  ScrollTo(std::min(scroll_.position, std::max(scroll_.content - scroll_.visible, 0)));
  UpdateScrollBar();
}

void CAccountConfigDlg::CCategoryDialog::UpdateScrollBar() {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMax = scroll_.content;
  info.nPage = static_cast<UINT>(std::max(scroll_.visible + 1, 0));
  info.nPos = scroll_.position;
  SetScrollInfo(GetSafeHwnd(), SB_VERT, &info, TRUE);
}

void CAccountConfigDlg::CCategoryDialog::ScrollTo(int position) {
  const int delta = scroll_.position - position;
  if (delta == 0) return;
  scroll_.position = position;
  ScrollWindowEx(GetSafeHwnd(), 0, delta, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
  UpdateScrollBar();
}

void CAccountConfigDlg::CCategoryDialog::ScrollBy(int code, int thumb) { ScrollTo(scroll_.Scrolled(code, thumb)); }

void CAccountConfigDlg::CCategoryDialog::Wheel(int delta) { ScrollTo(scroll_.Wheeled(delta)); }

void CAccountConfigDlg::CCategoryDialog::OnSize(UINT type, int width, int height) {
  CDialog::OnSize(type, width, height);
  if (type != SIZE_MINIMIZED) FitControl();
}

void CAccountConfigDlg::CCategoryDialog::OnVScroll(UINT code, UINT position, HWND scrollBar) {
  if (code == SB_THUMBTRACK) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(GetSafeHwnd(), SB_VERT, &info)) position = static_cast<UINT>(info.nTrackPos);  // all 32 bits
  }
  ScrollBy(static_cast<int>(code), static_cast<int>(position));
}

LRESULT CAccountConfigDlg::CCategoryDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEWHEEL) {
    Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return 0;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace parental::corvui
