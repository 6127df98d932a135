#include "ui/dialogs/web_page_exception.h"

#include "parental/url.h"
#include "ui/dialogs/typed_url.h"

namespace parental::corvui {

WebPageException::WebPageException(CConfigManagerRole& roles, CConfigManagerAccount::AccountMap accounts,
                                   platform::IAnsiCodePage& codePage)
    : roles_(roles), accounts_(std::move(accounts)), codePage_(codePage) {}

void WebPageException::ListAccounts(IAccountsService& service, const std::u16string& computerName) {
  entries_.clear();
  for (const auto& [sidText, entry] : accounts_) {
    Sid sid;
    std::u16string user, domain;
    if (!service.TextToSid(sidText, &sid) || !service.LookupName(sid, &user, &domain)) continue;
    entries_.push_back({sidText, domain == computerName ? user : domain + u"\\" + user, false});
  }
}

bool WebPageException::FindException(const std::u16string& sidText, const std::string& url, std::u16string* roleKey,
                                     std::u16string* id, bool* allowed) const {
  auto account = accounts_.find(sidText);
  if (account == accounts_.end()) return false;
  *roleKey = account->second.roleKey;
  const CConfigManagerRole::RoleList roles = roles_.GetRoles();
  if (!roles) return false;
  auto cell = roles->find(*roleKey);
  if (cell == roles->end() || !cell->second.role) return false;
  for (const core::RoleException& e : cell->second.role->Exceptions())
    if (e.url == url) {
      *id = e.id;
      *allowed = e.state == core::kAllowed;
      return true;
    }
  return false;
}

// The typed URL is compared in the normal form in which exceptions are held.
void WebPageException::FollowUrl(std::u16string_view url) {
  const std::string narrow = NormaliseUrl(codePage_.ToAnsi(url));
  std::u16string roleKey, id;
  for (AccountMark& entry : entries_) {
    bool allowed = false;
    if (FindException(entry.sidText, narrow, &roleKey, &id, &allowed)) entry.allowed = allowed;
  }
}

bool WebPageException::Toggle(int i) {
  if (i < 0 || i >= static_cast<int>(entries_.size())) return false;
  entries_[i].allowed = !entries_[i].allowed;
  return true;
}

bool WebPageException::Apply(std::u16string_view url) {
  if (!NamesWebPage(url)) return false;
  const std::string narrow = NormaliseUrl(codePage_.ToAnsi(url));
  // What was written, so that a refusal can take it back, last first (accounts may share a
  // role): an added exception goes again, a changed one gets its state back.
  struct Written {
    std::u16string roleKey, id;
    bool added;
    std::uint32_t state;  // before
  };
  std::vector<Written> written;
  for (const AccountMark& entry : entries_) {
    std::u16string roleKey, id;
    bool allowed = false;
    const std::uint32_t state = entry.allowed ? core::kAllowed : core::kBlocked;
    const bool found = FindException(entry.sidText, narrow, &roleKey, &id, &allowed);
    if (found && allowed == entry.allowed) continue;  // as it is already
    const bool done = found ? roles_.EditException(roleKey, id, narrow, state)
                            : roles_.AddNormalException(roleKey, narrow, state, &id);
    if (!done) {
      for (auto w = written.rbegin(); w != written.rend(); ++w) {
        if (w->added) roles_.RemoveException(w->roleKey, w->id);
        else roles_.EditException(w->roleKey, w->id, narrow, w->state);
      }
      return false;
    }
    written.push_back({std::move(roleKey), std::move(id), !found, allowed ? core::kAllowed : core::kBlocked});
  }
  return true;
}

}  // namespace parental::corvui
