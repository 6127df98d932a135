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
    : core_(core), parser_(parser), document_(document), owner_(owner) {
  colours_.Push(defaults.colour);
  fonts_.Push(defaults.font);
  tabs_.Push(defaults.tabPosition);
  linePositions_.Push(defaults.linePosition);
  alignments_.Push(defaults.alignment);
  links_.Push(-1);
  linkColourDepths_.Push(0);
  UpdateStyle();
}

void CTextFlow::UpdateStyle() {
  CChCore::Style style;
  style.colour = colours_.Top();
  style.font = fonts_.Top();
  style.tabPosition = tabs_.Top();
  style.linePosition = linePositions_.Top();
  style.alignment = alignments_.Top();
  style.style = static_cast<std::uint8_t>((bold_ ? kBold : 0) | (italic_ ? kItalic : 0) | (underline_ ? kUnderline : 0));
  style.link = links_.Top();
  style.linkColour = style.link >= 0 && colours_.entries.size() > linkColourDepths_.Top();
  core_.SetStyle(style);
}

void CTextFlow::Walk(int first, int last) {
  for (int index = first; index <= last && index < parser_.TagCount(); ++index) {
    if (Apply(index)) core_.AppendText(DecodeEntities(parser_.FollowingText(index)));
  }
}

bool CTextFlow::Apply(int& index) {
  const auto* tag = parser_.Tag(index);
  const std::u16string_view name = parser_.RawTagName(index);
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
  if (is(u"B")) --bold_;
  else if (is(u"I")) --italic_;
  else if (is(u"U")) --underline_;
  else if (is(u"A")) {
    links_.Pop();
    linkColourDepths_.Pop();
  }
  else if (StartsWith(name, u"COLOR")) colours_.Pop();
  else if (StartsWith(name, u"FONT")) fonts_.Pop();
  else if (StartsWith(name, u"TABPOS")) tabs_.Pop();
  else if (is(u"RIGHT") || is(u"LEFT") || is(u"CENTER")) alignments_.Pop();
  else if (StartsWith(name, u"LINEPOS")) linePositions_.Pop();
  else if (StartsWith(name, u"OBJECT") || document_.FindTag(name)) return;
  else if (document_.Font(parser_.TagName(index))) fonts_.Pop();
  else if (StyleOf(index)) {
    fonts_.Pop();
    colours_.Pop();
  }
}

const NamedStyle* CTextFlow::StyleOf(int index) const {
  const std::u16string_view raw = parser_.RawTagName(index);
  std::u16string value;
  parser_.GetTagValue(index, value);
  return document_.Style(raw.substr(0, raw.find(u'=')), value);
}

bool CTextFlow::Opening(int& index, std::u16string_view name) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  std::u16string value;
  bool more = true;
  if (is(u"B")) {
    ++bold_;
  } else if (is(u"I")) {
    ++italic_;
  } else if (is(u"U")) {
    ++underline_;
  } else if (is(u"A")) {
    StartLink(index);
  } else if (StartsWith(name, u"COLOR")) {
    parser_.GetTagValue(index, value);
    colours_.Push(ReadColour(value).value_or(colours_.Top()));
  } else if (StartsWith(name, u"FONT")) {
    parser_.GetTagValue(index, value);
    if (const FontDesc* font = document_.Font(value)) fonts_.Push(font);
  } else if (StartsWith(name, u"TABPOS")) {
    parser_.GetTagValue(index, value);
    const bool percent = value.find(u'%') != std::u16string::npos;
    tabs_.Push((static_cast<std::uint32_t>(ReadNumber(value)) & 0xFFFF) | (percent ? 0x10000u : 0u));
  } else if (is(u"RIGHT")) {
    alignments_.Push(2);
  } else if (is(u"LEFT")) {
    alignments_.Push(1);
  } else if (is(u"CENTER")) {
    alignments_.Push(3);
  } else if (StartsWith(name, u"LINEPOS")) {
    parser_.GetTagValue(index, value);
    linePositions_.Push(ReadLengthNumber(value));
  } else if (StartsWith(name, u"OBJECT")) {
    if (parser_.GetTagValue(index, value)) EmbedObject(value, {}, index, more);
  } else if (const auto* entry = document_.FindTag(name)) {
    EmbedObject(entry->type, entry->defaults, index, more);
  } else if (const FontDesc* font = document_.Font(parser_.TagName(index))) {
    fonts_.Push(font);
  } else if (const NamedStyle* style = StyleOf(index)) {  // both stacks, so its closing tag pops both
    fonts_.Push(style->font ? &*style->font : fonts_.Top());
    colours_.Push(style->colour.value_or(colours_.Top()));
  }
  return more;
}

void CTextFlow::StartLink(int index) {
  const int link = core_.NewLink(index);
  links_.Push(link);
  linkColourDepths_.Push(colours_.entries.size());
  std::u16string name, value;
  for (int i = 0; parser_.GetTagAttribute(index, i, name, value); ++i) {
    if (EqualsNoCase(name, u"TOOLTIP")) core_.SetLinkTooltip(link, value);
    else if (EqualsNoCase(name, u"LINK-STYLE")) owner_.SetAttribute(name, value);
  }
}

void CTextFlow::EmbedObject(std::u16string_view type, const CChDocument::Attributes& defaults, int& index, bool& more) {
  auto object = document_.CreateObject(type, defaults, parser_, index, &owner_, more);
  if (!object) return;
  const bool focusable = object->Has(CLineObject::kFocusable);
  core_.Embed(std::move(object), focusable);
}
