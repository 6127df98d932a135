#include "markup/text_object.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"
#include "markup/text_flow.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;
using parental::common::FoldCase;

CTextLO::CTextLO() {
  m_kind = kText;
  m_flags |= kFocusable;
}

bool CTextLO::Parse(const CChParser& parser, int& tagIndex, CChDocument& document) {
  m_core.Clear();
  const auto* tag = parser.Tag(tagIndex);
  if (!tag || tag->selfClosing || tag->endIndex <= tagIndex) return true;
  CChCore::Style defaults;
  defaults.colour = TextColour();
  defaults.font = m_font;
  CTextFlow flow(m_core, parser, document, *this, defaults);
  m_core.AppendText(DecodeEntities(parser.FollowingText(tagIndex)));
  flow.Walk(tagIndex + 1, tag->endIndex - 1);
  tagIndex = tag->endIndex - 1;
  return false;
}

std::u16string CTextLO::ToolTipText(int link) const {
  const auto* entry = m_core.LinkEntry(link);
  return entry ? entry->tooltip : std::u16string();
}

CLineObject* CTextLO::ObjectAt(int x, int y, HitInfo& hit) {
  if (CLineObject* inner = m_core.HitTest(x, y, hit)) return inner;
  hit.object = this;
  return this;
}

void CTextLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto list = ReadList(value);
  if (EqualsNoCase(name, u"LINK-COLOR")) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (auto colour = ReadColour(ListEntry(list, i))) m_look.colour[i] = *colour;
    }
  } else if (EqualsNoCase(name, u"LINK-STYLE")) {
    for (std::size_t i = 0; i < 2; ++i) {
      std::uint8_t bits = 0;
      for (char16_t c : ListEntry(list, i)) {
        c = FoldCase(c);
        bits |= c == u'B' ? kBold : c == u'I' ? kItalic : c == u'U' ? kUnderline : 0;
      }
      m_look.style[i] = bits;
    }
  }
}

// Laid out in the available width (at least 42 pixels); the height is raised to a
// fixed HEIGHT, the width to a fixed WIDTH.
Size CTextLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int width = right - x;
  Size size = m_core.Layout(dc, x, y, width, bottom - y, Font());
  if (WidthFixed()) size.cx = std::max(size.cx, width);
  if (HeightFixed()) size.cy = std::max(size.cy, m_height);
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CTextLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  const bool hovered = m_document && m_document->hover.object == this;
  const bool showFocus = IsFocused() && m_document->focus.shown;
  m_core.Draw(dc, m_look, hovered ? m_document->hover.link : -1, m_focusedLink, showFocus, Font());
}

void CTextLO::MoveTo(int x, int y) {
  m_core.MoveBy(x - m_rect.left, y - m_rect.top);
  CLineObject::MoveTo(x, y);
}

// Steps through the link numbers in order, entering focusable embedded objects.
bool CTextLO::MoveFocus(bool enter, bool backward) {
  const int count = m_core.LinkCount();
  int current = m_focusedLink;
  if (enter) {
    if (!CanFocus()) return false;
    current = backward ? count + 1 : 0;
  } else if (const auto* entry = m_core.LinkEntry(current); entry && entry->object) {
    if (entry->object->MoveFocus(false, backward)) return true;
  }
  for (current += backward ? -1 : 1; current >= 1 && current <= count; current += backward ? -1 : 1) {
    const auto* entry = m_core.LinkEntry(current);
    if (entry->object ? entry->object->MoveFocus(true, backward) : entry->tagIndex >= 0) {
      m_focusedLink = current;
      if (!entry->object && m_document) m_document->focus = {this, current, m_document->focus.shown};
      return true;
    }
  }
  m_focusedLink = -1;
  return false;
}

void CTextLO::InvalidateLink(int link) {
  const auto* entry = m_core.LinkEntry(link);
  if (!entry || !m_document) return CLineObject::InvalidateLink(link);
  if (entry->object) return entry->object->InvalidateLink(0);
  for (const Rect& r : entry->rects) {
    if (!r.Empty()) m_document->Invalidate(r);
  }
}

CLineObject* CTextLO::LinkAt(int& link) {
  const auto* entry = m_core.LinkEntry(m_focusedLink);
  if (entry && entry->object) return entry->object->LinkAt(link);
  return CLineObject::LinkAt(link);
}

bool CTextLO::NthFocusable(int& count, CLineObject*& object, int& link) {
  if (!CanFocus()) return false;
  for (int n = 1; n <= m_core.LinkCount(); ++n) {
    const auto* entry = m_core.LinkEntry(n);
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
