#pragma once
// The bitmaps the host lends to the plug-in (requests 10 to 13): "state_icon_list" and
// "text_icon", strips of 16 x 16 frames drawn at first use.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

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
  bool Knows(std::uint64_t handle) const;
  std::size_t Outstanding() const;

 private:
  struct Entry {
    HBITMAP bitmap;
    int loans;
  };
  std::map<std::u16string, Entry> bitmaps_;
};

}  // namespace host
