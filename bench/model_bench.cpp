// The configuration model on a large configuration: 500 roles, each with its account, all
// categories set and 20 URL exceptions (10,000 in all), in an in-memory registry mirror.
// Load, IsModified and Save, with IsModified beside one plain CRC-32 pass over the bytes
// its fingerprints cover, and Save beside pugixml building and writing the same document.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/crc32.h"
#include "common/text.h"
#include "parental/category_text.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "platform/memory_registry.h"
#include "pugixml_support.h"
#include "ratio_reporter.h"

namespace {

using namespace parental::corvui;
using parental::common::FormatDecimal;
using parental::common::FormatHex;
using parental::platform::IRegistryStore;
using parental::platform::MemoryRegistry;
using parental::platform::RegKey;

constexpr int kRoles = 500;
constexpr int kExceptionsPerRole = 20;
constexpr int kCategories = 46;
constexpr char16_t kProfiles[] = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D01\\Profiles\\";

void SetText(IRegistryStore& registry, RegKey key, const char16_t* name, const std::u16string& text) {
  registry.SetValue(key, name, parental::platform::kRegString, text.c_str(), std::uint32_t((text.size() + 1) * 2));
}
void SetDword(IRegistryStore& registry, RegKey key, const char16_t* name, std::uint32_t value) {
  registry.SetValue(key, name, parental::platform::kRegDword, &value, 4);
}

// The mirror as the host leaves it: every tenth role is the parent of the nine after it.
void Seed(IRegistryStore& registry) {
  const RegKey machine = registry.Root(parental::platform::RegRoot::LocalMachine);
  std::u16string categories;
  for (int c = 1; c <= kCategories; ++c) categories += (c > 1 ? u"|" : u"") + FormatDecimal(c) + (c % 3 ? u":1" : u":0");
  for (int r = 0; r < kRoles; ++r) {
    const std::u16string key = u"WORKGROUP.child" + FormatDecimal(r);
    parental::platform::ScopedKey profile(registry, registry.Create(machine, kProfiles + key));
    if (r % 10) SetText(registry, profile.get(), u"ParentRole", u"WORKGROUP.child" + FormatDecimal(r - r % 10));
    SetText(registry, profile.get(), u"Accounts",
            u"S-1-5-21-3623811015-3361044348-30300820-" + FormatDecimal(1000 + r) + u":1:2010");
    SetText(registry, profile.get(), u"Categories", categories);
    for (int e = 0; e < kExceptionsPerRole; ++e) {
      const std::uint32_t n = std::uint32_t(r * kExceptionsPerRole + e);
      parental::platform::ScopedKey item(registry, registry.Create(profile.get(), u"Exceptions\\Node_" + FormatHex(n, 8)));
      SetText(registry, item.get(), u"Url", u"www.site" + FormatDecimal(n) + u".example.com/path?a=1");
      SetDword(registry, item.get(), u"State", e % 2);
      SetDword(registry, item.get(), u"Priority", std::uint32_t(kExceptionsPerRole - e));
      SetText(registry, item.get(), u"AutomaticItemID", FormatHex(n, 8, false) + u"-abcd-ef01-2345-6789abcdef01");
    }
  }
}

struct Model {
  Model() : config(nullptr, true, registry, accounts) {
    Seed(registry);
    config.Load(config.GetVariables());
  }
  MemoryRegistry registry;
  SubstituteAccounts accounts;
  CParentalConfig config;
};

Model& Loaded() {
  static Model model;
  return model;
}

// What the fingerprints of IsModified cover, in one buffer.
std::vector<std::uint8_t> FingerprintedBytes(CParentalConfig& config) {
  std::vector<std::uint8_t> bytes;
  auto add = [&](const void* data, std::size_t size) {
    bytes.insert(bytes.end(), static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
  };
  auto text = [&](const std::u16string& t) { add(t.c_str(), (t.size() + 1) * 2); };
  add(&config.General(), sizeof(GeneralSettings));
  for (const auto& [key, cell] : config.Roles().Roles()) {
    text(cell.role->Name());
    text(cell.role->Parent() ? cell.role->Parent()->Name() : u"");
    for (const auto& [id, state] : cell.role->Categories()) add(&id, 2), add(&state, 4);
    for (const auto& e : cell.role->Exceptions()) text(e.id), add(e.url.c_str(), e.url.size() + 1), add(&e.state, 4);
  }
  for (const auto& [sid, entry] : config.Accounts().Accounts())
    text(entry.account->sidText), add(&entry.account->enabled, 4), add(&entry.account->birthYear, 4);
  return bytes;
}

void BM_Load(benchmark::State& state) {
  Model& model = Loaded();
  for (auto _ : state) model.config.Load(model.config.GetVariables());
  state.counters["roles"] = double(model.config.Roles().Roles().size());
  state.counters["accounts"] = double(model.config.Accounts().Accounts().size());
}

void BM_IsModified(benchmark::State& state) {
  Model& model = Loaded();
  for (auto _ : state) benchmark::DoNotOptimize(model.config.IsModified());
  if (model.config.IsModified()) state.SkipWithError("the loaded model counts as changed");
}

void BM_Crc32OfTheSameBytes(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = FingerprintedBytes(Loaded().config);
  for (auto _ : state) benchmark::DoNotOptimize(parental::common::Crc32(bytes.data(), bytes.size()));
  state.SetBytesProcessed(std::int64_t(bytes.size()) * state.iterations());
}

// Every role changed; without a host the submission fails, so nothing is taken as saved
// and every iteration builds and writes the whole document again.
void BM_Save(benchmark::State& state) {
  Model& model = Loaded();
  for (const auto& [key, cell] : model.config.Roles().Roles()) model.config.Roles().SetCategory(key, 1000, true);
  for (auto _ : state) benchmark::DoNotOptimize(model.config.Save());
  model.config.Load(model.config.GetVariables());
}

void BM_SaveWithPugixml(benchmark::State& state) {
  CParentalConfig& config = Loaded().config;
  std::string out;
  for (auto _ : state) {
    pugi::xml_document doc;
    pugi::xml_node profiles = AppendProfiles(doc, "01000D01");
    for (const auto& [key, cell] : config.Roles().Roles()) {
      RoleProfileRecord record{};
      config.Accounts().WriteAccounts(key, record);
      config.Roles().WriteRole(*cell.role, record, *config.ExceptionLists().at(key));
      AppendRoleProfile(profiles, key, record.parentRole, record.accounts, record.categories,
                        *config.ExceptionLists().at(key));
    }
    benchmark::DoNotOptimize(SaveToString(doc, out));
  }
  state.counters["document_bytes"] = double(out.size());
}

BENCHMARK(BM_Load)->Name("Model/Load")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsModified)->Name("Model/IsModified")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Crc32OfTheSameBytes)->Name("Model/Crc32OfTheSameBytes")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Name("Model/Save")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWithPugixml)->Name("Model/SaveWithPugixml")->Unit(benchmark::kMillisecond);

}  // namespace

RATIO_BENCHMARK_MAIN({"Model/IsModified", "Model/Crc32OfTheSameBytes"}, {"Model/Save", "Model/SaveWithPugixml"})
