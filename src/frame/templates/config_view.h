#pragma once
// The interface through which the host drives a setup page, in the host's slot order, and
// the template callback through which the host adjusts a view's dialog template.
#include <cstdint>

class CConfigTemplate;

// What a template callback may change in a view's dialog template before the view is made
// from it (the host gives pages and forms its own dialog font).
class IViewTemplate {
 public:
  virtual std::uint32_t GetStyle() = 0;
  virtual void SetStyle(std::uint32_t style) = 0;
  // False when the template could not take the font.
  virtual bool SetFont(const char16_t* face, std::uint16_t pointSize) = 0;

 protected:
  ~IViewTemplate() = default;
};
using ViewTemplateCallback = void (*)(IViewTemplate* view);

#pragma pack(push, 1)
// The host's page descriptor, filled by GetPageInfo.
struct PageInfo {
  std::uint32_t reserved;
  std::uint64_t title;    // UTF-16
  std::uint64_t caption;  // UTF-16
  std::uint32_t firstNumber;
  std::uint32_t secondNumber;
  std::uint64_t key;      // UTF-16
};
#pragma pack(pop)
static_assert(sizeof(PageInfo) == 36);

class IConfigView {
 public:
  // SlotN: a slot the host calls that has no name of its own, named by its place in the
  // host's order of slots (GetPageInfo is slot 0).
  virtual bool GetPageInfo(PageInfo* info) = 0;
  virtual void SetConfig(CConfigTemplate* config) = 0;
  virtual CConfigTemplate* GetConfig() = 0;
  virtual void* GetWindow() = 0;
  // parent: the host window the page lives in. Non-zero on success.
  virtual std::int32_t CreateView(void* parent, const char16_t* name, bool showTooltips,
                                  ViewTemplateCallback templateCallback) = 0;
  virtual void LoadData() = 0;
  virtual bool Slot6() = 0;  // every page answers true
  virtual void SaveData() = 0;
  virtual std::uint32_t GetHelpId() = 0;
  virtual void Slot9() = 0;
  virtual bool Slot10() = 0;  // every page answers true

 protected:
  ~IConfigView() = default;
};
