#include "header_bitmaps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "dib.h"

namespace host {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::uint32_t Channel(std::uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

// Colour `rgb` over colour `under` by `top` (0..1), the whole with coverage `alpha`, premultiplied.
std::uint32_t Pixel(std::uint32_t rgb, double top, std::uint32_t under, double alpha) {
  std::uint32_t out = std::uint32_t(alpha * 255 + 0.5) << 24;
  for (int shift : {0, 8, 16}) {
    double value = (Channel(rgb, shift) * top + Channel(under, shift) * (1 - top)) * alpha;
    out |= std::uint32_t(value + 0.5) << shift;
  }
  return out;
}

std::uint32_t Blend(std::uint32_t from, std::uint32_t to, double t) {
  return Pixel(to, t, from, 1.0) & 0xFFFFFF;
}

constexpr std::uint32_t kHeaderTop = 0x2F6A9E, kHeaderBottom = 0x173F63, kHeaderEdge = 0x0B2540;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Coverage of a glyph drawn white on black by GDI at kSamples times the size, per pixel.
std::vector<double> GlyphCoverage(int size, const wchar_t* glyph) {
  int big = size * kSamples;
  std::vector<double> coverage(std::size_t(size) * size, 0.0);
  std::uint32_t* pixels = nullptr;
  HBITMAP canvas = MakeDib(big, big, &pixels);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!canvas || !dc) {
    if (canvas) DeleteObject(canvas);
    if (dc) DeleteDC(dc);
    return coverage;
  }
  HGDIOBJ oldBitmap = SelectObject(dc, canvas);
  HFONT font = CreateFontW(-big * 7 / 8, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           NONANTIALIASED_QUALITY, 0, L"Tahoma");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT all{0, 0, big, big};
  DrawTextW(dc, glyph, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  GdiFlush();
  for (int y = 0; y < big; ++y) {
    for (int x = 0; x < big; ++x) {
      coverage[std::size_t(y / kSamples) * size + x / kSamples] +=
          (pixels[y * big + x] & 0xFF) / (255.0 * kSamples * kSamples);
    }
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(canvas);
  DeleteDC(dc);
  return coverage;
}

}  // namespace

HBITMAP MakeHeaderBackground() {
  const int width = 8, height = kHeaderHeight;
  std::uint32_t* pixels = nullptr;
  HBITMAP bitmap = MakeDib(width, height, &pixels);
  if (!bitmap) return nullptr;
  for (int y = 0; y < height; ++y) {
    std::uint32_t colour = y == height - 1 ? kHeaderEdge : Blend(kHeaderTop, kHeaderBottom, double(y) / (height - 2));
    for (int x = 0; x < width; ++x) pixels[y * width + x] = 0xFF000000u | colour;
  }
  return bitmap;
}

HBITMAP MakeHeaderLogo() {
  const int size = 40;
  const double centre = size / 2.0;
  std::uint32_t* pixels = nullptr;
  HBITMAP bitmap = MakeDib(size, size, &pixels);
  if (!bitmap) return nullptr;
  auto ring = [&](double x, double y) {  // a ring open towards the right, like a "C"
    double dx = x - centre, dy = y - centre, r = std::sqrt(dx * dx + dy * dy);
    double angle = std::atan2(dy, dx) * 180 / kPi;
    return r >= 11.5 && r <= 17.5 && std::fabs(angle) > 42;
  };
  auto eye = [&](double x, double y) {
    double dx = x - (centre + 2), dy = y - (centre - 4);
    return dx * dx + dy * dy <= 3.2 * 3.2;
  };
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double alpha = std::min(1.0, Coverage(x, y, ring) + Coverage(x, y, eye));
      pixels[y * size + x] = Pixel(kWhite, 1.0, kWhite, alpha);
    }
  }
  return bitmap;
}

HBITMAP MakeHeaderHelp() {
  const int size = 16;
  const double centre = size / 2.0;
  std::vector<double> mark = GlyphCoverage(size, L"?");
  std::uint32_t* pixels = nullptr;
  HBITMAP bitmap = MakeDib(size, size, &pixels);
  if (!bitmap) return nullptr;
  auto disc = [&](double x, double y) {
    double dx = x - centre, dy = y - centre;
    return dx * dx + dy * dy <= 7.6 * 7.6;
  };
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double alpha = Coverage(x, y, disc);
      double cut = std::min(1.0, mark[std::size_t(y) * size + x]);
      pixels[y * size + x] = Pixel(kHeaderBottom, cut, kWhite, alpha);
    }
  }
  return bitmap;
}

}  // namespace host
