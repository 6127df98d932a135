#pragma once
// What the four setup pages share: their base (a CConfigView with the default size
// handling) and the configuration they edit, taken from the host's pointer at run time.
#include "parental/parental_config.h"
#include "ui/views/config_view.h"
#include "ui/views/dialog_ex.h"

namespace parental::corvui {

using CConfigPage = util::CDialogEx<CConfigView>;

// The configuration a page edits; null when none is set or it is not a CParentalConfig.
inline CParentalConfig* ParentalConfigOf(IConfigView& view) {
  return dynamic_cast<CParentalConfig*>(view.GetConfig());
}

}  // namespace parental::corvui
