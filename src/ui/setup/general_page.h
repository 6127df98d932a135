#pragma once
// CConfigViewGeneral: the General setup page. Its one check box is the "Register" value
// of the general block, stored only when the host saves the page.
#include "ui/setup/setup_page.h"

namespace parental::corvui {

class CConfigViewGeneral : public CConfigPage {
 public:
  CConfigViewGeneral();

 protected:
  const Description& Describe() const override;
  void OnLoadData() override;
  void OnSaveData() override;
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(int id, int code, HWND from) override;

 private:
  int integrate_ = 0;
};

}  // namespace parental::corvui
