#include "markup/text_object.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"
#include "markup/text_flow.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;
using parental::common::FoldCase;

CTextLO::CTextLO() {
  kind_ = kText;
  flags_ |= kFocusable;
}

bool CTextLO::Parse(const CChParser& parser, int& tagIndex, CChDocument& document) {
  core_.Clear();
  const auto* tag = parser.Tag(tagIndex);
  if (!tag || tag->selfClosing || tag->endIndex <= tagIndex) return true;
  CChCore::Style defaults;
  defaults.colour = TextColour();
  defaults.font = font_;
  CTextFlow flow(core_, parser, document, *this, defaults);
  core_.AppendText(DecodeEntities(parser.FollowingText(tagIndex)));
  flow.Walk(tagIndex + 1, tag->endIndex - 1);
  tagIndex = tag->endIndex - 1;
  return false;
}

std::u16string CTextLO::ToolTipText(int link) const {
  const auto* entry = core_.LinkEntry(link);
  return entry ? entry->tooltip : std::u16string();
}

CLineObject* CTextLO::ObjectAt(int x, int y, HitInfo& hit) {
  if (CLineObject* inner = core_.HitTest(x, y, hit)) return inner;
  hit.object = this;
  return this;
}

void CTextLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto list = ReadList(value);
  if (EqualsNoCase(name, u"LINK-COLOR")) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (auto colour = ReadColour(ListEntry(list, i))) look_.colour[i] = *colour;
    }
  } else if (EqualsNoCase(name, u"LINK-STYLE")) {
    for (std::size_t i = 0; i < 2; ++i) {
      std::uint8_t bits = 0;
      for (char16_t c : ListEntry(list, i)) {
        c = FoldCase(c);
        bits |= c == u'B' ? kBold : c == u'I' ? kItalic : c == u'U' ? kUnderline : 0;
      }
      look_.style[i] = bits;
    }
  }
}

// Laid out in the available width (at least 42 pixels); the height is raised to a
// fixed HEIGHT, the width to a fixed WIDTH.
Size CTextLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int width = right - x;
  Size size = core_.Layout(dc, x, y, width, bottom - y, Font(), Dpi());
  if (WidthFixed()) size.cx = std::max(size.cx, width);
  if (HeightFixed()) size.cy = std::max(size.cy, Px(height_));
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CTextLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  const bool hovered = document_ && document_->hover.object == this;
  const bool showFocus = IsFocused() && document_->focus.shown;
  core_.Draw(dc, look_, hovered ? document_->hover.link : -1, focusedLink_, showFocus, Font());
}

void CTextLO::MoveTo(int x, int y) {
  core_.MoveBy(x - rect_.left, y - rect_.top);
  CLineObject::MoveTo(x, y);
}

// Steps through the link numbers in order, entering focusable embedded objects.
bool CTextLO::MoveFocus(bool enter, bool backward) {
  const int count = core_.LinkCount();
  int current = focusedLink_;
  if (enter) {
    if (!CanFocus()) return false;
    current = backward ? count + 1 : 0;
  } else if (const auto* entry = core_.LinkEntry(current); entry && entry->object) {
    if (entry->object->MoveFocus(false, backward)) return true;
  }
  for (current += backward ? -1 : 1; current >= 1 && current <= count; current += backward ? -1 : 1) {
    const auto* entry = core_.LinkEntry(current);
    if (entry->object ? entry->object->MoveFocus(true, backward) : entry->tagIndex >= 0) {
      focusedLink_ = current;
      if (!entry->object && document_) document_->focus = {this, current, document_->focus.shown};
      return true;
    }
  }
  focusedLink_ = -1;
  return false;
}

void CTextLO::InvalidateLink(int link) {
  const auto* entry = core_.LinkEntry(link);
  if (!entry || !document_) return CLineObject::InvalidateLink(link);
  if (entry->object) return entry->object->InvalidateLink(0);
  for (const Rect& r : entry->rects) {
    if (!r.Empty()) document_->Invalidate(r);
  }
}

CLineObject* CTextLO::LinkAt(int& link) {
  const auto* entry = core_.LinkEntry(focusedLink_);
  if (entry && entry->object) return entry->object->LinkAt(link);
  return CLineObject::LinkAt(link);
}

bool CTextLO::NthFocusable(int& count, CLineObject*& object, int& link) {
  if (!CanFocus()) return false;
  for (int n = 1; n <= core_.LinkCount(); ++n) {
    const auto* entry = core_.LinkEntry(n);
    if (entry->object) {
      if (entry->object->NthFocusable(count, object, link)) return true;
    } else if (entry->tagIndex >= 0 && --count == 0) {
      object = this;
      link = n;
      return true;
    }
  }
  return false;
}
