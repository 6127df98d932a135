#include "platform/registry_values.h"

#include <cstring>

namespace parental::platform {
namespace {

constexpr std::size_t kMaxKeyName = 256;

constexpr std::uint32_t kInlineSize = 512;

// The raw bytes of a value: small ones stay in the inline buffer, larger ones on the heap.
struct RawValue {
  std::uint8_t inline_[kInlineSize];
  std::vector<std::uint8_t> heap;
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

// Reads a value of one of the accepted types, at most maxSize bytes. Values that fit the
// inline buffer are read with one query; larger ones are asked for their size first.
bool ReadRaw(IRegistryStore& store, RegKey key, std::u16string_view name, std::uint32_t type1,
             std::uint32_t type2, std::size_t maxSize, RawValue* value) {
  std::uint32_t type = 0, size = kInlineSize;
  if (store.QueryValue(key, name, &type, value->inline_, &size)) {
    if ((type != type1 && type != type2) || size > maxSize) return false;
    value->data = value->inline_;
    value->size = size;
    return true;
  }
  if (size <= kInlineSize || !store.QueryValue(key, name, &type, nullptr, &size)) return false;
  if ((type != type1 && type != type2) || size > maxSize) return false;
  value->heap.resize(size);
  std::uint32_t got = size;
  if (!store.QueryValue(key, name, &type, value->heap.data(), &got) || got != size) return false;
  value->data = value->heap.data();
  value->size = size;
  return type == type1 || type == type2;
}

}  // namespace

bool ReadDword(IRegistryStore& store, RegKey key, std::u16string_view name, std::uint32_t* value) {
  std::uint32_t type = 0, size = 4, read = 0;
  if (!store.QueryValue(key, name, &type, &read, &size) || type != kRegDword || size != 4) return false;
  *value = read;  // only a real DWORD reaches the caller
  return true;
}

bool ReadText(IRegistryStore& store, RegKey key, std::u16string_view name, std::size_t maxLength,
              std::u16string* text) {
  RawValue raw;
  // Room for the text, its terminator and an odd byte.
  const std::size_t maxSize = (maxLength + 1) * sizeof(char16_t) + 1;
  if (!ReadRaw(store, key, name, kRegString, kRegExpandString, maxSize, &raw)) return false;
  std::size_t length = 0;  // up to the first zero
  const std::size_t units = raw.size / sizeof(char16_t);
  while (length < units && (raw.data[2 * length] | raw.data[2 * length + 1])) ++length;
  if (length > maxLength) return false;
  text->resize(length);
  std::memcpy(text->data(), raw.data, length * sizeof(char16_t));
  return true;
}

bool DeleteKeyTree(IRegistryStore& store, RegKey parent, std::u16string_view name) {
  RegKey key = store.Open(parent, name, true);
  if (!key) return false;
  char16_t sub[kMaxKeyName];
  bool ok = true;
  // Always enumerate from the first subkey: each one is gone once deleted.
  while (ok && store.EnumKey(key, 0, sub, kMaxKeyName)) ok = DeleteKeyTree(store, key, sub);
  store.Close(key);
  return ok && store.DeleteKey(parent, name);
}

}  // namespace parental::platform
