#pragma once
// The host's main window showing the status page: the page's entry in a navigation strip at
// the left, its panels (panel_view.h) one below the other, and a button into the advanced
// setup; when they do not fit the screen, the panel area scrolls (scroll bar, wheel, and
// the focus brought into view). Refreshes that the panels ask for wait until no click is being handled, since a
// click's handler runs inside the control that a refresh would fill anew.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "frame/templates/page_template.h"
#include "mainwin/host_styles.h"
#include "mainwin/panel_view.h"
#include "win/dpi.h"

namespace host {

class MainWindow {
 public:
  struct Context {
    CPageTemplate* page;
    BitmapStore* bitmaps;
    std::function<bool(HWND owner, const std::u16string& command)> runCommand;
    std::function<void()> openSetup;    // the "Advanced setup..." button
    std::function<void()> afterAction;  // after a click's handler: the host delivers its notices
    std::function<void(const std::string&)> log;
  };
  static constexpr int kSetupButton = 1010;

  explicit MainWindow(Context context);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool Open();
  bool IsOpen() const { return window_ != nullptr; }
  HWND Handle() const { return window_; }
  // Asks the panel (null: every panel) for its items again once no click is being handled.
  void RequestRefresh(const void* panel);
  // The window of a panel (which owns its dialogs), or null.
  HWND PanelWindow(const void* panel) const;
  // The state menu at a screen point; answers the state chosen (module_state.h), or 0.
  std::uint32_t ChooseState(POINT screen, std::uint32_t current);
  bool FindLink(const std::u16string& text, const std::u16string& within, POINT& screen) const;
  std::vector<std::string> Describe() const;  // every panel's items (PanelView::Describe)

 private:
  // Lengths at 96 dots per inch, scaled to the screen's; kLine: a scroll bar's line.
  static constexpr int kNavigation = 150, kMargin = 16, kPanelWidth = 560, kButtonHeight = 24, kButtonWidth = 130;
  static constexpr int kPictureSize = 48, kEntryHeight = 36, kLine = 20;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Refresh(const void* panel);
  // The panel area (main_window_layout.cpp).
  void LayOut();
  int PlaceChildren();  // at the scroll position; answers the height of the panel area's content
  void ScrollTo(int position);
  void OnVScroll(int code);
  void ShowFocused(HWND focused);
  static void CALLBACK OnFocusEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                    DWORD thread, DWORD time);
  void Paint();
  void Clicking(bool starts);
  int Px(int length) const { return ScaleToDpi(length, dpi_); }  // a length given at 96 dots per inch

  Context context_;
  HostImages images_;
  HBITMAP placeholder_ = nullptr;
  HFONT font_ = nullptr, bold_ = nullptr;
  HWND window_ = nullptr, setupButton_ = nullptr, toolTip_ = nullptr;
  std::vector<std::unique_ptr<PanelView>> panels_;
  std::u16string entryTitle_, entryToolTip_;
  UINT dpi_ = 96;
  int content_ = 0, view_ = 0, scroll_ = 0;  // the panel area's height, the part shown, the scroll position
  HWINEVENTHOOK focusHook_ = nullptr;
  static inline MainWindow* open_ = nullptr;  // the window the focus events are for
  int buttonWidth_ = 0;  // the setup button's: as wide as its text needs, at least the usual width
  int clicking_ = 0;
  bool refreshWaits_ = false, closeWaits_ = false;
};

}  // namespace host
