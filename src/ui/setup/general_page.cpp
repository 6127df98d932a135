#include "ui/setup/general_page.h"

#include "res/dialogs/general_page.h"
#include "win/data_exchange.h"

namespace parental::corvui {

CConfigViewGeneral::CConfigViewGeneral() : CConfigPage(IDD_GENERAL_PAGE, 857601) {}

const CConfigView::Description& CConfigViewGeneral::Describe() const {
  static const Description description{2001, 2002, u"cfg_parnental", 4, 9};
  return description;
}

void CConfigViewGeneral::DoDataExchange(CDataExchange& exchange) {
  DDX_Check(exchange, IDC_GENERAL_INTEGRATE, integrate_);
}

void CConfigViewGeneral::OnLoadData() {
  UpdateData(true);
  if (CParentalConfig* config = ParentalConfigOf(*this)) integrate_ = int(config->General().integrate);
  UpdateData(false);
  UpdateData(true);
}

void CConfigViewGeneral::OnSaveData() {
  CParentalConfig* config = ParentalConfigOf(*this);
  if (!config) return;
  UpdateData(true);
  config->General().integrate = std::uint32_t(integrate_);
  UpdateData(true);
}

bool CConfigViewGeneral::OnCommand(int id, int code, HWND from) {
  if (id == IDC_GENERAL_INTEGRATE && code == BN_CLICKED) {
    UpdateData(true);
    return true;
  }
  return CConfigPage::OnCommand(id, code, from);
}

}  // namespace parental::corvui
