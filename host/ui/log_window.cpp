#include "ui/log_window.h"

#include <commctrl.h>

#include "common/text.h"
#include "language/host_language.h"
#include "ui/host_dialogs.h"
#include "ui/host_texts.h"

namespace host {
namespace {

using parental::common::AsWide;

struct Column {
  UINT title;
  int width;  // in dialog units, so that the columns follow the font
};
constexpr Column kColumns[] = {{IDS_LOG_TIME, 30}, {IDS_LOG_ACCOUNT, 55}, {IDS_LOG_ADDRESS, 160},
                               {IDS_LOG_CATEGORY, 70}, {IDS_LOG_VERDICT, 50}};

std::wstring Text(UINT id) { return HostString(GetModuleHandleW(nullptr), id); }

struct LogWindow {
  const std::vector<LogEntry>* entries;
  SIZE minimum{};  // the template's size: the window gets no smaller
  int margin = 0;
};

int DialogUnits(HWND dialog, int units) {
  RECT rect{0, 0, units, 0};
  MapDialogRect(dialog, &rect);
  return rect.right;
}

void Fill(HWND dialog, const std::vector<LogEntry>& entries) {
  HWND list = GetDlgItem(dialog, IDC_LOG_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int i = 0; i < int(std::size(kColumns)); ++i) {
    std::wstring title = Text(kColumns[i].title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = DialogUnits(dialog, kColumns[i].width);
    column.pszText = &title[0];
    ListView_InsertColumn(list, i, &column);
  }
  const std::wstring verdicts[] = {Text(IDS_LOG_ALLOWED), Text(IDS_LOG_BLOCKED)};
  std::size_t blocked = 0;
  for (const LogEntry& entry : entries) {
    const std::u16string verdict = parental::common::AsText(verdicts[entry.blocked].c_str());
    const std::u16string* fields[] = {&entry.time, &entry.account, &entry.address, &entry.category, &verdict};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(AsWide(fields[0]->c_str()));
    item.iItem = ListView_InsertItem(list, &item);
    for (int i = 1; i < int(std::size(fields)); ++i)
      ListView_SetItemText(list, item.iItem, i, const_cast<wchar_t*>(AsWide(fields[i]->c_str())));
    blocked += entry.blocked;
  }
  if (!entries.empty()) ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  const std::wstring summary =
      entries.empty() ? Text(IDS_LOG_EMPTY)
                      : HostString(GetModuleHandleW(nullptr), IDS_LOG_SUMMARY,
                                   {std::to_wstring(entries.size()), std::to_wstring(blocked),
                                    std::to_wstring(entries.size() - blocked)});
  SetDlgItemTextW(dialog, IDC_LOG_SUMMARY, summary.c_str());
}

// The summary across the top, the list below it, the button at the bottom right.
void Layout(HWND dialog, const LogWindow& window) {
  RECT client, button;
  GetClientRect(dialog, &client);
  HWND close = GetDlgItem(dialog, IDCANCEL);
  GetWindowRect(close, &button);
  const int m = window.margin, bw = button.right - button.left, bh = button.bottom - button.top;
  const int width = client.right - 2 * m, buttonTop = client.bottom - m - bh;
  HWND summary = GetDlgItem(dialog, IDC_LOG_SUMMARY);
  RECT line;
  GetWindowRect(summary, &line);
  const int lineHeight = line.bottom - line.top, listTop = m + lineHeight + m / 2;
  HDWP moves = BeginDeferWindowPos(3);
  moves = DeferWindowPos(moves, summary, nullptr, m, m, width, lineHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  moves = DeferWindowPos(moves, GetDlgItem(dialog, IDC_LOG_LIST), nullptr, m, listTop, width,
                         buttonTop - m / 2 - listTop, SWP_NOZORDER | SWP_NOACTIVATE);
  moves = DeferWindowPos(moves, close, nullptr, client.right - m - bw, buttonTop, bw, bh, SWP_NOZORDER | SWP_NOACTIVATE);
  EndDeferWindowPos(moves);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<LogWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      window = reinterpret_cast<LogWindow*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      RECT rect;
      GetWindowRect(dialog, &rect);
      window->minimum = {rect.right - rect.left, rect.bottom - rect.top};
      window->margin = DialogUnits(dialog, 7);
      Fill(dialog, *window->entries);
      Layout(dialog, *window);
      SetForegroundWindow(dialog);
      SetFocus(GetDlgItem(dialog, IDC_LOG_LIST));
      return FALSE;  // the focus is set
    }
    case WM_SIZE:
      if (window) Layout(dialog, *window);
      return TRUE;
    case WM_GETMINMAXINFO:
      if (window) reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{window->minimum.cx, window->minimum.cy};
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL && LOWORD(wParam) != IDOK) return FALSE;
      EndDialog(dialog, IDCANCEL);  // Close, Esc and Enter close the window
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void ShowLogWindow(HWND owner, const std::vector<LogEntry>& entries) {
  LogWindow window{&entries};
  HostDialogBox(GetModuleHandleW(nullptr), IDD_LOG_WINDOW, owner, &Procedure, LPARAM(&window));
}

}  // namespace host
