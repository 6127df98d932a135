// The model through the reference host under Wine: a registry mirror seeded by
// parental-host.exe loads into the plug-in's private configuration; unchanged, a save
// rewrites no role; after changes made through the model, the submitted document (read
// by XmlLite) carries exactly them, the host applies it, the plug-in reloads on the
// notice and the model is what was saved; the host program then reports the mirror.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/text.h"
#include "frame/plugin/parental_plugin.h"
#include "model_host.h"
#include "platform/win32_registry.h"
#include "support/host_process.h"

namespace {

using namespace parental::corvui;
using parental::common::FormatDecimal;
using parental::common::ToUtf8;


std::string Value(const char* name, const char* type, const std::string& value) {
  return "<NODE NAME=\"" + std::string(name) + "\" VALUE=\"" + value + "\" TYPE=\"" + type + "\" />";
}

// Three children's roles below "Family" (one of them with twenty exceptions), each child's
// account in its role, and the general block.
std::string SeedRoles() {
  std::string profiles = "<NODE NAME=\"Family\" TYPE=\"SUBNODE\">" + Value("Categories", "STRING", "8:0|9:0|42:0") + "</NODE>";
  const char* children[] = {"anna", "ben", "cleo"};
  for (int c = 0; c < 3; ++c) {
    const std::string key = std::string("PC.") + children[c];
    profiles += "<NODE NAME=\"" + key + "\" TYPE=\"SUBNODE\">" + Value("ParentRole", "STRING", c == 2 ? "" : "Family") +
                Value("Accounts", "STRING", "S-1-5-21-7-7-7-100" + std::to_string(c + 1) + ":1:" + std::to_string(2008 + c)) +
                Value("Categories", "STRING", c ? "16:1|17:0" : "16:0");
    if (c == 1) {
      profiles += "<NODE NAME=\"Exceptions\" TYPE=\"SUBNODE\">";
      for (int e = 1; e <= 20; ++e)
        profiles += "<NODE NAME=\"Exceptions\" TYPE=\"SUBNODE\" DELETE=\"0\">" +
                    Value("Url", "STRING", "http://www.site" + std::to_string(e) + ".example/") +
                    Value("State", "DWORD", e % 4 ? "1" : "0") + Value("Priority", "DWORD", std::to_string(21 - e)) +
                    Value("AutomaticItemID", "STRING", "0000" + std::to_string(10 + e) + "-abcd-ef01-2345-6789abcdef01") +
                    "</NODE>";
      profiles += "</NODE>";
    }
    profiles += "</NODE>";
  }
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?><Corvid><SECTION ID=\"01000103\"><SETTINGS><PLUGINS>"
         "<PLUGIN ID=\"01000D01\"><PROFILES>" + profiles + "</PROFILES></PLUGIN></PLUGINS></SETTINGS></SECTION></Corvid>";
}

// The profile elements of a submitted document, by name.
std::vector<const host::XmlElement*> Profiles(const std::string& text) {
  static host::XmlElement root;
  root = {};
  std::vector<const host::XmlElement*> profiles;
  if (!ModelHost::ParseXml(text, root)) return profiles;
  const host::XmlElement* node = &root;
  for (int depth = 0; depth < 5 && !node->children.empty(); ++depth) node = &node->children[0];
  for (const host::XmlElement& profile : node->children) profiles.push_back(&profile);
  return profiles;
}

using ModelEndToEnd = MirrorTest;

TEST_F(ModelEndToEnd, SeededMirrorChangedThroughTheModelAndReloadedOnTheNotice) {
  const std::wstring seed = WriteTemp(L"parental-seed.xml", SeedRoles());
  ASSERT_EQ(RunHost(HOST_EXE, L"--section 01000D01 --apply \"" + seed + L"\"").status, 0u);
  ASSERT_EQ(RunHost(HOST_EXE, L"--apply \"" EXAMPLES L"\\general.xml\"").status, 0u);
  DeleteFileW(seed.c_str());

  parental::platform::Win32Registry mirror;
  ModelHost host(&mirror);
  auto* plugin = new CParentalPlugin;
  ASSERT_EQ(TemplateProcedure(plugin, 0, kCodeCreate, nullptr), kDone);
  CParentalConfig& model = *plugin->PrivateConfig();
  const std::string loaded = DescribeModel(model);
  EXPECT_NE(loaded.find("PC.anna <Family> 16:0\n"), std::string::npos) << loaded;
  EXPECT_NE(loaded.find("[site20.example/ block] [site19.example/ allow]"), std::string::npos) << "by priority";
  EXPECT_NE(loaded.find("S-1-5-21-7-7-7-1003 in PC.cleo 1 2010"), std::string::npos);
  EXPECT_EQ(model.General().integrate, 1u);
  EXPECT_FALSE(model.IsModified());

  ASSERT_TRUE(model.Save());
  ASSERT_EQ(host.submittedSections, std::vector<std::uint32_t>{ROLES_SECTION_ID});
  EXPECT_TRUE(Profiles(host.submittedTexts[0]).empty()) << host.submittedTexts[0];

  // An account added with its role, a role deleted, categories, exceptions added, edited,
  // removed and reordered.
  CConfigManagerRole& roles = model.Roles();
  ASSERT_TRUE(roles.CreateAccountRole(u"dora", u"PC", u"Family", {}));
  ASSERT_TRUE(model.Accounts().AddAccount(u"S-1-5-21-7-7-7-1004", u"PC.dora", 1, 2015));
  ASSERT_TRUE(roles.DeleteRole(u"PC.anna") && model.Accounts().RemoveAccount(u"S-1-5-21-7-7-7-1001"));
  roles.SetCategory(u"PC.cleo", 42, false);
  auto& ben = *roles.Roles().at(u"PC.ben").role;
  auto exceptions = ben.Exceptions();
  std::reverse(exceptions.begin(), exceptions.end());
  ben.SetExceptions(exceptions);
  ASSERT_TRUE(roles.RemoveException(u"PC.ben", exceptions[0].id));
  ASSERT_TRUE(roles.EditException(u"PC.ben", exceptions[1].id, "site2.example/edited", 0));
  ASSERT_TRUE(roles.AddException(u"PC.ben", "https://www.new.example:8443/x", 1, nullptr));
  host.submittedTexts.clear();
  ASSERT_TRUE(model.Save());
  EXPECT_FALSE(model.IsModified());
  const std::string saved = DescribeModel(model);

  std::map<std::string, const host::XmlElement*> written;
  for (const host::XmlElement* p : Profiles(host.submittedTexts[0])) written[ToUtf8(*p->Attribute(u"NAME"))] = p;
  EXPECT_EQ(written.size(), 4u) << host.submittedTexts[0];
  ASSERT_TRUE(written.count("PC.anna") && written["PC.anna"]->Attribute(u"DELETE"));
  EXPECT_EQ(*written["PC.anna"]->Attribute(u"DELETE"), u"1");
  EXPECT_EQ(written.count("Family"), 0u) << "unchanged roles are not rewritten";
  ASSERT_TRUE(written.count("PC.ben"));
  const host::XmlElement& list = written["PC.ben"]->children.back();
  std::size_t deleted = 0, second = 0;
  for (const host::XmlElement& item : list.children) {
    deleted += *item.Attribute(u"DELETE") == u"1";
    for (const host::XmlElement& value : item.children)
      if (*value.Attribute(u"NAME") == u"Url" && *value.Attribute(u"VALUE") == u"site2.example/edited") second = 1;
  }
  EXPECT_EQ(list.children.size(), 21u);
  EXPECT_EQ(deleted, 1u);
  EXPECT_EQ(second, 1u);

  host.DeliverNotices(plugin);  // the plug-in reloads its private configuration
  EXPECT_EQ(DescribeModel(model), saved);
  plugin->Release();

  HostRun report = RunHost(HOST_EXE, L"");
  EXPECT_EQ(report.status, 0u);
  EXPECT_EQ(report.Count("PC.anna"), 0u) << report.output;
  EXPECT_EQ(report.Count("PC.dora\\"), 1u) << report.output;
  EXPECT_NE(report.output.find("site2.example/edited"), std::string::npos);
}

}  // namespace
