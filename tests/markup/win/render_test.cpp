// What GDI measures under the engine (extents, bold, fitting, word breaks and a layout)
// and the part cache of the GDI context.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/document.h"
#include "markup/text_object.h"
#include "markup/win/gdi_context.h"
#include "markup/win/theme_image_cache.h"
#include "host_resources.h"

namespace {

struct Render : ::testing::Test {
  CChDocument document;
  HostResources resources;
  void SetUp() override { resources.Install(document); }
};

TEST_F(Render, GdiMeasuresWithTheEngine) {
  HDC dc = CreateCompatibleDC(nullptr);
  {
    CGdiContext gdi(dc);
    gdi.SelectFont(document.defaultFont, 0);
    const Size one = gdi.TextExtent(u"Parental"), bold = (gdi.SelectFont(document.defaultFont, kBold), gdi.TextExtent(u"Parental"));
    EXPECT_GT(one.cx, 20);
    EXPECT_GE(bold.cx, one.cx);
    gdi.SelectFont(document.defaultFont, 0);
    EXPECT_EQ(gdi.FitCount(u"Parental control", one.cx), 8);
    EXPECT_EQ(gdi.WhiteSpace(u"a b c"), (std::vector<bool>{false, true, false, true, false}));
    document.SetText(u"Parental control applies to every account of this computer");
    const Size laidOut = document.Layout(gdi, 120, 500);
    EXPECT_LE(laidOut.cx, 120);
    EXPECT_GT(static_cast<CTextLO&>(*document.Main()).Core().LineCount(), 2);
  }
  DeleteDC(dc);
}

// A part drawn once is copied where it goes on equal pixels, drawn anew on other pixels,
// and always drawn directly where pixels cannot be read back cheaply or it is too large.
TEST(ThemeImageCache, CopiesAPartOnlyOntoThePixelsItWasDrawnOn) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 100, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  auto fill = [&](HDC target, RECT rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(target, &rect, brush);
    DeleteObject(brush);
  };
  fill(dc, RECT{0, 0, 100, 20}, RGB(255, 255, 255));
  int drawn = 0;
  const CThemeImageCache::Draw redLeftHalf = [&](HDC target, const RECT& rect) {
    ++drawn;
    fill(target, RECT{rect.left, rect.top, (rect.left + rect.right) / 2, rect.bottom}, RGB(255, 0, 0));
    return true;
  };
  CThemeImageCache cache;
  const CThemeImageCache::Key key{L"BUTTON", 3, 1, 10, 10};
  EXPECT_TRUE(cache.Paint(dc, RECT{0, 0, 10, 10}, key, redLeftHalf));
  EXPECT_TRUE(cache.Paint(dc, RECT{20, 5, 30, 15}, key, redLeftHalf));
  EXPECT_EQ(drawn, 1) << "the second went on equal pixels";
  EXPECT_EQ(GetPixel(dc, 22, 10), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 27, 10), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 22, 3), RGB(255, 255, 255)) << "nothing outside the part";

  fill(dc, RECT{40, 0, 50, 10}, RGB(0, 0, 255));
  cache.Paint(dc, RECT{40, 0, 50, 10}, key, redLeftHalf);
  EXPECT_EQ(drawn, 2) << "other pixels";
  EXPECT_EQ(GetPixel(dc, 47, 5), RGB(0, 0, 255));
  cache.Paint(dc, RECT{0, 0, 80, 20}, CThemeImageCache::Key{L"BUTTON", 3, 1, 80, 20}, redLeftHalf);
  HDC screen = GetDC(nullptr);
  cache.Paint(screen, RECT{0, 0, 10, 10}, key, [&](HDC, const RECT&) { return ++drawn, true; });
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(drawn, 4) << "too large, and a screen";
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
