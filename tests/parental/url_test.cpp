// URL normalisation, the exception operations of the role manager, and a role's
// exceptions read from and written back to its exported item list.
#include <gtest/gtest.h>

#include "engine_plug.h"
#include "parental/role_exceptions.h"
#include "parental/role_manager.h"
#include "parental/url.h"
#include "support/counting_guids.h"

namespace {

using namespace parental::corvui;
using parental::core::CRole;
using parental::shared::CExportConfigException;
using parental::shared::CExportConfigExceptionList;

TEST(NormaliseUrl, KeepsHostUnusualPortAndPath) {
  const std::pair<const char*, const char*> examples[] = {
      {"http://WWW.Example.com/a%20b?x=1", "example.com/a b"},
      {"https://www.example.com:8080", "example.com:8080/"},
      {"www.com", "www.com/"},
      {"ftp://files.example.com/pub", "files.example.com:21/pub"},
      {"mms://media.example.com/x", "media.example.com:0/x"},
      {"user@www.example.com/", "example.com/"},
      {"www.example.com./x", "example.com/x"},
      {"a.com\\\\b", "a.com\\b"},
      {"example.com/%41%4", "example.com/A%4"},
      {"", "/"},
      {"example.com:99999/x", "example.com/x"},
      {"example.com:/x#frag", "example.com/x"},
      {"example.com//a//b#c?d", "example.com/a//b#c"},
      {"e%2Dx.com/%00%2f", "e-x.com/%00/"},
      {"path/with://late", "path/with://late"},
      {"%", "%/"},
      // A port beyond 32 bits cannot be read: the scheme's stays.
      {"ftp://x.example:4294967296/p", "x.example:21/p"},
      {"ftp://x.example:4294967295/p", "x.example/p"},
      {"x.example:-4294967295/p", "x.example:1/p"},
      // Bytes a document cannot carry keep their escapes; tab and line breaks do not.
      {"a.example/%01%1f%20%09%0A%0d%7f%80", "a.example/%01%1f \t\n\r\x7F\x80"},
      {"%01.example./", "%01.example/"},
      // Trailing dots, the ports left out (80 and 443 for every scheme), the largest port.
      {"x.example.:8080", "x.example:8080/"},
      {"a.example.../", "a.example/"},
      {"http://x.example:443/p", "x.example/p"},
      {"https://x.example:80/p", "x.example/p"},
      {"ftp://x.example:80/p", "x.example/p"},
      {"x.example:65535", "x.example:65535/"},
      {"x.example:65536", "x.example/"},
      {"x.example:0/", "x.example:0/"},
      // "www." goes only when a "." follows at index 5 or later.
      {"www.a", "www.a/"},
      {"WWW.a.b", "a.b/"},
      {"www..b", "www..b/"},
      {"www.ab.", "www.ab/"},
  };
  for (const auto& [url, normalised] : examples) EXPECT_EQ(NormaliseUrl(url), normalised) << url;
  EXPECT_EQ(ParseUrl("HTTPS://me:pw@Host.example:81/p?q#f").userInfo, "me:pw");
  EXPECT_EQ(ParseUrl(":///").scheme, "") << "an empty scheme is still a scheme";
  EXPECT_EQ(ParseUrl(":///").port, 0u);
  EXPECT_EQ(ParseUrl("https://h:99999999999").port, 443u);
  EXPECT_EQ(ParseUrl("https://h:4294967295").port, 4294967295u);
  EXPECT_EQ(EscapeControls(std::string("a\x01\t\n\r\x1F\x7F\0b", 9)), "a%01\t\n\r%1F\x7F%00b");
}

class ExceptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { roles.LoadRole(u"PC.kid", RoleProfileRecord{}, list); }
  const std::vector<parental::core::RoleException>& Exceptions() { return roles.Roles().at(u"PC.kid").role->Exceptions(); }
  void StoreItem(const char16_t* id, const char16_t* url, std::uint32_t priority) {
    CExportConfigException item;
    item.SetIdentifier(id);
    item.SetText(CExportConfigException::kUrl, url);
    item.SetNumber(CExportConfigException::kState, 1);
    item.SetNumber(CExportConfigException::kPriority, priority);
    list.Add(item);
  }
  std::vector<std::u16string> Items(bool deleted) {
    std::vector<std::u16string> items;
    for (CExportConfigException& item : list.Items())
      if (item.IsDeleted() == deleted)
        items.push_back(std::u16string(item.GetIdentifier()) + u" " + item.GetText(CExportConfigException::kUrl) +
                        u" " + char16_t(u'0' + item.GetNumber(CExportConfigException::kPriority)));
    return items;
  }

  CountingGuids guids;
  EnginePlug engine;
  CExportConfigExceptionList list{ROLES_SECTION_ID};
  CConfigManagerRole roles{&engine};
};

TEST_F(ExceptionsTest, AddEditRemoveAndFind) {
  std::u16string first, second;
  ASSERT_TRUE(roles.AddException(u"PC.kid", "HTTP://WWW.Example.com/", 1, &first));
  ASSERT_TRUE(roles.AddException(u"PC.kid", "HTTP://WWW.Example.com/", 0, &second));
  EXPECT_EQ(first, u"00000001-abcd-ef01-2345-6789abcdef01");
  EXPECT_NE(first, second);
  EXPECT_EQ(Exceptions()[1].url, "example.com/");
  EXPECT_FALSE(roles.EditException(u"PC.kid", first, "example.com/", 1)) << "nothing changes";
  EXPECT_TRUE(roles.EditException(u"PC.kid", first, "HTTP://WWW.Example.com/", 1));
  EXPECT_EQ(roles.FindException(u"PC.kid", first)->url, "HTTP://WWW.Example.com/") << "stored as passed";
  EXPECT_FALSE(roles.EditException(u"PC.kid", u"nope", "x", 1));
  EXPECT_TRUE(roles.RemoveException(u"PC.kid", first));
  EXPECT_FALSE(roles.RemoveException(u"PC.kid", first));
  EXPECT_FALSE(roles.FindException(u"PC.kid", first));
  guids.fail = true;
  EXPECT_FALSE(roles.AddException(u"PC.kid", "x", 1, nullptr)) << "no id, no exception";
  guids.fail = false;
  guids.next = 1;  // the next id is one the role has: refused
  EXPECT_FALSE(roles.AddException(u"PC.kid", "x", 1, nullptr));
}

TEST_F(ExceptionsTest, ReadByPriorityAndWrittenBackRenumbered) {
  StoreItem(u"c", u"http://www.c.example/", 3);
  StoreItem(u"a", u"a.example", 1);
  StoreItem(u"b", u"b.example", 2);
  CRole role(u"PC.kid");
  ReadExceptions(list, role);
  ASSERT_EQ(role.Exceptions().size(), 3u);
  EXPECT_EQ(role.Exceptions()[0].id, u"a");
  EXPECT_EQ(role.Exceptions()[2].url, "c.example/");

  role.RemoveException(u"b");
  role.AppendException({u"d", "d.example/", 0});
  WriteExceptions(role, list);
  EXPECT_EQ(Items(false), (std::vector<std::u16string>{u"a a.example/ 1", u"c c.example/ 2", u"d d.example/ 3"}));
  EXPECT_EQ(Items(true), (std::vector<std::u16string>{u"b b.example 2"}));
}

}  // namespace
