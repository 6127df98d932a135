#pragma once
// Small parts drawn again and again on the same background (the check boxes of a grid): the
// first drawing of a part is kept with the pixels it was drawn on, and a later drawing of
// that part onto equal pixels copies the kept result instead of drawing again. Only memory
// device contexts of 32 bits take part, where reading the pixels back costs little.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

class CThemeImageCache {
 public:
  // Which part: its class, number, state and size.
  using Key = std::tuple<std::wstring, int, int, int, int>;
  using Draw = std::function<bool(HDC dc, const RECT& rect)>;

  CThemeImageCache() = default;
  CThemeImageCache(const CThemeImageCache&) = delete;
  CThemeImageCache& operator=(const CThemeImageCache&) = delete;
  ~CThemeImageCache();

  // Paints the part at `rect` of `dc`, through the cache where it can; what `draw` answered
  // (true for a copy).
  bool Paint(HDC dc, const RECT& rect, const Key& key, const Draw& draw);

 private:
  static constexpr int kMaxSide = 64;
  struct Entry {
    std::vector<std::uint32_t> before, after;
  };
  bool Ready(HDC dc, int width, int height);
  std::vector<std::uint32_t> Read(int width, int height) const;
  void Write(const std::vector<std::uint32_t>& pixels, int width, int height);

  HDC scratchDc_ = nullptr;
  HBITMAP scratch_ = nullptr;
  HGDIOBJ original_ = nullptr;
  std::uint32_t* bits_ = nullptr;  // kMaxSide x kMaxSide, top-down
  std::map<Key, Entry> entries_;
};
