#include <string>
#include <vector>

#include "items/export_list.h"
#include "support/counting_guids.h"
#include "support/registry_fixture.h"

using parental::shared::CExportConfigException;
using parental::shared::CExportConfigExceptionList;

namespace {

class ReadListTest : public ProfilesTest {
 protected:
  void Item(const std::u16string& key, const char16_t* url, const char16_t* id, std::uint32_t priority) {
    const std::u16string path = u"Profiles\\Kid\\Exceptions\\" + key;
    if (url) SetText(path, u"Url", url);
    if (id) SetText(path, u"AutomaticItemID", id);
    SetDword(path, u"Priority", priority);
  }
  std::vector<std::u16string> Urls(CExportConfigExceptionList& list) {
    std::vector<std::u16string> urls;
    for (CExportConfigException& e : list.Items()) urls.emplace_back(e.GetText(CExportConfigException::kUrl));
    return urls;
  }
  CountingGuids guids;
};

TEST_P(ReadListTest, ReadsItemSubkeysSortedByIdentifierAndDropsDuplicatesAndInvalidOnes) {
  Item(u"Node_1", u"b.example", u"bbbb", 1);
  Item(u"Node_2", u"a.example", u"AAAA", 2);
  Item(u"Node_3", u"dup.example", u"aaaa", 3);          // same identifier in other case
  Item(u"Node_4", nullptr, u"cccc", 4);                 // no "Url"
  Item(u"node_5", u"lower.example", u"dddd", 5);        // prefix in other case
  Item(u"Node_123456789", u"long.example", u"eeee", 6); // more than 8 characters after it
  Item(u"AAAAAAAAAAAAAAAAAAAA", u"x", u"ffff", 7);       // a long name before the items
  SetText(u"Profiles\\Kid\\Exceptions\\Node_6", u"Url", u"typed.example");
  SetDword(u"Profiles\\Kid\\Exceptions\\Node_6", u"AutomaticItemID", 1);  // wrong type: no identifier

  CExportConfigExceptionList list(kTestPlugin, *registry_);
  ASSERT_TRUE(list.ReadList(u"Kid"));
  EXPECT_EQ(Urls(list), (std::vector<std::u16string>{u"typed.example", u"a.example", u"b.example"}))
      << "an item without identifier gets one on its first comparison";
  EXPECT_EQ(list.Items()[1].GetNumber(CExportConfigException::kPriority), 2u);
  EXPECT_FALSE(list.Items()[1].IsModified());

  // The active profile stands in for a missing name; a missing list key fails.
  SetDword(u"Profiles", u"Enable", 1);
  SetText(u"Profiles", u"Active", u"Kid");
  CExportConfigExceptionList active(kTestPlugin, *registry_);
  EXPECT_TRUE(active.ReadList(nullptr));
  EXPECT_EQ(active.Items().GetCount(), 3u);
  EXPECT_FALSE(active.ReadList(u"Nobody"));
  EXPECT_EQ(active.Items().GetCount(), 0u);
  EXPECT_FALSE(active.ReadList(u"Kid\\Exceptions"));
}

INSTANTIATE_PROFILE_TESTS(ReadListTest);

}  // namespace
