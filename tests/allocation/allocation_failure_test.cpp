// Every allocation fails once, in turn, while a document is built and written, an item
// list is read, and the configuration is loaded and saved: nothing crashes or leaks (the
// sanitizers), failures are reported, and nothing stored or held is lost.
#include <gtest/gtest.h>

#include <new>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/text.h"
#include "failing_allocator.h"
#include "model_host.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "platform/registry_values.h"
#include "items/export_list.h"
#include "store/xml_document.h"
#include "support/counting_guids.h"
#include "support/registry_fixture.h"
#include "support/xml_readers.h"

namespace {

using failing_allocator::ForEachAllocation;
using namespace parental::corvui;

const char16_t kProfile[] =
    u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#01000D01\\PROFILES\\NODE;NAME=Kid;TYPE=SUBNODE";

// What the document is built of, made before any allocation may fail.
struct Inputs {
  std::vector<std::u16string> names;
  std::u16string longText = std::u16string(3000, u'\u00e9');
  std::string text;  // with room for the written text
  Inputs() {
    for (int i = 0; i < 40; ++i) names.push_back(u"Value" + parental::common::FormatDecimal(std::uint64_t(i)));
    text.reserve(1 << 16);
  }
};

// Builds a document of every kind of value, large enough to grow the node pool, the value
// buffer and the writer's buffer; false at the first step that fails.
bool BuildAndWrite(XmlDocument* doc, Inputs& in) {
  _XML_NODE* profile = ResolvePath(doc, nullptr, kProfile, kPathFindOrCreate);
  if (!profile) return false;
  const std::uint8_t bytes[] = {1, 2, 3, 250};
  for (std::uint32_t i = 0; i < in.names.size(); ++i)
    if (!SetValue(doc, profile, in.names[i], kTypeDword, &i, 4)) return false;
  if (!SetValue(doc, profile, u"Text", kTypeString, in.longText.c_str(), (in.longText.size() + 1) * 2) ||
      !SetValue(doc, profile, u"Bytes", kTypeBinary, bytes, sizeof bytes) ||
      !SetValue(doc, profile, u"Secret", kTypePass, u"pass\u00df", 12) ||
      !ResolvePath(doc, profile, u"NODE;NAME=Exceptions;TYPE=SUBNODE", kPathAppend))
    return false;
  std::string_view text;
  if (!WriteGrowable(doc, GetRoot(doc), &text)) return false;
  in.text.assign(text);
  return true;
}

TEST(AllocationFailure, DocumentsReportEveryFailureAndStayUsable) {
  Inputs in;
  {
    XmlDocument* doc = CreateDocument();
    CreateRoot(doc);
    ASSERT_TRUE(BuildAndWrite(doc, in));
    CloseDocument(doc);
  }
  const std::string complete = in.text;
  const long runs = ForEachAllocation([&](long n) {
    in.text.clear();
    failing_allocator::FailAllocation(n);
    XmlDocument* doc = CreateDocument();
    bool built = false;
    try {
      built = doc && CreateRoot(doc) && BuildAndWrite(doc, in);
    } catch (const std::bad_alloc&) {
      ADD_FAILURE() << "an exception instead of a result at allocation " << n;
    }
    const bool failed = failing_allocator::Failed();
    failing_allocator::Stop();
    EXPECT_EQ(built, !failed) << "allocation " << n;
    if (built) EXPECT_EQ(in.text, complete);
    // The document stays usable: building again completes it.
    if (doc && (GetRoot(doc) || CreateRoot(doc))) {
      EXPECT_TRUE(BuildAndWrite(doc, in)) << "allocation " << n;
      host::XmlElement read;
      EXPECT_TRUE(xml_readers::ReadStrict(in.text, read)) << "allocation " << n;
    }
    CloseDocument(doc);
  });
  EXPECT_GT(runs, 10);
}

// A closed document's writer buffer (up to 8 MiB) serves the next one, which then writes
// without allocating, until it is freed, as the plug-in's unload frees it.
TEST(AllocationFailure, TheWritersSpareBufferIsReusedCappedAndFreed) {
  auto write = [](std::size_t units, bool failFirst) {  // about `units` bytes of text
    DocumentPtr doc{CreateDocument()};
    const std::u16string text(units, u'x');
    _XML_NODE* profile = CreateRoot(doc.get()) ? ResolvePath(doc.get(), nullptr, kProfile, kPathFindOrCreate) : nullptr;
    std::string_view written;
    if (!profile || !SetValue(doc.get(), profile, u"Text", kTypeString, text.c_str(), (text.size() + 1) * 2)) return false;
    if (failFirst) failing_allocator::FailAllocation(1);
    const bool done = WriteGrowable(doc.get(), GetRoot(doc.get()), &written);
    failing_allocator::Stop();
    return done;
  };
  ASSERT_TRUE(write(3 << 20, false));  // a 4 MiB buffer
  EXPECT_TRUE(write(3 << 20, true)) << "kept";
  FreeSpareWriterBuffer();
  EXPECT_FALSE(write(100, true)) << "freed";
  ASSERT_TRUE(write(9 << 20, false));  // 16 MiB
  EXPECT_FALSE(write(100, true)) << "above the cap: not kept";
}

class ItemListFailure : public ProfilesTest {
 protected:
  void SetUp() override {
    ProfilesTest::SetUp();
    for (int i = 1; i <= 5; ++i) {
      const std::u16string n = parental::common::FormatDecimal(i), key = u"Profiles\\Kid\\Exceptions\\Node_" + n;
      SetText(key, u"Url", u"site" + n + u".example/");
      SetText(key, u"AutomaticItemID", u"0000000" + n + u"-abcd-ef01-2345-6789abcdef01");
      SetDword(key, u"Priority", std::uint32_t(i));
    }
  }
};

TEST_P(ItemListFailure, AListReadsCompletelyOrReportsFailure) {
  auto urls = [](parental::shared::CExportConfigExceptionList& list) {
    std::u16string all;
    for (auto& item : list.Items()) all += item.GetText(0) ? item.GetText(0) : u"<none>", all += u" ";
    return all;
  };
  parental::shared::CExportConfigExceptionList full(kTestPlugin, *registry_);
  ASSERT_TRUE(full.ReadList(u"Kid"));
  const std::u16string expected = urls(full);
  const long runs = ForEachAllocation([&](long n) {
    parental::shared::CExportConfigExceptionList list(kTestPlugin, *registry_);
    failing_allocator::FailAllocation(n);
    bool read = false;
    try {
      read = list.ReadList(u"Kid");
    } catch (const std::bad_alloc&) {
    }
    const bool failed = failing_allocator::Failed();
    failing_allocator::Stop();
    EXPECT_EQ(read, !failed) << "allocation " << n;
    if (read) EXPECT_EQ(urls(list), expected) << "allocation " << n;
  });
  EXPECT_GT(runs, 10);
}

INSTANTIATE_PROFILE_TESTS(ItemListFailure);

// Every line of a model's description: roles with their parents, categories and
// exceptions, and accounts.
std::set<std::string> Lines(const std::string& description) {
  std::set<std::string> lines;
  std::istringstream in(description);
  for (std::string line; std::getline(in, line);) lines.insert(line);
  return lines;
}

class ConfigurationFailure : public testing::Test {
 protected:
  ConfigurationFailure() {
    host.hostAtWork = [](bool begins) {
      // The host's own work is not the plug-in's: its allocations never fail.
      static long depth = 0, paused = 0;
      if (begins && depth++ == 0) paused = failing_allocator::Pause();
      if (!begins && --depth == 0) failing_allocator::Resume(paused);
    };
  }
  std::unique_ptr<CParentalConfig> Load() {
    auto config = std::make_unique<CParentalConfig>(&host.engine, true, host.registry, service);
    config->Load(config->GetVariables());
    return config;
  }
  void MakeFamily(CParentalConfig& c) {
    CConfigManagerRole& roles = c.Roles();
    ASSERT_TRUE(roles.CreateRole(u"Family", u"", {}));
    roles.SetCategory(u"Family", 8, false);
    ASSERT_TRUE(roles.CreateAccountRole(u"anna", u"PC", u"Family", {}));
    ASSERT_TRUE(roles.CreateAccountRole(u"ben", u"PC", u"Family", {}));
    roles.SetCategory(u"PC.ben", 12, true);
    for (const char* url : {"games.example/", "chat.example/x"}) ASSERT_TRUE(roles.AddException(u"PC.ben", url, 1, nullptr));
    c.Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.anna", 1, 2010);
    c.Accounts().AddAccount(u"S-1-5-21-7-1002", u"PC.ben", 0, 2014);
  }
  // The family's changes of a second session.
  void Change(CParentalConfig& c) {
    CConfigManagerRole& roles = c.Roles();
    roles.SetCategory(u"Family", 8, true);
    roles.AddException(u"PC.ben", "new.example", 0, nullptr);
    roles.RemoveException(u"PC.ben", roles.Roles().at(u"PC.ben").role->Exceptions()[0].id);
    roles.DeleteRole(u"PC.anna");
    c.Accounts().RemoveAccount(u"S-1-5-21-7-1001");
    ASSERT_TRUE(roles.CreateAccountRole(u"cleo", u"PC", u"Family", {}));
    c.Accounts().AddAccount(u"S-1-5-21-7-1003", u"PC.cleo", 1, 2016);
    c.General().integrate = 1;
  }

  ModelHost host;
  CountingGuids guids;
  SubstituteAccounts service;
};

TEST_F(ConfigurationFailure, AFailedLoadNeverMakesASaveLoseStoredData) {
  {
    auto config = Load();
    MakeFamily(*config);
    ASSERT_TRUE(config->Save());
  }
  const std::string stored = DescribeModel(*Load());
  const long runs = ForEachAllocation([&](long n) {
    auto config = std::make_unique<CParentalConfig>(&host.engine, true, host.registry, service);
    const std::u16string variables = config->GetVariables();
    failing_allocator::FailAllocation(n);
    try {
      config->Load(variables.c_str());
    } catch (const std::bad_alloc&) {
      ADD_FAILURE() << "Load let an exception out at allocation " << n;
    }
    failing_allocator::Stop();
    // Whatever the load kept, saving it changes nothing stored.
    config->Save();
    EXPECT_EQ(DescribeModel(*Load()), stored) << "allocation " << n;
  });
  EXPECT_GT(runs, 10);
}

TEST_F(ConfigurationFailure, AFailedSaveReportsFailureKeepsTheModelAndLosesNothingStored) {
  std::string before, after, saved;
  {
    auto config = Load();
    MakeFamily(*config);
    ASSERT_TRUE(config->Save());
    before = DescribeModel(*config);
    Change(*config);
    after = DescribeModel(*config);
    ASSERT_TRUE(config->Save());
    saved = DescribeModel(*Load());
  }
  std::set<std::string> either = Lines(before);
  for (const std::string& line : Lines(after)) either.insert(line);
  const long runs = ForEachAllocation([&](long n) {
    ModelHost session;
    session.hostAtWork = host.hostAtWork;
    std::unique_ptr<CParentalConfig> config;
    {
      config = std::make_unique<CParentalConfig>(&session.engine, true, session.registry, service);
      config->Load(config->GetVariables());
      MakeFamily(*config);
      ASSERT_TRUE(config->Save());
      Change(*config);
    }
    failing_allocator::FailAllocation(n);
    bool done = false;
    try {
      done = config->Save();
    } catch (const std::bad_alloc&) {
      ADD_FAILURE() << "Save let an exception out at allocation " << n;
    }
    failing_allocator::Stop();
    // Some failures are absorbed (a sort without its scratch buffer): then all is saved.
    if (done) {
      EXPECT_FALSE(config->IsModified()) << "allocation " << n;
    } else {
      // The model holds what it held; only roles whose deletion was stored may be gone.
      const std::set<std::string> held = Lines(DescribeModel(*config));
      for (const std::string& line : held) EXPECT_EQ(Lines(after).count(line), 1u) << "allocation " << n;
      for (const std::string& line : Lines(saved)) EXPECT_EQ(held.count(line), 1u) << "allocation " << n;
      EXPECT_TRUE(config->IsModified()) << "allocation " << n;
    }
    auto stored = std::make_unique<CParentalConfig>(&session.engine, true, session.registry, service);
    stored->Load(stored->GetVariables());
    for (const std::string& line : Lines(DescribeModel(*stored)))
      EXPECT_EQ(either.count(line), 1u) << "allocation " << n << ": " << line;
    // Saved again, everything is stored.
    ASSERT_TRUE(config->Save()) << "allocation " << n;
    stored->Load(stored->GetVariables());
    EXPECT_EQ(DescribeModel(*stored), saved) << "allocation " << n;
  });
  EXPECT_GT(runs, 10);
}

}  // namespace
