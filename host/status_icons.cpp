#include "status_icons.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "dib.h"

namespace host {
namespace {

struct Colour {
  double r, g, b;
};

// A canvas of straight-alpha pixels; each shape is laid over what is there by its coverage
// of each pixel.
class Canvas {
 public:
  // Shapes are given in units of `unit` pixels.
  Canvas(int width, int height, double unit = 1)
      : width_(width), height_(height), unit_(unit), pixels_(std::size_t(width * height)) {}

  using Shape = std::function<bool(double x, double y)>;
  void Fill(const Shape& inside, Colour colour) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const double share = Coverage(x, y, [&](double px, double py) { return inside(px / unit_, py / unit_); });
        if (share > 0) Over(pixels_[std::size_t(y * width_ + x)], colour, share);
      }
    }
  }
  void Disc(double cx, double cy, double r, Colour colour) {
    Fill([=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; }, colour);
  }
  void Ring(double cx, double cy, double r, double width, Colour colour) {
    Fill([=](double x, double y) { return std::abs(std::hypot(x - cx, y - cy) - r) <= width / 2; }, colour);
  }
  // A stroke of the given width from (x0, y0) to (x1, y1), with round ends.
  void Line(double x0, double y0, double x1, double y1, double width, Colour colour) {
    Fill([=](double x, double y) { return Distance(x, y, x0, y0, x1, y1) <= width / 2; }, colour);
  }
  void Box(double left, double top, double right, double bottom, Colour colour) {
    Fill([=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; }, colour);
  }

  // A 32-bit top-down DIB section with premultiplied alpha, the canvas at (left, 0).
  void CopyTo(std::uint32_t* bits, int stride, int left) const {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const Pixel& p = pixels_[std::size_t(y * width_ + x)];
        auto channel = [&](double value) { return std::uint32_t(std::lround(value * p.a * 255)); };
        bits[y * stride + left + x] = channel(1.0) << 24 | channel(p.r) << 16 | channel(p.g) << 8 | channel(p.b);
      }
    }
  }

 private:
  struct Pixel {
    double r = 0, g = 0, b = 0, a = 0;
  };
  static void Over(Pixel& p, Colour c, double alpha) {
    const double a = alpha + p.a * (1 - alpha);
    if (a <= 0) return;
    p.r = (c.r * alpha + p.r * p.a * (1 - alpha)) / a;
    p.g = (c.g * alpha + p.g * p.a * (1 - alpha)) / a;
    p.b = (c.b * alpha + p.b * p.a * (1 - alpha)) / a;
    p.a = a;
  }
  static double Distance(double x, double y, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(x - x0 - t * dx, y - y0 - t * dy);
  }

  int width_, height_;
  double unit_;
  std::vector<Pixel> pixels_;
};

constexpr Colour kWhite{1, 1, 1}, kGreen{0.18, 0.56, 0.24}, kGrey{0.55, 0.57, 0.6}, kRed{0.8, 0.16, 0.16},
    kAmber{0.95, 0.62, 0.07}, kBlue{0.13, 0.45, 0.8}, kPaper{0.98, 0.98, 0.96}, kInk{0.35, 0.38, 0.42},
    kSea{0.2, 0.55, 0.85}, kLand{0.3, 0.68, 0.3};
constexpr double kFrameUnits = 16;  // the frames are drawn in a 16 x 16 grid

// Five frames drawn by `draw` (frame number, canvas), side by side, each as large as the
// system's small icons at the screen's dots per inch (16 pixels at 96).
HBITMAP MakeStrip(const std::function<void(int, Canvas&)>& draw) {
  HDC screen = GetDC(nullptr);
  const int size = MulDiv(int(kFrameUnits), screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96, 96);
  if (screen) ReleaseDC(nullptr, screen);
  std::uint32_t* bits = nullptr;
  HBITMAP bitmap = MakeDib(5 * size, size, &bits);
  if (!bitmap) return nullptr;
  for (int frame = 0; frame < 5; ++frame) {
    Canvas canvas(size, size, size / kFrameUnits);
    draw(frame, canvas);
    canvas.CopyTo(bits, 5 * size, frame * size);
  }
  return bitmap;
}

void QuestionMark(Canvas& c) {
  c.Fill([](double x, double y) {
    const double d = std::hypot(x - 8, y - 6.2);
    return std::abs(d - 2.6) <= 0.9 && !(x < 8 && y > 6.2);
  }, kWhite);
  c.Line(8, 8.8, 8, 10, 1.8, kWhite);
  c.Disc(8, 12.4, 1.1, kWhite);
}

}  // namespace

HBITMAP MakeStateIcons() {
  return MakeStrip([](int frame, Canvas& c) {
    static const Colour kDiscs[] = {kGreen, kGrey, kRed, kAmber, kBlue};
    c.Disc(8, 8, 7.5, kDiscs[frame]);
    switch (frame) {
      case 0:
        c.Line(4.6, 8.3, 7, 10.7, 2, kWhite);
        c.Line(7, 10.7, 11.6, 5.6, 2, kWhite);
        break;
      case 1:
        c.Line(4.5, 8, 11.5, 8, 2.2, kWhite);
        break;
      case 2:
        c.Line(5.2, 5.2, 10.8, 10.8, 2, kWhite);
        c.Line(10.8, 5.2, 5.2, 10.8, 2, kWhite);
        break;
      case 3:
        c.Line(8, 4, 8, 9, 2.2, kWhite);
        c.Disc(8, 12, 1.2, kWhite);
        break;
      default:
        QuestionMark(c);
    }
  });
}

HBITMAP MakeTextIcons() {
  return MakeStrip([](int frame, Canvas& c) {
    switch (frame) {
      case 0:  // information
        c.Disc(8, 8, 7.5, kBlue);
        c.Disc(8, 4.8, 1.2, kWhite);
        c.Line(8, 7.4, 8, 11.8, 2, kWhite);
        break;
      case 1:  // a shield
        c.Fill([](double x, double y) {
          return y >= 1 && y <= 15 && std::abs(x - 8) <= (y < 9 ? 6 : 6 * (15 - y) / 6);
        }, kGreen);
        c.Line(5.2, 8, 7.2, 10, 1.6, kWhite);
        c.Line(7.2, 10, 10.8, 5.8, 1.6, kWhite);
        break;
      case 2:  // a log sheet: a page with a folded corner and lines of text
        c.Fill([](double x, double y) { return x >= 2.5 && x <= 13.5 && y >= 1 && y <= 15 && x - 9.5 <= y - 1; }, kInk);
        c.Fill([](double x, double y) { return x >= 3.5 && x <= 12.5 && y >= 2 && y <= 14 && x - 9.5 <= y - 2; },
               kPaper);
        c.Line(9.5, 1.5, 9.5, 5, 1, kInk);
        c.Line(9.5, 5, 13, 5, 1, kInk);
        for (double y : {7.0, 9.3, 11.6}) c.Line(5, y, 11, y, 1.1, kBlue);
        c.Line(5, 4.6, 7.8, 4.6, 1.1, kBlue);
        break;
      case 3:  // a padlock
        c.Ring(8, 6, 3.2, 1.6, kGrey);
        c.Box(3.5, 7, 12.5, 14.5, kAmber);
        c.Box(7.3, 9.2, 8.7, 12.2, kInk);
        break;
      default:  // a globe with an exception mark
        c.Disc(7, 7, 6.5, kSea);
        c.Fill([](double x, double y) {
          return std::hypot(x - 5, y - 5.5) <= 2.8 || std::hypot(x - 8.6, y - 9.6) <= 2.4;
        }, kLand);
        c.Ring(7, 7, 6.5, 0.9, {0.1, 0.3, 0.55});
        c.Disc(12, 12, 3.9, kWhite);
        c.Disc(12, 12, 3.2, kRed);
        c.Line(10.2, 12, 13.8, 12, 1.4, kWhite);
    }
  });
}

HBITMAP MakeAccountPlaceholder(int size) {
  std::uint32_t* bits = nullptr;
  HBITMAP bitmap = MakeDib(size, size, &bits);
  if (!bitmap) return nullptr;
  Canvas c(size, size);
  const double s = size / 48.0;
  c.Fill([=](double x, double y) { return x >= 0 && y >= 0; }, {0.88, 0.91, 0.95});
  c.Disc(24 * s, 18 * s, 8.5 * s, {0.55, 0.6, 0.68});
  c.Fill([=](double x, double y) { return y >= 30 * s && std::hypot((x - 24 * s) / 1.25, y - 46 * s) <= 15 * s; },
         {0.55, 0.6, 0.68});
  c.CopyTo(bits, size, 0);
  return bitmap;
}

}  // namespace host
