#pragma once
// Device contexts: CDC wraps a handle it does not own; CPaintDC and CClientDC get and
// give back the window's; CMemDC draws off screen and copies its rectangle to the target
// when it goes, so that a window paints without flicker.
#include <windows.h>

class CDC {
 public:
  explicit CDC(HDC dc = nullptr) : dc_(dc) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  HDC GetSafeHdc() const { return dc_; }
  operator HDC() const { return dc_; }

  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(dc_, object); }
  COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(dc_, colour); }
  COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(dc_, colour); }
  int SetBkMode(int mode) { return ::SetBkMode(dc_, mode); }
  void FillSolidRect(const RECT& rect, COLORREF colour);
  RECT GetClipBox() const;
  bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD operation) {
    return ::BitBlt(dc_, x, y, width, height, source, sourceX, sourceY, operation) != FALSE;
  }
  int DrawText(const wchar_t* text, int length, RECT& rect, UINT format) {
    return ::DrawTextW(dc_, text, length, &rect, format);
  }
  void DrawFocusRect(const RECT& rect) { ::DrawFocusRect(dc_, &rect); }

 protected:
  HDC dc_;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(HWND window);
  ~CPaintDC() override;
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(HWND window) : CDC(::GetDC(window)), window_(window) {}
  ~CClientDC() override { ::ReleaseDC(window_, dc_); }

 private:
  HWND window_;
};

// An off-screen context and bitmap compatible with `target` for `area` (in the target's
// coordinates: drawing at those coordinates lands in the bitmap); the bitmap is copied to
// the target with SRCCOPY when the CMemDC goes.
class CMemDC : public CDC {
 public:
  CMemDC(HDC target, const RECT& area);
  ~CMemDC() override;

 private:
  HDC target_;
  RECT area_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
};
