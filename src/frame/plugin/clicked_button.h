#pragma once
// The button of the host's rich-text control that a click on the status page activated.
#include <windows.h>

#include "frame/protocol/status_records.h"

namespace parental::corvui {

// The left end of the bottom edge of the button the host's control reports as clicked, in
// screen coordinates; false when there is no control or the clicked object is no button.
bool ClickedButtonPoint(const HostItemRecord& hostItem, POINT* point);

}  // namespace parental::corvui
