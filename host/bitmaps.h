#pragma once
// The bitmaps the host lends to the plug-in (requests 10 to 13), drawn at first use:
// "state_icon_list" and "text_icon", strips of small-icon frames (status_icons.h), and the dialog header's
// "header_background", "header_logo" and "header_help" (header_bitmaps.h).
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "frame/protocol/records.h"

namespace host {

// A 32-bit strip of `frames` square frames of `size` pixels, each a coloured disc; `seed`
// varies the colours.
HBITMAP MakeStripBitmap(int frames, int size, int seed);

class BitmapStore {
 public:
  BitmapStore() = default;
  BitmapStore(const BitmapStore&) = delete;
  BitmapStore& operator=(const BitmapStore&) = delete;
  ~BitmapStore();

  // Lends the named bitmap (0 for an unknown name); each loan is given back by Return.
  std::uint64_t Lend(const char16_t* name);
  bool Return(std::uint64_t handle);
  // Request 12: the bitmap has per-pixel alpha (premultiplied, drawn with AlphaBlend).
  bool HasAlpha(std::uint64_t handle) const;
  // Request 13: the bitmap may be stretched to fill its place.
  bool Stretches(std::uint64_t handle) const;
  std::size_t Outstanding() const;

 private:
  struct Entry {
    HBITMAP bitmap = nullptr;
    int loans = 0;
    bool alpha = false;
    bool stretches = false;
  };
  const Entry* Find(std::uint64_t handle) const;
  std::map<std::u16string, Entry> bitmaps_;
};

// Answers a bitmap request (kRequestBitmapGet, kRequestBitmapRelease, kRequestBitmapQueryA
// or kRequestBitmapQueryB) from `store`: kDone, or kFailed for an unknown name or handle.
std::int32_t AnswerBitmapRequest(BitmapStore& store, std::uint32_t code, BitmapRecord& record);

}  // namespace host
