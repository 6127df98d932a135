// The account configuration dialog's edits: the opening states ("&Undo"), the exceptions
// list's operations and what "OK" writes.
#include <gtest/gtest.h>

#include "dialog_model.h"
#include "ui/dialogs/account_config_edit.h"

namespace {

using namespace parental::corvui;
using Entries = std::vector<ExceptionEntry>;

class AccountConfigEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(model.roles.CreateRole(u"Family", u"", {}));
    model.roles.SetCategory(u"Family", 3, true);
    ASSERT_TRUE(model.roles.CreateRole(u"PC.kid", u"Family", {}));
    model.roles.SetCategory(u"PC.kid", 1, true);
    model.roles.SetCategory(u"PC.kid", 2, false);
    model.Role(u"PC.kid")->SetCategory(4, parental::core::kNotSet);
    model.roles.AddException(u"PC.kid", "games.example/", 1, nullptr);
    model.roles.AddException(u"PC.kid", "chat.example/", 0, nullptr);
    model.Role(u"PC.kid")->AppendException({u"odd", "odd.example/", 7});
  }
  std::vector<std::pair<std::string, std::uint32_t>> Exceptions() {
    std::vector<std::pair<std::string, std::uint32_t>> list;
    for (const auto& e : model.Role(u"PC.kid")->Exceptions()) list.emplace_back(e.url, e.state);
    return list;
  }

  DialogModel model;
  AccountConfigEdit edit{model.roles, u"PC.kid", model.codePage};
  const std::vector<std::uint16_t> ids = {4, 3, 2, 1, 9};
  std::vector<bool> checks;
  Entries entries;
};

TEST_F(AccountConfigEditTest, OpeningStatesStayAsTheRoleWasWhenTheDialogOpened) {
  EXPECT_FALSE(edit.OpeningStates(ids, checks, entries)) << "before the copy is taken";
  ASSERT_TRUE(edit.TakeOpeningStates());
  model.roles.SetCategory(u"PC.kid", 1, false);  // later changes do not reach the copy
  model.roles.RemoveException(u"PC.kid", u"odd");
  ASSERT_TRUE(edit.OpeningStates(ids, checks, entries));
  EXPECT_EQ(checks, (std::vector<bool>{false, true, false, true, false})) << "3 is inherited; 4 is not set";
  EXPECT_EQ(entries, (Entries{{u"games.example/", true, u"00000001-abcd-ef01-2345-6789abcdef01"},
                              {u"chat.example/", false, u"00000002-abcd-ef01-2345-6789abcdef01"}}))
      << "state 7 is not listed";

  AccountConfigEdit missing(model.roles, u"PC.nobody", model.codePage);
  EXPECT_FALSE(missing.TakeOpeningStates());
  EXPECT_TRUE(missing.Write(ids, checks, entries)) << "no copy: nothing to write";
  EXPECT_FALSE(model.roles.Roles().count(u"PC.nobody"));
}

TEST_F(AccountConfigEditTest, OkSetsEveryCategoryAndReplacesTheExceptionsInListOrder) {
  ASSERT_TRUE(edit.TakeOpeningStates());
  ASSERT_TRUE(edit.OpeningStates(ids, checks, entries));
  const std::uint32_t snapshot = model.Role(u"PC.kid")->Fingerprint();
  std::swap(entries[0], entries[1]);  // only the order changes
  model.guids.fail = true;  // without new ids nothing is written, the odd one kept too
  EXPECT_FALSE(edit.Write(ids, std::vector<bool>(ids.size(), true), entries));
  EXPECT_EQ(model.Role(u"PC.kid")->Fingerprint(), snapshot);
  EXPECT_EQ(model.Role(u"PC.kid")->Exceptions().size(), 3u);
  model.guids.fail = false;
  ASSERT_TRUE(edit.Write(ids, checks, entries));
  EXPECT_EQ(Exceptions(), (std::vector<std::pair<std::string, std::uint32_t>>{{"chat.example/", 0}, {"games.example/", 1}}));
  EXPECT_NE(model.Role(u"PC.kid")->Fingerprint(), snapshot) << "new ids make a new order a change";
  const auto& states = model.Role(u"PC.kid")->Categories();
  for (auto [id, state] : std::vector<std::pair<int, std::uint32_t>>{{4, 0}, {3, 1}, {2, 0}, {1, 1}, {9, 0}})
    EXPECT_EQ(*states.Find(id), state) << id;

  // Held URLs go back as they are: normalising "www.x.example/" again would drop its "www.".
  ExceptionListEdit list(model.codePage);
  ASSERT_TRUE(list.Add(u"www.www.x.example", true));
  ASSERT_TRUE(edit.Write(ids, checks, list.Entries()));
  AccountConfigEdit reopened{model.roles, u"PC.kid", model.codePage};  // the dialog opened again, OK
  ASSERT_TRUE(reopened.TakeOpeningStates());
  ASSERT_TRUE(reopened.OpeningStates(ids, checks, entries));
  ASSERT_TRUE(reopened.Write(ids, checks, entries));
  EXPECT_EQ(Exceptions(), (std::vector<std::pair<std::string, std::uint32_t>>{{"www.x.example/", 1}}));
}

TEST(ExceptionListEdit, AddNormalisesAndMovesStayWithinTheList) {
  parental::platform::Windows1252CodePage codePage;
  ExceptionListEdit list(codePage);
  EXPECT_FALSE(list.Add(u"http://", true));
  EXPECT_FALSE(list.Add(u"", true));
  ASSERT_TRUE(list.Add(u"http://WWW.Example.com/a%20b", true));
  ASSERT_TRUE(list.Add(u"b.example", false));
  ASSERT_TRUE(list.Add(u"c.example", true));
  auto urls = [&] {
    std::vector<std::u16string> u;
    for (const auto& e : list.Entries()) u.push_back(e.url);
    return u;
  };
  EXPECT_EQ(urls(), (std::vector<std::u16string>{u"example.com/a b", u"b.example/", u"c.example/"}));
  EXPECT_EQ(list.Entries()[1], (ExceptionEntry{u"b.example/", false, u""}));

  EXPECT_EQ(list.MoveUp(0), -1);
  EXPECT_EQ(list.MoveDown(2), -1);
  EXPECT_EQ(list.MoveUp(-1), -1);
  EXPECT_EQ(urls()[0], u"example.com/a b");
  EXPECT_EQ(list.MoveToBottom(0), 2);
  EXPECT_EQ(list.MoveToTop(1), 0);
  EXPECT_EQ(urls(), (std::vector<std::u16string>{u"c.example/", u"b.example/", u"example.com/a b"}));
  EXPECT_EQ(list.MoveDown(0), 1);
  EXPECT_EQ(list.MoveUp(2), 1);
  EXPECT_EQ(urls(), (std::vector<std::u16string>{u"b.example/", u"example.com/a b", u"c.example/"}));

  EXPECT_TRUE(list.Toggle(0));
  EXPECT_TRUE(list.Entries()[0].allowed);
  EXPECT_FALSE(list.Toggle(3));
  EXPECT_TRUE(list.Remove(1));
  EXPECT_FALSE(list.Remove(2));
  EXPECT_EQ(urls(), (std::vector<std::u16string>{u"b.example/", u"c.example/"}));
}

}  // namespace
