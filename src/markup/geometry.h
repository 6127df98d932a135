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

// Lengths written in mark-up count as pixels at 96 dots per inch; a device at another
// resolution gets them scaled to its own, rounded to the nearest pixel.
constexpr int kMarkupDpi = 96;
inline int ScaleLength(int length, int dpi, int fromDpi = kMarkupDpi) {
  if (dpi == fromDpi || fromDpi <= 0) return length;
  const long long scaled = static_cast<long long>(length) * dpi, half = fromDpi / 2;
  return ClampCoordinate((scaled + (scaled < 0 ? -half : half)) / fromDpi);
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
// Margins and padding are at most 16 bits wide in mark-up; scaled, they stay plain numbers.
struct ScaledSides {
  int left = 0, top = 0, right = 0, bottom = 0;
  ScaledSides() = default;
  ScaledSides(const Sides& sides, int dpi)
      : left(ScaleLength(sides.left, dpi)),
        top(ScaleLength(sides.top, dpi)),
        right(ScaleLength(sides.right, dpi)),
        bottom(ScaleLength(sides.bottom, dpi)) {}
  int Horizontal() const { return left + right; }
  int Vertical() const { return top + bottom; }
};
