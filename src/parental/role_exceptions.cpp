#include "parental/role_exceptions.h"

#include <algorithm>
#include <map>
#include <vector>

#include "parental/url.h"
#include "platform/ansi_code_page.h"
#include "platform/guid_source.h"

namespace parental::corvui {
namespace {

using shared::CExportConfigException;

constexpr std::size_t kIdLength = 36;

void SetItemValues(CExportConfigException& item, const core::RoleException& e, std::uint32_t priority) {
  const std::u16string url = platform::DefaultAnsiCodePage().FromAnsi(e.url);
  item.SetText(CExportConfigException::kUrl, url.c_str());
  item.SetNumber(CExportConfigException::kState, e.state ? 1 : 0);
  item.SetNumber(CExportConfigException::kPriority, priority);
}

}  // namespace

std::u16string NewExceptionId() {
  platform::Guid guid;
  if (!platform::DefaultGuidSource().NewGuid(&guid)) return {};
  std::u16string id = platform::FormatGuid(guid);
  return id.size() == kIdLength ? id : std::u16string();
}

void ReadExceptions(shared::CExportConfigExceptionList& list, core::CRole& role) {
  std::vector<CExportConfigException*> items;
  for (CExportConfigException& item : list.Items()) items.push_back(&item);
  std::stable_sort(items.begin(), items.end(), [](CExportConfigException* a, CExportConfigException* b) {
    return a->GetNumber(CExportConfigException::kPriority) < b->GetNumber(CExportConfigException::kPriority);
  });
  for (CExportConfigException* item : items) {
    const char16_t* id = item->GetIdentifier();
    const char16_t* url = item->GetText(CExportConfigException::kUrl);
    if (!id || !url) continue;
    const std::string narrow = platform::DefaultAnsiCodePage().ToAnsi(url);
    role.AppendException({id, NormaliseUrl(narrow), item->GetNumber(CExportConfigException::kState) ? 1u : 0u});
  }
}

void WriteExceptions(const core::CRole& role, shared::CExportConfigExceptionList& list) {
  std::map<std::u16string, CExportConfigException*> stored;
  for (CExportConfigException& item : list.Items())
    if (const char16_t* id = item.GetIdentifier()) stored.emplace(id, &item);

  // New items are added after the walk: adding moves the items that `stored` points to.
  std::vector<CExportConfigException> added;
  std::uint32_t priority = 0;
  for (const core::RoleException& e : role.Exceptions()) {
    ++priority;
    auto found = stored.find(e.id);
    if (found != stored.end()) {
      SetItemValues(*found->second, e, priority);
      found->second->SetDeleted(false);
      stored.erase(found);
      continue;
    }
    CExportConfigException& item = added.emplace_back();
    if (!e.id.empty()) item.SetIdentifier(e.id.c_str());
    SetItemValues(item, e, priority);
    item.SetModified(true);
  }
  for (auto& [id, item] : stored) item->SetDeleted(true);
  for (CExportConfigException& item : added) list.Add(item);
}

}  // namespace parental::corvui
