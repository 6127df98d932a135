#pragma once
// CListBoxAdv: an owner-drawn list box of rich entries (CExtItem: a text and an image), in
// alternating colours, with an optional action image at the right of every entry (two
// frames side by side: normal, and pointed at). Clicking an entry's image or pressing Space
// asks the parent to toggle the entry (kListBoxAdvToggle); clicking the action image or
// pressing Delete tells the parent (kListBoxAdvDelete) and deletes the entry. The list owns
// its entries; the images belong to the caller. Owner-draw messages reach it from its
// parent through the window layer's reflection (OnChildNotify).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls/leave_tracker.h"
#include "win/controls/list_box.h"

struct CExtItem {
  std::u16string text;
  HBITMAP image = nullptr;   // may be none
  std::uintptr_t data = 0;   // the owner's; the list never reads it
};

constexpr UINT kListBoxAdvDelete = WM_USER + 100;  // both parameters 0; the entry goes after it
constexpr UINT kListBoxAdvToggle = WM_USER + 101;  // both parameters 0; for the current entry

class CListBoxAdv : public CListBox {
 public:
  CListBoxAdv();

  // Appends an entry; its index (or a negative value when the list refused it).
  int AddItem(const std::u16string& text, HBITMAP image);
  void DeleteItem(int index);
  void DeleteAllItems();
  // Exchanges two entries and selects the second position; false for an index out of range.
  bool SwapItems(int first, int second);
  // Moves entry `from` before position `to` (0 .. count) and selects it.
  bool MoveItem(int from, int to);
  CExtItem* GetItem(int index) const;
  int ItemCount() const { return static_cast<int>(items_.size()); }
  void RedrawItem(int index);

  // The list-wide action image: two frames of half its width side by side; null for none.
  void SetActionImage(HBITMAP image);
  void SetEdge(bool edge) { edge_ = edge; }
  int HotItem() const { return hot_; }
  int CurrentItem() const { return current_; }
  SIZE ImageBox() const { return imageBox_; }

 protected:
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnMouseLeave() override;
  void OnLButtonUp(UINT flags, POINT point) override;

 private:
  enum class Zone { kNone, kImage, kAction };
  Zone ZoneAt(POINT point, int* index) const;
  void UpdatePointer(POINT point);
  void LeaveAction();
  RECT ActionRect(int index) const;
  int KeyToItem(UINT key, int caret);
  void NotifyParent(UINT message);

  // Drawing (list_box_adv_draw.cpp).
  void DrawItem(const DRAWITEMSTRUCT& item);
  void DrawAction(HDC dc, const RECT& item, int index) const;
  void DrawLabel(HDC dc, const RECT& item, const CExtItem& entry, COLORREF colour) const;
  void MeasureItem(MEASUREITEMSTRUCT& item);
  int TextHeight();

  struct Colours {
    COLORREF selection, odd, even, text, selectedText;
  };
  Colours colours_;
  HBITMAP action_ = nullptr;
  bool edge_ = false;
  SIZE imageBox_{12, 12};
  SIZE actionFrame_{0, 0};
  int textHeight_ = 0;  // the font's line height, measured once; 0 until then or after a font or DPI change
  bool overAction_ = false;
  int hot_ = -1;
  bool overImage_ = false;
  int current_ = -1;
  HCURSOR hand_;
  LeaveTracker leave_;
  std::vector<std::unique_ptr<CExtItem>> items_;
};
