#include "parental/parental_config.h"


#include "common/crc32.h"
#include "common/out_of_memory.h"
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

// The profile element of a role in the document, or null; nothing is created.
_XML_NODE* FindProfile(ConfigHandle* h, const std::u16string& key) {
  const std::uint32_t flags = h->flags;
  h->flags &= ~std::uint32_t(kHandleWritable);
  _XML_NODE* node = GetProfileNode(h, key.c_str());
  h->flags = flags;
  return node;
}

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
  RunCreateIfHostCreated();
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
  // Out of memory, the block keeps its defaults, and the roles are left out altogether
  // rather than in part, so that a later save writes nothing over what is stored.
  const bool read = common::OrWhenOutOfMemory(false, [&] {
    if (variables && *variables) variables_ = variables;
    general_ = GeneralSettings{};
    const std::u16string profile = ResolveProfileName();
    if (HandlePtr h{OpenRegistryProfiles(PLUGIN_ID, registry_)}) {
      ApplyDefaults(kGeneralSettingsTable, &general_);
      ReadSettings(h.get(), profile.c_str(), kGeneralSettingsTable, &general_);
    }
    return true;
  });
  if (!read) general_ = GeneralSettings{};
  // Taken even when the section cannot be read: the block then holds its defaults, and a
  // stale fingerprint would make the next save write them over the stored values.
  generalFingerprint_ = Fingerprint(general_);
  if (common::OrWhenOutOfMemory(false, [this] { return ReloadRoles(), true; })) return;
  roles_.ResolvePending();  // ends the reload
  common::OrWhenOutOfMemory(false, [this] { return roles_.Clear(); });
  accounts_.Clear();
  exceptionLists_.clear();
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
  // Out of memory, a part fails: what it did not store stays changed.
  const bool general = Fingerprint(general_) == generalFingerprint_ ||
                       common::OrWhenOutOfMemory(false, [this] { return SaveGeneral(); });
  return common::OrWhenOutOfMemory(false, [this] { return SaveRoles(); }) && general;
}

bool CParentalConfig::SaveAsUsual() {
  if (!IsModified() || Save()) return true;
  Load(GetVariables());
  return false;
}

bool CParentalConfig::SaveGeneral() {
  DocumentPtr document = NewConfigurationTree();
  if (!document) return false;
  bool written = false;
  if (HandlePtr h{OpenXmlProfiles(document.get(), PLUGIN_ID)})
    written = CommitSettings(h.get(), ResolveProfileName().c_str(), kGeneralSettingsTable, &general_);
  // A block written in part is not submitted; it counts as saved only once the host has it.
  if (!written || !Submit(PLUGIN_ID, document.get())) return false;
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
      const bool changed = cell.state == RoleState::New || cell.state == RoleState::Deleted ||
                           (cell.state == RoleState::Unchanged &&
                            (cell.role->Fingerprint() != cell.role->Snapshot() || accounts_.IsRoleChanged(key)));
      if (!changed) continue;
      const bool fresh = !FindProfile(h.get(), key);
      const bool saved = cell.state == RoleState::Deleted ? DeleteProfile(h.get(), key.c_str(), true)
                                                          : WriteRoleProfile(h.get(), document.get(), key, *cell.role);
      if (saved) continue;
      unsaved.push_back(key);
      // The host keeps the stored profile of a role that could not be written: what was
      // written of it goes again.
      if (_XML_NODE* written = fresh ? FindProfile(h.get(), key) : nullptr) DeleteNode(document.get(), written);
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
