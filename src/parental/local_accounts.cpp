#include "parental/local_accounts.h"

#include <algorithm>

#include "common/text.h"
#include "frame/templates/plug.h"
#include "platform/ansi_code_page.h"

namespace parental::corvui {
namespace {

// Through the ANSI code page and back, as the picker's texts travel.
std::u16string ThroughAnsi(const std::u16string& text) {
  platform::IAnsiCodePage& page = platform::DefaultAnsiCodePage();
  return page.FromAnsi(page.ToAnsi(text));
}

}  // namespace

std::uint32_t ExcludedRelativeId(CPlug* engine) {
  static const std::uint32_t kInput[] = {24, 0x01000F00, 0x1F009, 0, 24, 0};
  std::uint32_t rid = 0;
  if (!engine || engine->PlugCall(kInnerExcludedRid, kInput, sizeof(kInput), &rid, sizeof(rid), nullptr) != kPlugOk)
    return 0;
  return rid;
}

bool CollectLocalAccounts(ILocalGroups& groups, IAccountsService& service, CPlug* engine,
                          std::vector<LocalAccount>& accounts, const std::u16string& computerName) {
  if (!groups.MembersAvailable()) return false;
  const std::vector<Sid> denied = groups.DenyLogonHolders();
  const std::uint32_t excluded = ExcludedRelativeId(engine);
  std::vector<GroupMember> members;
  for (BuiltinGroup group : kBuiltinGroups) {
    members.clear();
    if (!groups.GroupMembers(group, &members)) continue;
    for (const GroupMember& member : members) {
      if (member.usage != kSidUsageUser || std::find(denied.begin(), denied.end(), member.sid) != denied.end())
        continue;
      const std::size_t slash = member.qualifiedName.find(u'\\');
      if (slash == std::u16string::npos ||
          !common::EqualsNoCase(std::u16string_view(member.qualifiedName).substr(0, slash), computerName))
        continue;
      if (excluded != 0 && RelativeId(member.sid) == excluded) continue;
      if (groups.IsDisabled(member.qualifiedName.substr(slash + 1))) continue;
      const std::u16string sidText = service.SidToText(member.sid);
      if (sidText.empty() || std::any_of(accounts.begin(), accounts.end(), [&](const LocalAccount& a) { return a.sidText == sidText; }))
        continue;
      LocalAccount account;
      account.administrator = group == BuiltinGroup::Administrators;
      account.sidText = sidText;
      accounts.push_back(std::move(account));
    }
  }
  return true;
}

bool TakePickerSelection(IAccountsService& service, const std::vector<PickerItem>& selection, PickedAccount* picked) {
  if (selection.empty()) return false;
  for (const PickerItem& item : selection)
    if (item.attributes.size() != 1) return false;
  const PickerItem& first = selection.front();
  const auto& bytes = first.attributes.front();
  Sid sid;
  if (!bytes || !service.SidFromBytes(bytes->data(), bytes->size(), &sid)) return false;
  *picked = {service.SidToText(sid), ThroughAnsi(first.name), ThroughAnsi(first.objectClass), ThroughAnsi(first.path),
             ThroughAnsi(first.principalName)};
  return true;
}

}  // namespace parental::corvui
