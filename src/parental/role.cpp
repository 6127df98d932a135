#include "parental/role.h"

#include <algorithm>

#include "common/crc32.h"

namespace parental::core {
namespace {

using common::Crc32;
using common::Crc32Update;

std::uint32_t AddText(std::uint32_t crc, const std::u16string& text) {
  return Crc32Update(crc, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

// The distinct values in ascending order, each as 4 little-endian bytes.
std::uint32_t AddSortedSet(std::uint32_t crc, std::vector<std::uint32_t>& values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return Crc32Update(crc, values.data(), values.size() * sizeof(std::uint32_t));
}

}  // namespace

std::uint32_t& CategoryStates::operator[](std::uint16_t id) {
  if (entries_.empty() || entries_.back().first < id) return entries_.emplace_back(id, 0).second;
  auto at = std::lower_bound(entries_.begin(), entries_.end(), id,
                             [](const Entry& e, std::uint16_t key) { return e.first < key; });
  if (at == entries_.end() || at->first != id) at = entries_.emplace(at, id, 0);
  return at->second;
}

const std::uint32_t* CategoryStates::Find(std::uint16_t id) const {
  auto at = std::lower_bound(entries_.begin(), entries_.end(), id,
                             [](const Entry& e, std::uint16_t key) { return e.first < key; });
  return at != entries_.end() && at->first == id ? &at->second : nullptr;
}

RolePtr CRole::Clone() const {
  RolePtr copy = RolePtr::Make(name_);
  if (!copy) return copy;
  copy->parent_ = parent_;
  copy->unresolvedParent_ = unresolvedParent_;
  copy->categories_ = categories_;
  copy->exceptions_ = exceptions_;
  return copy;
}

bool CRole::GetCategory(std::uint16_t id, std::uint32_t* state) const {
  std::vector<const CRole*> asked;
  for (const CRole* role = this; role; role = role->parent_.get()) {
    if (std::find(asked.begin(), asked.end(), role) != asked.end()) break;
    asked.push_back(role);
    const std::uint32_t* own = role->categories_.Find(id);
    if (own && *own != kNotSet) {
      if (state) *state = *own;
      return true;
    }
  }
  return false;
}

const RoleException* CRole::FindException(std::u16string_view id) const {
  for (const RoleException& e : exceptions_)
    if (e.id == id) return &e;
  return nullptr;
}

bool CRole::AppendException(RoleException exception) {
  if (FindException(exception.id)) return false;
  exceptions_.push_back(std::move(exception));
  return true;
}

bool CRole::EditException(std::u16string_view id, std::string url, std::uint32_t state) {
  auto* e = const_cast<RoleException*>(FindException(id));
  if (!e || (e->url == url && e->state == state)) return false;
  e->url = std::move(url);
  e->state = state;
  return true;
}

bool CRole::RemoveException(std::u16string_view id) {
  auto it = std::find_if(exceptions_.begin(), exceptions_.end(), [&](const RoleException& e) { return e.id == id; });
  if (it == exceptions_.end()) return false;
  exceptions_.erase(it);
  return true;
}

std::uint32_t CRole::Fingerprint() const {
  std::vector<std::uint32_t> parts;
  std::uint32_t crc = AddText(0, name_);
  crc = AddText(crc, parent_ ? parent_->name_ : unresolvedParent_);
  parts.clear();
  for (const auto& [id, state] : categories_) {
    std::uint8_t bytes[6] = {std::uint8_t(id), std::uint8_t(id >> 8), std::uint8_t(state), std::uint8_t(state >> 8),
                             std::uint8_t(state >> 16), std::uint8_t(state >> 24)};
    parts.push_back(Crc32(bytes, sizeof(bytes)));
  }
  crc = AddSortedSet(crc, parts);
  parts.clear();
  for (const RoleException& e : exceptions_) {
    std::uint32_t part = AddText(0, e.id);
    part = Crc32Update(part, e.url.c_str(), e.url.size() + 1);
    parts.push_back(Crc32Update(part, &e.state, sizeof(e.state)));
  }
  return AddSortedSet(crc, parts);
}

}  // namespace parental::core
