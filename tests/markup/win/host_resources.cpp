#include "host_resources.h"

#include <cmath>

#include "host_texts.h"

Strip::Strip(const std::vector<COLORREF>& colours, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size * static_cast<int>(colours.size());
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const double r = size / 2.0 - 1;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < info.bmiHeader.biWidth; ++x) {
      const COLORREF c = colours[x / size];
      const double d = std::hypot(x % size + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
      pixels[y * info.bmiHeader.biWidth + x] =
          d <= r ? 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c) : 0;
    }
  }
  bitmap = {info.bmiHeader.biWidth, size, handle};
}

Strip::~Strip() { DeleteObject(static_cast<HBITMAP>(bitmap.native)); }

void HostResources::Install(CChDocument& document) {
  document.defaultFont.face = u"Tahoma";
  document.defaultFont.height = -11;
  document.fontProvider = HostFont;
  document.bitmapProvider = [this](std::u16string_view name) -> const Bitmap* {
    return name == u"state_icon_list" ? &states.bitmap : name == u"text_icon" ? &icons.bitmap : nullptr;
  };
  document.skinProvider = HostSkin;
}
