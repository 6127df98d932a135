#pragma once
// CConfigViewAccount: the Accounts setup page. It lists the governed accounts with their
// check boxes and changes the model at once when the user switches, adds (through the
// account form), edits or removes (after a question) an account.
#include <list>
#include <string>

#include "ui/setup/display_names.h"
#include "ui/setup/setup_page.h"
#include "win/controls/list_ctrl.h"

namespace parental::corvui {

class CConfigViewAccount : public CConfigPage, public CConfigViewBase {
 public:
  explicit CConfigViewAccount(IAccountsService& accounts);

 protected:
  const Description& Describe() const override;
  BOOL OnInitDialog() override;
  void OnLoadData() override;
  void OnSaveData() override;
  bool OnCommand(int id, int code, HWND from) override;
  LRESULT OnNotify(int id, NMHDR* header) override;

 private:
  void Add();
  void Edit();
  void Remove();
  void ItemChanged(const NMLISTVIEW& change);
  void AppendRow(const std::u16string& sidText, const Account& account, std::optional<int> year);
  void UpdateButtons();
  int SelectedRow() const { return list_.GetNextItem(-1, LVNI_SELECTED); }
  const std::u16string* RowSid(int row) const;

  CListCtrl list_;
  std::list<std::u16string> rowSids_;  // the rows' item data point here
  bool loaded_ = false;
};

}  // namespace parental::corvui
