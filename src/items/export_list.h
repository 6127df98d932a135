#pragma once
// Lists of exported items that a profile holds: read from the registry mirror, where the
// host keeps one subkey "Node_..." per item, and written into a configuration document as
// one "NODE" subtree per item. Items stay sorted by their comparison (the identifier).
#include <cstdint>
#include <iterator>
#include <utility>

#include "common/lock.h"
#include "common/out_of_memory.h"
#include "items/export_exception.h"
#include "items/sorted_array.h"
#include "profiles/config_handle.h"

namespace parental::shared::detail {

// The list's registry key "<profiles>\<profile>\<list name>" (the active profile when
// profile is null or empty), open for reading; 0 when it cannot be opened.
platform::RegKey OpenListKey(platform::IRegistryStore& store, std::uint32_t pluginId, const char16_t* profile,
                             const char16_t* listName);
// The list's element in the document below the profile's, found or created, emptied of the
// item elements it held; null on failure.
_XML_NODE* PrepareListNode(XmlDocument* document, std::uint32_t pluginId, const char16_t* profile,
                           const char16_t* listName, std::uint32_t handleFlags);
// A new item element "NODE;NAME=<name>;TYPE=SUBNODE" in the list.
_XML_NODE* AppendItemNode(XmlDocument* document, _XML_NODE* list, const char16_t* listName);
// Whether a subkey name is an item's: "Node_" followed by at most 8 characters.
bool IsItemKeyName(const char16_t* name);
constexpr std::size_t kKeyNameCapacity = 256;

}  // namespace parental::shared::detail

template <typename T>
class CExportConfigList {
 public:
  explicit CExportConfigList(std::uint32_t pluginId,
                             parental::platform::IRegistryStore& registry = parental::platform::DefaultRegistry())
      : pluginId_(pluginId), registry_(&registry), items_(&CompareItems) {}
  CExportConfigList(const CExportConfigList&) = delete;
  CExportConfigList& operator=(const CExportConfigList&) = delete;
  virtual ~CExportConfigList() = default;

  virtual const char16_t* GetRegistryName() const = 0;  // the list's subkey below a profile
  virtual const char16_t* GetXmlName() const = 0;       // the list's node name in documents

  // Replaces the content with the items stored in the profile's list key.
  bool ReadList(const char16_t* profile) {
    Guard guard(*this);
    items_.RemoveAll();
    return parental::common::OrWhenOutOfMemory(false, [&] {
      parental::platform::ScopedKey key(*registry_, parental::shared::detail::OpenListKey(
                                                        *registry_, pluginId_, profile, GetRegistryName()));
      return key && ReadItems(key.get());
    });
  }

  // Replaces the content with the items of an open list key.
  bool ReadFromKey(parental::platform::RegKey key) {
    Guard guard(*this);
    items_.RemoveAll();
    return ReadItems(key);
  }

  // Writes every item into the profile's list in the document, replacing what it held.
  // An item that cannot be written is left out and makes the result false.
  bool WriteList(XmlDocument* document, const char16_t* profile,
                 std::uint32_t handleFlags = parental::profiles::kHandleWritable) {
    Guard guard(*this);
    return parental::common::OrWhenOutOfMemory(false, [&] {
      _XML_NODE* list = parental::shared::detail::PrepareListNode(document, pluginId_, profile, GetXmlName(),
                                                                 handleFlags);
      if (!list) return false;
      bool ok = true;
      for (T& item : items_) {
        _XML_NODE* node = parental::shared::detail::AppendItemNode(document, list, GetXmlName());
        if (node && item.WriteItem(document, node)) continue;
        if (node) DeleteNode(document, node);
        ok = false;
      }
      return ok;
    });
  }

  // Inserts a copy of item at its sorted place unless an equal one is there already. The
  // item gets its identifier first, so that it and its copy stay the same item.
  bool Add(T& item) {
    item.GetIdentifier();
    T copy;
    if (!copy.Assign(item)) return false;
    bool found = false;
    std::size_t at = items_.Find(copy, &found);
    return !found && items_.InsertAt(at, copy);
  }

  CSortedArray<T>& Items() { return items_; }
  void SetUseLock(bool use) { useLock_ = use; }

 private:
  static int CompareItems(T& a, T& b) {
    int c = a.Compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
  }

  // False when memory ran out: an item missed would be lost by the next write.
  bool ReadItems(parental::platform::RegKey key) {
    return parental::common::OrWhenOutOfMemory(false, [&] {
      // Any key name fits, so that a long one is skipped rather than ending the walk.
      char16_t name[parental::shared::detail::kKeyNameCapacity];
      for (std::uint32_t i = 0; registry_->EnumKey(key, i, name, std::size(name)); ++i) {
        if (!parental::shared::detail::IsItemKeyName(name)) continue;
        parental::platform::ScopedKey itemKey(*registry_, registry_->Open(key, name, false));
        if (!itemKey) continue;
        T item;
        bool complete = true;
        const bool valid = item.ReadItem(*registry_, itemKey.get(), &complete);
        if (!complete) return false;
        if (!valid) continue;
        bool found = false;
        std::size_t at = items_.Find(item, &found);
        if (!found && !items_.InsertAt(at, std::move(item))) return false;
      }
      return true;
    });
  }

  // Holds the list's own lock while it reads or writes, when the list uses one.
  class Guard {
   public:
    explicit Guard(CExportConfigList& list) : lock_(list.useLock_ ? &list.lock_ : nullptr) {
      if (lock_) lock_->Lock();
    }
    ~Guard() { if (lock_) lock_->Unlock(); }

   private:
    parental::common::CLockable* lock_;
  };

  std::uint32_t pluginId_;
  std::uint8_t useLock_ = 0;
  parental::common::internal::CriticalSection lock_;
  parental::platform::IRegistryStore* registry_;
  CSortedArray<T> items_;
};

namespace parental::shared {

class CExportConfigExceptionList : public CExportConfigList<CExportConfigException> {
 public:
  using CExportConfigList::CExportConfigList;
  const char16_t* GetRegistryName() const override { return u"Exceptions"; }
  const char16_t* GetXmlName() const override { return u"Exceptions"; }
};

}  // namespace parental::shared
