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
  text_.clear();
  runs_.clear();
  objects_.clear();
  links_.clear();
  linkCount_ = 0;
  white_.clear();
  analysed_ = false;
  fragments_.clear();
  lines_.clear();
}

void CChCore::SetStyle(const Style& style) {
  if (!runs_.empty() && runs_.back().style == style) return;
  // A run that received nothing is replaced instead of kept.
  if (!runs_.empty() && !runs_.back().object && runs_.back().start == static_cast<std::int32_t>(text_.size())) {
    runs_.back().style = style;
    return;
  }
  runs_.push_back(Run{static_cast<std::int32_t>(text_.size()), style, nullptr});
}

CChCore::Run& CChCore::RunForText() {
  if (runs_.empty()) runs_.push_back(Run{});
  if (runs_.back().object) {
    Run next{static_cast<std::int32_t>(text_.size()), runs_.back().style, nullptr};
    runs_.push_back(next);
  }
  return runs_.back();
}

void CChCore::AppendText(std::u16string_view text) {
  if (text.empty()) return;
  RunForText();
  text_.append(text);
}

int CChCore::NewLink(int tagIndex) {
  const int link = ++linkCount_;  // 8 bits: wraps after 255 as the counter does
  if (static_cast<int>(links_.size()) < link + 5) links_.resize(link + 5);
  links_[link] = Link{};
  links_[link].tagIndex = tagIndex;
  return link;
}

void CChCore::SetLinkTooltip(int link, std::u16string_view tooltip) {
  if (link >= 0 && link < static_cast<int>(links_.size())) links_[link].tooltip.assign(tooltip);
}

void CChCore::Embed(std::unique_ptr<CLineObject> object, bool takesLinkNumber) {
  RunForText().object = object.get();
  if (takesLinkNumber) links_[NewLink(-1)].object = object.get();
  objects_.push_back(std::move(object));
}

const CChCore::Link* CChCore::LinkEntry(int link) const {
  return link >= 0 && link < static_cast<int>(links_.size()) ? &links_[link] : nullptr;
}

// Places words, tabs, line feeds and objects one after the other into lines.
class CChCore::Breaker {
 public:
  Breaker(CChCore& core, IDrawContext& dc, int width, int heightBudget, int dpi)
      : core_(core), dc_(dc), width_(width), heightBudget_(heightBudget), dpi_(dpi) {
    core_.lines_.assign(1, Line{});
  }

  void Run(int run, const FontDesc& font) {
    const CChCore::Run& r = core_.runs_[run];
    const auto& text = core_.text_;
    const auto end = run + 1 < static_cast<int>(core_.runs_.size()) ? core_.runs_[run + 1].start
                                                                      : static_cast<std::int32_t>(text.size());
    dc_.SelectFont(font, r.style.style);
    run_ = run;
    for (std::int32_t i = r.start; i < end;) {
      const char16_t c = text[i];
      if (c == u'\n') {
        EndLine(std::abs(font.height));
        ++i;
      } else if (c == u'\t') {
        Tab(r.style.tabPosition);
        ++i;
      } else if (core_.white_[i]) {
        std::int32_t j = i;
        while (j < end && core_.white_[j] && text[j] != u'\n' && text[j] != u'\t') ++j;
        Space(i, j - i);
        i = j;
      } else {
        std::int32_t j = i;
        while (j < end && !core_.white_[j] && text[j] != u'\n' && text[j] != u'\t') {
          if (BreaksAfter(text[j++])) break;
        }
        Word(i, j - i);
        i = j;
      }
    }
    if (r.object && r.object->Visible()) Object(r.object);
  }

  void Finish() {
    Line& last = core_.lines_.back();
    last.width = pen_;
    if (!LineHasContent() && core_.lines_.size() > 1) core_.lines_.pop_back();
  }

 private:
  bool LineHasContent() const {
    return !core_.fragments_.empty() && core_.fragments_.back().line == Current();
  }
  int Current() const { return static_cast<int>(core_.lines_.size()) - 1; }

  void EndLine(int emptyHeight) {
    Line& line = core_.lines_.back();
    line.width = pen_;
    if (!LineHasContent()) line.height = std::max(line.height, emptyHeight);
    core_.lines_.push_back(Line{});
    pen_ = 0;
  }

  void Place(std::int32_t start, std::int32_t length, CLineObject* object, Size size) {
    core_.fragments_.push_back(Fragment{run_, start, length, object, Rect{pen_, 0, pen_ + size.cx, size.cy}, Current()});
    pen_ += size.cx;
    Line& line = core_.lines_.back();
    const auto& style = core_.runs_[run_].style;
    line.height = std::max(line.height, size.cy + std::max(0, ScaleLength(style.linePosition, dpi_)));
    line.alignment = std::max(line.alignment, style.alignment);
  }

  std::u16string_view Slice(std::int32_t start, std::int32_t length) const {
    return std::u16string_view(core_.text_).substr(start, length);
  }

  void Tab(std::uint32_t position) {
    int p = static_cast<std::int16_t>(position & 0xFFFF);
    p = position & 0x10000 ? static_cast<int>(static_cast<long long>(p) * width_ / 100) : ScaleLength(p, dpi_);
    if (p == 0) return;
    if (p < 0) p += width_;
    if (p > pen_ && p < width_) pen_ = p;
  }

  void Space(std::int32_t start, std::int32_t length) {
    if (pen_ == 0) return;  // a space never starts a line
    Size size = dc_.TextExtent(Slice(start, length));
    if (pen_ + size.cx > width_) {
      EndLine(0);
      return;
    }
    Place(start, length, nullptr, size);
  }

  void Word(std::int32_t start, std::int32_t length) {
    Size size = dc_.TextExtent(Slice(start, length));
    if (pen_ > 0 && pen_ + size.cx > width_) EndLine(0);
    // A word wider than the line is cut after the last character that fits.
    while (length > 0 && pen_ + size.cx > width_) {
      int fit = std::clamp(dc_.FitCount(Slice(start, length), width_ - pen_), 1, static_cast<int>(length));
      if (fit == length) break;
      Place(start, fit, nullptr, dc_.TextExtent(Slice(start, fit)));
      EndLine(0);
      start += fit;
      length -= fit;
      size = dc_.TextExtent(Slice(start, length));
    }
    if (length > 0) Place(start, length, nullptr, size);
  }

  // Measured in its own width (or its percentage of what is left on the line); the box
  // with margins and padding goes on the line, or on the next one.
  Size MeasureBox(CLineObject* object) { return object->MeasureBox(dc_, pen_, 0, width_ - pen_, heightBudget_); }

  void Object(CLineObject* object) {
    Size box = MeasureBox(object);
    if (pen_ > 0 && pen_ + box.cx > width_) {
      EndLine(0);
      box = MeasureBox(object);
    }
    Place(0, 0, object, box);
  }

  CChCore& core_;
  IDrawContext& dc_;
  const int width_, heightBudget_, dpi_;
  int pen_ = 0;
  int run_ = 0;
};

Size CChCore::Layout(IDrawContext& dc, int x, int y, int width, int heightBudget, const FontDesc& defaultFont,
                     int dpi) {
  const int lineWidth = std::max(width, kMinimumWidth);
  if (!analysed_) {
    white_ = dc.WhiteSpace(text_);
    white_.resize(text_.size());
    analysed_ = true;
  }
  fragments_.clear();
  Breaker breaker(*this, dc, lineWidth, heightBudget, dpi);
  for (int run = 0; run < static_cast<int>(runs_.size()); ++run) {
    breaker.Run(run, runs_[run].style.font ? *runs_[run].style.font : defaultFont);
  }
  breaker.Finish();

  int top = 0, widest = 0;
  std::vector<int> shifts(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    line.top = top;
    top = ClampCoordinate(static_cast<long long>(top) + line.height);
    const int room = std::max(0, lineWidth - line.width);
    shifts[i] = line.alignment == 3 ? room / 2 : line.alignment == 2 ? room : 0;
    widest = std::max(widest, shifts[i] + line.width);
  }
  for (Fragment& f : fragments_) {
    const Line& line = lines_[f.line];
    const int w = f.rect.Width(), h = f.rect.Height();
    const int left = x + f.rect.left + shifts[f.line], fragmentTop = y + line.top + line.height - h;
    f.rect = Rect{left, fragmentTop, left + w, fragmentTop + h};
    if (f.object) {
      const ScaledSides m = f.object->Margins(), p = f.object->Padding();
      f.object->MoveTo(left + m.left + p.left, fragmentTop + m.top + p.top);
    }
  }
  ComputeLinkRects();
  return {widest, top};
}

void CChCore::MoveBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  for (Fragment& f : fragments_) {
    f.rect = f.rect.Offset(dx, dy);
    if (f.object) f.object->MoveTo(f.object->GetRect().left + dx, f.object->GetRect().top + dy);
  }
  for (Link& link : links_) {
    for (Rect& r : link.rects) {
      if (!r.Empty()) r = r.Offset(dx, dy);
    }
  }
}

void CChCore::ComputeLinkRects() {
  for (Link& link : links_) link.rects[0] = link.rects[1] = link.rects[2] = Rect{};
  std::vector<int> firstLine(links_.size(), -1), lastLine(links_.size(), -1);
  for (const Fragment& f : fragments_) {
    const int link = runs_[f.run].style.link;
    if (f.object || link < 0 || link >= static_cast<int>(links_.size())) continue;
    if (firstLine[link] < 0) firstLine[link] = f.line;
    lastLine[link] = f.line;
  }
  for (const Fragment& f : fragments_) {
    const int link = runs_[f.run].style.link;
    if (f.object || link < 0 || link >= static_cast<int>(links_.size())) continue;
    Rect* rects = links_[link].rects;
    const int part = f.line == firstLine[link] ? 0 : f.line == lastLine[link] ? 2 : 1;
    rects[part] = Union(rects[part], f.rect);
  }
}

// Consecutive text of one run on one line is drawn in one call.
void CChCore::Draw(IDrawContext& dc, const LinkLook& look, int hoveredLink, int focusedLink, bool showFocus,
                   const FontDesc& defaultFont) const {
  const FontDesc* selected = nullptr;
  unsigned selectedStyle = ~0u;
  for (std::size_t i = 0; i < fragments_.size(); ++i) {
    const Fragment& f = fragments_[i];
    if (f.object) {
      if (!dc.InArea(f.rect)) continue;
      f.object->Draw(dc);
      selected = nullptr;  // the object may have selected its own font
      continue;
    }
    std::int32_t length = f.length;
    while (i + 1 < fragments_.size() && !fragments_[i + 1].object && fragments_[i + 1].run == f.run &&
           fragments_[i + 1].line == f.line && fragments_[i + 1].start == f.start + length) {
      length += fragments_[++i].length;
    }
    if (!dc.InArea({f.rect.left, f.rect.top, fragments_[i].rect.right, f.rect.bottom})) continue;
    const Style& style = runs_[f.run].style;
    const FontDesc* font = style.font ? style.font : &defaultFont;
    unsigned bits = style.style;
    Colour colour = style.colour;
    if (style.link >= 0) {
      const int hot = style.link == hoveredLink ? 1 : 0;
      if (!style.linkColour) colour = look.colour[hot];
      bits |= look.style[hot];
    }
    if (font != selected || bits != selectedStyle) {
      dc.SelectFont(*font, bits);
      selected = font;
      selectedStyle = bits;
    }
    dc.SetTextColour(colour);
    dc.PaintText(f.rect.left, f.rect.top, std::u16string_view(text_).substr(f.start, length), nullptr);
  }
  const Link* focused = showFocus ? LinkEntry(focusedLink) : nullptr;
  if (focused && !focused->object) {
    for (const Rect& r : focused->rects) {
      if (!r.Empty()) dc.FocusFrame(r);
    }
  }
}

CLineObject* CChCore::HitTest(int x, int y, HitInfo& hit) const {
  for (const Fragment& f : fragments_) {
    if (!f.rect.Contains(x, y)) continue;
    if (f.object) return f.object->ObjectAt(x, y, hit);
    const int link = runs_[f.run].style.link;
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
