#include "markup/text_core.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMinimumWidth = 42;

// A word may break after these characters as well as at white space.
bool BreaksAfter(char16_t c) { return c == u'/' || c == u'\\' || c == 0xA5; }

Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

void CChCore::Clear() {
  m_text.clear();
  m_runs.clear();
  m_objects.clear();
  m_links.clear();
  m_linkCount = 0;
  m_white.clear();
  m_analysed = false;
  m_fragments.clear();
  m_lines.clear();
}

void CChCore::SetStyle(const Style& style) {
  if (!m_runs.empty() && m_runs.back().style == style) return;
  // A run that received nothing is replaced instead of kept.
  if (!m_runs.empty() && !m_runs.back().object && m_runs.back().start == static_cast<std::int32_t>(m_text.size())) {
    m_runs.back().style = style;
    return;
  }
  m_runs.push_back(Run{static_cast<std::int32_t>(m_text.size()), style, nullptr});
}

CChCore::Run& CChCore::RunForText() {
  if (m_runs.empty()) m_runs.push_back(Run{});
  if (m_runs.back().object) {
    Run next{static_cast<std::int32_t>(m_text.size()), m_runs.back().style, nullptr};
    m_runs.push_back(next);
  }
  return m_runs.back();
}

void CChCore::AppendText(std::u16string_view text) {
  if (text.empty()) return;
  RunForText();
  m_text.append(text);
}

int CChCore::NewLink(int tagIndex) {
  const int link = ++m_linkCount;  // 8 bits: wraps after 255 as the counter does
  if (static_cast<int>(m_links.size()) < link + 5) m_links.resize(link + 5);
  m_links[link] = Link{};
  m_links[link].tagIndex = tagIndex;
  return link;
}

void CChCore::SetLinkTooltip(int link, std::u16string_view tooltip) {
  if (link >= 0 && link < static_cast<int>(m_links.size())) m_links[link].tooltip.assign(tooltip);
}

void CChCore::Embed(std::unique_ptr<CLineObject> object, bool takesLinkNumber) {
  RunForText().object = object.get();
  if (takesLinkNumber) m_links[NewLink(-1)].object = object.get();
  m_objects.push_back(std::move(object));
}

const CChCore::Link* CChCore::LinkEntry(int link) const {
  return link >= 0 && link < static_cast<int>(m_links.size()) ? &m_links[link] : nullptr;
}

// Places words, tabs, line feeds and objects one after the other into lines.
class CChCore::Breaker {
 public:
  Breaker(CChCore& core, IDrawContext& dc, int width, int heightBudget)
      : m_core(core), m_dc(dc), m_width(width), m_heightBudget(heightBudget) {
    m_core.m_lines.assign(1, Line{});
  }

  void Run(int run, const FontDesc& font) {
    const CChCore::Run& r = m_core.m_runs[run];
    const auto& text = m_core.m_text;
    const auto end = run + 1 < static_cast<int>(m_core.m_runs.size()) ? m_core.m_runs[run + 1].start
                                                                      : static_cast<std::int32_t>(text.size());
    m_dc.SelectFont(font, r.style.style);
    m_run = run;
    for (std::int32_t i = r.start; i < end;) {
      const char16_t c = text[i];
      if (c == u'\n') {
        EndLine(std::abs(font.height));
        ++i;
      } else if (c == u'\t') {
        Tab(r.style.tabPosition);
        ++i;
      } else if (m_core.m_white[i]) {
        std::int32_t j = i;
        while (j < end && m_core.m_white[j] && text[j] != u'\n' && text[j] != u'\t') ++j;
        Space(i, j - i);
        i = j;
      } else {
        std::int32_t j = i;
        while (j < end && !m_core.m_white[j] && text[j] != u'\n' && text[j] != u'\t') {
          if (BreaksAfter(text[j++])) break;
        }
        Word(i, j - i);
        i = j;
      }
    }
    if (r.object && r.object->Visible()) Object(r.object);
  }

  void Finish() {
    Line& last = m_core.m_lines.back();
    last.width = m_pen;
    if (!LineHasContent() && m_core.m_lines.size() > 1) m_core.m_lines.pop_back();
  }

 private:
  bool LineHasContent() const {
    return !m_core.m_fragments.empty() && m_core.m_fragments.back().line == Current();
  }
  int Current() const { return static_cast<int>(m_core.m_lines.size()) - 1; }

  void EndLine(int emptyHeight) {
    Line& line = m_core.m_lines.back();
    line.width = m_pen;
    if (!LineHasContent()) line.height = std::max(line.height, emptyHeight);
    m_core.m_lines.push_back(Line{});
    m_pen = 0;
  }

  void Place(std::int32_t start, std::int32_t length, CLineObject* object, Size size) {
    m_core.m_fragments.push_back(Fragment{m_run, start, length, object, Rect{m_pen, 0, m_pen + size.cx, size.cy}, Current()});
    m_pen += size.cx;
    Line& line = m_core.m_lines.back();
    const auto& style = m_core.m_runs[m_run].style;
    line.height = std::max(line.height, size.cy + std::max(0, style.linePosition));
    line.alignment = std::max(line.alignment, style.alignment);
  }

  std::u16string_view Slice(std::int32_t start, std::int32_t length) const {
    return std::u16string_view(m_core.m_text).substr(start, length);
  }

  void Tab(std::uint32_t position) {
    int p = static_cast<std::int16_t>(position & 0xFFFF);
    if (position & 0x10000) p = static_cast<int>(static_cast<long long>(p) * m_width / 100);
    if (p == 0) return;
    if (p < 0) p += m_width;
    if (p > m_pen && p < m_width) m_pen = p;
  }

  void Space(std::int32_t start, std::int32_t length) {
    if (m_pen == 0) return;  // a space never starts a line
    Size size = m_dc.TextExtent(Slice(start, length));
    if (m_pen + size.cx > m_width) {
      EndLine(0);
      return;
    }
    Place(start, length, nullptr, size);
  }

  void Word(std::int32_t start, std::int32_t length) {
    Size size = m_dc.TextExtent(Slice(start, length));
    if (m_pen > 0 && m_pen + size.cx > m_width) EndLine(0);
    // A word wider than the line is cut after the last character that fits.
    while (length > 0 && m_pen + size.cx > m_width) {
      int fit = std::clamp(m_dc.FitCount(Slice(start, length), m_width - m_pen), 1, static_cast<int>(length));
      if (fit == length) break;
      Place(start, fit, nullptr, m_dc.TextExtent(Slice(start, fit)));
      EndLine(0);
      start += fit;
      length -= fit;
      size = m_dc.TextExtent(Slice(start, length));
    }
    if (length > 0) Place(start, length, nullptr, size);
  }

  // Measured in its own width (or its percentage of what is left on the line); the box
  // with margins and padding goes on the line, or on the next one.
  Size MeasureBox(CLineObject* object) { return object->MeasureBox(m_dc, m_pen, 0, m_width - m_pen, m_heightBudget); }

  void Object(CLineObject* object) {
    Size box = MeasureBox(object);
    if (m_pen > 0 && m_pen + box.cx > m_width) {
      EndLine(0);
      box = MeasureBox(object);
    }
    Place(0, 0, object, box);
  }

  CChCore& m_core;
  IDrawContext& m_dc;
  const int m_width, m_heightBudget;
  int m_pen = 0;
  int m_run = 0;
};

Size CChCore::Layout(IDrawContext& dc, int x, int y, int width, int heightBudget, const FontDesc& defaultFont) {
  const int lineWidth = std::max(width, kMinimumWidth);
  if (!m_analysed) {
    m_white = dc.WhiteSpace(m_text);
    m_white.resize(m_text.size());
    m_analysed = true;
  }
  m_fragments.clear();
  Breaker breaker(*this, dc, lineWidth, heightBudget);
  for (int run = 0; run < static_cast<int>(m_runs.size()); ++run) {
    breaker.Run(run, m_runs[run].style.font ? *m_runs[run].style.font : defaultFont);
  }
  breaker.Finish();

  int top = 0, widest = 0;
  std::vector<int> shifts(m_lines.size());
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    Line& line = m_lines[i];
    line.top = top;
    top = ClampCoordinate(static_cast<long long>(top) + line.height);
    const int room = std::max(0, lineWidth - line.width);
    shifts[i] = line.alignment == 3 ? room / 2 : line.alignment == 2 ? room : 0;
    widest = std::max(widest, shifts[i] + line.width);
  }
  for (Fragment& f : m_fragments) {
    const Line& line = m_lines[f.line];
    const int w = f.rect.Width(), h = f.rect.Height();
    const int left = x + f.rect.left + shifts[f.line], fragmentTop = y + line.top + line.height - h;
    f.rect = Rect{left, fragmentTop, left + w, fragmentTop + h};
    if (f.object) {
      const Sides& m = f.object->Margins();
      const Sides& p = f.object->Padding();
      f.object->MoveTo(left + m.left + p.left, fragmentTop + m.top + p.top);
    }
  }
  ComputeLinkRects();
  return {widest, top};
}

void CChCore::MoveBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  for (Fragment& f : m_fragments) {
    f.rect = f.rect.Offset(dx, dy);
    if (f.object) f.object->MoveTo(f.object->GetRect().left + dx, f.object->GetRect().top + dy);
  }
  for (Link& link : m_links) {
    for (Rect& r : link.rects) {
      if (!r.Empty()) r = r.Offset(dx, dy);
    }
  }
}

void CChCore::ComputeLinkRects() {
  for (Link& link : m_links) link.rects[0] = link.rects[1] = link.rects[2] = Rect{};
  std::vector<int> firstLine(m_links.size(), -1), lastLine(m_links.size(), -1);
  for (const Fragment& f : m_fragments) {
    const int link = m_runs[f.run].style.link;
    if (f.object || link < 0 || link >= static_cast<int>(m_links.size())) continue;
    if (firstLine[link] < 0) firstLine[link] = f.line;
    lastLine[link] = f.line;
  }
  for (const Fragment& f : m_fragments) {
    const int link = m_runs[f.run].style.link;
    if (f.object || link < 0 || link >= static_cast<int>(m_links.size())) continue;
    Rect* rects = m_links[link].rects;
    const int part = f.line == firstLine[link] ? 0 : f.line == lastLine[link] ? 2 : 1;
    rects[part] = Union(rects[part], f.rect);
  }
}

// Consecutive text of one run on one line is drawn in one call.
void CChCore::Draw(IDrawContext& dc, const LinkLook& look, int hoveredLink, int focusedLink, bool showFocus,
                   const FontDesc& defaultFont) const {
  const FontDesc* selected = nullptr;
  unsigned selectedStyle = ~0u;
  for (std::size_t i = 0; i < m_fragments.size(); ++i) {
    const Fragment& f = m_fragments[i];
    if (f.object) {
      if (!dc.InArea(f.rect)) continue;
      f.object->Draw(dc);
      selected = nullptr;  // the object may have selected its own font
      continue;
    }
    std::int32_t length = f.length;
    while (i + 1 < m_fragments.size() && !m_fragments[i + 1].object && m_fragments[i + 1].run == f.run &&
           m_fragments[i + 1].line == f.line && m_fragments[i + 1].start == f.start + length) {
      length += m_fragments[++i].length;
    }
    if (!dc.InArea({f.rect.left, f.rect.top, m_fragments[i].rect.right, f.rect.bottom})) continue;
    const Style& style = m_runs[f.run].style;
    const FontDesc* font = style.font ? style.font : &defaultFont;
    unsigned bits = style.style;
    Colour colour = style.colour;
    if (style.link >= 0) {
      const int hot = style.link == hoveredLink ? 1 : 0;
      colour = look.colour[hot];
      bits |= look.style[hot];
    }
    if (font != selected || bits != selectedStyle) {
      dc.SelectFont(*font, bits);
      selected = font;
      selectedStyle = bits;
    }
    dc.SetTextColour(colour);
    dc.PaintText(f.rect.left, f.rect.top, std::u16string_view(m_text).substr(f.start, length), nullptr);
  }
  const Link* focused = showFocus ? LinkEntry(focusedLink) : nullptr;
  if (focused && !focused->object) {
    for (const Rect& r : focused->rects) {
      if (!r.Empty()) dc.FocusFrame(r);
    }
  }
}

CLineObject* CChCore::HitTest(int x, int y, HitInfo& hit) const {
  for (const Fragment& f : m_fragments) {
    if (!f.rect.Contains(x, y)) continue;
    if (f.object) return f.object->ObjectAt(x, y, hit);
    const int link = m_runs[f.run].style.link;
    if (const Link* entry = LinkEntry(link)) {
      hit.link = link;
      hit.tooltip = entry->tooltip;
      hit.tipRect = f.rect;
      hit.hand = true;
    }
    return nullptr;
  }
  return nullptr;
}
