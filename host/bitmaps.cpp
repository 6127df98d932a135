#include "bitmaps.h"

#include "header_bitmaps.h"
#include "status_icons.h"

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

namespace {

// Draws the named bitmap; whether it has alpha and may be stretched. Null for a name the
// host does not know.
HBITMAP Draw(const std::u16string& name, bool& alpha, bool& stretches) {
  alpha = true;
  stretches = false;
  if (name == u"state_icon_list") return MakeStateIcons();
  if (name == u"text_icon") return MakeTextIcons();
  if (name == u"header_logo") return MakeHeaderLogo();
  if (name == u"header_help") return MakeHeaderHelp();
  alpha = false;
  stretches = true;
  if (name == u"header_background") return MakeHeaderBackground();
  return nullptr;
}

}  // namespace

BitmapStore::~BitmapStore() {
  for (auto& [name, entry] : bitmaps_) DeleteObject(entry.bitmap);
}

std::uint64_t BitmapStore::Lend(const char16_t* name) {
  if (!name) return 0;
  std::u16string key = name;
  auto found = bitmaps_.find(key);
  if (found == bitmaps_.end()) {
    Entry entry;
    entry.bitmap = Draw(key, entry.alpha, entry.stretches);
    if (!entry.bitmap) return 0;
    found = bitmaps_.emplace(key, entry).first;
  }
  ++found->second.loans;
  return reinterpret_cast<std::uintptr_t>(found->second.bitmap);
}

const BitmapStore::Entry* BitmapStore::Find(std::uint64_t handle) const {
  for (const auto& [name, entry] : bitmaps_) {
    if (handle && reinterpret_cast<std::uintptr_t>(entry.bitmap) == handle) return &entry;
  }
  return nullptr;
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

bool BitmapStore::HasAlpha(std::uint64_t handle) const {
  const Entry* entry = Find(handle);
  return entry && entry->alpha;
}

bool BitmapStore::Stretches(std::uint64_t handle) const {
  const Entry* entry = Find(handle);
  return entry && entry->stretches;
}

std::size_t BitmapStore::Outstanding() const {
  std::size_t loans = 0;
  for (const auto& [name, entry] : bitmaps_) loans += std::size_t(entry.loans);
  return loans;
}

std::int32_t AnswerBitmapRequest(BitmapStore& store, std::uint32_t code, BitmapRecord& record) {
  switch (code) {
    case kRequestBitmapGet:
      record.handle = store.Lend(FromAddress<const char16_t>(record.pointer));
      return record.handle ? kDone : kFailed;
    case kRequestBitmapRelease:
      return store.Return(record.handle) ? kDone : kFailed;
    case kRequestBitmapQueryA:
      record.handle = store.HasAlpha(record.handle) ? 1 : 0;
      return kDone;
    case kRequestBitmapQueryB:
      record.handle = store.Stretches(record.handle) ? 1 : 0;
      return kDone;
    default:
      return kFailed;
  }
}

}  // namespace host
