// The engine simulator's log on the simulated computer: accounts named by their relative
// identifiers, judged against the configuration in the registry mirror while parental
// control is on.
#include <windows.h>
#include <sddl.h>

#include "common/text.h"
#include "computer/local_computer.h"
#include "engine/stored_roles.h"
#include "platform/registry_store.h"
#include "reference_host.h"

namespace host {

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
  return JudgeVisits(data_, ReadStoredRoles(parental::platform::DefaultRegistry()), modules_.parental == kStateOn, account);
}

}  // namespace host
