#include <cstring>
#include <string>

#include "profiles/settings_table.h"
#include "common/text.h"
#include "platform/registry_values.h"
#include "store/scramble.h"
#include "support/registry_fixture.h"

using namespace parental::profiles;

namespace {

struct Limits {
  std::uint32_t depth;
};
struct Record {
  std::uint32_t enable;
  std::uint32_t level;
  char16_t name[9];
  char16_t secret[17];
  std::uint8_t blob[4];
  Limits limits;
};

const std::uint32_t kLevelDefault = 3;
const SettingsEntry kLimits[] = {
    SettingsValueEntry(kSettingsDword, offsetof(Limits, depth), 4, u"Depth"),
    SettingsEndEntry(),
};
const SettingsEntry kTable[] = {
    SettingsSectionEntry(kRegistryDefaultsTemplate, kRegistryProfileTemplate, kXmlProfileTemplate),
    SettingsValueEntry(kSettingsDword, offsetof(Record, enable), 4, u"Enable", nullptr, kAlwaysWrite),
    SettingsValueEntry(kSettingsDword, offsetof(Record, level), 4, u"Level", &kLevelDefault),
    SettingsValueEntry(kSettingsString, offsetof(Record, name), sizeof(Record::name), u"${ProfileName}.Name",
                       u"none"),
    SettingsValueEntry(kSettingsPass, offsetof(Record, secret), sizeof(Record::secret), u"Secret"),
    SettingsValueEntry(kSettingsBinary, offsetof(Record, blob), 4, u"Blob"),
    SettingsValueEntry(kSettingsDword, 0, 4, nullptr),  // no name: skipped
    SettingsNestedEntry(kLimits, offsetof(Record, limits)),
    SettingsEndEntry(),
};

Record Defaults() {
  Record r;
  std::memset(&r, 0xAB, sizeof r);
  ApplyDefaults(kTable, &r);
  return r;
}

TEST(SettingsTable, DefaultsAndRecordSize) {
  EXPECT_EQ(SettingsRecordSize(kTable), offsetof(Record, limits) + sizeof(Limits));
  Record r = Defaults();
  EXPECT_EQ(r.enable, 0u);
  EXPECT_EQ(r.level, 3u);
  EXPECT_EQ(std::u16string(r.name), u"none");
  EXPECT_EQ(r.secret[0], 0);
  EXPECT_EQ(r.blob[3], 0);
  EXPECT_EQ(r.limits.depth, 0u);
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
  SetDword(u"Profiles\\Kid", u"Depth", 4);
  SetText(u"Profiles\\Kid", u"Level", u"9");  // wrong type: missing
  auto h = OpenRegistry();
  Record r = Defaults();
  bool any = false;
  EXPECT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &r, &any));
  EXPECT_TRUE(any);
  EXPECT_EQ(r.enable, 1u);
  EXPECT_EQ(r.level, 7u);
  EXPECT_EQ(std::u16string(r.name), u"Anna");
  EXPECT_EQ(r.limits.depth, 4u);

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
  std::memcpy(r.secret, u"s3cr\u00e9t", 14);
  r.blob[0] = 1;
  ASSERT_TRUE(CommitSettings(h.get(), u"Kid", kTable, &r));
  Record back = Defaults();
  ASSERT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &back));
  EXPECT_EQ(back.level, 3u);  // present already, so overwritten with the default
  EXPECT_EQ(std::u16string(back.secret), u"s3cr\u00e9t");
  EXPECT_EQ(back.blob[0], 1);
  // The secret is stored scrambled, as binary.
  auto key = registry_->Open(Machine(), std::u16string(kPluginKey) + u"\\Profiles\\Kid", false);
  std::vector<std::uint8_t> stored;
  EXPECT_TRUE(parental::platform::ReadBinary(*registry_, key, u"Secret", 100, &stored));
  EXPECT_EQ(stored.size(), 12u);
  EXPECT_NE(std::memcmp(stored.data(), u"s3cr\u00e9t", 12), 0);
  registry_->Close(key);
}

TEST(XmlSettings, WriteThenReadBackAndRefuseProfilesMarkedForDeletion) {
  ConfigHandle* h = CreateXmlProfiles(0x01000D01);
  h->flags |= kProfilesAlwaysOn;
  Record r = Defaults();
  r.enable = 1;
  std::memcpy(r.secret, u"pw", 6);
  r.limits.depth = 2;
  ASSERT_TRUE(CommitSettings(h, u"Active", kTable, &r));  // the first profile counts as active
  ASSERT_TRUE(CommitSettings(h, u"Kid", kTable, &r));
  Record back;
  std::memset(&back, 0, sizeof back);
  ASSERT_TRUE(ReadSettings(h, u"Kid", kTable, &back));
  EXPECT_EQ(back.enable, 1u);
  EXPECT_EQ(back.level, 3u);
  EXPECT_EQ(std::u16string(back.name), u"none");
  EXPECT_EQ(std::u16string(back.secret), u"pw");
  EXPECT_EQ(std::memcmp(back.blob, r.blob, 4), 0);
  EXPECT_EQ(back.limits.depth, 2u);
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

// Texts at their fields' capacity: "Name" holds 8 characters, "Secret" 16; nothing read
// ever reaches the field behind (secret behind name, blob behind secret).
void StorePass(parental::platform::IRegistryStore& registry, parental::platform::RegKey key, std::u16string text) {
  ScrambleBytes(text.data(), text.size() * 2);
  registry.SetValue(key, u"Secret", parental::platform::kRegBinary, text.data(), std::uint32_t(text.size() * 2));
}

TEST_P(ProfilesTest, RegistryTextsFillTheirFieldsAndNeverPassThem) {
  SetDword(u"Profiles", u"Enable", 1);
  auto h = OpenRegistry();
  auto key = Key(u"Profiles\\Kid");
  const std::pair<std::u16string, std::u16string> names[] = {
      {u"Abcdefg", u"Abcdefg"}, {u"Abcdefgh", u"Abcdefgh"}, {u"Abcdefghi", u"none"}};  // 9: too long, missing
  const std::pair<std::u16string, std::u16string> secrets[] = {
      {std::u16string(15, u's'), std::u16string(15, u's')},
      {std::u16string(16, u's'), std::u16string(16, u's')},
      {std::u16string(17, u's'), std::u16string(16, u's')}};  // cut to the field
  for (int i = 0; i < 3; ++i) {
    SetText(u"Profiles\\Kid", u"Kid.Name", names[i].first);
    StorePass(*registry_, key, secrets[i].first);
    Record r = Defaults();
    std::memset(r.blob, 0x5A, sizeof r.blob);
    r.secret[0] = u'!';
    ASSERT_TRUE(ReadSettings(h.get(), u"Kid", kTable, &r)) << i;
    EXPECT_EQ(std::u16string(r.name, parental::common::BoundedLength(r.name, 9)), names[i].second) << i;
    EXPECT_EQ(std::u16string(r.secret, parental::common::BoundedLength(r.secret, 17)), secrets[i].second) << i;
    EXPECT_EQ(r.blob[0], 0x5A) << i;
  }
  registry_->Close(key);
}

TEST(XmlSettings, TextsFillTheirFieldsAndNeverPassThem) {
  ConfigHandle* h = CreateXmlProfiles(0x01000D01);
  h->flags |= kProfilesAlwaysOn;
  _XML_NODE* profile = GetProfileNode(h, u"Kid");
  const std::pair<std::u16string, bool> names[] = {{u"Abcdefgh", true}, {u"Abcdefghi", false}};
  const std::pair<std::u16string, bool> secrets[] = {{std::u16string(16, u's'), true},
                                                     {std::u16string(17, u's'), false}};
  for (int i = 0; i < 2; ++i) {
    const std::u16string& name = names[i].first;
    const std::u16string& secret = secrets[i].first;
    ASSERT_TRUE(SetValue(h->document, profile, u"Kid.Name", kTypeString, name.c_str(), (name.size() + 1) * 2));
    ASSERT_TRUE(SetValue(h->document, profile, u"Secret", kTypePass, secret.c_str(), (secret.size() + 1) * 2));
    Record r = Defaults();
    std::memset(r.blob, 0x5A, sizeof r.blob);
    ASSERT_TRUE(ReadSettings(h, u"Kid", kTable, &r)) << i;
    // A text that does not fit is not read: the field keeps what it held.
    EXPECT_EQ(std::u16string(r.name), names[i].second ? name : u"none") << i;
    EXPECT_EQ(std::u16string(r.secret), secrets[i].second ? secret : u"") << i;
    EXPECT_EQ(r.blob[0], 0x5A) << i;
  }
  ReleaseHandle(h);
}

}  // namespace
