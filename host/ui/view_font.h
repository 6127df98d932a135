#pragma once
// The host's dialog font, which it gives every page and form of the plug-in through the
// template callback of CreateView.
#include "frame/templates/config_view.h"

namespace host {

void ApplyHostDialogFont(IViewTemplate* view);

}  // namespace host
