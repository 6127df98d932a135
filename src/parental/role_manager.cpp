#include "parental/role_manager.h"

#include <algorithm>
#include <cstring>

#include "common/text.h"
#include "frame/templates/plug.h"
#include "parental/category_text.h"
#include "parental/engine_blocks.h"
#include "parental/role_exceptions.h"
#include "parental/url.h"
#include "profiles/config_handle.h"

namespace parental::corvui {
namespace {

using core::CRole;
using core::RolePtr;

std::size_t TemplateBlockSize(const std::uint8_t* header) {
  std::uint32_t size;
  std::memcpy(&size, header, 4);
  return size;
}

std::uint32_t MeanAge(const CRole& role) {
  const std::uint32_t top = role.MaxAge() < role.MinAge() ? role.MinAge() : role.MaxAge();
  return (role.MinAge() + top) / 2;
}

}  // namespace

CConfigManagerRole::CConfigManagerRole(CPlug* engine) : defaultRole_(RolePtr::Make(kDefaultRoleKey)), engine_(engine) {}

CConfigManagerRole::~CConfigManagerRole() { ReleaseRoles(); }

void CConfigManagerRole::ReleaseRoles() {
  for (auto& [key, cell] : roles_)
    if (cell.role) cell.role->SetParent({});
  for (Pending& p : pending_) p.role->SetParent({});
  if (defaultRole_) defaultRole_->SetParent({});
}

bool CConfigManagerRole::Clear() {
  if (IsReloading()) return false;
  ReleaseRoles();
  roles_.clear();
  pending_.clear();
  defaultRole_ = RolePtr::Make(kDefaultRoleKey);
  return true;
}

void CConfigManagerRole::BeginReload() {
  loadFlags_ |= kReloading;
  pending_.clear();
}

RolePtr CConfigManagerRole::RoleFromRecord(const std::u16string& key, const RoleProfileRecord& record,
                                           shared::CExportConfigExceptionList& list) const {
  RolePtr role = RolePtr::Make(key);
  if (!role) return role;
  role->SetCategories(ParseCategories(
      std::u16string_view(record.categories, common::BoundedLength(record.categories, kProfileTextCapacity))));
  ReadExceptions(list, *role);
  return role;
}

bool CConfigManagerRole::SetDefaultRole(const RoleProfileRecord& record, shared::CExportConfigExceptionList& list) {
  RolePtr role = RoleFromRecord(kDefaultRoleKey, record, list);
  if (!role) return false;
  defaultRole_ = role;
  return true;
}

bool CConfigManagerRole::LoadRole(const std::u16string& key, const RoleProfileRecord& record,
                                  shared::CExportConfigExceptionList& list) {
  auto existing = roles_.find(key);
  if (existing != roles_.end() && existing->second.state != RoleState::Deleted) return false;
  RolePtr role = RoleFromRecord(key, record, list);
  if (!role) return false;
  // Roles are loaded under the names their profiles are stored under: so is the parent.
  char16_t storedParent[kRoleKeyCapacity];
  common::CopyText(storedParent, kRoleKeyCapacity,
                   std::u16string_view(record.parentRole, common::BoundedLength(record.parentRole, kRoleKeyCapacity)));
  profiles::SanitiseProfileName(storedParent);
  const std::u16string parentKey(storedParent);
  if (!parentKey.empty()) {
    auto parent = roles_.find(parentKey);
    if (parent != roles_.end()) {
      role->SetParent(parent->second.role);
    } else if (IsReloading()) {
      pending_.push_back({role, parentKey});
    } else {
      return false;
    }
  }
  roles_[key] = {RoleState::Unchanged, role};
  return true;
}

bool CConfigManagerRole::ResolvePending() {
  if (!IsReloading()) return pending_.empty();
  bool all = true;
  for (Pending& p : pending_) {
    auto parent = roles_.find(p.parentKey);
    if (parent != roles_.end()) {
      p.role->SetParent(parent->second.role);
    } else {
      p.role->SetUnresolvedParent(p.parentKey);  // kept, so that saving does not lose it
      all = false;
    }
  }
  loadFlags_ = 0;
  pending_.clear();
  return all;
}

bool CConfigManagerRole::IsModified() const {
  for (const auto& [key, cell] : roles_) {
    if (cell.state == RoleState::New || cell.state == RoleState::Deleted) return true;
    if (cell.role->Fingerprint() != cell.role->Snapshot()) return true;
  }
  return false;
}

void CConfigManagerRole::Commit(const std::vector<std::u16string>& unsaved) {
  for (auto it = roles_.begin(); it != roles_.end();) {
    if (std::find(unsaved.begin(), unsaved.end(), it->first) != unsaved.end()) {
      ++it;
    } else if (it->second.state == RoleState::Deleted) {
      it = roles_.erase(it);
    } else {
      it->second.state = RoleState::Unchanged;
      it->second.role->SetSnapshot(it->second.role->Fingerprint());
      ++it;
    }
  }
}

CConfigManagerRole::RoleList CConfigManagerRole::GetRoles() const {
  RoleList list = RoleList::Make(roles_);
  if (!list) return list;
  RoleList templates = GetPredefinedRoles(0);
  if (templates)
    for (auto& [key, cell] : *templates) (*list)[key] = cell;
  return list;
}

CConfigManagerRole::RoleList CConfigManagerRole::GetPredefinedRoles(int variant) const {
  RoleList list = RoleList::Make();
  EngineAnswer answer;
  if (!list || !AskEngine(engine_, variant ? kInnerGroupRoles : kInnerTemplateRoles, kEngineHeaderSize,
                          &TemplateBlockSize, &answer))
    return list;
  for (RolePtr& role : ReadTemplateRoleBlock(answer.buffer.data(), answer.returned))
    (*list)[role->Name()] = {RoleState::Predefined, role};
  return list;
}

RolePtr CConfigManagerRole::CreateRole(const std::u16string& key, const std::u16string& parentKey,
                                       const RolePtr& source) {
  const RolePtr& from = source ? source : defaultRole_;
  RolePtr clone = from ? from->Clone() : RolePtr();
  if (!clone) return clone;
  auto parent = roles_.find(parentKey);
  clone->SetParent(parent != roles_.end() ? parent->second.role : RolePtr());
  clone->SetName(key);
  auto [it, inserted] = roles_.try_emplace(key, _TSRoleCell{RoleState::New, clone});
  if (!inserted) {
    if (it->second.state != RoleState::Deleted) return {};
    it->second = {RoleState::Unchanged, clone};  // snapshot 0: the next save rewrites it
  }
  return clone;
}

RolePtr CConfigManagerRole::CreateAccountRole(const std::u16string& user, const std::u16string& domain,
                                              const std::u16string& parentKey, const RolePtr& source) {
  return CreateRole(domain + u"." + user, parentKey, source);
}

bool CConfigManagerRole::DeleteRole(const std::u16string& key) {
  auto it = roles_.find(key);
  if (it == roles_.end()) return false;
  it->second.state = RoleState::Deleted;
  return true;
}

bool CConfigManagerRole::CopyRole(const std::u16string& key, const RolePtr& source) {
  auto it = roles_.find(key);
  if (it == roles_.end() || !source) return false;
  CRole& role = *it->second.role;
  role.SetParent(source->Parent());
  if (!source->Parent()) role.SetUnresolvedParent(source->UnresolvedParent());
  role.SetCategories(source->Categories());
  role.SetExceptions(source->Exceptions());
  return true;
}

CRole* CConfigManagerRole::EditableRole(const std::u16string& key) const {
  auto it = roles_.find(key);
  return it == roles_.end() || it->second.state == RoleState::Deleted ? nullptr : it->second.role.get();
}

bool CConfigManagerRole::SetCategory(const std::u16string& key, std::uint16_t id, bool allowed) {
  CRole* role = EditableRole(key);
  if (!role) return false;
  role->SetCategory(id, allowed ? core::kAllowed : core::kBlocked);
  return true;
}

bool CConfigManagerRole::AddException(const std::u16string& key, const std::string& url, std::uint32_t state,
                                      std::u16string* newId) {
  return AddNormalException(key, NormaliseUrl(url), state, newId);
}

bool CConfigManagerRole::AddNormalException(const std::u16string& key, std::string url, std::uint32_t state,
                                            std::u16string* newId) {
  CRole* role = EditableRole(key);
  if (!role) return false;
  std::u16string id = NewExceptionId();
  if (id.empty()) return false;
  if (newId) *newId = id;
  return role->AppendException({std::move(id), std::move(url), state ? 1u : 0u});
}

bool CConfigManagerRole::EditException(const std::u16string& key, const std::u16string& id, const std::string& url,
                                       std::uint32_t state) {
  CRole* role = EditableRole(key);
  return role && role->EditException(id, url, state ? 1u : 0u);
}

bool CConfigManagerRole::RemoveException(const std::u16string& key, const std::u16string& id) {
  CRole* role = EditableRole(key);
  return role && role->RemoveException(id);
}

bool CConfigManagerRole::ReplaceExceptions(const std::u16string& key, std::vector<core::RoleException> exceptions) {
  CRole* role = EditableRole(key);
  if (!role) return false;
  role->SetExceptions(std::move(exceptions));
  return true;
}

const core::RoleException* CConfigManagerRole::FindException(const std::u16string& key,
                                                            const std::u16string& id) const {
  const CRole* role = EditableRole(key);
  return role ? role->FindException(id) : nullptr;
}

bool CConfigManagerRole::WriteRole(const CRole& role, RoleProfileRecord& record,
                                   shared::CExportConfigExceptionList& list) const {
  const std::u16string categories = FormatCategories(role.Categories());
  if (categories.size() >= kProfileTextCapacity) return false;
  common::CopyText(record.categories, kProfileTextCapacity, categories);
  // The parent as its profile is named, so that the link holds when both are loaded again.
  if (role.Parent()) {
    common::CopyText(record.parentRole, kRoleKeyCapacity, role.Parent()->Name());
    profiles::SanitiseProfileName(record.parentRole);
  } else {
    common::CopyText(record.parentRole, kRoleKeyCapacity, role.UnresolvedParent());  // stored as read
  }
  return WriteExceptions(role, list);
}

int CConfigManagerRole::CompareRoles(const CRole& a, const CRole& b) {
  const std::uint32_t meanA = MeanAge(a), meanB = MeanAge(b);
  if (meanA != meanB) return meanA > meanB ? -1 : 1;
  const int names = a.Name().compare(b.Name());
  return names < 0 ? -1 : names > 0 ? 1 : 0;
}

}  // namespace parental::corvui
