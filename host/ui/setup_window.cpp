#include "ui/setup_window.h"

#include <commctrl.h>

#include "common/text.h"
#include "frame/protocol/records.h"
#include "language/host_language.h"
#include "ui/host_dialogs.h"
#include "ui/view_font.h"

namespace host {
namespace {

std::u16string TextAt(std::uint64_t address) {
  const auto* text = FromAddress<const char16_t>(address);
  return text ? std::u16string(text) : std::u16string();
}

const wchar_t* Wide(const std::u16string& text) { return parental::common::AsWide(text.c_str()); }

}  // namespace

SetupWindow::SetupWindow(CConfigTemplate* config, std::function<void(const std::string&)> log,
                         std::function<void()> afterSave)
    : config_(config), log_(std::move(log)), afterSave_(std::move(afterSave)) {}

SetupWindow::~SetupWindow() {
  if (window_) DestroyWindow(window_);
}

bool SetupWindow::Open() {
  if (window_ || !config_) return window_ != nullptr;
  window_ = HostCreateDialog(GetModuleHandleW(nullptr), IDD_SETUP_WINDOW, nullptr, &Procedure, LPARAM(this));
  if (!window_) {
    log_("the setup window could not be created (error " + std::to_string(GetLastError()) + ")");
    return false;
  }
  pages_.clear();
  current_ = SIZE_MAX;
  config_->Load(config_->GetVariables());  // the pages edit what is stored now
  HWND tree = GetDlgItem(window_, IDC_SETUP_TREE);
  for (std::uint32_t index = 0; IConfigView* view = config_->GetView(index); ++index) {
    PageInfo info{};
    if (!view->GetPageInfo(&info)) continue;
    Page page{view, TextAt(info.title), TextAt(info.caption), TextAt(info.key)};
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(Wide(page.title));
    insert.item.lParam = LPARAM(pages_.size());
    page.item = TreeView_InsertItem(tree, &insert);
    pages_.push_back(page);
    log_("setup page " + parental::common::ToUtf8(page.key) + ": " + parental::common::ToUtf8(page.title) +
         " (first " + std::to_string(info.firstNumber) + ", second " + std::to_string(info.secondNumber) + ")");
  }
  ShowWindow(window_, SW_SHOW);
  if (!pages_.empty()) TreeView_SelectItem(tree, pages_.front().item);  // shows the first page
  SetForegroundWindow(window_);
  return true;
}

bool SetupWindow::SelectPage(const std::u16string& title) {
  for (const Page& page : pages_) {
    if (page.title != title) continue;
    TreeView_SelectItem(GetDlgItem(window_, IDC_SETUP_TREE), page.item);
    return true;
  }
  return false;
}

HWND SetupWindow::CurrentPage() const {
  return current_ < pages_.size() ? static_cast<HWND>(pages_[current_].view->GetWindow()) : nullptr;
}

void SetupWindow::Show(std::size_t index) {
  if (index >= pages_.size() || index == current_) return;
  if (HWND previous = CurrentPage()) ShowWindow(previous, SW_HIDE);
  current_ = index;
  Page& page = pages_[index];
  if (!page.created) {
    if (!page.view->CreateView(window_, page.title.c_str(), true, &ApplyHostDialogFont)) {
      log_("setup page " + parental::common::ToUtf8(page.key) + " could not be created");
      return;
    }
    page.created = true;
    page.view->SetConfig(config_);
    page.view->LoadData();
  }
  HWND pageWindow = CurrentPage();
  RECT area;
  GetWindowRect(GetDlgItem(window_, IDC_SETUP_PAGE_AREA), &area);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
  SetWindowPos(pageWindow, GetDlgItem(window_, IDC_SETUP_CAPTION), area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_SHOWWINDOW);
  SetDlgItemTextW(window_, IDC_SETUP_CAPTION, Wide(page.caption));
}

void SetupWindow::Finish(bool save) {
  if (save) {
    for (Page& page : pages_)
      if (page.created) page.view->SaveData();
    const bool modified = config_->IsModified();
    const bool saved = !modified || config_->Save();
    log_(std::string("setup OK: ") + (modified ? (saved ? "saved" : "saving failed") : "nothing changed"));
    if (afterSave_) afterSave_();
  } else {
    config_->Load(config_->GetVariables());
    log_("setup cancelled: configuration reloaded");
  }
  HWND window = window_;
  window_ = nullptr;
  DestroyWindow(window);  // the pages' windows go with it; the pages stay for the next opening
  if (closed_) closed_();
}

INT_PTR CALLBACK SetupWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return TRUE;
  }
  auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == IDC_SETUP_TREE && header->code == TVN_SELCHANGEDW)
        self->Show(std::size_t(reinterpret_cast<NMTREEVIEWW*>(lParam)->itemNew.lParam));
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        self->Finish(LOWORD(wParam) == IDOK);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      self->Finish(false);
      return TRUE;
  }
  return FALSE;
}

}  // namespace host
