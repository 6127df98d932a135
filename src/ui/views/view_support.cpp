#include "ui/views/view_support.h"


namespace {

// The callback's view of the template copy CDialog makes.
class ViewTemplate final : public IViewTemplate {
 public:
  explicit ViewTemplate(CDialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  std::uint32_t GetStyle() override { return template_.Style(); }
  void SetStyle(std::uint32_t style) override { template_.SetStyle(style); }
  bool SetFont(const char16_t* face, std::uint16_t pointSize) override {
    return face && template_.SetFont(face, pointSize);
  }

 private:
  CDialogTemplate& template_;
};

}  // namespace

void CViewTooltips::Create(HWND dialog, bool show) {
  if (control_.GetSafeHwnd() || !control_.Create(dialog)) return;
  if (!show) return;
  control_.Activate(true);
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  for (HWND control = first; control;) {
    const int id = GetDlgCtrlID(control);
    if (id != 0 && id != -1 && id != 0xFFFF) control_.AddTool(control, ResourceText(UINT(id)).c_str());
    control = GetNextDlgTabItem(dialog, control, FALSE);
    if (control == first) break;
  }
}

void CViewTooltips::Relay(MSG* message) {
  if (control_.GetSafeHwnd()) control_.RelayEvent(message);
}

bool CreateFromTemplate(CDialog& dialog, HWND parent, ViewTemplateCallback callback) {
  CDialogTemplate dialogTemplate;
  if (callback && dialogTemplate.Load(dialog.TemplateId())) {
    ViewTemplate view(dialogTemplate);
    callback(&view);
    return dialog.CreateIndirect(dialogTemplate, parent);
  }
  return dialog.Create(parent);
}
