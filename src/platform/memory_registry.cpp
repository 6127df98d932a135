#include "platform/memory_registry.h"

#include <cstring>

#include "common/text.h"

namespace parental::platform {
namespace {

constexpr std::size_t kMaxKeyName = 255;

char16_t FoldLower(char16_t c) {
  char16_t upper = common::FoldCase(c);
  if (upper != c) return c;  // already lower case
  // c is upper case or caseless: find the lower-case letter that folds to it.
  char16_t lower = c >= 0x400 && c <= 0x40F ? char16_t(c + 0x50) : char16_t(c + 0x20);
  return lower != c && common::FoldCase(lower) == c ? lower : c;
}

// Compares names as views, so that lookups need no copy of the name.
struct NameOrder {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
      char16_t x = a[i], y = b[i];
      if (x == y) continue;
      if (x < 0x80 && y < 0x80) {  // the common case, without the general folding
        x = (x >= u'A' && x <= u'Z') ? char16_t(x + 0x20) : x;
        y = (y >= u'A' && y <= u'Z') ? char16_t(y + 0x20) : y;
      } else {
        x = FoldLower(x), y = FoldLower(y);
      }
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

struct Value {
  std::uint32_t type;
  std::vector<std::uint8_t> data;
};

// Calls visit(name) for the "\"-separated names of a path until it answers false. As in
// the Win32 registry, a path must not start with "\" and further empty names are skipped.
// False when the path is malformed or visit stopped.
template <typename Visit>
bool ForEachName(std::u16string_view path, Visit&& visit) {
  if (!path.empty() && path[0] == u'\\') return false;
  while (!path.empty()) {
    std::size_t end = path.find(u'\\');
    std::u16string_view name = path.substr(0, end);
    if (name.size() > kMaxKeyName) return false;
    if (!name.empty() && !visit(name)) return false;
    if (end == std::u16string_view::npos) break;
    path.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace

struct MemoryRegistry::Key {
  std::map<std::u16string, std::shared_ptr<Key>, NameOrder> subkeys;
  std::uint64_t version = 1;  // changes whenever a subkey comes or goes
  std::map<std::u16string, Value, NameOrder> values;
  bool deleted = false;
};

struct MemoryRegistry::Handle {
  std::shared_ptr<Key> key;  // null while the slot is free
  bool write;
  bool root;
  // Where the last enumeration stood, so that walking the subkeys in order costs one step
  // each; any change of the subkeys makes it start again.
  std::uint32_t enumIndex = 0;
  std::uint64_t enumVersion = 0;
  std::map<std::u16string, std::shared_ptr<Key>, NameOrder>::iterator enumAt;
};

MemoryRegistry::MemoryRegistry() {
  for (auto& root : roots_) {
    root = std::make_shared<Key>();
    handles_[NewHandle(root, true) - 1].root = true;
  }
}

MemoryRegistry::~MemoryRegistry() = default;

// Handles are slots of a vector, reused once closed; a key is its slot's index plus one.
// The key comes by value: the caller's may live in a slot that growing the vector moves.
RegKey MemoryRegistry::NewHandle(std::shared_ptr<Key> key, bool write) {
  std::size_t slot = handles_.size();
  if (freeHandles_.empty()) {
    handles_.emplace_back();
  } else {
    slot = freeHandles_.back();
    freeHandles_.pop_back();
  }
  handles_[slot] = Handle{std::move(key), write, false, 0, 0, {}};
  ++openHandles_;
  return RegKey(slot + 1);
}

MemoryRegistry::Handle* MemoryRegistry::HandleOf(RegKey key) {
  return key && key <= handles_.size() && handles_[key - 1].key ? &handles_[key - 1] : nullptr;
}

MemoryRegistry::Key* MemoryRegistry::KeyOf(RegKey key, bool write) {
  Handle* h = HandleOf(key);
  if (!h || h->key->deleted || (write && !h->write)) return nullptr;
  return h->key.get();
}

RegKey MemoryRegistry::Root(RegRoot root) { return RegKey(static_cast<int>(root) + 1); }

RegKey MemoryRegistry::Open(RegKey parent, std::u16string_view path, bool write) {
  if (!KeyOf(parent, false)) return 0;
  const std::shared_ptr<Key>* key = &HandleOf(parent)->key;
  const bool found = ForEachName(path, [&](std::u16string_view name) {
    auto it = (*key)->subkeys.find(name);
    if (it == (*key)->subkeys.end()) return false;
    key = &it->second;
    return true;
  });
  return found ? NewHandle(*key, write) : 0;
}

RegKey MemoryRegistry::Create(RegKey parent, std::u16string_view path) {
  if (!KeyOf(parent, false)) return 0;
  const std::shared_ptr<Key>* key = &HandleOf(parent)->key;
  const bool made = ForEachName(path, [&](std::u16string_view name) {
    auto it = (*key)->subkeys.find(name);
    if (it == (*key)->subkeys.end()) {
      it = (*key)->subkeys.emplace(std::u16string(name), std::make_shared<Key>()).first;
      ++(*key)->version;
    }
    key = &it->second;
    return true;
  });
  return made ? NewHandle(*key, true) : 0;
}

void MemoryRegistry::Close(RegKey key) {
  Handle* h = HandleOf(key);
  if (!h || h->root) return;
  *h = Handle{};
  freeHandles_.push_back(std::uint32_t(key - 1));
  --openHandles_;
}

bool MemoryRegistry::QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                                std::uint32_t* size) {
  Key* k = KeyOf(key, false);
  if (!k || (data && !size)) return false;
  auto it = k->values.find(name);
  if (it == k->values.end()) return false;
  const Value& v = it->second;
  if (type) *type = v.type;
  if (!size) return true;
  const auto needed = static_cast<std::uint32_t>(v.data.size());
  if (data && *size < needed) {
    *size = needed;
    return false;
  }
  if (data && needed) std::memcpy(data, v.data.data(), needed);
  *size = needed;
  return true;
}

bool MemoryRegistry::SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                              std::uint32_t size) {
  Key* k = KeyOf(key, true);
  if (!k || (size && !data)) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  k->values[std::u16string(name)] = Value{type, std::vector<std::uint8_t>(bytes, bytes + size)};
  return true;
}

bool MemoryRegistry::EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) {
  Key* k = KeyOf(key, false);
  if (!k || index >= k->subkeys.size()) return false;
  Handle& h = *HandleOf(key);
  if (h.enumVersion != k->version || index < h.enumIndex) {
    h.enumVersion = k->version;
    h.enumIndex = 0;
    h.enumAt = k->subkeys.begin();
  }
  std::advance(h.enumAt, index - h.enumIndex);
  h.enumIndex = index;
  auto it = h.enumAt;
  if (it->first.size() + 1 > capacity) return false;
  return common::CopyText(name, capacity, it->first);
}

bool MemoryRegistry::DeleteKey(RegKey parent, std::u16string_view path) {
  if (!KeyOf(parent, false)) return false;
  // Walk to the key that holds the path's last name.
  Key* holder = nullptr;
  Key* key = HandleOf(parent)->key.get();
  std::u16string_view last;
  const bool found = ForEachName(path, [&](std::u16string_view name) {
    if (holder) {
      auto it = holder->subkeys.find(last);
      if (it == holder->subkeys.end()) return false;
      key = it->second.get();
    }
    holder = key;
    last = name;
    return true;
  });
  if (!found || !holder) return false;
  auto it = holder->subkeys.find(last);
  if (it == holder->subkeys.end() || !it->second->subkeys.empty()) return false;
  it->second->deleted = true;  // handles still open on it fail from now on
  holder->subkeys.erase(it);
  ++holder->version;
  return true;
}

}  // namespace parental::platform
