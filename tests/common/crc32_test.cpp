#include "common/crc32.h"

#include <gtest/gtest.h>

#include <vector>

using parental::common::Crc32;
using parental::common::Crc32Update;

TEST(Crc32, MatchesReferenceValuesAndContinuesAcrossRanges) {
  const char* check = "123456789";
  EXPECT_EQ(Crc32(check, 9), 0xCBF43926u);
  EXPECT_EQ(Crc32(nullptr, 0), 0u);
  const unsigned char zeros[12] = {};  // the general block of defaults
  EXPECT_EQ(Crc32(zeros, sizeof zeros), 0x7BD5C66Fu);
  std::vector<unsigned char> bytes;
  for (int r = 0; r < 3; ++r)
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<unsigned char>(i));
  EXPECT_EQ(Crc32(bytes.data(), bytes.size()), 0xB0C0DF2Au);
  // Every split of the input gives the same fingerprint as one pass.
  for (std::size_t split = 0; split <= 9; ++split)
    EXPECT_EQ(Crc32Update(Crc32(check, split), check + split, 9 - split), 0xCBF43926u) << split;
}
