// What the engine and the host answer: the category list with its texts and retries,
// and blocks of every broken shape, which give short or empty lists and nothing worse.
#include <gtest/gtest.h>

#include <cstring>

#include "model_host.h"
#include "parental/category_manager.h"
#include "parental/engine_blocks.h"
#include "parental/role_manager.h"

namespace {

using namespace parental::corvui;

// A little-endian block written as 32-bit values, with bytes patched in where needed.
struct Block {
  std::vector<std::uint8_t> bytes;
  Block& U32(std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t v : values)
      for (int shift = 0; shift < 32; shift += 8) bytes.push_back(std::uint8_t(v >> shift));
    return *this;
  }
  Block& Bytes(std::initializer_list<std::uint8_t> values) {
    bytes.insert(bytes.end(), values);
    return *this;
  }
};

std::size_t ReadRoles(const Block& block) { return ReadTemplateRoleBlock(block.bytes.data(), block.bytes.size()).size(); }

TEST(EngineAnswers, CategoriesComeWithTheirTextsAfterTheRetries) {
  ModelHost host;
  host.data.texts[2021] = std::u16string(300, u'd');  // more than the first 255 characters
  CConfigManagerCategory categories(&host.engine);
  CategoryList list = categories.GetCategories();
  ASSERT_EQ(list->size(), 46u);
  EXPECT_EQ((*list)[0].name, u"Alcohol");
  EXPECT_EQ((*list)[0].description.size(), 300u);
  EXPECT_EQ(host.engine.outputSizes, (std::vector<std::uint64_t>{16, 16 + 460}));
  EXPECT_EQ(host.textCapacities[0], 255u);
  EXPECT_EQ(host.textCapacities[3], 301u) << "the larger buffer is kept for the texts after it";

  host.data.texts.erase(21004);  // a category whose name the host does not know
  EXPECT_EQ(categories.GetCategories()->size(), 45u);

  host.engine.answer = [](std::uint32_t, const void*, std::uint64_t, void* out, std::uint64_t size, std::uint64_t* returned) {
    Block empty;
    empty.U32({16, 0, 0, 16});
    std::memcpy(out, empty.bytes.data(), 16);
    *returned = 16;
    return std::uint32_t(kPlugOk);
  };
  host.engine.outputSizes.clear();
  EXPECT_TRUE(categories.GetCategories()->empty());
  EXPECT_EQ(host.engine.outputSizes.size(), 1u) << "no categories, no retry";
}

TEST(EngineAnswers, AHostThatNeverHasRoomForATextLeavesOnlyThatCategoryOut) {
  ModelHost host;
  host.data.texts[21002] = std::u16string(3u << 20, u'x');  // beyond any capacity asked for
  EXPECT_EQ(CConfigManagerCategory(&host.engine).GetCategories()->size(), 45u);
}

TEST(EngineAnswers, BrokenCategoryBlocksGiveNoList) {
  std::vector<CategoryEntry> entries;
  Block good;
  good.U32({16, 1, 10, 16}).Bytes({7, 0, 1, 0, 0, 0, 2, 0, 0, 0});
  ASSERT_TRUE(ReadCategoryBlock(good.bytes.data(), good.bytes.size(), 1, &entries));
  EXPECT_EQ(entries[0].id, 7);
  EXPECT_EQ(entries[0].descriptionId, 2u);
  EXPECT_FALSE(ReadCategoryBlock(good.bytes.data(), good.bytes.size(), 2, &entries)) << "another count";
  EXPECT_FALSE(ReadCategoryBlock(good.bytes.data(), 25, 1, &entries)) << "entries cut off";
  for (Block bad : {Block().U32({12, 1, 10, 16}), Block().U32({16, 1, 9, 16}), Block().U32({16, 1, 10, 0xFFFFFFF0})}) {
    bad.Bytes({7, 0, 1, 0, 0, 0, 2, 0, 0, 0});
    EXPECT_FALSE(ReadCategoryBlock(bad.bytes.data(), bad.bytes.size(), 1, &entries));
  }
  EXPECT_FALSE(ReadCategoryBlock(good.bytes.data(), 15, 0, &entries));
}

TEST(EngineAnswers, BrokenTemplateBlocksEndTheListWhereTheyBreak) {
  // A role "A" aged 6 to 12 with category 3 allowed, 4 blocked and 5 of an unknown state.
  auto role = [](Block& b, std::uint32_t stride, std::uint32_t nameOffset, std::uint32_t entries, std::uint32_t entryOffset) {
    b.U32({stride, 0, nameOffset}).Bytes({6, 0, 12, 0}).U32({entries, 0, entryOffset});
    b.Bytes({'A', 0, 0, 0}).Bytes({3, 0, 1, 0, 4, 0, 0, 0, 5, 0, 7, 0});
  };
  Block two;
  two.U32({16, 2, 16, 0});
  role(two, 44, 28, 3, 32);
  role(two, 44, 28, 3, 32);
  auto roles = ReadTemplateRoleBlock(two.bytes.data(), two.bytes.size());
  ASSERT_EQ(roles.size(), 2u);
  EXPECT_EQ(roles[0]->Categories(), (parental::core::CategoryStates{{3, 1}, {4, 0}}));
  EXPECT_EQ(roles[0]->MaxAge(), 12);

  Block many;  // a stride of 0 and a huge count: one role, then the end
  many.U32({16, 0xFFFFFFFF, 16, 0});
  role(many, 0, 28, 3, 32);
  EXPECT_EQ(ReadRoles(many), 1u);
  Block outside;  // entries past the end, a name without terminator, a first record outside
  outside.U32({16, 3, 16, 0});
  role(outside, 40, 28, 4, 32);
  EXPECT_EQ(ReadRoles(outside), 0u);
  Block unterminated;
  unterminated.U32({16, 1, 16, 0});
  role(unterminated, 44, 43, 0, 0);  // the name starts at the last byte
  EXPECT_EQ(ReadRoles(unterminated), 0u);
  EXPECT_EQ(ReadRoles(Block().U32({16, 1, 0xFFFFFFFF, 0})), 0u);
  EXPECT_EQ(ReadRoles(Block().U32({20, 1, 16, 0})), 0u);
}

TEST(EngineAnswers, AnEngineThatKeepsAskingForMoreIsNotAskedForever) {
  ModelHost host;
  std::uint32_t needed = 16;
  host.engine.answer = [&](std::uint32_t, const void*, std::uint64_t, void* out, std::uint64_t size, std::uint64_t* returned) {
    std::memcpy(out, &needed, 4);
    *returned = 16;
    return std::uint32_t(kPlugMoreData);
  };
  CConfigManagerRole roles(&host.engine);
  EXPECT_TRUE(roles.GetPredefinedRoles(0)->empty());
  EXPECT_EQ(host.engine.outputSizes.size(), 1u) << "the same size again ends it";
  needed = 64u << 20;
  EXPECT_TRUE(roles.GetPredefinedRoles(1)->empty());
  EXPECT_EQ(host.engine.outputSizes.size(), 2u) << "so does one beyond 16 MiB";
}

}  // namespace
