#include "markup/win/theme_image_cache.h"

#include <algorithm>

CThemeImageCache::~CThemeImageCache() {
  if (scratchDc_) {
    SelectObject(scratchDc_, original_);
    DeleteDC(scratchDc_);
  }
  if (scratch_) DeleteObject(scratch_);
}

bool CThemeImageCache::Ready(HDC dc, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (GetObjectType(dc) != OBJ_MEMDC || GetDeviceCaps(dc, BITSPIXEL) != 32) return false;
  if (scratchDc_) return true;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kMaxSide, -kMaxSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  scratch_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  scratchDc_ = scratch_ ? CreateCompatibleDC(nullptr) : nullptr;
  if (!scratchDc_) return false;
  original_ = SelectObject(scratchDc_, scratch_);
  bits_ = static_cast<std::uint32_t*>(bits);
  return true;
}

std::vector<std::uint32_t> CThemeImageCache::Read(int width, int height) const {
  GdiFlush();
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) pixels.insert(pixels.end(), bits_ + y * kMaxSide, bits_ + y * kMaxSide + width);
  return pixels;
}

void CThemeImageCache::Write(const std::vector<std::uint32_t>& pixels, int width, int height) {
  GdiFlush();
  for (int y = 0; y < height; ++y) std::copy_n(pixels.data() + y * width, width, bits_ + y * kMaxSide);
}

bool CThemeImageCache::Paint(HDC dc, const RECT& rect, const Key& key, const Draw& draw) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!Ready(dc, width, height)) return draw(dc, rect);
  // The pixels the part goes on, at the scratch bitmap's corner.
  if (!BitBlt(scratchDc_, 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY)) return draw(dc, rect);
  std::vector<std::uint32_t> before = Read(width, height);
  auto found = entries_.find(key);
  if (found != entries_.end() && found->second.before == before) {
    Write(found->second.after, width, height);
  } else {
    if (!draw(scratchDc_, RECT{0, 0, width, height})) return false;
    entries_[key] = Entry{std::move(before), Read(width, height)};
  }
  // The target's clipping applies to the copy as it would to the drawing.
  return BitBlt(dc, rect.left, rect.top, width, height, scratchDc_, 0, 0, SRCCOPY) != FALSE;
}
