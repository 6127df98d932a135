// What the host lends the plug-in's windows: the header's size, the logo's click, and the
// header bitmaps as real images with their two queries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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

// The 32-bit pixels of a DIB section.
std::vector<std::uint32_t> Pixels(std::uint64_t handle, BITMAP& info) {
  auto bitmap = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(handle));
  if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmBitsPixel != 32 || !info.bmBits) return {};
  auto* bits = static_cast<const std::uint32_t*>(info.bmBits);
  return std::vector<std::uint32_t>(bits, bits + info.bmWidth * info.bmHeight);
}

TEST(BitmapStore, HeaderBitmapsAreDrawnImagesLentAndReturned) {
  BitmapStore store;
  std::uint64_t background = store.Lend(u"header_background");
  std::uint64_t logo = store.Lend(u"header_logo");
  std::uint64_t help = store.Lend(u"header_help");
  ASSERT_TRUE(background && logo && help);
  EXPECT_EQ(store.Lend(u"header_logo"), logo);  // one bitmap, two loans
  EXPECT_EQ(store.Lend(u"no_such_bitmap"), 0u);
  EXPECT_EQ(store.Outstanding(), 4u);

  BITMAP info{};
  auto pixels = Pixels(background, info);
  ASSERT_EQ(info.bmHeight, host::kHeaderHeight);
  EXPECT_EQ(pixels.front() >> 24, 0xFFu);                          // opaque
  EXPECT_GT(pixels.front() & 0xFF, pixels[info.bmWidth * 40] & 0xFF);  // lighter at the top
  EXPECT_FALSE(store.HasAlpha(background));
  EXPECT_TRUE(store.Stretches(background));

  pixels = Pixels(logo, info);
  ASSERT_EQ(pixels.size(), 40u * 40u);
  EXPECT_EQ(pixels[0], 0u);                    // transparent corner
  EXPECT_EQ(pixels[20 * 40 + 5], 0xFFFFFFFFu);  // the ring's left side, white and opaque
  EXPECT_EQ(pixels[20 * 40 + 36], 0u);         // the ring is open to the right
  EXPECT_TRUE(store.HasAlpha(logo));
  EXPECT_FALSE(store.Stretches(logo));

  pixels = Pixels(help, info);
  ASSERT_EQ(pixels.size(), 16u * 16u);
  std::size_t white = 0, dark = 0;
  for (std::uint32_t p : pixels) {
    ASSERT_LE(p & 0xFF, p >> 24);  // premultiplied: no channel above alpha
    white += p == 0xFFFFFFFFu;
    dark += (p >> 24) == 0xFF && (p & 0xFF) < 0xC0;
  }
  EXPECT_GT(white, 40u);  // the disc
  EXPECT_GT(dark, 5u);    // the question mark in it

  for (std::uint64_t handle : {background, logo, logo, help}) EXPECT_TRUE(store.Return(handle));
  EXPECT_FALSE(store.Return(logo));  // no loan left
  EXPECT_EQ(store.Outstanding(), 0u);
}

}  // namespace
