// The engine simulator: inconsistent data refused, the German texts, and the excluded
// relative identifier. (The shipped data's categories, roles and groups, and the blocks
// made of them, are read by the plug-in's own reader in tests/parental and tests/ui.)
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/engine.h"
#include "engine/engine_translation.h"
#include "frame/protocol/records.h"

namespace {

using host::EngineData;
using host::EngineSimulator;

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
