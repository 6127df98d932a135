#include "ui/controls/bitmap_static.h"

#include "ui/controls/bitmap_draw.h"
#include "win/dc.h"

std::unique_ptr<CSharedBitmap> BorrowBitmap(const char16_t* name) {
  CBitmapStorageInterface& store = SharedBitmapStore();
  std::uint64_t handle = store.GetBitmap(name, 0, 0, 0);
  return handle ? std::make_unique<CSharedBitmap>(handle, &store) : nullptr;
}

HBITMAP BitmapOf(const std::unique_ptr<CSharedBitmap>& bitmap) {
  return bitmap ? reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(bitmap->Handle())) : nullptr;
}

bool CBitmapStatic::Create(const std::u16string& name, DWORD style, const RECT& rect, HWND parent, UINT id) {
  textNamesBitmap_ = true;
  if (!CreateEx(0, L"Static", reinterpret_cast<const wchar_t*>(name.c_str()), style | WS_CHILD, rect, parent, id))
    return false;
  Show(name);  // the text was set before the window was ours
  return true;
}

bool CBitmapStatic::CreateWithText(const std::u16string& name, const std::u16string& text, DWORD style,
                                   const RECT& rect, HWND parent, UINT id) {
  textNamesBitmap_ = false;
  if (!CreateEx(0, L"Static", reinterpret_cast<const wchar_t*>(text.c_str()), style | WS_CHILD, rect, parent, id))
    return false;
  Show(name);
  return true;
}

HBITMAP CBitmapStatic::Bitmap() const { return BitmapOf(bitmap_); }

void CBitmapStatic::Show(const std::u16string& name) {
  bitmap_.reset();  // the old one goes back first
  alpha_ = stretches_ = false;
  if (name.empty() || !(bitmap_ = BorrowBitmap(name.c_str()))) return;
  alpha_ = SharedBitmapStore().QueryBitmapA(bitmap_->Handle());
  stretches_ = SharedBitmapStore().QueryBitmapB(bitmap_->Handle());
}

LRESULT CBitmapStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SETTEXT) return CWnd::WindowProc(message, wParam, lParam);
  LRESULT result = Default();
  if (textNamesBitmap_) Show(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
  Invalidate();
  return result;
}

void CBitmapStatic::OnPaint() {
  CPaintDC paint(GetSafeHwnd());
  RECT client = GetClientRect();
  CMemDC memory(paint, client);
  memory.FillSolidRect(client, Background());
  if (HBITMAP bitmap = Bitmap()) {
    SIZE size = BitmapSize(bitmap);
    RECT source{0, 0, size.cx, size.cy};
    RECT target = stretches_ ? client : RECT{0, 0, size.cx, size.cy};
    DrawBitmap(memory, bitmap, target, source, alpha_);
  }
  DrawOver(memory, client);
}

void CBitmapStatic::OnSize(UINT type, int width, int height) {
  Default();
  Invalidate();
}

void CBitmapStatic::OnDestroy() {
  bitmap_.reset();
  Default();
}
