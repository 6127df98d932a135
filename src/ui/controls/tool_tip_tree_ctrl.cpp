#include "ui/controls/tool_tip_tree_ctrl.h"

#include "win/dc.h"

namespace {
constexpr UINT_PTR kTreeTool = 1;
}

void CToolTipTreeCtrl::SetItemTip(HTREEITEM item, const std::u16string& text) {
  if (!item) return;
  if (text.empty()) {
    tips_.erase(item);
  } else {
    tips_[item] = text;
    EnsureTip();
  }
}

std::u16string CToolTipTreeCtrl::ItemTip(HTREEITEM item) const {
  auto found = tips_.find(item);
  return found != tips_.end() ? found->second : std::u16string();
}

void CToolTipTreeCtrl::EnsureTip() {
  if (tip_.GetSafeHwnd() || !GetSafeHwnd() || !tip_.Create(GetSafeHwnd())) return;
  tip_.AddTool(GetSafeHwnd(), kTreeTool, GetClientRect(), reinterpret_cast<const char16_t*>(LPSTR_TEXTCALLBACKW));
  tip_.SetMaxTipWidth(300);
  tip_.Activate(true);
}

HTREEITEM CToolTipTreeCtrl::ItemUnderPointer() const {
  POINT point{};
  if (!GetCursorPos(&point) || !ScreenToClient(GetSafeHwnd(), &point)) return nullptr;
  UINT flags = 0;
  HTREEITEM item = HitTest(point, &flags);
  return flags & TVHT_ONITEM ? item : nullptr;
}

LRESULT CToolTipTreeCtrl::OnNotify(int id, NMHDR* header) {
  if (header->hwndFrom != tip_.GetSafeHwnd() ||
      (header->code != TTN_GETDISPINFOW && header->code != TTN_GETDISPINFOA)) {
    return CTreeCtrl::OnNotify(id, header);
  }
  auto found = tips_.find(ItemUnderPointer());
  const std::u16string* text = found != tips_.end() ? &found->second : nullptr;
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (info->uFlags & TTF_IDISHWND) return CTreeCtrl::OnNotify(id, header);
    info->szText[0] = L'\0';
    info->lpszText = text ? const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text->c_str())) : info->szText;
  } else {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (info->uFlags & TTF_IDISHWND) return CTreeCtrl::OnNotify(id, header);
    narrow_.clear();
    if (text) {
      int size = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(text->c_str()), -1, nullptr, 0, nullptr, nullptr);
      narrow_.assign(size > 0 ? size : 1, '\0');
      WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(text->c_str()), -1, &narrow_[0], size, nullptr, nullptr);
    }
    info->szText[0] = '\0';
    info->lpszText = text ? &narrow_[0] : info->szText;
  }
  return 0;
}

bool CToolTipTreeCtrl::PreTranslateMessage(MSG* message) {
  if (tip_.GetSafeHwnd() && message->hwnd == GetSafeHwnd() && message->message >= WM_MOUSEFIRST &&
      message->message <= WM_MOUSELAST) {
    tip_.RelayEvent(message);
  }
  return CTreeCtrl::PreTranslateMessage(message);
}

// Another item under the pointer: the tip goes, and asks again when it shows next.
void CToolTipTreeCtrl::OnMouseMove(UINT flags, POINT point) {
  HTREEITEM item = ItemUnderPointer();
  if (item != tipItem_ && tip_.GetSafeHwnd()) tip_.Pop();
  tipItem_ = item;
  CTreeCtrl::OnMouseMove(flags, point);
}

void CToolTipTreeCtrl::OnSize(UINT type, int width, int height) {
  if (tip_.GetSafeHwnd()) tip_.SetToolRect(GetSafeHwnd(), kTreeTool, RECT{0, 0, width, height});
  CTreeCtrl::OnSize(type, width, height);
}

void CToolTipTreeCtrl::OnPaint() {
  CPaintDC paint(GetSafeHwnd());
  RECT client = GetClientRect();
  CMemDC memory(paint, client);
  auto background = static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR));
  memory.FillSolidRect(client, background == CLR_NONE ? GetSysColor(COLOR_WINDOW) : background);
  DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), PRF_CLIENT);
}

// Tips of deleted items go with them, so that a later item never shows a stale text.
void CToolTipTreeCtrl::ForgetSubtree(HTREEITEM item) {
  for (HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child)) ForgetSubtree(child);
  tips_.erase(item);
}

LRESULT CToolTipTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TVM_DELETEITEM && !tips_.empty()) {
    auto item = reinterpret_cast<HTREEITEM>(lParam);
    if (!item || item == TVI_ROOT) {
      tips_.clear();
    } else {
      ForgetSubtree(item);
    }
  }
  return CTreeCtrl::WindowProc(message, wParam, lParam);
}

void CToolTipTreeCtrl::OnDestroy() {
  tips_.clear();
  tip_.DestroyWindow();
  CTreeCtrl::OnDestroy();
}
