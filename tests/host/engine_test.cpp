// The engine simulator: the shipped data file, and the answer blocks read back the way the
// plug-in reads them (header checks, offsets, record stride, the too-small answers).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "engine/engine.h"
#include "engine/engine_translation.h"
#include "frame/protocol/records.h"

namespace {

using host::EngineData;
using host::EngineSimulator;

template <class T>
T Read(const std::vector<std::uint8_t>& block, std::size_t at) {
  T value{};
  if (at + sizeof(T) <= block.size()) {
    std::memcpy(&value, block.data() + at, sizeof(T));
  } else {
    ADD_FAILURE() << "read past the end of the block at " << at;
  }
  return value;
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return Read<std::uint32_t>(b, at); }
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return Read<std::uint16_t>(b, at); }

std::string ReadText(const char* path) {
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file.is_open()) << path;
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

EngineData ShippedData() {
  EngineData data;
  std::string error;
  EXPECT_TRUE(host::ParseEngineData(ReadText(ENGINE_DATA_FILE), data, error)) << error;
  return data;
}

// A role as the plug-in reads it from a template-role block.
struct ReadRole {
  std::u16string name;
  std::uint16_t minAge, maxAge;
  std::vector<std::pair<std::uint16_t, std::uint8_t>> entries;
};

std::vector<ReadRole> ReadRoles(const std::vector<std::uint8_t>& block) {
  std::vector<ReadRole> roles;
  EXPECT_EQ(U32(block, 0), 16u);
  std::size_t at = U32(block, 8);
  for (std::uint32_t i = 0; i < U32(block, 4); ++i) {
    ReadRole role;
    for (std::size_t c = at + U32(block, at + 8); U16(block, c); c += 2) role.name += char16_t(U16(block, c));
    role.minAge = U16(block, at + 12);
    role.maxAge = U16(block, at + 14);
    std::size_t entries = at + U32(block, at + 24);
    for (std::uint32_t e = 0; e < U32(block, at + 16); ++e) {
      role.entries.emplace_back(U16(block, entries + 4 * e), Read<std::uint8_t>(block, entries + 4 * e + 2));
    }
    roles.push_back(role);
    at += U32(block, at) + U32(block, at + 4) + U32(block, at + 20);
  }
  EXPECT_EQ(at, block.size());
  return roles;
}

TEST(EngineData, ShippedFileHasCategoriesRolesAndGroups) {
  EngineData data = ShippedData();
  EXPECT_GE(data.categories.size(), 40u);
  EXPECT_EQ(data.categories[0].nameId, 2020u);
  EXPECT_EQ(data.texts.at(2020), u"Alcohol");
  EXPECT_FALSE(data.texts.at(2021).empty());
  EXPECT_GE(data.templates.size(), 3u);
  EXPECT_GE(data.groups.size(), 3u);
  EXPECT_EQ(data.excludedRid, 500u);
  for (const auto& role : data.templates) EXPECT_EQ(role.key[0], u'@');
}

TEST(EngineData, RefusesInconsistentData) {
  const char* bad[] = {
      "category|1|10|11|A|a\ncategory|1|12|13|B|b\n",                      // id twice
      "category|1|10|11|A|a\ncategory|2|11|13|B|b\n",                      // string id twice
      "category|1|10|11|A|a\ntemplate|@T|0|8|2|\n",                        // unknown category
      "category|1|10|11|A|a\ntemplate|@T|0|8|1|1\n",                       // allowed and blocked
      "category|1|10|11|A|a\ngroup|@G|1\ngroup|@H|1\n",                    // in two groups
      "category|70000|10|11|A|a\n",                                        // id too large
      "templat|@T|0|8||\n",                                                // unknown record
  };
  for (const char* text : bad) {
    EngineData data;
    std::string error;
    EXPECT_FALSE(host::ParseEngineData(text, data, error)) << text;
    EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
  }
}

TEST(EngineData, TheGermanTextsTranslateEveryCategoryAndNameAndRefuseUnknownOnes) {
  const EngineData english = ShippedData();
  EngineData data = english;
  std::string error;
  ASSERT_TRUE(host::ApplyEngineTranslation(ReadText(GERMAN_ENGINE_DATA_FILE), data, error)) << error;
  EXPECT_EQ(data.texts.at(2020), u"Alkohol");
  for (const auto& category : english.categories) {
    EXPECT_NE(data.texts.at(category.descriptionId), english.texts.at(category.descriptionId)) << category.id;
  }
  ASSERT_EQ(data.names.size(), english.names.size());
  for (std::size_t i = 0; i < data.names.size(); ++i) {
    EXPECT_EQ(data.names[i].first, english.names[i].first);
    EXPECT_NE(data.names[i].second, english.names[i].second) << i;
  }
  EXPECT_EQ(data.categories.size(), english.categories.size());
  EXPECT_EQ(data.templates.size(), english.templates.size());
  for (const char* bad : {"category|999|X|x\n", "category|1|X\n", "category|1||x\n", "name|@Nobody|Niemand\n",
                          "group|@G|1\n"}) {
    EngineData copy = english;
    EXPECT_FALSE(host::ApplyEngineTranslation(bad, copy, error)) << bad;
    EXPECT_EQ(error.rfind("line 1: ", 0), 0u) << error;
  }
}

TEST(Engine, CategoryBlockAndItsTooSmallAnswer) {
  EngineData data = ShippedData();
  EngineSimulator engine(data);
  std::uint32_t input = 4;
  std::vector<std::uint8_t> out(16);
  std::uint64_t returned = 0;
  // First call with room for no entry: result 5 and the header says how many there are.
  EXPECT_EQ(engine.Answer(kInnerCategories, &input, 4, out.data(), 16, &returned), kPlugMoreData);
  std::uint32_t n = U32(out, 4);
  EXPECT_EQ(n, data.categories.size());
  EXPECT_EQ(returned, 16 + 10u * n);
  out.assign(16 + 10 * n, 0);
  ASSERT_EQ(engine.Answer(kInnerCategories, &input, 4, out.data(), out.size(), &returned), kPlugOk);
  EXPECT_EQ(U32(out, 0), 16u);
  EXPECT_EQ(U32(out, 8), 10 * n);
  std::size_t entries = U32(out, 12);
  EXPECT_EQ(U16(out, entries), 1u);
  EXPECT_EQ(U32(out, entries + 2), 2020u);
  EXPECT_EQ(U32(out, entries + 6), 2021u);
  std::uint32_t wrong = 5;
  EXPECT_EQ(engine.Answer(kInnerCategories, &wrong, 4, out.data(), out.size(), &returned), kPlugNotSupported);
}

TEST(Engine, RoleBlocksReadBackAsTheyWereGiven) {
  EngineData data = ShippedData();
  EngineSimulator engine(data);
  std::uint32_t input = 4;
  for (int variant = 0; variant < 2; ++variant) {
    std::uint32_t code = variant ? kInnerGroupRoles : kInnerTemplateRoles;
    std::vector<std::uint8_t> out(16);
    std::uint64_t returned = 0;
    ASSERT_EQ(engine.Answer(code, &input, 4, out.data(), 16, &returned), kPlugMoreData);
    EXPECT_EQ(U32(out, 0), returned);  // the first value is the size needed
    out.assign(U32(out, 0), 0);
    ASSERT_EQ(engine.Answer(code, &input, 4, out.data(), out.size(), &returned), kPlugOk);
    std::vector<ReadRole> roles = ReadRoles(out);
    const auto& expected = variant ? data.groups : data.templates;
    ASSERT_EQ(roles.size(), expected.size());
    for (std::size_t i = 0; i < roles.size(); ++i) {
      EXPECT_EQ(roles[i].name, expected[i].key);
      EXPECT_EQ(roles[i].minAge, expected[i].minAge);
      EXPECT_EQ(roles[i].maxAge, expected[i].maxAge);
      EXPECT_EQ(roles[i].entries.size(), expected[i].states.size());
    }
  }
  // Every category is allowed by at most one group role.
  std::set<std::uint16_t> seen;
  for (const auto& group : data.groups) {
    for (const auto& [id, state] : group.states) EXPECT_TRUE(seen.insert(id).second) << id;
  }
}

TEST(Engine, ExcludedRelativeIdentifier) {
  EngineSimulator engine(ShippedData());
  const std::uint32_t input[] = {24, 0x01000F00, 0x1F009, 0, 24, 0};
  std::uint32_t rid = 0;
  std::uint64_t returned = 0;
  EXPECT_EQ(engine.Answer(kInnerExcludedRid, input, 24, &rid, 4, &returned), kPlugOk);
  EXPECT_EQ(rid, 500u);
  EXPECT_EQ(engine.Answer(kInnerExcludedRid, input, 20, &rid, 4, &returned), kPlugNotSupported);
  EXPECT_EQ(engine.Answer(0x1234, input, 24, &rid, 4, &returned), kPlugNotSupported);
}

}  // namespace
