#include "ui/setup/setup_views.h"

#include "ui/setup/accounts_page.h"
#include "ui/setup/categories_page.h"
#include "ui/setup/exceptions_page.h"
#include "ui/setup/general_page.h"

namespace parental::corvui {
namespace {

class SetupViews final : public ISetupViews {
 public:
  explicit SetupViews(IAccountsService& accounts) : accounts_(accounts), categories_(accounts), exceptions_(accounts) {}

  IConfigView* View(std::uint32_t index) override {
    IConfigView* views[] = {&general_, &accounts_, &categories_, &exceptions_};
    return index < std::size(views) ? views[index] : nullptr;
  }

 private:
  CConfigViewGeneral general_;
  CConfigViewAccount accounts_;
  CConfigViewRoleCategory categories_;
  CConfigViewRoleException exceptions_;
};

}  // namespace

std::unique_ptr<ISetupViews> MakeSetupViews(CParentalConfig& config) {
  return std::make_unique<SetupViews>(config.AccountsService());
}

}  // namespace parental::corvui
