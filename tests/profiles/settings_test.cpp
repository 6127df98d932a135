#include <cstring>
#include <string>

#include "common/text.h"
#include "platform/registry_values.h"
#include "profiles/settings_table.h"
#include "support/registry_fixture.h"

using namespace parental::profiles;

namespace {

struct Record {
  std::uint32_t enable;
  std::uint32_t level;
  char16_t name[9];
  char16_t behind;  // no value of the table: what is read never reaches it
};

const std::uint32_t kLevelDefault = 3;
const SettingsEntry kTable[] = {
    SettingsSectionEntry(kRegistryDefaultsTemplate, kRegistryProfileTemplate, kXmlProfileTemplate),
    SettingsValueEntry(kSettingsDword, offsetof(Record, enable), 4, u"Enable", nullptr, kAlwaysWrite),
    SettingsValueEntry(kSettingsDword, offsetof(Record, level), 4, u"Level", &kLevelDefault),
    SettingsValueEntry(kSettingsString, offsetof(Record, name), sizeof(Record::name), u"${ProfileName}.Name",
                       u"none"),
    SettingsValueEntry(kSettingsDword, 0, 4, nullptr),  // no name: skipped
    SettingsEndEntry(),
};

Record Defaults() {
  Record r;
  std::memset(&r, 0xAB, sizeof r);
  ApplyDefaults(kTable, &r);
  return r;
}

TEST(SettingsTable, DefaultsAndRecordSize) {
  EXPECT_EQ(SettingsRecordSize(kTable), offsetof(Record, behind));
  Record r = Defaults();
  EXPECT_EQ(r.enable, 0u);
  EXPECT_EQ(r.level, 3u);
  EXPECT_EQ(std::u16string(r.name), u"none");
  EXPECT_FALSE(ReadSettings(nullptr, nullptr, kTable, &r));
  ConfigHandle* h = CreateXmlProfiles(0x01000D00);
  EXPECT_FALSE(ReadSettings(h, nullptr, nullptr, &r));
  EXPECT_FALSE(CommitSettings(h, nullptr, kTable, nullptr));
  ReleaseHandle(h);
}

TEST_P(ProfilesTest, RegistryReadsDefaultsThenTheProfileOverThem) {
  SetDword(u"Profiles", u"Enable", 1);
  SetDword(u"Default", u"Level", 7);
  SetDword(u"Profiles\\Kid", u"Enable", 1);
  SetText(u"Profiles\\Kid", u"Kid.Name", u"Anna");
  SetText(u"Profiles\\Kid", u"Level", u"9");  // wrong type: missing
  auto h = OpenRegistry();
  Record r = Defaults();
  bool any = false;
  EXPECT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &r, &any));
  EXPECT_TRUE(any);
  EXPECT_EQ(r.enable, 1u);
  EXPECT_EQ(r.level, 7u);
  EXPECT_EQ(std::u16string(r.name), u"Anna");

  SetText(u"Profiles\\Kid", u"Kid.Name", u"Maximilian");  // 10 characters: too long for 8
  r = Defaults();
  EXPECT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &r));
  EXPECT_EQ(std::u16string(r.name), u"none");
  EXPECT_FALSE(ReadSettings(h.get(), u"Missing", kTable, &r));
}

TEST_P(ProfilesTest, RegistryWritesOnlyWhatDiffersFromTheDefaultsOrIsAlreadyThere) {
  SetDword(u"Profiles", u"Enable", 1);
  auto h = OpenRegistry();
  Record r = Defaults();
  ASSERT_TRUE(CommitSettings(h.get(), u"Kid", kTable, &r));
  EXPECT_TRUE(HasValue(u"Profiles\\Kid", u"Enable"));  // always written
  EXPECT_FALSE(HasValue(u"Profiles\\Kid", u"Level"));  // equals its default
  EXPECT_FALSE(HasValue(u"Profiles\\Kid", u"Kid.Name"));

  SetDword(u"Profiles\\Kid", u"Level", 5);
  std::memcpy(r.name, u"\u00e9t\u00e9", 8);
  ASSERT_TRUE(CommitSettings(h.get(), u"Kid", kTable, &r));
  Record back = Defaults();
  ASSERT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &back));
  EXPECT_EQ(back.level, 3u);  // present already, so overwritten with the default
  EXPECT_EQ(std::u16string(back.name), u"\u00e9t\u00e9");
}

TEST(XmlSettings, WriteThenReadBackAndRefuseProfilesMarkedForDeletion) {
  ConfigHandle* h = CreateXmlProfiles(0x01000D01);
  h->flags |= kProfilesAlwaysOn;
  Record r = Defaults();
  r.enable = 1;
  ASSERT_TRUE(CommitSettings(h, u"Active", kTable, &r));  // the first profile counts as active
  ASSERT_TRUE(CommitSettings(h, u"Kid", kTable, &r));
  Record back;
  std::memset(&back, 0, sizeof back);
  ASSERT_TRUE(ReadSettings(h, u"Kid", kTable, &back));
  EXPECT_EQ(back.enable, 1u);
  EXPECT_EQ(back.level, 3u);
  EXPECT_EQ(std::u16string(back.name), u"none");
  EXPECT_FALSE(ReadSettings(h, u"Other", kTable, &back));  // reading creates nothing

  ASSERT_TRUE(DeleteProfile(h, u"Kid", true));
  EXPECT_FALSE(CommitSettings(h, u"Kid", kTable, &r));
  EXPECT_FALSE(ReadSettings(h, u"Kid", kTable, &back));
  // A table whose section asks for the marked profile may use it.
  const SettingsEntry marked[] = {
      SettingsSectionEntry(nullptr, nullptr,
                           u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#${PluginID}\\PROFILES\\"
                           u"NODE;NAME=${ProfileName};TYPE=SUBNODE;DELETE=1"),
      SettingsValueEntry(kSettingsDword, 0, 4, u"Enable"),
      SettingsEndEntry(),
  };
  EXPECT_TRUE(ReadSettings(h, u"Kid", marked, &back));
  EXPECT_FALSE(ReadSettings(h, u"Fresh", marked, &back));
  ReleaseHandle(h);
}

INSTANTIATE_PROFILE_TESTS(ProfilesTest);

}  // namespace

namespace {

// Texts at the field's capacity: "Name" holds 8 characters; a longer one is not read.
TEST_P(ProfilesTest, RegistryTextsFillTheirFieldsAndNeverPassThem) {
  SetDword(u"Profiles", u"Enable", 1);
  auto h = OpenRegistry();
  for (auto [stored, read] : {std::pair{u"Abcdefg", u"Abcdefg"}, {u"Abcdefgh", u"Abcdefgh"}, {u"Abcdefghi", u"none"}}) {
    SetText(u"Profiles\\Kid", u"Kid.Name", stored);
    Record r = Defaults();
    r.behind = u'!';
    ASSERT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &r));
    EXPECT_EQ(std::u16string(r.name, parental::common::BoundedLength(r.name, 9)), read);
    EXPECT_EQ(r.behind, u'!');
  }
}

TEST(XmlSettings, TextsFillTheirFieldsAndNeverPassThem) {
  ConfigHandle* h = CreateXmlProfiles(0x01000D01);
  h->flags |= kProfilesAlwaysOn;
  _XML_NODE* profile = GetProfileNode(h, u"Kid");
  for (auto [stored, read] : {std::pair{u"Abcdefgh", u"Abcdefgh"}, {u"Abcdefghi", u"none"}}) {
    const std::u16string name(stored);
    ASSERT_TRUE(SetValue(h->document, profile, u"Kid.Name", kTypeString, name.c_str(), (name.size() + 1) * 2));
    Record r = Defaults();
    r.behind = u'!';
    ASSERT_TRUE(ReadSettings(h, u"Kid", kTable, &r));
    EXPECT_EQ(std::u16string(r.name), read);  // a text that does not fit is not read
    EXPECT_EQ(r.behind, u'!');
  }
  ReleaseHandle(h);
}

}  // namespace
