#pragma once
// All roles of the loaded configuration: the default role "@default", the roles read from
// profiles or created since, each with its state since the last load or save, and the
// template roles that the engine offers. The pages change roles through it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "items/export_list.h"
#include "parental/profile_records.h"
#include "parental/role.h"

class CPlug;

namespace parental::corvui {

enum class RoleState : std::uint32_t {
  Unchanged = 0,   // as loaded or saved
  New = 1,         // added since
  Deleted = 2,     // marked for deletion
  Predefined = 3,  // a template role of the engine; only in lists handed out
};

class CConfigManagerRole {
 public:
  struct _TSRoleCell {
    RoleState state;
    core::RolePtr role;
  };
  using RoleMap = std::map<std::u16string, _TSRoleCell>;
  using RoleList = common::CountedPointer<RoleMap>;

  static constexpr char16_t kDefaultRoleKey[] = u"@default";

  explicit CConfigManagerRole(CPlug* engine);
  ~CConfigManagerRole();
  CConfigManagerRole(const CConfigManagerRole&) = delete;
  CConfigManagerRole& operator=(const CConfigManagerRole&) = delete;

  // Empties the manager (a new empty "@default"); refused (false) while a reload runs.
  bool Clear();
  // Marks the start of a reload: roles may then name parents that come later.
  void BeginReload();
  bool IsReloading() const { return loadFlags_ & kReloading; }
  bool SetDefaultRole(const RoleProfileRecord& record, shared::CExportConfigExceptionList& list);
  // Takes a role read from its profile; false when the key is taken, or when its parent
  // is unknown outside a reload.
  bool LoadRole(const std::u16string& key, const RoleProfileRecord& record, shared::CExportConfigExceptionList& list);
  // Links the roles loaded before their parents and ends the reload; false when a parent
  // was not found (that role keeps no parent, only the key its profile named).
  bool ResolvePending();

  bool IsModified() const;
  // Deleted entries leave the map, every other becomes Unchanged with its fingerprint as
  // snapshot; the keys in `unsaved` keep their state and snapshot.
  void Commit(const std::vector<std::u16string>& unsaved = {});

  RoleList GetRoles() const;
  // Template roles of the engine, variant 0 (by age) or 1 (the category grid's groups).
  RoleList GetPredefinedRoles(int variant) const;
  core::RolePtr CreateRole(const std::u16string& key, const std::u16string& parentKey, const core::RolePtr& source);
  // The role of an account: key "<domain>.<user>".
  core::RolePtr CreateAccountRole(const std::u16string& user, const std::u16string& domain,
                                  const std::u16string& parentKey, const core::RolePtr& source);
  bool DeleteRole(const std::u16string& key);
  bool CopyRole(const std::u16string& key, const core::RolePtr& source);

  bool SetCategory(const std::u16string& key, std::uint16_t id, bool allowed);
  // Adds an exception for url in its normal form.
  bool AddException(const std::u16string& key, const std::string& url, std::uint32_t state, std::u16string* newId);
  // Adds an exception whose URL is already in normal form (a held or once-normalised URL),
  // which is stored as it is: normalising twice may change a normal form again.
  bool AddNormalException(const std::u16string& key, std::string url, std::uint32_t state, std::u16string* newId);
  bool EditException(const std::u16string& key, const std::u16string& id, const std::string& url, std::uint32_t state);
  bool RemoveException(const std::u16string& key, const std::u16string& id);
  // The role's exceptions become these, in this order (held URLs, ids given); false when
  // the role is missing or deleted.
  bool ReplaceExceptions(const std::u16string& key, std::vector<core::RoleException> exceptions);
  const core::RoleException* FindException(const std::u16string& key, const std::u16string& id) const;

  // Writes categories, parent and exceptions of role into the record and the list; false
  // when the categories text does not fit (nothing written) or memory ran out.
  bool WriteRole(const core::CRole& role, RoleProfileRecord& record, shared::CExportConfigExceptionList& list) const;
  // Template roles by descending mean age, then by name.
  static int CompareRoles(const core::CRole& a, const core::CRole& b);

  const RoleMap& Roles() const { return roles_; }
  const core::RolePtr& DefaultRole() const { return defaultRole_; }

 private:
  enum : std::uint32_t { kReloading = 1 };
  struct Pending {
    core::RolePtr role;
    std::u16string parentKey;
  };

  // The role of a key whose entry is not Deleted, or null.
  core::CRole* EditableRole(const std::u16string& key) const;
  core::RolePtr RoleFromRecord(const std::u16string& key, const RoleProfileRecord& record,
                               shared::CExportConfigExceptionList& list) const;
  // Parent links are shared pointers: cut them before letting the roles go, so that a loop
  // of parents does not keep its roles alive.
  void ReleaseRoles();

  std::uint32_t loadFlags_ = 0;
  core::RolePtr defaultRole_;
  RoleMap roles_;
  std::vector<Pending> pending_;
  CPlug* engine_;
};

}  // namespace parental::corvui
