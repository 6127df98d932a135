// Roles: loading with pending parents, creation, deletion, copies, inheritance, the role
// order and the engine's templates. (What changes the fingerprint: change_tracking_test.cpp.)
#include <gtest/gtest.h>

#include "common/text.h"
#include "engine_plug.h"
#include "model_host.h"
#include "parental/role_manager.h"
#include "support/counting_guids.h"

namespace {

using namespace parental::corvui;
using parental::core::CRole;
using parental::core::RolePtr;
using parental::shared::CExportConfigExceptionList;

RoleProfileRecord Record(const char16_t* parent, const char16_t* categories = u"") {
  RoleProfileRecord record{};
  parental::common::CopyText(record.parentRole, kRoleKeyCapacity, parent);
  parental::common::CopyText(record.categories, kProfileTextCapacity, categories);
  return record;
}

class RoleManagerTest : public ::testing::Test {
 protected:
  bool Load(const char16_t* key, const char16_t* parent, const char16_t* categories = u"") {
    return roles.LoadRole(key, Record(parent, categories), list);
  }
  RolePtr Role(const char16_t* key) { return roles.Roles().at(key).role; }
  RoleState State(const char16_t* key) { return roles.Roles().at(key).state; }

  ModelHost host;
  CountingGuids guids;
  CExportConfigExceptionList list{ROLES_SECTION_ID};
  CConfigManagerRole roles{&host.engine};
};

TEST_F(RoleManagerTest, ParentsLoadedLaterAreLinkedAtTheEndOfAReload) {
  EXPECT_FALSE(Load(u"B", u"A")) << "outside a reload a missing parent refuses the role";
  roles.BeginReload();
  EXPECT_FALSE(roles.Clear());
  EXPECT_TRUE(Load(u"B", u"A"));
  EXPECT_TRUE(Load(u"C", u"A"));
  EXPECT_TRUE(Load(u"D", u"nobody"));
  EXPECT_TRUE(Load(u"A", u"", u"12:1"));
  EXPECT_FALSE(Load(u"A", u"")) << "a key that is taken";
  EXPECT_FALSE(roles.ResolvePending()) << "D's parent is missing";
  EXPECT_EQ(Role(u"B")->Parent(), Role(u"A"));
  EXPECT_EQ(Role(u"C")->Parent(), Role(u"A"));
  EXPECT_FALSE(Role(u"D")->Parent());
  std::uint32_t state = 9;
  EXPECT_TRUE(Role(u"B")->GetCategory(12, &state));
  EXPECT_EQ(state, 1u);
  EXPECT_FALSE(roles.IsReloading());
  EXPECT_TRUE(roles.Clear());
  EXPECT_TRUE(roles.Roles().empty());
}

TEST_F(RoleManagerTest, CreateDeleteAndCopyFollowTheStates) {
  roles.Commit();
  ASSERT_TRUE(Load(u"A", u"", u"1:1"));
  roles.Commit();
  EXPECT_FALSE(roles.IsModified());

  RolePtr kid = roles.CreateAccountRole(u"kid", u"PC", u"A", {});
  ASSERT_TRUE(kid);
  EXPECT_EQ(kid->Name(), u"PC.kid");
  EXPECT_EQ(kid->Parent(), Role(u"A"));
  EXPECT_EQ(State(u"PC.kid"), RoleState::New);
  EXPECT_FALSE(roles.CreateRole(u"PC.kid", u"", {})) << "the key is taken";
  EXPECT_TRUE(roles.IsModified());

  EXPECT_FALSE(roles.DeleteRole(u"@Teen")) << "a template role has no profile";
  EXPECT_TRUE(roles.DeleteRole(u"A"));
  EXPECT_FALSE(roles.SetCategory(u"A", 2, true)) << "a deleted role takes no changes";
  RolePtr again = roles.CreateRole(u"A", u"", kid);
  ASSERT_TRUE(again);
  EXPECT_EQ(State(u"A"), RoleState::Unchanged);
  EXPECT_NE(again->Fingerprint(), again->Snapshot()) << "so that the next save rewrites it";

  EXPECT_TRUE(roles.CopyRole(u"PC.kid", roles.GetPredefinedRoles(0)->at(u"@Teen").role));
  EXPECT_FALSE(Role(u"PC.kid")->Parent());
  EXPECT_EQ(Role(u"PC.kid")->Categories().size(), 39u);
  EXPECT_FALSE(roles.CopyRole(u"nobody", kid));

  roles.DeleteRole(u"PC.kid");
  roles.Commit();
  EXPECT_EQ(roles.Roles().count(u"PC.kid"), 0u);
  EXPECT_FALSE(roles.IsModified());
}

TEST_F(RoleManagerTest, InheritanceEndsOnALoopOfParents) {
  ASSERT_TRUE(Load(u"A", u"", u"5:0"));
  ASSERT_TRUE(Load(u"B", u"A"));
  std::uint32_t state = 9;
  EXPECT_TRUE(Role(u"B")->GetCategory(5, &state));
  EXPECT_EQ(state, 0u);
  EXPECT_FALSE(Role(u"B")->GetCategory(6, &state));
  Role(u"A")->SetParent(Role(u"B"));  // as hand-edited profiles can make it
  EXPECT_FALSE(Role(u"B")->GetCategory(6, &state));
  EXPECT_TRUE(Role(u"B")->GetCategory(5, &state));
}

TEST(RoleOrder, ByDescendingMeanAgeThenByName) {
  CRole child(u"@Child", 6, 12), teen(u"@Teen", 13, 17), odd(u"@Odd", 16, 3), a(u"A"), b(u"B");
  EXPECT_EQ(CConfigManagerRole::CompareRoles(teen, child), -1);
  EXPECT_EQ(CConfigManagerRole::CompareRoles(odd, teen), -1) << "a maximum below the minimum counts as the minimum";
  EXPECT_EQ(CConfigManagerRole::CompareRoles(b, a), 1);
  EXPECT_EQ(CConfigManagerRole::CompareRoles(a, a), 0);
}

TEST_F(RoleManagerTest, TemplateRolesGrowTheBufferAndMergeIntoTheRoleList) {
  ASSERT_TRUE(Load(u"@Teen", u""));
  ASSERT_TRUE(Load(u"PC.kid", u""));
  auto list = roles.GetRoles();
  ASSERT_EQ(host.engine.outputSizes.size(), 2u);
  EXPECT_EQ(host.engine.outputSizes[0], 16u);
  EXPECT_GT(host.engine.outputSizes[1], 16u);
  EXPECT_EQ(list->size(), 5u);
  EXPECT_EQ(list->at(u"@Teen").state, RoleState::Predefined);
  EXPECT_EQ(list->at(u"@Teen").role->MinAge(), 13);
  EXPECT_EQ(list->at(u"PC.kid").state, RoleState::Unchanged);
  EXPECT_EQ(roles.GetPredefinedRoles(1)->size(), 6u);

  host.engine.answer = nullptr;  // an engine that does not answer
  EXPECT_TRUE(roles.GetPredefinedRoles(0)->empty());
  EXPECT_EQ(roles.GetRoles()->size(), 2u);
}

}  // namespace
