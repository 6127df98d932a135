#pragma once
// Base of the status page's panels: refresh requests, the panel window, a wait event.
#include <windows.h>

#include <cstdint>

#include "frame/templates/ioctl_template.h"

class CPageTemplate;

class CPanelTemplate : public CIOCtlProcTemplate {
 public:
  enum : std::uint32_t { kFlagDirty = 32, kFlagLayout = 64, kFlagChanged = 128 };
  static constexpr UINT kRefreshMessage = WM_USER + 0x45;

  using CIOCtlProcTemplate::CIOCtlProcTemplate;
  ~CPanelTemplate() override;

  // SlotN: a slot the host calls that has no name of its own, named by its place in the
  // host's order of slots (the five protocol slots first).
  virtual bool GetPanelInfo(void* record) { return false; }
  virtual bool GetItemLayout(std::uint32_t item, void* record) { return false; }
  virtual bool GetItemContent(std::uint32_t item, std::uint64_t value, void* record) { return false; }
  virtual bool OnItemLink(std::uint32_t item, std::uint64_t value, void* hostItem, void* link) {
    return false;
  }
  virtual void Slot9() {}
  virtual bool Slot10() { return false; }
  virtual bool Slot11() { return false; }
  virtual std::uint64_t GetData() { return data_; }
  virtual void SetData(std::uint64_t data) { data_ = data; }
  // Arms the wait event (made on first use, manual reset) and clears the result.
  virtual HANDLE BeginWait();
  virtual void EndWait();  // signals the wait event
  virtual std::uint64_t GetResult() { return result_; }
  virtual void SetResult(std::uint64_t result) { result_ = result; }
  virtual void Slot18() {}
  virtual void Slot19() {}

  // The panel window when it is alive, else the one the host names (kRequestPanelWindow).
  HWND GetWindow();
  // Marks part (0..31, or -1 for all) changed and asks for a refresh; part >= 32: nothing.
  void Invalidate(std::int32_t part);
  // Posts kRefreshMessage to a live panel window, else sends kRequestRefresh; nothing
  // while refreshes are blocked.
  void RequestRefresh();
  void SetHostValue(std::uint64_t value);  // kRequestHostValue
  // Asks the host to show its state menu at a screen point (kRequestStateMenu).
  void ShowStateMenu(std::uint64_t point);
  // The host's module state codes (kRequestPanelState); false when it gives none.
  bool QueryPanelState(PanelStateRecord* record);

  void SetPage(CPageTemplate* page) { page_ = page; }
  CPageTemplate* Page() const { return page_; }
  std::uint32_t ChangeFlags() const { return state_[0]; }
  std::uint32_t PartMask() const { return state_[2]; }

 protected:
  void SetWindow(HWND window) { window_ = window; }
  void SetRefreshBlock(std::uint32_t block) { refreshBlock_ = block; }
  void MarkChanged(std::uint32_t flags) { state_[0] |= flags; }

 private:
  std::uint32_t refreshBlock_ = 0;  // refreshes are requested only while it is 0
  HWND window_ = nullptr;
  CPageTemplate* page_ = nullptr;
  std::uint32_t state_[6] = {};  // [0] change flags, [2] part mask
  std::uint64_t data_ = 0;
  HANDLE event_ = nullptr;
  std::uint64_t result_ = 0;
};

// Base of panels that show settings; it adds nothing to the panel template.
class CPanelSettingsTemplate : public CPanelTemplate {
 public:
  using CPanelTemplate::CPanelTemplate;
};
