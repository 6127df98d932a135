#include "dib.h"

namespace host {

HBITMAP MakeDib(int width, int height, std::uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  *pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

double Coverage(int x, int y, const std::function<bool(double, double)>& inside) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
  }
  return double(hits) / (kSamples * kSamples);
}

}  // namespace host
