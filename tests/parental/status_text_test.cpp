// The status panel's texts and account list: header rows and state, account lines, ages,
// display names, the host's state codes, and the accounts gathered for the lines.
#include <gtest/gtest.h>

#include "parental/status_accounts.h"
#include "parental/status_text.h"
#include "parental/substitute_accounts.h"

namespace {

using namespace parental::corvui;

constexpr std::u16string_view kPasswordWarning =
    u"<TEXTCOLOR=\"#%.6x\">No password.</TEXTCOLOR>|<A TYPE=\"COMMAND\" COMMAND=\"gui.passworddlg.show\">Set password...</A>";
constexpr std::u16string_view kTrafficWarning = u"<TEXTCOLOR=\"#%.6x\">Not filtered.</TEXTCOLOR>|<A ID=\"1\">Enable</A>";
constexpr std::u16string_view kSpacer = u"<tr><td height=\"15\"></td><td></td><td></td></tr>";
constexpr std::u16string_view kStates = u"Disabled;Non-functional;Disabled;Enabled";

// The four states' words and frames are shown end to end by the status roads; here what
// the host should not send.
TEST(StatusText, AStateOutsideTheTableShowsNoWordAndAFrameThatExists) {
  EXPECT_EQ(StateWord(kStates, 0), u"");
  EXPECT_EQ(StateWord(kStates, 7), u"");
  EXPECT_EQ(StateFrame(7), 4);
  EXPECT_EQ(StateWord(u"Disabled;Enabled", 4), u"");  // a translation with fewer words
}

TEST(StatusText, WarningRowsFollowASingleSpacerInOrder) {
  std::u16string both;
  AppendWarningRow(both, kPasswordWarning);
  AppendWarningRow(both, kTrafficWarning);
  EXPECT_EQ(both.find(kSpacer), 0u);
  EXPECT_EQ(both.find(kSpacer, 1), std::u16string::npos);
  std::size_t password = both.find(u"No password."), traffic = both.find(u"Not filtered.");
  ASSERT_NE(password, std::u16string::npos);
  ASSERT_NE(traffic, std::u16string::npos);
  EXPECT_LT(password, traffic);
  // A translation without the link part still gives a row with an empty link cell.
  std::u16string plain;
  AppendWarningRow(plain, u"Only a message");
  EXPECT_NE(plain.find(u"<p>Only a message</p></td><td></td><td><p></p>"), std::u16string::npos);
}

TEST(StatusText, AccountLinesNamesAndAges) {
  EXPECT_EQ(DisplayName(u"anna", u"PC", u"pc"), u"anna");
  EXPECT_EQ(DisplayName(u"bob", u"OFFICE", u"PC"), u"OFFICE\\bob");
  EXPECT_EQ(DisplayName(u"carl", u"", u"PC"), u"\\carl");

  constexpr std::u16string_view kWords = u"year|years|years";
  EXPECT_EQ(AgeText(1, kWords), u"1 year");
  EXPECT_EQ(AgeText(3, kWords), u"3 years");
  EXPECT_EQ(AgeText(5, kWords), u"5 years");
  EXPECT_EQ(AgeText(0, kWords), u"0 years");
  EXPECT_EQ(AgeText(-2, kWords), u"-2 years");  // a birth year in the future
  // Languages whose forms carry the number themselves, and forms too long.
  EXPECT_EQ(AgeText(2, u"rok|roky (%d)|let"), u"2 roky (2)");
  EXPECT_EQ(AgeText(7, u"a|b"), u"7 ");
  EXPECT_EQ(AgeText(9, u"a|b|" + std::u16string(300, u'x')).size(), 2u + 128u);

  constexpr std::u16string_view kLine =
      u"<TABPOS=\"316\"><H4>%s (<A ID=\"%d\">%s</A>)</H4>\t<A ID=\"%d\">%s</A>\n<A ID=\"%d\">Setup...</A>";
  EXPECT_NE(AccountLineText(kLine, u"a", u"1 year", kAccountDisabled, u"<F8>Disabled").find(u"<A ID=\"2\"><F8>Disabled"),
            std::u16string::npos);
  EXPECT_EQ(UndefinedLineText(u"<TABPOS=\"333\"><H4>%s</H4>\t<A ID=\"%d\">Not defined</A>", u"PC2\\x%s"),
            u"<TABPOS=\"333\"><H4>PC2\\x%s</H4>\t<A ID=\"1\">Not defined</A>");  // a name is not a format
}

TEST(StatusText, HostStateCodes) {
  const std::uint32_t active[] = {0x82020001, 0x2020002};
  HostStateFlags flags = ReadHostStateCodes(active, 2);
  EXPECT_TRUE(flags.active);
  EXPECT_TRUE(flags.encryptedTraffic);
  const std::uint32_t overruled[] = {0x42020001, 0x82020001};
  EXPECT_FALSE(ReadHostStateCodes(overruled, 2).active);
  const std::uint32_t later[] = {0x82020001, 0x2020001};
  EXPECT_TRUE(ReadHostStateCodes(later, 2).active);
  EXPECT_FALSE(ReadHostStateCodes(later, 2).encryptedTraffic);
  EXPECT_FALSE(ReadHostStateCodes(nullptr, 4).active);
}

TEST(StatusAccounts, LocalAccountsAndRecordsWithKindsAndNames) {
  SubstituteAccounts service;
  service.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1001", u"PC\\anna");
  service.AddMember(BuiltinGroup::Administrators, u"S-1-5-21-5-500", u"PC\\Admin");
  service.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1002", u"PC\\bob");
  for (auto [sid, user] : {std::pair{u"1001", u"anna"}, {u"500", u"Admin"}, {u"1002", u"bob"}})
    service.names[u"S-1-5-21-5-" + std::u16string(sid)] = {user, u"PC"};
  service.names[u"S-1-5-21-9-2000"] = {u"carl", u"OFFICE"};
  CConfigManagerAccount records(service);
  records.LoadAccounts(u"child", u"S-1-5-21-5-1001:1:2010|S-1-5-21-5-500:0:1970|S-1-5-21-9-2000:1:2012|"
                                 u"S-1-5-21-9-3000:1:2000");

  std::vector<StatusAccount> accounts = CollectStatusAccounts(service, nullptr, &records, u"PC");
  std::map<std::u16string, StatusAccount> bySid;
  for (const StatusAccount& a : accounts) bySid[a.sidText] = a;
  ASSERT_EQ(accounts.size(), 4u);  // the record whose name cannot be found is left out
  EXPECT_EQ(bySid[u"S-1-5-21-5-1001"].kind, kAccountEnabled);
  EXPECT_EQ(bySid[u"S-1-5-21-5-500"].kind, kAccountDisabled);
  EXPECT_TRUE(bySid[u"S-1-5-21-5-500"].administrator);
  EXPECT_EQ(bySid[u"S-1-5-21-5-1002"].kind, kAccountNotSet);
  EXPECT_EQ(bySid[u"S-1-5-21-9-2000"].user, u"carl");
  EXPECT_EQ(bySid[u"S-1-5-21-9-2000"].domain, u"OFFICE");
  EXPECT_FALSE(HasEnabledAdministrator(accounts));  // the administrator's record is disabled
  EXPECT_TRUE(records.SetEnabled(u"S-1-5-21-5-500", 1));
  EXPECT_TRUE(HasEnabledAdministrator(CollectStatusAccounts(service, nullptr, &records, u"PC")));

  EXPECT_EQ(AccountAge(records, u"S-1-5-21-5-1001", 2026), 16);
  EXPECT_EQ(AccountAge(records, u"S-1-5-21-5-1002", 2026), 0);
  EXPECT_EQ(CollectStatusAccounts(service, nullptr, nullptr, u"PC").size(), 3u);
}

}  // namespace
