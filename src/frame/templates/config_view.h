#pragma once
// The interface through which the host drives a setup page, in the host's slot order.
#include <cstdint>

class CConfigTemplate;

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
  virtual std::int32_t CreateView(void* parent, const char16_t* name, bool showTooltips,
                                  void* templateCallback) = 0;
  virtual void LoadData() = 0;
  virtual bool Slot6() = 0;  // every page answers true
  virtual void SaveData() = 0;
  virtual std::uint32_t GetHelpId() = 0;
  virtual void Slot9() = 0;
  virtual bool Slot10() = 0;  // every page answers true

 protected:
  ~IConfigView() = default;
};
