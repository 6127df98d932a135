#include "ui/dialogs/category_tab.h"

#include "res/dialogs/account_config_ids.h"

namespace parental::corvui {
namespace {

constexpr int kGap = 4;  // pixels between the grid and the captions

RECT ChildRect(HWND parent, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(parent, id), &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

CTabConfigCategory::CTabConfigCategory() : CDialog(IDD_ACCOUNT_CONFIG_CATEGORIES) {}

CTabConfigCategory::~CTabConfigCategory() {
  if (bold_) DeleteObject(bold_);
}

BOOL CTabConfigCategory::OnInitDialog() {
  BOOL result = CDialog::OnInitDialog();
  LOGFONTW font{};
  if (GetObjectW(GetFont(), sizeof(font), &font)) {
    font.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectW(&font);
  }
  for (int id : {IDC_CATEGORIES_CAPTION, IDC_CATEGORIES_HELP_CAPTION})
    ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(bold_), TRUE);
  resizer_.Add(GetSafeHwnd(), IDC_CATEGORIES_CAPTION, kResizeLeftFixed | kResizeTopFixed | kResizeRightToBorder);
  const std::uint32_t bottom = kResizeLeftFixed | kResizeRightToBorder | kResizeBottomToBorder;
  resizer_.Add(GetSafeHwnd(), IDC_CATEGORIES_HELP_CAPTION, bottom);
  resizer_.Add(GetSafeHwnd(), IDC_CATEGORIES_HELP_TEXT, bottom);
  return result;
}

RECT CTabConfigCategory::GridArea() const {
  const RECT caption = ChildRect(GetSafeHwnd(), IDC_CATEGORIES_CAPTION);
  const RECT help = ChildRect(GetSafeHwnd(), IDC_CATEGORIES_HELP_CAPTION);
  const RECT client = GetClientRect();
  return RECT{caption.left, caption.bottom + kGap, client.right - caption.left, help.top - kGap};
}

void CTabConfigCategory::SetGridWindow(HWND grid) {
  grid_ = grid;
  resizer_.Add(GetSafeHwnd(), grid, kResizeLeftFixed | kResizeTopFixed | kResizeRightToBorder | kResizeBottomToBorder);
}

void CTabConfigCategory::OnSize(UINT type, int width, int height) {
  CDialog::OnSize(type, width, height);
  resizer_.Layout();
}

LRESULT CTabConfigCategory::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEWHEEL && grid_) return ::SendMessageW(grid_, message, wParam, lParam);
  return CDialog::WindowProc(message, wParam, lParam);
}

// Enter and Escape neither close the dialog nor reach the grid. Tab is left alone: the
// grid's control walks its own items first and hands the key on after the last one, so
// that the focus can leave the grid.
bool CTabConfigCategory::PreTranslateMessage(MSG* message) {
  if (message->message == WM_KEYDOWN && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE))
    message->wParam = 0;
  return CDialog::PreTranslateMessage(message);
}

}  // namespace parental::corvui
