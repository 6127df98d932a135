#pragma once
// The host's table of localised symbolic names (kRequestNameTable): pairs of names that
// translate into each other, such as "@default" and its display name.
#include <string_view>
#include <vector>

#include "frame/protocol/records.h"

class NameTable {
 public:
  // Replaces the table with a copy of the host's answer (null or empty: no table).
  void Load(const NameTableHeader* answer);
  void Clear();
  std::size_t size() const { return entries_.size(); }

  // Finds name in either column (case-insensitive, first match in table order) and copies
  // the other column into result, cut to 80 characters.
  bool Lookup(std::u16string_view name, char16_t result[kNameCapacity]) const;

 private:
  std::vector<NameTableEntry> entries_;
};
