#include "frame/templates/page_template.h"

#include "frame/templates/panel_template.h"

void CPageTemplate::PublishPanels(std::uint32_t value) {
  for (std::uint32_t index = 0;; ++index) {
    enumerating_.fetch_add(1);
    CPanelTemplate* panel = GetPanel(index);
    enumerating_.fetch_sub(1);
    if (!panel) break;
    // A page may answer all ones for an index it leaves empty: not a panel, so no owner.
    if (AddressOf(panel) != ~std::uint64_t{0}) panel->SetPage(this);
  }
  ObjectRecord record{value, AddressOf(this)};
  SendRequest(0, kRequestPublishPanels, &record);
}
