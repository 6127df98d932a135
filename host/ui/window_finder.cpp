#include "ui/window_finder.h"

#include <commctrl.h>

#include "common/text.h"

namespace host {
namespace {

using parental::common::ToUtf8;

std::string Utf8(const std::u16string& text) { return ToUtf8(text); }

std::u16string ListText(HWND list, int row, int column) {
  wchar_t text[512] = {};
  ListView_GetItemText(list, row, column, text, 512);
  return parental::common::AsText(text);
}

std::u16string TreeText(HWND tree, HTREEITEM item) {
  wchar_t text[512] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = 512;
  TreeView_GetItem(tree, &data);
  return parental::common::AsText(text);
}

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (GetDlgCtrlID(window) != search->id || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchFront(HWND window, LPARAM context) {
  if (!IsWindowVisible(window) || !IsWindowEnabled(window) || ClassOf(window) == u"tooltips_class32") return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

}  // namespace

std::u16string WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return parental::common::AsText(text);
}

std::u16string ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return parental::common::AsText(name);
}

HWND FrontWindow() {
  HWND front = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &MatchFront, LPARAM(&front));
  return front;
}

HWND FindControl(HWND window, int id) {
  Search search{id, nullptr};
  if (window) EnumChildWindows(window, &MatchId, LPARAM(&search));
  return search.found;
}

int FindListRow(HWND list, const std::u16string& text) {
  const int rows = ListView_GetItemCount(list);
  const int columns = Header_GetItemCount(ListView_GetHeader(list));
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      if (ListText(list, row, column) == text) return row;
  return -1;
}

HTREEITEM FindTreeItem(HWND tree, const std::u16string& text) {
  for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item))
    if (TreeText(tree, item) == text) return item;
  return nullptr;
}

std::string DescribeControl(HWND control) {
  const std::u16string kind = ClassOf(control);
  std::string out = IsWindowEnabled(control) ? "enabled" : "disabled";
  if (kind == u"SysListView32") {
    const int columns = Header_GetItemCount(ListView_GetHeader(control));
    const bool checks = ListView_GetExtendedListViewStyle(control) & LVS_EX_CHECKBOXES;
    for (int row = 0; row < ListView_GetItemCount(control); ++row) {
      out += " [";
      if (checks) out += ListView_GetCheckState(control, row) ? "x " : "  ";
      for (int column = checks ? 1 : 0; column < columns; ++column)
        out += (column > (checks ? 1 : 0) ? "|" : "") + Utf8(ListText(control, row, column));
      out += "]";
    }
  } else if (kind == u"SysTreeView32") {
    for (HTREEITEM item = TreeView_GetRoot(control); item; item = TreeView_GetNextSibling(control, item))
      if (TreeView_GetCheckState(control, item) == 1) out += " [x " + Utf8(TreeText(control, item)) + "]";
  } else if (kind == u"ComboBox") {
    const int selected = int(SendMessageW(control, CB_GETCURSEL, 0, 0));
    out += selected < 0 ? " no selection" : " \"" + Utf8(WindowText(control)) + "\"";
  } else if (kind == u"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
    out += SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : " clear";
  } else {
    out += " \"" + Utf8(WindowText(control)) + "\"";
  }
  return out;
}

}  // namespace host
