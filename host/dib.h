#pragma once
// What the host's drawn bitmaps share: a 32-bit top-down DIB section and the share of a
// pixel that a shape covers, sampled kSamples x kSamples times for smooth edges.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace host {

constexpr int kSamples = 4;

// A top-down 32-bit DIB section; its pixels through `pixels`.
HBITMAP MakeDib(int width, int height, std::uint32_t** pixels);
// The share (0 to 1) of pixel (x, y) inside the shape.
double Coverage(int x, int y, const std::function<bool(double, double)>& inside);

}  // namespace host
