#include "ui/setup/categories_page.h"

#include "res/dialogs/categories_page.h"

namespace parental::corvui {

CConfigViewRoleCategory::CConfigViewRoleCategory(IAccountsService& accounts)
    : CConfigPage(IDD_CATEGORIES_PAGE, 857604), CConfigViewBase(accounts) {}

const CConfigView::Description& CConfigViewRoleCategory::Describe() const {
  static const Description description{2018, 2019, u"cfg_parnental_categories", 1, std::nullopt};
  return description;
}

BOOL CConfigViewRoleCategory::OnInitDialog() {
  roles_.SubclassDlgItem(IDC_CATEGORIES_ACCOUNT, GetSafeHwnd());
  tree_.SubclassDlgItem(IDC_CATEGORIES_TREE, GetSafeHwnd());
  CConfigPage::OnInitDialog();
  tree_.EnableCheckBoxes();
  ApplyRule();
  return TRUE;
}

void CConfigViewRoleCategory::OnLoadData() {
  UpdateData(true);
  roles_.Clear();
  tree_.DeleteAllItems();
  items_.clear();
  ClearNameCaches();
  if (CParentalConfig* config = ParentalConfigOf(*this)) {
    if (CategoryList categories = config->Categories().GetCategories()) {
      for (const CategoryInfo& category : *categories) {
        HTREEITEM item = tree_.InsertItem(category.name.c_str(), TVI_ROOT, TVI_LAST, LPARAM(category.id));
        if (!item) continue;
        items_[item] = {category.name, category.description};
        tree_.SetItemTip(item, category.description);
      }
    }
    roleList_ = config->Roles().GetRoles();
    if (roleList_ && roles_.Fill(*roleList_, config->RememberedRoleKey(), *this)) ShowRole();
  }
  UpdateData(false);
  ApplyRule();
}

void CConfigViewRoleCategory::OnSaveData() {
  UpdateData(true);
  if (CParentalConfig* config = ParentalConfigOf(*this)) roles_.RememberSelection(*config);
  UpdateData(true);
}

void CConfigViewRoleCategory::ShowRole() {
  for (HTREEITEM item = tree_.GetRootItem(); item; item = tree_.GetNextSiblingItem(item)) tree_.SetCheck(item, false);
  if (core::RolePtr role = roles_.SelectedRole(roleList_)) {
    const core::CategoryStates& states = role->Categories();
    for (HTREEITEM item = tree_.GetRootItem(); item; item = tree_.GetNextSiblingItem(item)) {
      const std::uint32_t* state = states.Find(std::uint16_t(tree_.GetItemData(item)));
      tree_.SetCheck(item, state && *state == core::kAllowed);
    }
  }
  ApplyRule();
}

void CConfigViewRoleCategory::ApplyRule() {
  UpdateData(true);
  tree_.EnableWindow(roles_.GetCurSel() >= 0);
}

bool CConfigViewRoleCategory::OnCommand(int id, int code, HWND from) {
  if (id == IDC_CATEGORIES_ACCOUNT && code == CBN_SELCHANGE) {
    ShowRole();
    return true;
  }
  return CConfigPage::OnCommand(id, code, from);
}

LRESULT CConfigViewRoleCategory::OnNotify(int id, NMHDR* header) {
  if (id != IDC_CATEGORIES_TREE || header->code != util::kTreeCheckChanged) return CConfigPage::OnNotify(id, header);
  const auto& change = *reinterpret_cast<NMTREEVIEWW*>(header);
  CParentalConfig* config = ParentalConfigOf(*this);
  const std::u16string* key = roles_.SelectedKey();
  const LPARAM category = tree_.GetItemData(change.itemNew.hItem);
  if (config && key && category != LPARAM(-1)) {
    const bool allowed = ((change.itemNew.state & TVIS_STATEIMAGEMASK) >> 12) == 2;
    config->Roles().SetCategory(*key, std::uint16_t(category), allowed);
  }
  return 1;
}

}  // namespace parental::corvui
