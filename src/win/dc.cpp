#include "win/dc.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
  const COLORREF previous = ::SetBkColor(dc_, colour);
  ::ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(dc_, previous);
}

RECT CDC::GetClipBox() const {
  RECT box{};
  ::GetClipBox(dc_, &box);
  return box;
}

CPaintDC::CPaintDC(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }

CPaintDC::~CPaintDC() { ::EndPaint(window_, &paint_); }

CMemDC::CMemDC(HDC target, const RECT& area) : CDC(::CreateCompatibleDC(target)), target_(target), area_(area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  bitmap_ = ::CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1);
  original_ = ::SelectObject(dc_, bitmap_);
  ::SetWindowOrgEx(dc_, area.left, area.top, nullptr);
}

CMemDC::~CMemDC() {
  ::SetWindowOrgEx(dc_, 0, 0, nullptr);
  ::BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_, 0, 0, SRCCOPY);
  ::SelectObject(dc_, original_);
  ::DeleteObject(bitmap_);
  ::DeleteDC(dc_);
}
