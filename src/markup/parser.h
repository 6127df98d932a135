#pragma once
// The mark-up parser: cuts a text into a flat, indexed list of tags. Every position
// and length is a character index into the text, which is kept unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CChParser {
 public:
  struct AttributeSpan {
    std::int32_t nameStart = 0, nameLength = 0;
    std::int32_t valueStart = 0, valueLength = 0;
  };

  // One record per <...>.
  struct TAG {
    std::int32_t nameStart = 0, nameLength = 0;
    std::int32_t attributesStart = 0, attributesLength = 0;  // start 0: no attributes
    std::int32_t textStart = 0, textLength = 0;              // text up to the next '<'
    std::uint8_t selfClosing = 0;
    std::uint8_t closing = 0;
    std::int32_t endIndex = 0;       // index of the tag that closes this one
    std::int32_t firstAttribute = 0;  // index into the parser's span array
    std::int32_t attributeCount = 0;
  };

  bool Parse(std::u16string_view text);
  void Clear();

  int TagCount() const { return static_cast<int>(tags_.size()); }
  const TAG* Tag(int index) const;
  const std::u16string& Text() const { return text_; }

  // The name span as written (for <NAME="value"> the whole NAME="value").
  std::u16string_view RawTagName(int index) const;
  // The name span in upper case.
  std::u16string TagName(int index) const;
  // Characters between the first two double quotes of the name span.
  bool GetTagValue(int index, std::u16string& value) const;
  // Attribute `number` (from 0): name trimmed and in upper case, value as written.
  bool GetTagAttribute(int index, int number, std::u16string& name, std::u16string& value) const;
  std::u16string_view FollowingText(int index) const;

 private:
  void ReadTag(std::int32_t s, std::int32_t e);
  void ScanAttributes(TAG& tag, std::int32_t p, std::int32_t end);
  std::u16string_view Span(std::int32_t start, std::int32_t length) const;

  std::u16string text_;
  std::vector<TAG> tags_;
  std::vector<AttributeSpan> spans_;
  std::vector<std::int32_t> open_;  // indices of tags opened and not yet closed
};
