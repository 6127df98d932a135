#pragma once
// Typed reads from a registry store. A value of another type, or longer than the caller
// allows, counts as missing.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace parental::platform {

bool ReadDword(IRegistryStore& store, RegKey key, std::u16string_view name, std::uint32_t* value);
// A string or expandable string of at most maxLength characters (up to its first zero).
bool ReadText(IRegistryStore& store, RegKey key, std::u16string_view name, std::size_t maxLength,
              std::u16string* text);
// Deletes a key with all its subkeys, depth first.
bool DeleteKeyTree(IRegistryStore& store, RegKey parent, std::u16string_view name);

}  // namespace parental::platform
