#include "platform/registry_values.h"

#include <cstring>

namespace parental::platform {
namespace {

constexpr std::size_t kMaxKeyName = 256;

constexpr std::uint32_t kInlineSize = 512;

// The raw bytes of a value of one of the accepted types, at most maxSize bytes. Values that
// fit a small buffer are read with one query; larger ones are asked for their size first.
bool ReadRaw(IRegistryStore& store, RegKey key, std::u16string_view name, std::uint32_t type1,
             std::uint32_t type2, std::size_t maxSize, std::vector<std::uint8_t>* data) {
  std::uint8_t inline_[kInlineSize];
  std::uint32_t type = 0, size = kInlineSize;
  if (store.QueryValue(key, name, &type, inline_, &size)) {
    if ((type != type1 && type != type2) || size > maxSize) return false;
    data->assign(inline_, inline_ + size);
    return true;
  }
  if (size <= kInlineSize || !store.QueryValue(key, name, &type, nullptr, &size)) return false;
  if ((type != type1 && type != type2) || size > maxSize) return false;
  data->resize(size);
  std::uint32_t got = size;
  if (!store.QueryValue(key, name, &type, data->data(), &got) || got != size) return false;
  return type == type1 || type == type2;
}

}  // namespace

bool ReadDword(IRegistryStore& store, RegKey key, std::u16string_view name, std::uint32_t* value) {
  std::vector<std::uint8_t> data;
  if (!ReadRaw(store, key, name, kRegDword, kRegDword, 4, &data) || data.size() != 4) return false;
  std::memcpy(value, data.data(), 4);
  return true;
}

bool ReadText(IRegistryStore& store, RegKey key, std::u16string_view name, std::size_t maxLength,
              std::u16string* text) {
  std::vector<std::uint8_t> data;
  // Room for the text, its terminator and an odd byte.
  const std::size_t maxSize = (maxLength + 1) * sizeof(char16_t) + 1;
  if (!ReadRaw(store, key, name, kRegString, kRegExpandString, maxSize, &data)) return false;
  std::u16string value(data.size() / sizeof(char16_t), u'\0');
  std::memcpy(value.data(), data.data(), value.size() * sizeof(char16_t));
  value.resize(value.find(u'\0') == std::u16string::npos ? value.size() : value.find(u'\0'));
  if (value.size() > maxLength) return false;
  *text = std::move(value);
  return true;
}

bool ReadBinary(IRegistryStore& store, RegKey key, std::u16string_view name, std::size_t maxSize,
                std::vector<std::uint8_t>* data) {
  return ReadRaw(store, key, name, kRegBinary, kRegBinary, maxSize, data);
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
