#include "ui/dialogs/account_config_edit.h"

#include <algorithm>

#include "parental/url.h"

namespace parental::corvui {

AccountConfigEdit::AccountConfigEdit(CConfigManagerRole& roles, std::u16string roleKey,
                                     platform::IAnsiCodePage& codePage)
    : roles_(roles), roleKey_(std::move(roleKey)), codePage_(codePage) {}

bool AccountConfigEdit::TakeOpeningStates() {
  const CConfigManagerRole::RoleList roles = roles_.GetRoles();
  if (!roles) return false;
  auto cell = roles->find(roleKey_);
  if (cell == roles->end() || !cell->second.role) return false;
  core::RolePtr copy = cell->second.role->Clone();
  if (!copy) return false;
  opening_[roleKey_] = copy;
  return true;
}

bool AccountConfigEdit::OpeningStates(const std::vector<std::uint16_t>& gridIds, std::vector<bool>& checks,
                                      std::vector<ExceptionEntry>& entries) const {
  auto copy = opening_.find(roleKey_);
  if (copy == opening_.end()) return false;
  const core::CRole& role = *copy->second;
  checks.assign(gridIds.size(), false);
  for (std::size_t i = 0; i < gridIds.size(); ++i) {
    std::uint32_t state = core::kNotSet;
    checks[i] = role.GetCategory(gridIds[i], &state) && state == core::kAllowed;
  }
  entries.clear();
  for (const core::RoleException& e : role.Exceptions())
    if (e.state == core::kAllowed || e.state == core::kBlocked)
      entries.push_back({codePage_.FromAnsi(e.url), e.state == core::kAllowed, e.id});
  return true;
}

bool AccountConfigEdit::Write(const std::vector<std::uint16_t>& gridIds, const std::vector<bool>& checks,
                              const std::vector<ExceptionEntry>& entries) const {
  if (!opening_.count(roleKey_)) return false;
  for (std::size_t i = 0; i < gridIds.size() && i < checks.size(); ++i)
    roles_.SetCategory(roleKey_, gridIds[i], checks[i]);
  const CConfigManagerRole::RoleList roles = roles_.GetRoles();
  if (!roles) return true;
  auto cell = roles->find(roleKey_);
  if (cell == roles->end() || !cell->second.role) return true;
  // Removed and added again, so that new ids mark the role changed even when only the
  // order (which the role's fingerprint does not count) is new.
  const std::vector<core::RoleException> old = cell->second.role->Exceptions();
  for (const core::RoleException& e : old) roles_.RemoveException(roleKey_, e.id);
  for (const ExceptionEntry& entry : entries)
    roles_.AddNormalException(roleKey_, codePage_.ToAnsi(entry.url), entry.allowed ? core::kAllowed : core::kBlocked,
                              nullptr);
  return true;
}

bool ExceptionListEdit::Add(std::u16string_view text, bool allowed) {
  if (text.empty() || text == u"http://") return false;
  entries_.push_back({codePage_.FromAnsi(NormaliseUrl(codePage_.ToAnsi(text))), allowed, {}});
  return true;
}

int ExceptionListEdit::Move(int from, int to) {
  if (!Valid(from) || !Valid(to) || from == to) return -1;
  ExceptionEntry entry = std::move(entries_[from]);
  entries_.erase(entries_.begin() + from);
  entries_.insert(entries_.begin() + to, std::move(entry));
  return to;
}

bool ExceptionListEdit::Toggle(int i) {
  if (!Valid(i)) return false;
  entries_[i].allowed = !entries_[i].allowed;
  return true;
}

bool ExceptionListEdit::Remove(int i) {
  if (!Valid(i)) return false;
  entries_.erase(entries_.begin() + i);
  return true;
}

}  // namespace parental::corvui
