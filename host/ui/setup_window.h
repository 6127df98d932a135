#pragma once
// The host's advanced-setup window: the configuration object loaded, a tree of the pages
// that it published, the selected page inside the window's page area (created on first selection,
// then configured and loaded), OK (every created page saves, then the configuration is
// saved when it changed) and Cancel (the configuration is reloaded).
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/templates/config_template.h"

namespace host {

class SetupWindow {
 public:
  // afterSave runs after the configuration object saved (the host delivers its notices).
  SetupWindow(CConfigTemplate* config, std::function<void(const std::string&)> log, std::function<void()> afterSave);
  ~SetupWindow();
  SetupWindow(const SetupWindow&) = delete;
  SetupWindow& operator=(const SetupWindow&) = delete;

  bool Open();
  bool IsOpen() const { return window_ != nullptr; }
  // Runs whenever the window closes (OK, Cancel or its close box).
  void OnClose(std::function<void()> closed) { closed_ = std::move(closed); }
  HWND Handle() const { return window_; }
  // Selects the page with this title; false when there is none.
  bool SelectPage(const std::u16string& title);
  HWND CurrentPage() const;

 private:
  struct Page {
    IConfigView* view;
    std::u16string title, caption, key;
    HTREEITEM item = nullptr;
    bool created = false;
  };
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Show(std::size_t index);
  void Finish(bool save);

  CConfigTemplate* config_;
  std::function<void(const std::string&)> log_;
  std::function<void()> afterSave_;
  std::function<void()> closed_;
  HWND window_ = nullptr;
  std::vector<Page> pages_;
  std::size_t current_ = SIZE_MAX;
};

}  // namespace host
