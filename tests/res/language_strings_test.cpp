// The German string table against the English one: the same ids, and in every string the
// same placeholders, mark-up tags (apart from their tool tips), link ids and part
// separators, so that the plug-in's formats and splits work on either text.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// The entries `id "text"` of a resource script's string table, with "" and \ escapes undone.
std::map<int, std::string> ReadStringTable(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::string script((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::map<int, std::string> table;
  static const std::regex entry(R"re(^\s*(\d+)\s+"((?:[^"]|"")*)"\s*$)re");
  std::size_t start = 0;
  while (start < script.size()) {
    std::size_t end = script.find('\n', start);
    if (end == std::string::npos) end = script.size();
    std::smatch match;
    const std::string line = script.substr(start, end - start);
    if (std::regex_match(line, match, entry)) {
      std::string raw = match[2], text;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '"') ++i;  // "" stands for one quote
        else if (raw[i] == '\\' && i + 1 < raw.size()) {
          const char next = raw[++i];
          text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
          continue;
        }
        text += raw[i];
      }
      table[std::stoi(match[1])] = text;
    }
    start = end + 1;
  }
  return table;
}

// What a translation must keep: placeholders, tags with their attributes (a tool tip's
// text is translated, so only its presence counts), and the counts of separators, tabs
// and line feeds.
std::vector<std::string> Skeleton(const std::string& text) {
  std::vector<std::string> parts;
  static const std::regex piece(R"re(%[-+ #0-9.]*[a-zA-Z]|<[^>]*>)re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), piece); it != std::sregex_iterator(); ++it) {
    static const std::regex tip(R"re(TOOLTIP="[^"]*")re", std::regex::icase);
    parts.push_back(std::regex_replace(it->str(), tip, "TOOLTIP=\"\""));
  }
  for (char separator : {'|', ';', '\t', '\n'}) {
    parts.push_back(std::string(1, separator) + " x" + std::to_string(std::count(text.begin(), text.end(), separator)));
  }
  return parts;
}

TEST(LanguageStringsTest, TheGermanTableTranslatesEveryEnglishStringAndKeepsItsMarkUp) {
  const std::map<int, std::string> english = ReadStringTable(ENGLISH_STRINGS);
  const std::map<int, std::string> german = ReadStringTable(GERMAN_STRINGS);
  ASSERT_GE(english.size(), 40u) << "the English table was not read";
  ASSERT_EQ(english.begin()->first, 2001);
  ASSERT_EQ(english.rbegin()->first, 2058);
  for (const auto& [id, text] : english) {
    SCOPED_TRACE(id);
    auto found = german.find(id);
    ASSERT_NE(found, german.end()) << "no German text";
    EXPECT_EQ(Skeleton(found->second), Skeleton(text)) << found->second;
  }
  EXPECT_EQ(german.size(), english.size()) << "German ids the English table does not have";
}

TEST(LanguageStringsTest, TheSkeletonSeesWhatATranslationMustKeep) {
  // A changed link id, a lost placeholder or separator, or a translated tool tip.
  const std::string line = "<TABPOS=\"333\"><H4>%s</H4>\t<A ID=\"%d\">Not defined</A>|x";
  EXPECT_NE(Skeleton("<TABPOS=\"333\"><H4>%s</H4>\t<A ID=\"2\">Nicht festgelegt</A>|x"), Skeleton(line));
  EXPECT_NE(Skeleton("<TABPOS=\"333\"><H4></H4>\t<A ID=\"%d\">Nicht festgelegt</A>|x"), Skeleton(line));
  EXPECT_NE(Skeleton("<TABPOS=\"333\"><H4>%s</H4>\t<A ID=\"%d\">Nicht festgelegt</A>"), Skeleton(line));
  EXPECT_EQ(Skeleton("<TABPOS=\"333\"><H4>%s</H4>\t<A ID=\"%d\">Nicht festgelegt</A>|y"), Skeleton(line));
  EXPECT_EQ(Skeleton("<A TOOLTIP=\"Zeigen\" ID=\"1\">Ja</A>"), Skeleton("<A TOOLTIP=\"Show\" ID=\"1\">Yes</A>"));
}

}  // namespace
