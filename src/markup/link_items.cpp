#include "markup/link_items.h"

#include <algorithm>

#include "markup/text_object.h"

namespace {

bool NthItem(CChDocument& document, int number, CLineObject*& object, int& link) {
  CLineObject* main = document.Main();
  if (!main || number < 1) return false;
  int count = number;
  object = nullptr;
  if (!main->NthFocusable(count, object, link) || !object) return false;
  link = std::max(link, 0);
  return true;
}

Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The text of the runs that carry the link, as one line.
std::u16string TextOfLink(const CChCore& core, int link) {
  std::u16string text;
  const auto& runs = core.Runs();
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].style.link != link) continue;
    const std::size_t start = static_cast<std::size_t>(runs[i].start);
    const std::size_t end = i + 1 < runs.size() ? static_cast<std::size_t>(runs[i + 1].start) : core.Text().size();
    if (start < end && end <= core.Text().size()) text.append(core.Text(), start, end - start);
  }
  std::replace(text.begin(), text.end(), u'\n', u' ');
  return text;
}

}  // namespace

int LinkItemCount(CChDocument& document) {
  int count = 0;
  CLineObject* object;
  int link;
  while (NthItem(document, count + 1, object, link)) ++count;
  return count;
}

bool LinkItemAt(CChDocument& document, int number, LinkItem& item) {
  if (!NthItem(document, number, item.object, item.link)) return false;
  item.button = item.object->GetKind() == CLineObject::kButton;
  if (item.object->GetKind() == CLineObject::kText && item.link > 0) {
    const CChCore& core = static_cast<const CTextLO*>(item.object)->Core();
    item.name = TextOfLink(core, item.link);
    item.rect = {};
    if (const auto* entry = core.LinkEntry(item.link)) {
      for (const Rect& part : entry->rects) item.rect = Union(item.rect, part);
    }
  } else {
    item.name = item.object->GetAttributeValue(u"CAPTION");
    if (item.name.empty()) item.name = item.object->ToolTipText(0);
    item.rect = item.object->GetRect();
  }
  return true;
}

int LinkItemNumber(CChDocument& document, const CLineObject* object, int link) {
  if (!object) return 0;
  link = std::max(link, 0);
  CLineObject* candidate;
  int candidateLink;
  for (int number = 1; NthItem(document, number, candidate, candidateLink); ++number) {
    if (candidate == object && candidateLink == link) return number;
  }
  return 0;
}
