#pragma once
// CBitmapStatic: a static control that shows a bitmap lent by the shared bitmap store (made
// on first use). The window's text names the bitmap: setting the text borrows the new one
// and gives the old one back; the control gives its bitmap back when its window goes. A
// derived control may keep one bitmap and give the window a text of its own instead, which
// is what a screen reader reads for it.
// It paints off screen: the background, the bitmap (stretched across when the store says
// it may be, with per-pixel alpha when it has it), then whatever a derived control adds.
#include <memory>
#include <string>

#include "frame/templates/bitmap_store.h"
#include "win/window.h"

// Borrows the named bitmap from the shared store; null when the store lends none.
std::unique_ptr<CSharedBitmap> BorrowBitmap(const char16_t* name);
// The bitmap handle of a borrowed bitmap (null for none).
HBITMAP BitmapOf(const std::unique_ptr<CSharedBitmap>& bitmap);

class CBitmapStatic : public CWnd {
 public:
  // A child "Static" window showing the bitmap `name` (empty: none).
  bool Create(const std::u16string& name, DWORD style, const RECT& rect, HWND parent, UINT id);
  // The bitmap now shown (null when the store lent none).
  HBITMAP Bitmap() const;

 protected:
  // Draws over the bitmap, in client coordinates, into the off-screen context.
  virtual void DrawOver(HDC dc, const RECT& client) {}
  // The colour under the bitmap: the dialog's face colour.
  virtual COLORREF Background() const { return GetSysColor(COLOR_BTNFACE); }
  // A child "Static" window showing the bitmap `name` whatever its text, which is `text`.
  bool CreateWithText(const std::u16string& name, const std::u16string& text, DWORD style, const RECT& rect,
                      HWND parent, UINT id);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  bool OnEraseBkgnd(HDC dc) override { return true; }
  void OnSize(UINT type, int width, int height) override;
  void OnDestroy() override;

 private:
  void Show(const std::u16string& name);

  std::unique_ptr<CSharedBitmap> bitmap_;
  bool alpha_ = false;
  bool stretches_ = false;
  bool textNamesBitmap_ = true;
};
