#include "ui/views/config_view.h"

#include "common/text.h"
#include "frame/app/probes.h"
#include "frame/protocol/records.h"
#include "ui/setup/form_rules.h"

bool CConfigView::GetPageInfo(PageInfo* info) {
  return GuardHostEntry(false, [&] {
    if (!info || !parental::corvui::PagesOffered(GetInternetExplorerVersion(), [] { return GetWordVersion(); }))
      return false;
    const Description& description = Describe();
    title_ = ResourceText(description.titleId);
    caption_ = ResourceText(description.captionId);
    info->title = AddressOf(title_.c_str());
    info->caption = AddressOf(caption_.c_str());
    info->firstNumber = description.firstNumber;
    if (description.secondNumber) info->secondNumber = *description.secondNumber;
    info->key = AddressOf(description.key);
    return true;
  });
}

std::int32_t CConfigView::CreateView(void* parent, const char16_t* name, bool showTooltips, ViewTemplateCallback callback) {
  return GuardHostEntry(0, [&] {
    name_ = name ? name : u"";
    showTooltips_ = showTooltips;
    callback_ = callback;
    return CreateFromTemplate(*this, static_cast<HWND>(parent), callback) ? 1 : 0;
  });
}

void CConfigView::LoadData() {
  GuardHostEntry([&] { OnLoadData(); });
}

void CConfigView::SaveData() {
  GuardHostEntry([&] { OnSaveData(); });
}

BOOL CConfigView::OnInitDialog() {
  CDialog::OnInitDialog();
  tooltips_.Create(GetSafeHwnd(), showTooltips_);
  SetForegroundWindow(GetSafeHwnd());
  return TRUE;
}

bool CConfigView::PreTranslateMessage(MSG* message) {
  tooltips_.Relay(message);
  return CDialog::PreTranslateMessage(message);
}
