#pragma once
// One panel of the status page in the host's main window: a child window holding one
// rich-text control (CStaticII) per item, with the account's picture beside account items,
// laid out from the panel's item layouts and filled from its item contents. A click on a
// link with TYPE="COMMAND" is the host's own command; any other goes to the panel's
// OnItemLink with the link's ID and the item's host record (the control at offset 30).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/protocol/status_records.h"
#include "frame/templates/panel_template.h"
#include "mainwin/host_styles.h"
#include "win/dpi.h"
#include "win/richtext/static_ii.h"

namespace host {

class PanelView {
 public:
  struct Context {
    HostImages* images;
    HBITMAP placeholder;  // the picture of an account without one
    std::function<bool(HWND owner, const std::u16string& command)> runCommand;
    std::function<void(bool)> clicking;  // true before the panel handles a click, false after
    std::function<void(const std::string&)> log;
    UINT dpi;  // the lengths below are given at 96 dots per inch
  };
  static constexpr COLORREF kBackgrounds[] = {RGB(255, 255, 255), RGB(0xF1, 0xF4, 0xF8)};

  PanelView(CPanelTemplate& panel, std::uint32_t index, HWND parent, Context context);
  ~PanelView();
  PanelView(const PanelView&) = delete;
  PanelView& operator=(const PanelView&) = delete;

  // Asks the panel again for its info, layouts and contents, laid out in `width`; answers
  // the panel's height, 0 when it is hidden.
  int Refresh(int width);
  void Place(int x, int y);
  int Height() const { return height_; }  // 0 while hidden
  CPanelTemplate& Panel() const { return panel_; }
  HWND Window() const { return window_; }
  // The screen point at the middle of the link or button showing `text`, in the first item
  // whose mark-up holds `within` (any item when it is empty).
  bool FindLink(const std::u16string& text, const std::u16string& within, POINT& screen) const;
  // What the panel shows, a line an item: "panel P item I: mark-up" (or "panel P: hidden").
  std::vector<std::string> Describe() const;

 private:
  struct Item {
    std::unique_ptr<CStaticII> control;
    HostItemRecord record{};
    std::u16string text;
    HBITMAP picture = nullptr;
    RECT place{};
  };
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  int Px(int length) const { return ScaleToDpi(length, context_.dpi); }
  // Fills item `index` (made when new) and lays it out from `top`; answers its height.
  int LayOut(std::uint32_t index, const ItemLayoutRecord& layout, int top, int width);
  bool OnClick(std::uint32_t index, CLineObject* object, int link, CStaticII& control);

  CPanelTemplate& panel_;
  std::uint32_t index_;
  Context context_;
  HWND window_ = nullptr;
  std::vector<Item> items_;
  int width_ = 0, height_ = 0;
};

}  // namespace host
