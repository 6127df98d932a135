#include "status_walk.h"

#include "common/text.h"
#include "frame/protocol/status_records.h"
#include "frame/templates/page_template.h"
#include "frame/templates/panel_template.h"

namespace host {

namespace {

constexpr std::uint32_t kMaxItems = 64;

std::string Text(std::uint64_t address) {
  const auto* text = FromAddress<const char16_t>(address);
  if (!text) return "(none)";
  return "\"" + parental::common::ToUtf8(text) + "\"";
}

std::string Rect(const LayoutRect& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

void WalkPanel(CPanelTemplate& panel, std::uint32_t index, std::vector<std::string>& lines) {
  PanelInfoRecord info{};
  info.request = 1;
  std::string prefix = "panel " + std::to_string(index);
  if (!panel.GetPanelInfo(&info)) {
    lines.push_back(prefix + ": no panel info");
    return;
  }
  lines.push_back(prefix + (info.hidden & 16 ? ": hidden" : ": shown"));
  for (std::uint32_t item = 0; item < kMaxItems; ++item) {
    ItemLayoutRecord layout{};
    if (!panel.GetItemLayout(item, &layout)) break;
    ItemContentRecord content{};
    bool hasContent = panel.GetItemContent(item, 0, &content);
    std::string line = prefix + " item " + std::to_string(item) + ": type " + std::to_string(layout.type) + " " +
                       Rect(layout.rect);
    if (hasContent && content.text) line += " text " + Text(content.text);
    if (hasContent && content.style) line += content.pictureKind ? " with a picture" : " without a picture";
    lines.push_back(line);
  }
}

}  // namespace

std::vector<std::string> WalkStatusPage(CPageTemplate& page) {
  std::vector<std::string> lines;
  StatusPageEntryRecord entry{};
  StatusPageInfoRecord info{};
  if (page.GetStatusPageEntry(&entry) && page.GetStatusPageInfo(&info)) {
    lines.push_back("status page " + Text(entry.name) + ": title " + Text(info.title) + ", entry " + Text(entry.title) +
                    ", tool tip " + Text(entry.toolTip) + ", help context " + std::to_string(info.helpContext));
  }
  for (std::uint32_t index = 0;; ++index) {
    CPanelTemplate* panel = page.GetPanel(index);
    if (!panel) break;
    WalkPanel(*panel, index, lines);
  }
  return lines;
}

}  // namespace host
