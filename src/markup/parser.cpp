#include "markup/parser.h"

#include "common/text.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Tag and attribute names compare in upper case.
std::u16string Upper(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = parental::common::FoldCase(c);
  return out;
}

}  // namespace

void CChParser::Clear() {
  text_.clear();
  tags_.clear();
  spans_.clear();
  open_.clear();
}

bool CChParser::Parse(std::u16string_view text) {
  Clear();
  text_.assign(text);
  std::int32_t pos = 0, lastClose = -1;
  for (;;) {
    auto lt = text_.find(u'<', pos);
    if (lt == std::u16string::npos) break;
    auto open = static_cast<std::int32_t>(lt);
    if (!tags_.empty()) {
      tags_.back().textStart = lastClose + 1;
      tags_.back().textLength = open - (lastClose + 1);
    }
    auto gt = text_.find(u'>', lt);
    if (gt == std::u16string::npos) break;
    auto close = static_cast<std::int32_t>(gt);
    ReadTag(open + 1, close);
    tags_.back().textStart = close + 1;
    lastClose = close;
    pos = close;
  }
  const std::int32_t last = static_cast<std::int32_t>(tags_.size()) - 1;
  for (auto index : open_) tags_[index].endIndex = last;
  open_.clear();
  return true;
}

void CChParser::ReadTag(std::int32_t s, std::int32_t e) {
  TAG tag;
  const auto index = static_cast<std::int32_t>(tags_.size());
  std::int32_t nameEnd = s;
  while (nameEnd < e && text_[nameEnd] != u' ') ++nameEnd;
  tag.nameStart = s;
  if (s < e && text_[s] == u'/') {
    tag.closing = 1;
    tag.nameStart = s + 1;
  }
  tag.nameLength = nameEnd - tag.nameStart;
  if (e > s && text_[e - 1] == u'/') tag.selfClosing = 1;
  if (nameEnd < e) {
    tag.attributesStart = nameEnd;
    tag.attributesLength = e - nameEnd - tag.selfClosing;
  } else if (tag.selfClosing && tag.nameLength > 0) {
    --tag.nameLength;  // <BR/> is named BR
  }
  tag.endIndex = index;
  tag.firstAttribute = static_cast<std::int32_t>(spans_.size());
  if (tag.attributesStart) ScanAttributes(tag, tag.attributesStart, tag.attributesStart + tag.attributesLength);
  tags_.push_back(tag);

  if (tag.closing) {
    if (!open_.empty()) {
      tags_[open_.back()].endIndex = index;
      open_.pop_back();
    }
  } else if (!tag.selfClosing) {
    if (open_.size() == open_.capacity()) open_.reserve(open_.size() + 10);
    open_.push_back(index);
  }
}

// Alternates a name step (up to '=') and a value step (between double quotes) until
// the end of the attribute area; spans whose name is blank are not kept.
void CChParser::ScanAttributes(TAG& tag, std::int32_t p, std::int32_t end) {
  while (p < end) {
    AttributeSpan span;
    std::int32_t nameStart = p + 1, nameEnd = nameStart;
    while (nameEnd < end && text_[nameEnd] != u'=') ++nameEnd;
    p = nameEnd;
    while (nameStart < nameEnd && IsBlank(text_[nameStart])) ++nameStart;
    std::int32_t trimmedEnd = nameEnd;
    while (trimmedEnd > nameStart && IsBlank(text_[trimmedEnd - 1])) --trimmedEnd;
    span.nameStart = nameStart;
    span.nameLength = trimmedEnd - nameStart;
    std::int32_t quote = p;
    while (quote < end && text_[quote] != u'"') ++quote;
    if (quote < end) {
      std::int32_t valueEnd = quote + 1;
      while (valueEnd < end && text_[valueEnd] != u'"') ++valueEnd;
      span.valueStart = quote + 1;
      span.valueLength = valueEnd - span.valueStart;
      p = valueEnd;
    } else {
      span.valueStart = end;
      p = end;
    }
    if (span.nameLength > 0) {
      spans_.push_back(span);
      ++tag.attributeCount;
    }
  }
}

const CChParser::TAG* CChParser::Tag(int index) const {
  if (index < 0 || index >= TagCount()) return nullptr;
  return &tags_[index];
}

std::u16string_view CChParser::Span(std::int32_t start, std::int32_t length) const {
  return std::u16string_view(text_).substr(start, length);
}

std::u16string_view CChParser::RawTagName(int index) const {
  const TAG* tag = Tag(index);
  return tag ? Span(tag->nameStart, tag->nameLength) : std::u16string_view();
}

std::u16string CChParser::TagName(int index) const {
  return Upper(RawTagName(index));
}

bool CChParser::GetTagValue(int index, std::u16string& value) const {
  auto name = RawTagName(index);
  auto first = name.find(u'"');
  if (first == std::u16string_view::npos) return false;
  auto second = name.find(u'"', first + 1);
  if (second == std::u16string_view::npos) return false;
  value.assign(name.substr(first + 1, second - first - 1));
  return true;
}

bool CChParser::GetTagAttribute(int index, int number, std::u16string& name, std::u16string& value) const {
  const TAG* tag = Tag(index);
  if (!tag || number < 0 || number >= tag->attributeCount) return false;
  const AttributeSpan& span = spans_[tag->firstAttribute + number];
  name = Upper(Span(span.nameStart, span.nameLength));
  value.assign(Span(span.valueStart, span.valueLength));
  return true;
}

std::u16string_view CChParser::FollowingText(int index) const {
  const TAG* tag = Tag(index);
  return tag ? Span(tag->textStart, tag->textLength) : std::u16string_view();
}
