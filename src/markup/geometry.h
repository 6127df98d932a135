#pragma once
// Plain geometry and colour values shared by the mark-up engine.
#include <cstdint>

// Lengths read from mark-up are held to +-kMaxLength and computed positions to
// +-kMaxCoordinate, so that sums of sizes stay far from the 32-bit limits.
constexpr int kMaxLength = 32767;
constexpr int kMaxCoordinate = 1 << 24;
inline int ClampCoordinate(long long value) {
  return static_cast<int>(value < -kMaxCoordinate ? -kMaxCoordinate : value > kMaxCoordinate ? kMaxCoordinate : value);
}

using Colour = std::uint32_t;                  // red in the low byte (a COLORREF)
constexpr Colour kTransparent = 0xFFFFFFFFu;   // all bits set: no colour
constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

struct Size {
  int cx = 0, cy = 0;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// Margins and padding: left, top, right, bottom.
struct Sides {
  std::int16_t left = 0, top = 0, right = 0, bottom = 0;
  int Horizontal() const { return left + right; }
  int Vertical() const { return top + bottom; }
};
