#include "markup/win/renderer.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "markup/document.h"
#include "markup/win/gdi_context.h"
#include "markup/win/png_writer.h"

namespace {

// A top-down 32-bit DIB section selected into a memory context.
struct Page {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  std::uint32_t* pixels = nullptr;

  Page(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    if (bitmap) old = SelectObject(dc, bitmap);
  }
  ~Page() {
    if (old) SelectObject(dc, old);
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

}  // namespace

int RenderToPng(CChDocument& document, std::u16string_view text, int width, const std::u16string& path) {
  width = std::clamp(width, 1, 8192);
  document.SetText(text);
  int height = 1;
  {
    Page measure(1, 1);
    CGdiContext dc(measure.dc);
    height = std::clamp(document.Layout(dc, width, 0).cy, 1, 16384);
  }
  Page page(width, height);
  if (!page.pixels) return 0;
  std::fill(page.pixels, page.pixels + std::size_t(width) * height, 0xFFFFFFFFu);
  {
    CGdiContext dc(page.dc);
    document.Layout(dc, width, height);
    document.Draw(dc);
  }
  GdiFlush();
  // GDI leaves the alpha channel alone or clears it; the page is opaque.
  for (std::size_t i = 0; i < std::size_t(width) * height; ++i) page.pixels[i] |= 0xFF000000u;
  return WritePng(path, reinterpret_cast<const std::uint8_t*>(page.pixels), width, height) ? height : 0;
}
