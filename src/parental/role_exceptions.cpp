#include "parental/role_exceptions.h"

#include <algorithm>
#include <vector>

#include "parental/url.h"
#include "platform/ansi_code_page.h"
#include "platform/guid_source.h"

namespace parental::corvui {
namespace {

using shared::CExportConfigException;

constexpr std::size_t kIdLength = 36;

// False when the item lacks its fields or could not keep the URL (memory ran out).
bool SetItemValues(CExportConfigException& item, const core::RoleException& e, std::uint32_t priority) {
  const std::u16string url = platform::DefaultAnsiCodePage().FromAnsi(StoredUrl(e.url));
  item.SetText(CExportConfigException::kUrl, url.c_str());
  item.SetNumber(CExportConfigException::kState, e.state ? 1 : 0);
  item.SetNumber(CExportConfigException::kPriority, priority);
  return item.NumberCount() == 2 && (url.empty() || item.GetText(CExportConfigException::kUrl));
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

bool WriteExceptions(const core::CRole& role, shared::CExportConfigExceptionList& list) {
  // The stored items by identifier (compared exactly; the first of equal ones counts),
  // sorted so that each exception finds its item by a binary search.
  using Stored = std::pair<std::u16string_view, CExportConfigException*>;
  std::vector<Stored> stored;
  stored.reserve(list.Items().GetCount());
  for (CExportConfigException& item : list.Items())
    if (const char16_t* id = item.GetIdentifier()) stored.emplace_back(id, &item);
  auto byId = [](const Stored& a, const Stored& b) { return a.first < b.first; };
  auto sameId = [](const Stored& a, const Stored& b) { return a.first == b.first; };
  std::stable_sort(stored.begin(), stored.end(), byId);
  stored.erase(std::unique(stored.begin(), stored.end(), sameId), stored.end());

  // New items are added after the walk: adding moves the items that `stored` points to.
  std::vector<CExportConfigException> added;
  std::uint32_t priority = 0;
  bool complete = true;
  for (const core::RoleException& e : role.Exceptions()) {
    ++priority;
    auto found = std::lower_bound(stored.begin(), stored.end(), Stored{e.id, nullptr}, byId);
    if (found != stored.end() && found->first == e.id && found->second) {
      complete = SetItemValues(*found->second, e, priority) && complete;
      found->second->SetDeleted(false);
      found->second = nullptr;  // taken
      continue;
    }
    CExportConfigException& item = added.emplace_back();
    if (!e.id.empty()) item.SetIdentifier(e.id.c_str());
    complete = SetItemValues(item, e, priority) && (e.id.empty() || item.GetIdentifier()) && complete;
    item.SetModified(true);
  }
  for (auto& [id, item] : stored)
    if (item) item->SetDeleted(true);
  if (!complete) return false;
  for (CExportConfigException& item : added)
    if (!list.Add(item)) return false;
  return true;
}

}  // namespace parental::corvui
