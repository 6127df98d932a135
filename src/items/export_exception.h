#pragma once
// The URL exception item: the text "Url" and the numbers "State" and "Priority", with a
// generated identifier.
#include "items/export_config.h"

namespace parental::shared {

class CExportConfigException : public CExportConfig {
 public:
  enum : std::size_t { kUrl = 0 };                    // text fields
  enum : std::size_t { kState = 0, kPriority = 1 };   // number fields

  CExportConfigException() { Init(1, 2, true); }
  CExportConfigException(CExportConfigException&&) noexcept = default;
  CExportConfigException& operator=(CExportConfigException&&) noexcept = default;
  ~CExportConfigException() override = default;

  const char16_t* GetTextName(std::size_t i) const override { return i == kUrl ? u"Url" : nullptr; }
  const char16_t* GetNumberName(std::size_t i) const override {
    return i == kState ? u"State" : i == kPriority ? u"Priority" : nullptr;
  }
  bool IsValid() const override { return GetText(kUrl) != nullptr; }
};

}  // namespace parental::shared
