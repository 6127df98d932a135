#pragma once
// The text flow: walks the tags of one text object's range, keeps the style stacks
// and depth counters, and builds the object's runs, links and embedded objects.
#include <string>
#include <vector>

#include "markup/text_core.h"

class CChDocument;
class CChParser;

class CTextFlow {
 public:
  // `owner` is the text object: it receives LINK-STYLE and is the parent of embedded objects.
  CTextFlow(CChCore& core, const CChParser& parser, CChDocument& document, CLineObject& owner,
            const CChCore::Style& defaults);
  // Interprets the tags first..last (inclusive), each followed by its text.
  void Walk(int first, int last);

 private:
  template <class T>
  struct Stack {
    std::vector<T> entries;
    void Push(const T& value) { entries.push_back(value); }
    void Pop() {
      if (entries.size() > 1) entries.pop_back();  // the bottom entry stays
    }
    const T& Top() const { return entries.back(); }
  };

  // Applies tag `index`; answers false when an embedded container consumed its own text.
  bool Apply(int& index);
  bool Opening(int& index, std::u16string_view name);
  void Closing(int index, std::u16string_view name);
  void StartLink(int index);
  void EmbedObject(std::u16string_view type, const std::vector<std::pair<std::u16string, std::u16string>>& defaults,
                   int& index, bool& more);
  void UpdateStyle();
  const NamedStyle* StyleOf(int index) const;

  CChCore& core_;
  const CChParser& parser_;
  CChDocument& document_;
  CLineObject& owner_;
  Stack<Colour> colours_;
  Stack<const FontDesc*> fonts_;
  Stack<std::uint32_t> tabs_;
  Stack<int> linePositions_;
  Stack<std::uint8_t> alignments_;
  Stack<int> links_;
  Stack<std::size_t> linkColourDepths_;  // the colour stack's depth when each open link started
  int bold_ = 0, italic_ = 0, underline_ = 0;
};

// Replaces &lt; &gt; &quot; &apos; and &amp;, in this order.
std::u16string DecodeEntities(std::u16string_view text);
