#include "frame/protocol/name_table.h"

#include "common/text.h"

using parental::common::BoundedLength;
using parental::common::CopyText;
using parental::common::EqualsNoCase;

void NameTable::Load(const NameTableHeader* answer) {
  Clear();
  if (!answer || !answer->count || !answer->entries) return;
  const auto* first = FromAddress<const NameTableEntry>(answer->entries);
  try {
    entries_.assign(first, first + answer->count);
  } catch (...) {  // no memory for the copy: no table
    Clear();
  }
}

void NameTable::Clear() { std::vector<NameTableEntry>().swap(entries_); }

bool NameTable::Lookup(std::u16string_view name, char16_t result[kNameCapacity]) const {
  auto column = [](const char16_t* text) {
    return std::u16string_view(text, BoundedLength(text, kNameCapacity));
  };
  for (const NameTableEntry& entry : entries_) {
    std::u16string_view first = column(entry.symbolicName), second = column(entry.displayName);
    if (EqualsNoCase(name, first) || EqualsNoCase(name, second)) {
      CopyText(result, kNameCapacity, EqualsNoCase(name, first) ? second : first);
      return true;
    }
  }
  return false;
}
