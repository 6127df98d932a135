#include "ui/dialogs/account_config_edit.h"

#include <algorithm>

#include "parental/role_exceptions.h"
#include "parental/url.h"
#include "ui/dialogs/typed_url.h"

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
  if (!opening_.count(roleKey_)) return true;  // no role was shown: nothing to write
  // Every entry gets a new id, so that a new order (which the role's fingerprint does not
  // count) marks the role changed. The ids are made before anything changes: without one
  // the role keeps its exceptions and categories.
  std::vector<core::RoleException> exceptions;
  for (const ExceptionEntry& entry : entries) {
    std::u16string id = NewExceptionId();
    if (id.empty()) return false;
    exceptions.push_back({std::move(id), codePage_.ToAnsi(entry.url), entry.allowed ? core::kAllowed : core::kBlocked});
  }
  if (!roles_.ReplaceExceptions(roleKey_, std::move(exceptions))) return false;
  for (std::size_t i = 0; i < gridIds.size() && i < checks.size(); ++i)
    roles_.SetCategory(roleKey_, gridIds[i], checks[i]);
  return true;
}

bool ExceptionListEdit::Add(std::u16string_view text, bool allowed) {
  if (!NamesWebPage(text)) return false;
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
