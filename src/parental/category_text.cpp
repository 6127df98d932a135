#include "parental/category_text.h"

#include "common/text.h"
#include "parental/stored_text.h"

namespace parental::corvui {

core::CategoryStates ParseCategories(std::u16string_view text) {
  core::CategoryStates states;
  ForEachPiece(text, [&](std::u16string_view piece) {
    std::size_t idLength = 0, stateLength = 0;
    const std::uint32_t id = ReadUnsigned(piece, 10, &idLength);
    if (idLength == 0 || idLength >= piece.size() || piece[idLength] != u':') return;
    const std::u16string_view rest = piece.substr(idLength + 1);
    const std::uint32_t state = ReadUnsigned(rest, 2, &stateLength);
    if (stateLength == 0 || stateLength != rest.size()) return;
    states[std::uint16_t(id)] = state ? core::kAllowed : core::kBlocked;
  });
  return states;
}

std::u16string FormatCategories(const core::CategoryStates& states) {
  std::u16string text;
  for (const auto& [id, state] : states) {
    if (state == core::kNotSet) continue;  // the parent decides; "1" would allow it
    if (!text.empty()) text += u'|';
    const auto signedId = std::int16_t(id);
    if (signedId < 0) text += u'-';
    text += common::FormatDecimal(std::uint64_t(signedId < 0 ? -std::int32_t(signedId) : signedId));
    text += state ? u":1" : u":0";
  }
  return text;
}

}  // namespace parental::corvui
