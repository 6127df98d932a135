#include "frame/plugin/clicked_button.h"

#include "frame/protocol/records.h"
#include "win/richtext/static_ii.h"

namespace parental::corvui {

bool ClickedButtonPoint(const HostItemRecord& hostItem, POINT* point) {
  auto* control = FromAddress<CStaticII>(hostItem.control);
  if (!control || !point || !IsWindow(control->GetSafeHwnd())) return false;
  const CChDocument& document = control->Document();
  CLineObject* clicked = document.hover.object ? document.hover.object : document.focus.object;
  if (!clicked || clicked->GetKind() != CLineObject::kButton) return false;
  const Rect& rect = clicked->GetRect();
  *point = POINT{rect.left, rect.bottom};
  return ClientToScreen(control->GetSafeHwnd(), point) != FALSE;
}

}  // namespace parental::corvui
