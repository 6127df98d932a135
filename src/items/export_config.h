#pragma once
// A record that the host stores item by item: two arrays of named fields (texts and
// numbers), a modified flag, a deletion flag and an optional generated
// identifier. It writes itself as a "NODE" subtree and reads itself from a registry key.
// No operation throws: a failed allocation leaves a field empty.
#include <cstddef>
#include <cstdint>

#include "platform/registry_store.h"
#include "store/xml_document.h"

class CExportConfig {
 public:
  CExportConfig() = default;
  CExportConfig(const CExportConfig&) = delete;
  CExportConfig& operator=(const CExportConfig&) = delete;
  CExportConfig(CExportConfig&& other) noexcept { Swap(other); }
  CExportConfig& operator=(CExportConfig&& other) noexcept {
    Swap(other);
    return *this;
  }

  virtual void Init(std::size_t texts, std::size_t numbers, bool hasIdentifier);
  virtual const char16_t* GetText(std::size_t i) const;
  virtual std::uint32_t GetNumber(std::size_t i) const;
  virtual void SetText(std::size_t i, const char16_t* text);
  virtual void SetNumber(std::size_t i, std::uint32_t value);
  virtual const char16_t* GetTextName(std::size_t i) const { return nullptr; }
  virtual const char16_t* GetNumberName(std::size_t i) const { return nullptr; }
  // A new GUID as lower-case text (36 characters), or null.
  virtual char16_t* CreateIdentifier() const;
  virtual ~CExportConfig();
  virtual bool IsValid() const = 0;
  virtual int Compare(CExportConfig& other);
  virtual const char16_t* GetIdentifier();
  virtual bool SetIdentifier(const char16_t* text);

  // Copies every field, both flags and the identifier; false when memory ran out (the
  // item is then left empty).
  bool Assign(const CExportConfig& other);
  bool WriteItem(XmlDocument* document, _XML_NODE* element);
  // Reads the fields from the key; IsValid. *complete (when given) becomes false when
  // memory ran out, so that the item may lack what is stored.
  bool ReadItem(parental::platform::IRegistryStore& store, parental::platform::RegKey key,
                bool* complete = nullptr);

  bool IsDeleted() const { return deleted_ != 0; }
  void SetDeleted(bool deleted) { deleted_ = deleted; }
  bool IsModified() const { return modified_ != 0; }
  void SetModified(bool modified) { modified_ = modified; }
  bool HasIdentifier() const { return hasIdentifier_ != 0; }
  std::size_t TextCount() const { return textCount_; }
  std::size_t NumberCount() const { return numberCount_; }

 private:
  void Clear();
  void Swap(CExportConfig& other) noexcept;
  bool WriteFields(XmlDocument* document, _XML_NODE* element);
  bool ReadFields(parental::platform::IRegistryStore& store, parental::platform::RegKey key);

  std::uint8_t deleted_ = 0;
  std::uint8_t modified_ = 0;
  std::uint64_t textCount_ = 0;
  std::uint64_t numberCount_ = 0;
  char16_t** texts_ = nullptr;
  std::uint32_t* numbers_ = nullptr;
  char16_t* identifier_ = nullptr;
  std::uint8_t hasIdentifier_ = 0;
  std::uint8_t arraysMissing_ = 0;  // the last Init could not allocate the field arrays
};
