// The engine's log: visits judged against roles stored in the registry mirror (accounts,
// exceptions, category states, parents and engine templates), address matching, and the
// log file read back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/visit_log.h"
#include "platform/memory_registry.h"

namespace {

using namespace host;
using namespace parental::platform;

const std::u16string kProfiles = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D01\\Profiles";
const std::u16string kKid = u"S-1-5-21-1-2-3-501";

class VisitLog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream file(ENGINE_DATA_FILE, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string error;
    ASSERT_TRUE(ParseEngineData(text, engine, error)) << error;
  }
  void Text(const std::u16string& key, std::u16string_view name, const std::u16string& value) {
    ScopedKey k(registry, registry.Create(registry.Root(RegRoot::LocalMachine), kProfiles + u"\\" + key));
    registry.SetValue(k.get(), name, kRegString, value.c_str(), std::uint32_t((value.size() + 1) * 2));
  }
  void Exception(const std::u16string& role, const std::u16string& node, const std::u16string& url,
                 std::uint32_t state, std::uint32_t priority) {
    Text(role + u"\\Exceptions\\" + node, u"Url", url);
    ScopedKey k(registry, registry.Open(registry.Root(RegRoot::LocalMachine), kProfiles + u"\\" + role + u"\\Exceptions\\" + node, true));
    registry.SetValue(k.get(), u"State", kRegDword, &state, 4);
    registry.SetValue(k.get(), u"Priority", kRegDword, &priority, 4);
  }
  bool Blocks(const std::u16string& address, std::uint16_t category, const std::u16string& sid = kKid) {
    return BlocksVisit(ReadStoredRoles(registry), engine, sid, address, category);
  }

  EngineData engine;
  MemoryRegistry registry;
};

TEST_F(VisitLog, AccountsThatNoEnabledRoleGovernsAreNeverBlocked) {
  EXPECT_FALSE(Blocks(u"http://casino.example/", 4)) << "no role at all";
  Text(u"VM.kid", u"Accounts", kKid + u":0:2015");
  Text(u"VM.kid", u"ParentRole", u"@Child");
  EXPECT_FALSE(Blocks(u"http://casino.example/", 4)) << "the account is switched off";
  Text(u"VM.kid", u"Accounts", u"S-1-5-21-1-2-3-1000:1:1980|" + kKid + u":1:2015");
  EXPECT_TRUE(Blocks(u"http://casino.example/", 4)) << "the second account of the role";
  EXPECT_FALSE(Blocks(u"http://casino.example/", 4, u"S-1-5-21-1-2-3-5010")) << "SIDs match whole";
}

TEST_F(VisitLog, CategoriesComeFromTheRoleThenItsParentsThenTheEngineTemplate) {
  Text(u"VM.kid", u"Accounts", kKid + u":1:2015");
  Text(u"VM.kid", u"ParentRole", u"family");
  Text(u"VM.kid", u"Categories", u"12:1|-25536:0|bad|13:7");
  Text(u"family", u"ParentRole", u"@Child");
  Text(u"family", u"Categories", u"30:0|12:0");
  EXPECT_FALSE(Blocks(u"chat.example/", 12)) << "the role's own state wins over its parent's";
  EXPECT_TRUE(Blocks(u"news.example/", 30)) << "the parent's state";
  EXPECT_TRUE(Blocks(u"social.example/", 13)) << "a malformed state falls through to the template";
  EXPECT_FALSE(Blocks(u"school.example/", 33)) << "the template allows education";
  EXPECT_TRUE(Blocks(u"x.example/", 40000)) << "ids are stored as signed 16-bit numbers";
  Text(u"family", u"ParentRole", u"VM.kid");
  EXPECT_FALSE(Blocks(u"x.example/", 46)) << "a loop of parents ends; nothing sets the category";
}

TEST_F(VisitLog, TheFirstCoveringExceptionByPriorityDecidesBeforeCategories) {
  Text(u"VM.kid", u"Accounts", kKid + u":1:2015");
  Text(u"VM.kid", u"ParentRole", u"@Child");
  Exception(u"VM.kid", u"Node_00000002", u"example.com/", 0, 2);
  Exception(u"VM.kid", u"Node_00000001", u"example.com/games/", 1, 1);
  EXPECT_TRUE(Blocks(u"http://www.example.com/", 30)) << "blocked although the category is allowed";
  EXPECT_FALSE(Blocks(u"HTTP://Example.COM:80/games/arcade", 4)) << "the allowed one comes first";
  EXPECT_TRUE(Blocks(u"https://user@shop.example.com./x", 46)) << "a host below the exception's";
  EXPECT_FALSE(Blocks(u"http://notexample.com/", 30)) << "a name that only ends alike";
}

TEST_F(VisitLog, AddressesAreCoveredByHostAndPathPrefix) {
  EXPECT_TRUE(ExceptionCovers(u"http://www.example.com/", u"example.com"));
  EXPECT_TRUE(ExceptionCovers(u"example.com/a", u"https://www.EXAMPLE.com/a/b?c"));
  EXPECT_FALSE(ExceptionCovers(u"example.com/a/b", u"example.com/a"));
  EXPECT_FALSE(ExceptionCovers(u"example.com/A", u"example.com/a")) << "paths keep their case";
  EXPECT_FALSE(ExceptionCovers(u"", u"example.com/"));
  EXPECT_TRUE(ExceptionCovers(u"example.com/", u"example.com?q=1"));
}

TEST_F(VisitLog, TheShippedVisitsAreJudgedAndTheLogReadsBack) {
  Text(u"VM.Guest", u"Accounts", kKid + u":1:2015");
  Text(u"VM.Guest", u"ParentRole", u"@Child");
  Exception(u"VM.Guest", u"Node_00000001", u"chat.example.net/", 1, 1);
  auto lookup = [](std::uint32_t rid, std::u16string& sid, std::u16string& name) {
    if (rid != 501 && rid != 1000) return false;
    sid = u"S-1-5-21-1-2-3-" + std::u16string(rid == 501 ? u"501" : u"1000");
    name = rid == 501 ? u"Guest" : u"root\tadmin";
    return true;
  };
  const std::vector<LogEntry> entries = JudgeVisits(engine, ReadStoredRoles(registry), true, lookup);
  ASSERT_EQ(entries.size(), engine.visits.size());
  std::size_t blocked = 0;
  for (const LogEntry& entry : entries) {
    const bool guest = entry.account == u"Guest";
    blocked += entry.blocked;
    EXPECT_TRUE(guest || !entry.blocked) << "the user who runs the host is not governed";
    if (entry.address.find(u"chat.example.net") != std::u16string::npos) {
      EXPECT_FALSE(entry.blocked);
    }
    if (entry.address.find(u"beer-shop") != std::u16string::npos) {
      EXPECT_TRUE(entry.blocked);
    }
  }
  EXPECT_GT(blocked, 0u);
  EXPECT_EQ(entries[0].category, u"News");

  const std::vector<LogEntry> back = ParseLog(FormatLog(entries) + "broken line\n\t\t\t\tMaybe\n");
  ASSERT_EQ(back.size(), entries.size());
  EXPECT_EQ(back[0].account, u"root admin") << "a tab inside a field would split it";
  EXPECT_EQ(back[1].address, entries[1].address);
  EXPECT_EQ(back[4].blocked, entries[4].blocked);

  for (const LogEntry& entry : JudgeVisits(engine, ReadStoredRoles(registry), false, lookup))
    EXPECT_FALSE(entry.blocked) << "filtering off allows everything";
}

}  // namespace
