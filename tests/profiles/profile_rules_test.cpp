#include <string>
#include <vector>

#include "profiles/variables.h"
#include "support/registry_fixture.h"

using namespace parental::profiles;

namespace {

std::u16string Resolve(ConfigHandle* h, const char16_t* requested) {
  char16_t name[kProfileNameCapacity];
  ResolveProfileName(h, requested, name);
  return name;
}

std::vector<std::u16string> Profiles(ConfigHandle* h) {
  std::vector<std::u16string> names;
  char16_t name[kProfileNameCapacity];
  for (bool first = true; EnumerateProfiles(h, first, name); first = false) names.emplace_back(name);
  return names;
}

TEST(Variables, ExpandInPlaceAndCutWhatDoesNotFit) {
  char16_t text[64] = u"A\\${PluginID}\\B\\${PluginID}";
  EXPECT_TRUE(ExpandVariables(text, 64, PluginVariables(0x01000D00)));
  EXPECT_EQ(std::u16string(text), u"A\\01000D00\\B\\01000D00");
  // "x${N}y" expands to 12 characters: a capacity of 13 holds them, 12 cuts the value.
  for (std::size_t capacity : {14u, 13u, 12u}) {
    char16_t small[14] = u"x${N}y";
    EXPECT_EQ(ExpandVariables(small, capacity, u"${N}=0123456789|junk|=skip"), capacity > 12) << capacity;
    EXPECT_EQ(std::u16string(small), capacity > 12 ? u"x0123456789y" : u"x012345678y") << capacity;
  }
  // A value holding its own name is expanded once, not forever.
  std::u16string self = u"${P}/${P}";
  EXPECT_TRUE(ExpandVariables(&self, 256, u"${P}=<${P}>"));
  EXPECT_EQ(self, u"<${P}>/<${P}>");
  EXPECT_EQ(ProfileVariables(u"@default", u"${PluginID}=01000D01"),
            u"${ProfileName}=@default|${PluginID}=01000D01");
  EXPECT_EQ(ProfileVariables(std::u16string(300, u'x'), u"").size(), 255u);
}

TEST_P(ProfilesTest, DisabledProfilesAlwaysMeanTheDefaultProfile) {
  SetDword(u"Profiles\\Kid", u"Age", 9);
  auto h = OpenRegistry();
  ASSERT_TRUE(h);
  EXPECT_FALSE(IsProfilesEnabled(h.get()));  // no "Enable" value
  EXPECT_EQ(Resolve(h.get(), u"Kid"), u"@My profile");
  EXPECT_EQ(Profiles(h.get()), std::vector<std::u16string>{u"@My profile"});
  char16_t active[kProfileNameCapacity];
  EXPECT_TRUE(GetActiveProfile(h.get(), active));
  EXPECT_EQ(std::u16string(active), u"@My profile");
  h->flags |= kProfilesAlwaysOn;
  EXPECT_EQ(Resolve(h.get(), u"Kid"), u"Kid");
  EXPECT_EQ(Profiles(h.get()), std::vector<std::u16string>{u"Kid"});
  h->flags = kProfilesAlwaysOff;
  EXPECT_EQ(Resolve(h.get(), u"Kid"), u"@My profile");
}

TEST_P(ProfilesTest, EnabledProfilesResolveRequestedActiveOrFirstName) {
  SetDword(u"Profiles", u"Enable", 1);
  SetDword(u"Profiles\\B", u"X", 1);
  SetDword(u"Profiles\\A", u"X", 1);
  SetDword(u"Profiles\\" + std::u16string(100, u'0'), u"X", 1);  // too long for a profile: passed over
  auto h = OpenRegistry();
  ASSERT_TRUE(h);
  EXPECT_TRUE(IsProfilesEnabled(h.get()));
  EXPECT_EQ(Resolve(h.get(), nullptr), u"A");  // "Active" missing: the first one enumerated
  EXPECT_EQ(Resolve(h.get(), u""), u"A");
  EXPECT_EQ(Resolve(h.get(), u"a;b\"c#d'e\\f|g"), u"a b c d e f g");
  EXPECT_EQ(Resolve(h.get(), std::u16string(100, u'n').c_str()), std::u16string(80, u'n'));
  SetText(u"Profiles", u"Active", u"B");
  EXPECT_EQ(Resolve(h.get(), nullptr), u"B");
  // Enumerating for the active profile leaves the caller's enumeration where it was.
  char16_t name[kProfileNameCapacity];
  ASSERT_TRUE(EnumerateProfiles(h.get(), true, name));
  SetText(u"Profiles", u"Active", u"");
  EXPECT_EQ(Resolve(h.get(), nullptr), u"A");
  ASSERT_TRUE(EnumerateProfiles(h.get(), false, name));
  EXPECT_EQ(std::u16string(name), u"B");
  EXPECT_FALSE(EnumerateProfiles(h.get(), false, name));
  // A value of the wrong type counts as missing.
  SetText(u"Profiles", u"Enable", u"1");
  EXPECT_FALSE(IsProfilesEnabled(h.get()));
  EXPECT_TRUE(SetProfilesEnabled(h.get(), true));
  EXPECT_TRUE(IsProfilesEnabled(h.get()));
}

TEST_P(ProfilesTest, DeletingRemovesTheWholeProfileButNeverTheActiveOne) {
  SetDword(u"Profiles", u"Enable", 1);
  SetText(u"Profiles", u"Active", u"Keep");
  SetDword(u"Profiles\\Keep", u"X", 1);
  SetDword(u"Profiles\\Gone\\Exceptions\\Node_1", u"State", 1);
  auto h = OpenRegistry();
  ASSERT_TRUE(h);
  EXPECT_FALSE(DeleteProfile(h.get(), u"KEEP", false));
  EXPECT_TRUE(DeleteProfile(h.get(), u"Gone", false));
  EXPECT_EQ(Profiles(h.get()), std::vector<std::u16string>{u"Keep"});
  EXPECT_FALSE(DeleteProfile(h.get(), u"Gone", false));
}

TEST(XmlProfiles, ContainerProfileNodesAndDeletionMarks) {
  ConfigHandle* h = CreateXmlProfiles(0x01000D01);
  ASSERT_NE(h, nullptr);
  h->flags |= kProfilesAlwaysOn;
  _XML_NODE* a = GetProfileNode(h, u"@default");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(GetProfileNode(h, u"@DEFAULT"), a);
  EXPECT_EQ(ResolvePath(h->document, nullptr,
                        u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#01000D01\\PROFILES\\"
                        u"NODE;NAME=@default;TYPE=SUBNODE",
                        kPathFind),
            a);
  std::uint32_t v = 1;
  SetValue(h->document, a, u"X", kTypeDword, &v, 4);
  GetProfileNode(h, u"other");
  char16_t name[kProfileNameCapacity];
  std::vector<std::u16string> names;
  for (bool first = true; EnumerateProfiles(h, first, name); first = false) names.emplace_back(name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"@default", u"other"}));
  // The first profile counts as active, so it stays; the other is emptied or marked.
  EXPECT_FALSE(DeleteProfile(h, u"@default", true));
  EXPECT_TRUE(DeleteProfile(h, u"other", true));
  EXPECT_TRUE(DeleteProfile(h, u"gone", false));
  h->flags &= ~kHandleWritable;
  EXPECT_EQ(GetProfileNode(h, u"missing"), nullptr);

  std::string text(4096, '\0');
  std::uint64_t size = text.size();
  h->kind = kXmlToBufferHandle;
  h->outputBuffer = text.data();
  h->outputSize = &size;
  ReleaseHandle(h);
  text.resize(size - 1);
  EXPECT_NE(text.find("<NODE NAME=\"other\" TYPE=\"SUBNODE\" DELETE=\"1\" />"), std::string::npos) << text;
  EXPECT_NE(text.find("<NODE TYPE=\"SUBNODE\" NAME=\"gone\" />"), std::string::npos) << text;
  EXPECT_NE(text.find("<NODE NAME=\"X\" VALUE=\"1\" TYPE=\"DWORD\" />"), std::string::npos) << text;
}

TEST(XmlProfiles, NullHandlesAndDocumentsFailQuietly) {
  char16_t name[kProfileNameCapacity];
  EXPECT_EQ(OpenXmlProfiles(nullptr, 1), nullptr);
  EXPECT_FALSE(IsProfilesEnabled(nullptr));
  EXPECT_FALSE(SetProfilesEnabled(nullptr, true));
  EXPECT_FALSE(EnumerateProfiles(nullptr, true, name));
  EXPECT_FALSE(DeleteProfile(nullptr, u"x", true));
  EXPECT_EQ(GetProfileNode(nullptr, u"x"), nullptr);
  ResolveProfileName(nullptr, u"x", name);
  EXPECT_EQ(std::u16string(name), u"@My profile");
  EXPECT_TRUE(GetActiveProfile(nullptr, name));
  ReleaseHandle(nullptr);
}

INSTANTIATE_PROFILE_TESTS(ProfilesTest);

}  // namespace
