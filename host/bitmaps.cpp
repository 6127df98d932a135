#include "bitmaps.h"

namespace host {

HBITMAP MakeStripBitmap(int frames, int size, int seed) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), frames * size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  static const std::uint32_t kColours[] = {0x2E7D32, 0xF9A825, 0xC62828, 0x757575, 0x1565C0};
  auto* pixels = static_cast<std::uint32_t*>(bits);
  int radius = size / 2 - 1;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < frames * size; ++x) {
      int frame = x / size, dx = x % size - size / 2, dy = y - size / 2;
      bool inside = dx * dx + dy * dy <= radius * radius;
      // Premultiplied alpha: opaque disc, transparent corners.
      pixels[y * frames * size + x] = inside ? 0xFF000000u | kColours[(frame + seed) % 5] : 0;
    }
  }
  return bitmap;
}

BitmapStore::~BitmapStore() {
  for (auto& [name, entry] : bitmaps_) DeleteObject(entry.bitmap);
}

std::uint64_t BitmapStore::Lend(const char16_t* name) {
  if (!name) return 0;
  std::u16string key = name;
  int frames = key == u"state_icon_list" || key == u"text_icon" ? 5 : 0;
  if (!frames) return 0;
  Entry& entry = bitmaps_[key];
  if (!entry.bitmap) entry.bitmap = MakeStripBitmap(frames, 16, key == u"text_icon" ? 2 : 0);
  if (!entry.bitmap) return 0;
  ++entry.loans;
  return reinterpret_cast<std::uintptr_t>(entry.bitmap);
}

bool BitmapStore::Return(std::uint64_t handle) {
  for (auto& [name, entry] : bitmaps_) {
    if (reinterpret_cast<std::uintptr_t>(entry.bitmap) == handle && entry.loans > 0) {
      --entry.loans;
      return true;
    }
  }
  return false;
}

bool BitmapStore::Knows(std::uint64_t handle) const {
  for (const auto& [name, entry] : bitmaps_) {
    if (handle && reinterpret_cast<std::uintptr_t>(entry.bitmap) == handle) return true;
  }
  return false;
}

std::size_t BitmapStore::Outstanding() const {
  std::size_t loans = 0;
  for (const auto& [name, entry] : bitmaps_) loans += std::size_t(entry.loans);
  return loans;
}

}  // namespace host
