#include "parental/parental_config.h"


#include "common/crc32.h"
#include "common/text.h"
#include "profiles/config_handle.h"
#include "profiles/variables.h"

namespace parental::corvui {
namespace {

using namespace profiles;

// Role profiles are always addressed by their key, whatever the container's "Enable" says.
constexpr std::uint32_t kRoleHandleFlags = kProfilesAlwaysOn;

// A fresh configuration tree with its root "Corvid", or null.
DocumentPtr NewConfigurationTree() {
  DocumentPtr document(CreateDocument());
  if (document && !CreateRoot(document.get())) document.reset();
  return document;
}

std::uint32_t Fingerprint(const GeneralSettings& general) { return common::Crc32(&general, sizeof(general)); }

SetupViewsFactory g_setupViews = nullptr;

}  // namespace

void SetSetupViewsFactory(SetupViewsFactory factory) { g_setupViews = factory; }

CParentalConfig::CParentalConfig(CPlug* engine, bool headless, platform::IRegistryStore& registry,
                                 IAccountsService& accounts)
    : CConfigTemplate(PLUGIN_ID),
      headless_(headless),
      engine_(engine),
      registry_(registry),
      accountsService_(accounts),
      roles_(engine),
      accounts_(accounts),
      categories_(engine) {
  generalFingerprint_ = Fingerprint(general_);
  if (!headless_ && g_setupViews) views_ = g_setupViews(*this);
  if (IsCreated() && !headless_) PublishViews();
}

void CParentalConfig::OnCreate() {
  if (!headless_) PublishViews();
}

CParentalConfig::ExceptionListPtr CParentalConfig::NewExceptionList() const {
  return ExceptionListPtr::Make(ROLES_SECTION_ID, registry_);
}

std::u16string CParentalConfig::ResolveProfileName() const {
  char16_t name[kProfileNameCapacity];
  common::CopyText(name, kProfileNameCapacity, kProfileNameVariable);
  ExpandVariables(name, kProfileNameCapacity, variables_);
  return kProfileNameVariable == std::u16string_view(name) ? std::u16string() : std::u16string(name);
}

bool CParentalConfig::IsModified() {
  return Fingerprint(general_) != generalFingerprint_ || roles_.IsModified() || accounts_.IsModified();
}

void CParentalConfig::Load(const char16_t* variables) {
  if (variables && *variables) variables_ = variables;
  general_ = GeneralSettings{};
  const std::u16string profile = ResolveProfileName();
  if (HandlePtr h{OpenRegistryProfiles(PLUGIN_ID, registry_)}) {
    ApplyDefaults(kGeneralSettingsTable, &general_);
    ReadSettings(h.get(), profile.c_str(), kGeneralSettingsTable, &general_);
  }
  // Taken even when the section cannot be read: the block then holds its defaults, and a
  // stale fingerprint would make the next save write them over the stored values.
  generalFingerprint_ = Fingerprint(general_);
  ReloadRoles();
}

void CParentalConfig::ReloadRoles() {
  roles_.Clear();
  accounts_.Clear();
  exceptionLists_.clear();
  HandlePtr h{OpenRegistryProfiles(ROLES_SECTION_ID, registry_)};
  if (!h) return;
  h->flags |= kRoleHandleFlags;
  ApplyDefaults(kRoleProfileTable, &defaultRecord_);
  if (ExceptionListPtr empty = NewExceptionList()) roles_.SetDefaultRole(defaultRecord_, *empty);
  if (!roles_.IsReloading()) roles_.BeginReload();
  char16_t name[kProfileNameCapacity];
  for (bool first = true; EnumerateProfiles(h.get(), first, name); first = false) {
    if (!name[0]) GetActiveProfile(h.get(), name);
    LoadRoleProfile(h.get(), name);
  }
  roles_.ResolvePending();
  roles_.Commit();
  accounts_.Commit();
}

bool CParentalConfig::LoadRoleProfile(ConfigHandle* h, const char16_t* name) {
  RoleProfileRecord record;
  ApplyDefaults(kRoleProfileTable, &record);
  ReadSettings(h, name, kRoleProfileTable, &record);
  ExceptionListPtr list = NewExceptionList();
  platform::ScopedKey profileKey(registry_, registry_.Open(h->key, name, false));
  if (!list || !profileKey) return false;
  platform::ScopedKey listKey(registry_, registry_.Open(profileKey.get(), list->GetRegistryName(), false));
  if (listKey && !list->ReadFromKey(listKey.get())) return false;
  const std::u16string key(name);
  if (!roles_.LoadRole(key, record, *list)) return false;
  exceptionLists_[key] = list;
  accounts_.LoadAccounts(key, std::u16string_view(record.accounts,
                                                  common::BoundedLength(record.accounts, kProfileTextCapacity)));
  return true;
}

bool CParentalConfig::Save() {
  const bool general = Fingerprint(general_) == generalFingerprint_ || SaveGeneral();
  return SaveRoles() && general;
}

bool CParentalConfig::SaveGeneral() {
  DocumentPtr document = NewConfigurationTree();
  if (!document) return false;
  bool written = false;
  if (HandlePtr h{OpenXmlProfiles(document.get(), PLUGIN_ID)})
    written = CommitSettings(h.get(), ResolveProfileName().c_str(), kGeneralSettingsTable, &general_);
  // The block counts as saved only once the host has it.
  if (!Submit(PLUGIN_ID, document.get()) || !written) return false;
  generalFingerprint_ = Fingerprint(general_);
  return true;
}

bool CParentalConfig::SaveRoles() {
  DocumentPtr document = NewConfigurationTree();
  if (!document) return false;
  HandlePtr h{OpenXmlProfiles(document.get(), ROLES_SECTION_ID)};
  const bool opened = h != nullptr;
  std::vector<std::u16string> unsaved;
  if (opened) {
    h->flags |= kRoleHandleFlags;
    for (const auto& [key, cell] : roles_.Roles()) {
      bool saved = true;
      switch (cell.state) {
        case RoleState::Unchanged:
          if (cell.role->Fingerprint() == cell.role->Snapshot() && !accounts_.IsRoleChanged(key)) break;
          [[fallthrough]];
        case RoleState::New:
          saved = WriteRoleProfile(h.get(), document.get(), key, *cell.role);
          break;
        case RoleState::Deleted:
          saved = DeleteProfile(h.get(), key.c_str(), true);
          break;
        case RoleState::Predefined:
          break;
      }
      if (!saved) unsaved.push_back(key);
    }
    h.reset();
  }
  // Snapshots only once the host has taken the document: until then everything stays changed.
  if (!Submit(ROLES_SECTION_ID, document.get()) || !opened) return false;
  roles_.Commit(unsaved);
  accounts_.Commit(unsaved);
  return unsaved.empty();
}

bool CParentalConfig::WriteRoleProfile(ConfigHandle* h, XmlDocument* document, const std::u16string& key,
                                       const core::CRole& role) {
  ExceptionListPtr& list = exceptionLists_[key];
  if (!list) list = NewExceptionList();
  RoleProfileRecord record;
  ApplyDefaults(kRoleProfileTable, &record);
  // A role whose accounts or categories no longer fit keeps its stored profile untouched.
  if (!list || !accounts_.WriteAccounts(key, record) || !roles_.WriteRole(role, record, *list)) return false;
  return CommitSettings(h, key.c_str(), kRoleProfileTable, &record) &&
         list->WriteList(document, key.c_str(), kHandleWritable | kRoleHandleFlags);
}

}  // namespace parental::corvui
