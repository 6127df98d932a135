#include "ui/view_font.h"

namespace host {

void ApplyHostDialogFont(IViewTemplate* view) {
  if (view) view->SetFont(u"MS Shell Dlg", 8);
}

}  // namespace host
