// The web-page exception dialog's rules: what "OK" writes, where the typed URL matches
// a held exception and where none does. (Names and marks: the dialog's window test.)
#include <gtest/gtest.h>

#include "dialog_model.h"
#include "ui/dialogs/web_page_exception.h"

namespace {

using namespace parental::corvui;

class WebPageExceptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* key : {u"PC.anna", u"OFFICE.bob", u"PC.gone"}) ASSERT_TRUE(model.roles.CreateRole(key, u"", {}));
    model.accounts.AddAccount(u"S-1-5-21-7-1001", u"PC.anna", 1, 2010);
    model.accounts.AddAccount(u"S-1-5-21-9-1002", u"OFFICE.bob", 1, 2012);
    model.accounts.AddAccount(u"S-1-5-21-7-1003", u"PC.gone", 1, 2012);  // its name does not resolve
    model.accounts.AddAccount(u"not a SID", u"PC.gone", 1, 2012);
    model.service.names[u"S-1-5-21-7-1001"] = {u"anna", u"PC"};
    model.service.names[u"S-1-5-21-9-1002"] = {u"bob", u"OFFICE"};
    model.roles.AddException(u"PC.anna", "games.example/Top", 1, nullptr);
    model.roles.AddException(u"PC.anna", "games.example/top", 1, nullptr);
  }
  WebPageException Dialog() {
    WebPageException dialog(model.roles, model.accounts.Accounts(), model.codePage);
    dialog.ListAccounts(model.service, u"PC");
    return dialog;
  }
  std::vector<std::pair<std::u16string, bool>> Marks(const WebPageException& dialog) {
    std::vector<std::pair<std::u16string, bool>> marks;
    for (const AccountMark& m : dialog.Entries()) marks.emplace_back(m.displayName, m.allowed);
    return marks;
  }
  std::vector<std::pair<std::string, std::uint32_t>> Exceptions(const char16_t* key) {
    std::vector<std::pair<std::string, std::uint32_t>> list;
    for (const auto& e : model.Role(key)->Exceptions()) list.emplace_back(e.url, e.state);
    return list;
  }
  using Marked = std::vector<std::pair<std::u16string, bool>>;
  using Stored = std::vector<std::pair<std::string, std::uint32_t>>;
  DialogModel model;
};

TEST_F(WebPageExceptionTest, OkChangesTheExceptionThatMatchesAndAddsOneWhereNoneDoes) {
  WebPageException dialog = Dialog();
  EXPECT_FALSE(dialog.Apply(u"http://"));
  EXPECT_FALSE(dialog.Apply(u""));
  EXPECT_TRUE(Exceptions(u"OFFICE.bob").empty());

  const std::u16string firstId = model.Role(u"PC.anna")->Exceptions()[0].id;
  dialog.FollowUrl(u"games.example/Top");
  dialog.Toggle(0);
  ASSERT_TRUE(dialog.Apply(u"games.example/Top"));
  EXPECT_EQ(Exceptions(u"PC.anna"), (Stored{{"games.example/Top", 0}, {"games.example/top", 1}}));
  EXPECT_EQ(model.Role(u"PC.anna")->Exceptions()[0].id, firstId);
  EXPECT_EQ(Exceptions(u"OFFICE.bob"), (Stored{{"games.example/Top", 0}})) << "added blocked";
  EXPECT_TRUE(Exceptions(u"PC.gone").empty());

  // A URL that differs only in letter case is another URL: a second exception.
  WebPageException again = Dialog();
  ASSERT_TRUE(again.Apply(u"games.example/TOP"));
  EXPECT_EQ(Exceptions(u"OFFICE.bob"), (Stored{{"games.example/Top", 0}, {"games.example/TOP", 0}}));
}

TEST_F(WebPageExceptionTest, TypedUrlMeetsTheHeldOneInItsNormalFormOnce) {
  model.roles.AddException(u"OFFICE.bob", "chat.example", 1, nullptr);  // held as "chat.example/"
  WebPageException dialog = Dialog();
  dialog.FollowUrl(u"http://Chat.Example");
  EXPECT_EQ(Marks(dialog), (Marked{{u"anna", false}, {u"OFFICE\\bob", true}}));
  dialog.Toggle(1);
  // "www.www.x.example" is normalised once to "www.x.example/", not again to "x.example/".
  ASSERT_TRUE(dialog.Apply(u"chat.example"));
  ASSERT_TRUE(dialog.Apply(u"www.www.x.example"));
  EXPECT_EQ(Exceptions(u"OFFICE.bob"), (Stored{{"chat.example/", 0}, {"www.x.example/", 0}})) << "edited, no twin";
}

}  // namespace
