// What the host lends the plug-in's windows: the header's size, the logo's click, and the
// header bitmaps as real images with their two queries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "bitmaps.h"
#include "header_bitmaps.h"
#include "services.h"

namespace {

using host::BitmapStore;
using host::HostServices;

TEST(HostServices, TheHeadersSizeAndTheLogosClick) {
  HostServices services;
  HostMetricsRecord record{};
  ASSERT_TRUE(static_cast<IHostServices&>(services).GetMetrics()->GetMetrics(kHeaderMetrics, &record));
  EXPECT_EQ(record.height, host::kHeaderHeight);

  std::vector<std::string> events;
  services.OnEvent([&](const std::string& event) { events.push_back(event); });
  IHostSettings& settings = *static_cast<IHostServices&>(services).GetSettings();
  EXPECT_EQ(std::u16string(settings.GetText(u"gui.logo.clicked")), u"Corvid Security");  // the logo's text: no click
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(settings.QueryFlag(u"gui.logo.clicked", u""));  // asked as a flag: the click
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NE(events[0].find("logo clicked"), std::string::npos);
}

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
