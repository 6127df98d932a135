// The engine simulator's log on the simulated computer: accounts named by their relative
// identifiers, judged against the configuration in the registry mirror.
#include <windows.h>
#include <sddl.h>

#include "common/text.h"
#include "computer/local_computer.h"
#include "engine/stored_roles.h"
#include "platform/registry_store.h"
#include "reference_host.h"

namespace host {

namespace {
constexpr std::uint32_t kParentalModule = 0x2020001;
constexpr std::uint32_t kStateEnabled = 4;

// Whether the host's status table says that parental control is on.
bool FilteringOn(IHostServices& services) {
  const StatusTable* table = services.GetStatusTable();
  for (std::uint32_t i = 0; table && i < table->count; ++i) {
    if (table->entries[i].module == kParentalModule) return table->entries[i].state == kStateEnabled;
  }
  return table && table->fallback.state == kStateEnabled;
}
}  // namespace

std::vector<LogEntry> ReferenceHost::EngineLog() {
  LocalComputer computer;
  computer.Load(nullptr);
  auto account = [&computer](std::uint32_t rid, std::u16string& sid, std::u16string& name) {
    for (const ComputerAccount& candidate : computer.Accounts()) {
      wchar_t* text = nullptr;
      if (candidate.data.rid != rid || !ConvertSidToStringSidW(PSID(candidate.sid.data()), &text)) continue;
      sid = parental::common::AsText(text);
      LocalFree(text);
      name = parental::common::AsText(candidate.name.c_str());
      return true;
    }
    return false;
  };
  return JudgeVisits(data_, ReadStoredRoles(parental::platform::DefaultRegistry()), FilteringOn(services_), account);
}

}  // namespace host
