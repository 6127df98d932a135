#include "markup/text_flow.h"

#include "common/text.h"
#include "markup/document.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;

namespace {

bool StartsWith(std::u16string_view name, std::u16string_view prefix) {
  return name.size() >= prefix.size() && EqualsNoCase(name.substr(0, prefix.size()), prefix);
}

void ReplaceAll(std::u16string& text, std::u16string_view from, char16_t to) {
  std::size_t out = 0;
  for (std::size_t in = 0; in < text.size();) {
    if (text.compare(in, from.size(), from) == 0) {
      text[out++] = to;
      in += from.size();
    } else {
      text[out++] = text[in++];
    }
  }
  text.resize(out);
}

}  // namespace

std::u16string DecodeEntities(std::u16string_view text) {
  std::u16string out(text);
  if (out.find(u'&') == std::u16string::npos) return out;
  ReplaceAll(out, u"&lt;", u'<');
  ReplaceAll(out, u"&gt;", u'>');
  ReplaceAll(out, u"&quot;", u'"');
  ReplaceAll(out, u"&apos;", u'\'');
  ReplaceAll(out, u"&amp;", u'&');
  return out;
}

CTextFlow::CTextFlow(CChCore& core, const CChParser& parser, CChDocument& document, CLineObject& owner,
                     const CChCore::Style& defaults)
    : m_core(core), m_parser(parser), m_document(document), m_owner(owner) {
  m_colours.Push(defaults.colour);
  m_fonts.Push(defaults.font);
  m_tabs.Push(defaults.tabPosition);
  m_linePositions.Push(defaults.linePosition);
  m_alignments.Push(defaults.alignment);
  m_links.Push(-1);
  UpdateStyle();
}

void CTextFlow::UpdateStyle() {
  CChCore::Style style;
  style.colour = m_colours.Top();
  style.font = m_fonts.Top();
  style.tabPosition = m_tabs.Top();
  style.linePosition = m_linePositions.Top();
  style.alignment = m_alignments.Top();
  style.style = static_cast<std::uint8_t>((m_bold ? kBold : 0) | (m_italic ? kItalic : 0) | (m_underline ? kUnderline : 0));
  style.link = m_links.Top();
  m_core.SetStyle(style);
}

void CTextFlow::Walk(int first, int last) {
  for (int index = first; index <= last && index < m_parser.TagCount(); ++index) {
    if (Apply(index)) m_core.AppendText(DecodeEntities(m_parser.FollowingText(index)));
  }
}

bool CTextFlow::Apply(int& index) {
  const auto* tag = m_parser.Tag(index);
  const std::u16string_view name = m_parser.RawTagName(index);
  bool more = true;
  if (tag->closing) {
    Closing(index, name);
  } else {
    more = Opening(index, name);
  }
  UpdateStyle();
  return more;
}

void CTextFlow::Closing(int index, std::u16string_view name) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"B")) --m_bold;
  else if (is(u"I")) --m_italic;
  else if (is(u"U")) --m_underline;
  else if (is(u"A")) m_links.Pop();
  else if (StartsWith(name, u"COLOR")) m_colours.Pop();
  else if (StartsWith(name, u"FONT")) m_fonts.Pop();
  else if (StartsWith(name, u"TABPOS")) m_tabs.Pop();
  else if (is(u"RIGHT") || is(u"LEFT") || is(u"CENTER")) m_alignments.Pop();
  else if (StartsWith(name, u"LINEPOS")) m_linePositions.Pop();
  else if (StartsWith(name, u"OBJECT") || m_document.FindTag(name)) return;
  else if (m_document.Font(m_parser.TagName(index))) m_fonts.Pop();
}

bool CTextFlow::Opening(int& index, std::u16string_view name) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  std::u16string value;
  bool more = true;
  if (is(u"B")) {
    ++m_bold;
  } else if (is(u"I")) {
    ++m_italic;
  } else if (is(u"U")) {
    ++m_underline;
  } else if (is(u"A")) {
    StartLink(index);
  } else if (StartsWith(name, u"COLOR")) {
    m_parser.GetTagValue(index, value);
    m_colours.Push(ReadColour(value).value_or(m_colours.Top()));
  } else if (StartsWith(name, u"FONT")) {
    m_parser.GetTagValue(index, value);
    if (const FontDesc* font = m_document.Font(value)) m_fonts.Push(font);
  } else if (StartsWith(name, u"TABPOS")) {
    m_parser.GetTagValue(index, value);
    const bool percent = value.find(u'%') != std::u16string::npos;
    m_tabs.Push((static_cast<std::uint32_t>(ReadNumber(value)) & 0xFFFF) | (percent ? 0x10000u : 0u));
  } else if (is(u"RIGHT")) {
    m_alignments.Push(2);
  } else if (is(u"LEFT")) {
    m_alignments.Push(1);
  } else if (is(u"CENTER")) {
    m_alignments.Push(3);
  } else if (StartsWith(name, u"LINEPOS")) {
    m_parser.GetTagValue(index, value);
    m_linePositions.Push(ReadLengthNumber(value));
  } else if (StartsWith(name, u"OBJECT")) {
    if (m_parser.GetTagValue(index, value)) EmbedObject(value, {}, index, more);
  } else if (const auto* entry = m_document.FindTag(name)) {
    EmbedObject(entry->type, entry->defaults, index, more);
  } else if (const FontDesc* font = m_document.Font(m_parser.TagName(index))) {
    m_fonts.Push(font);
  }
  return more;
}

void CTextFlow::StartLink(int index) {
  const int link = m_core.NewLink(index);
  m_links.Push(link);
  std::u16string name, value;
  for (int i = 0; m_parser.GetTagAttribute(index, i, name, value); ++i) {
    if (EqualsNoCase(name, u"TOOLTIP")) m_core.SetLinkTooltip(link, value);
    else if (EqualsNoCase(name, u"LINK-STYLE")) m_owner.SetAttribute(name, value);
  }
}

void CTextFlow::EmbedObject(std::u16string_view type, const CChDocument::Attributes& defaults, int& index, bool& more) {
  auto object = m_document.CreateObject(type, defaults, m_parser, index, &m_owner, more);
  if (!object) return;
  const bool focusable = object->Has(CLineObject::kFocusable);
  m_core.Embed(std::move(object), focusable);
}
