#pragma once
// The plug-in's working copy of the parental-control configuration: the general block of
// section PLUGIN_ID and one role profile per role in section ROLES_SECTION_ID, with the
// managers of roles, accounts and categories that the pages change in place. Load reads
// the registry mirror; Save writes what changed into a document and submits it.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/templates/config_template.h"
#include "frame/templates/plug.h"
#include "items/export_list.h"
#include "parental/account_manager.h"
#include "parental/category_manager.h"
#include "parental/profile_records.h"
#include "parental/role_manager.h"
#include "platform/registry_store.h"

namespace parental::corvui {

class CParentalConfig;

// The setup pages of the configuration object that offers them, made by the user
// interface, which the model does not know.
class ISetupViews {
 public:
  virtual ~ISetupViews() = default;
  virtual IConfigView* View(std::uint32_t index) = 0;  // null past the last page
};
using SetupViewsFactory = std::unique_ptr<ISetupViews> (*)(CParentalConfig& config);
// Set by the plug-in before it makes its configuration objects; null: no pages.
void SetSetupViewsFactory(SetupViewsFactory factory);

class CParentalConfig : public CConfigTemplate {
 public:
  using ExceptionListPtr = common::CountedPointer<shared::CExportConfigExceptionList>;

  // engine: the plug through which the engine is asked; headless: offers no setup pages.
  CParentalConfig(CPlug* engine, bool headless, platform::IRegistryStore& registry = platform::DefaultRegistry(),
                  IAccountsService& accounts = DefaultAccountsService());

  void OnCreate() override;  // offers the setup pages unless headless
  bool IsModified() override;
  // Reads the general block and every role profile; variables (when not empty) name the
  // profile of the general block and are kept for later loads and saves.
  void Load(const char16_t* variables) override;
  // Submits the general block when it changed, then the new, changed and deleted roles.
  // False when a submission failed or a role could not be written; what was not saved
  // stays changed.
  bool Save() override;
  // What the status page's actions do after a change: save when something changed; when
  // saving fails, load the stored configuration again (the change is discarded) and
  // answer false.
  bool SaveAsUsual();
  IConfigView* GetView(std::uint32_t index) override { return views_ ? views_->View(index) : nullptr; }

  CConfigManagerRole& Roles() { return roles_; }
  CConfigManagerAccount& Accounts() { return accounts_; }
  CConfigManagerCategory& Categories() { return categories_; }
  GeneralSettings& General() { return general_; }
  std::u16string& RememberedRoleKey() { return rememberedRole_; }
  const std::map<std::u16string, ExceptionListPtr>& ExceptionLists() const { return exceptionLists_; }
  CPlug* Engine() const { return engine_; }
  IAccountsService& AccountsService() const { return accountsService_; }
  const std::u16string& Variables() const { return variables_; }

 private:
  std::u16string ResolveProfileName() const;
  void ReloadRoles();
  bool LoadRoleProfile(profiles::ConfigHandle* handle, const char16_t* name);
  bool SaveGeneral();
  bool SaveRoles();
  bool WriteRoleProfile(profiles::ConfigHandle* handle, XmlDocument* document, const std::u16string& key,
                        const core::CRole& role);
  ExceptionListPtr NewExceptionList() const;

  GeneralSettings general_{};
  std::uint32_t generalFingerprint_ = 0;
  bool headless_;
  std::u16string variables_;
  std::u16string rememberedRole_;
  CPlug* engine_;
  platform::IRegistryStore& registry_;
  IAccountsService& accountsService_;
  CConfigManagerRole roles_;
  CConfigManagerAccount accounts_;
  CConfigManagerCategory categories_;
  std::map<std::u16string, ExceptionListPtr> exceptionLists_;
  RoleProfileRecord defaultRecord_{};
  std::unique_ptr<ISetupViews> views_;  // last: the pages go before the model they edit
};

}  // namespace parental::corvui
