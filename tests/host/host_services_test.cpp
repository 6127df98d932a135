// What the host lends the plug-in's windows: the header bitmaps as real images with their
// two queries, lent and returned. (The header's size and the logo's click, through the
// same services: the controls' dialog test.)
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "bitmaps.h"
#include "header_bitmaps.h"

namespace {

using host::BitmapStore;

// The header's images are 32-bit DIB sections of the header's height and the logo's and help
// sign's sizes; alpha is premultiplied (no channel above alpha), as AlphaBlend draws it.
TEST(BitmapStore, HeaderBitmapsAreDrawnImagesLentAndReturned) {
  BitmapStore store;
  std::uint64_t background = store.Lend(u"header_background");
  std::uint64_t logo = store.Lend(u"header_logo");
  std::uint64_t help = store.Lend(u"header_help");
  ASSERT_TRUE(background && logo && help);
  EXPECT_EQ(store.Lend(u"header_logo"), logo);  // one bitmap, two loans
  EXPECT_EQ(store.Lend(u"no_such_bitmap"), 0u);
  EXPECT_EQ(store.Outstanding(), 4u);

  const struct {
    std::uint64_t handle;
    int width, height;
    bool alpha, stretches;
  } images[] = {{background, 8, host::kHeaderHeight, false, true}, {logo, 40, 40, true, false}, {help, 16, 16, true, false}};
  for (const auto& image : images) {
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(image.handle)), sizeof(info), &info));
    ASSERT_TRUE(info.bmBitsPixel == 32 && info.bmBits);
    EXPECT_EQ(info.bmWidth, image.width);
    EXPECT_EQ(info.bmHeight, image.height);
    EXPECT_EQ(store.HasAlpha(image.handle), image.alpha);
    EXPECT_EQ(store.Stretches(image.handle), image.stretches);
    const auto* pixels = static_cast<const std::uint32_t*>(info.bmBits);
    for (int i = 0; i < info.bmWidth * info.bmHeight; ++i) ASSERT_LE(pixels[i] & 0xFF, pixels[i] >> 24) << i;
  }

  for (std::uint64_t handle : {background, logo, logo, help}) EXPECT_TRUE(store.Return(handle));
  EXPECT_FALSE(store.Return(logo));  // no loan left
  EXPECT_EQ(store.Outstanding(), 0u);
}

}  // namespace
