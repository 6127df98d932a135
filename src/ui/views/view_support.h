#pragma once
// What the setup pages and dialog forms share besides their bases: the tool tips over
// their tab order, the template callback's view of a dialog template, and the guard that
// keeps exceptions from reaching the host.
#include <string>

#include "frame/app/plugin_app.h"  // ResourceText
#include "frame/templates/config_view.h"
#include "win/controls/tool_tip_ctrl.h"
#include "win/dialog.h"

// One tool per control of the dialog's tab order whose id is neither 0 nor -1, with the
// string resource of the same number as its text; the walk ends back at the first control.
class CViewTooltips {
 public:
  void Create(HWND dialog, bool show);
  void Relay(MSG* message);
  int ToolCount() const { return control_.GetSafeHwnd() ? control_.GetToolCount() : 0; }

 private:
  CToolTipCtrl control_;
};

// Creates the modeless dialog inside parent: from its template as the host's callback
// adjusted it, or, without a callback or a template to adjust, from the resource directly.
bool CreateFromTemplate(CDialog& dialog, HWND parent, ViewTemplateCallback callback);

// Runs an entry from the host; an exception ends it with `failed`.
template <typename Result, typename Body>
Result GuardHostEntry(Result failed, Body body) {
  try {
    return body();
  } catch (...) {
    return failed;
  }
}
template <typename Body>
void GuardHostEntry(Body body) {
  try {
    body();
  } catch (...) {
  }
}
