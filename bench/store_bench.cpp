// Building and writing the role section of a large configuration: 500 role profiles with
// 10,000 URL exceptions in all, with our document and writer and, for comparison, with
// pugixml building and saving the same tree.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "items/export_list.h"
#include "profiles/settings_table.h"
#include "pugixml_support.h"
#include "ratio_reporter.h"

namespace {

using parental::common::FormatDecimal;
using parental::common::FormatHex;
using parental::common::ToUtf8;
using parental::shared::CExportConfigException;
using parental::shared::CExportConfigExceptionList;
using namespace parental::profiles;

constexpr int kRoles = 500;
constexpr int kExceptionsPerRole = 20;

struct RoleRecord {
  char16_t parent[81];
  char16_t accounts[1025];
  char16_t categories[1025];
};
const SettingsEntry kRoleTable[] = {
    SettingsSectionEntry(kRegistryDefaultsTemplate, kRegistryProfileTemplate, kXmlProfileTemplate),
    SettingsValueEntry(kSettingsString, offsetof(RoleRecord, parent), sizeof(RoleRecord::parent), u"ParentRole"),
    SettingsValueEntry(kSettingsString, offsetof(RoleRecord, accounts), sizeof(RoleRecord::accounts), u"Accounts"),
    SettingsValueEntry(kSettingsString, offsetof(RoleRecord, categories), sizeof(RoleRecord::categories),
                       u"Categories"),
    SettingsEndEntry(),
};

// The model as it stands before a save: one record and one exception list per role.
struct Role {
  std::u16string key;
  RoleRecord record{};
  std::unique_ptr<CExportConfigExceptionList> exceptions;
};

std::vector<Role> MakeRoles() {
  std::vector<Role> roles(kRoles);
  for (int r = 0; r < kRoles; ++r) {
    Role& role = roles[r];
    role.key = u"WORKGROUP.child" + FormatDecimal(r);
    parental::common::CopyText(role.record.parent, 81, r % 3 ? u"@default" : u"@teen");
    parental::common::CopyText(role.record.accounts, 1025,
                               u"S-1-5-21-3623811015-3361044348-30300820-" + FormatDecimal(1000 + r) + u"|2011|1");
    std::u16string categories;
    for (int c = 1; c <= 60; ++c) categories += FormatDecimal(c) + (c % 3 ? u":1," : u":2,");
    parental::common::CopyText(role.record.categories, 1025, categories);
    role.exceptions = std::make_unique<CExportConfigExceptionList>(0x01000D01);
    for (int e = 0; e < kExceptionsPerRole; ++e) {
      CExportConfigException item;
      const std::u16string url = u"www.site" + FormatDecimal(r * kExceptionsPerRole + e) + u".example.com/path?a=1&b=2";
      item.SetText(CExportConfigException::kUrl, url.c_str());
      item.SetNumber(CExportConfigException::kState, e % 2);
      item.SetNumber(CExportConfigException::kPriority, e);
      role.exceptions->Add(item);
    }
  }
  return roles;
}

const std::vector<Role>& Roles() {
  static const std::vector<Role> roles = MakeRoles();
  return roles;
}

// Builds the role section as the configuration object's save does.
XmlDocument* BuildRoleSection() {
  XmlDocument* doc = CreateDocument();
  CreateRoot(doc);
  ConfigHandle* h = OpenXmlProfiles(doc, 0x01000D01);
  h->flags |= kProfilesAlwaysOn;
  for (const Role& role : Roles()) {
    CommitSettings(h, role.key.c_str(), kRoleTable, &role.record);
    role.exceptions->WriteList(doc, role.key.c_str(), kHandleWritable | kProfilesAlwaysOn);
  }
  ReleaseHandle(h);
  return doc;
}

// Not inlined, so that profiles show each save on its own.
[[gnu::noinline]] std::size_t SaveWithOurDocument(std::string& out) {
  XmlDocument* doc = BuildRoleSection();
  std::string_view text;  // one pass into a buffer that grows
  WriteGrowable(doc, GetRoot(doc), &text);
  out.assign(text);
  CloseDocument(doc);
  return out.size();
}

// The two passes of the fixed mode: counting, then a pass into a buffer of that size.
[[gnu::noinline]] std::size_t SaveAsSubmission(std::string& out) {
  XmlDocument* doc = BuildRoleSection();
  std::size_t size = 0;
  CountDocument(doc, GetRoot(doc), &size);
  out.resize(size + 1);
  std::size_t capacity = out.size();
  WriteToBuffer(doc, GetRoot(doc), out.data(), &capacity);
  CloseDocument(doc);
  return size;
}

[[gnu::noinline]] std::size_t SaveWithPugixml(std::string& out) {
  pugi::xml_document doc;
  pugi::xml_node profiles = AppendProfiles(doc, "01000D01");
  for (const Role& role : Roles()) {
    AppendRoleProfile(profiles, role.key, role.record.parent, role.record.accounts, role.record.categories,
                      *role.exceptions);
  }
  return SaveToString(doc, out);
}

template <std::size_t (*Save)(std::string&)>
void BM_SaveRoles(benchmark::State& state) {
  Roles();
  std::string out;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = Save(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(std::int64_t(bytes) * state.iterations());
  state.SetItemsProcessed(std::int64_t(kRoles) * kExceptionsPerRole * state.iterations());
  state.counters["document_bytes"] = double(bytes);
}

BENCHMARK_TEMPLATE(BM_SaveRoles, SaveWithOurDocument)->Name("SaveRoles/ours")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_SaveRoles, SaveAsSubmission)->Name("SaveRoles/ours_two_passes")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_SaveRoles, SaveWithPugixml)->Name("SaveRoles/pugixml")->Unit(benchmark::kMillisecond);

}  // namespace

RATIO_BENCHMARK_MAIN({"SaveRoles/ours", "SaveRoles/pugixml"}, {"SaveRoles/ours_two_passes", "SaveRoles/pugixml"})
