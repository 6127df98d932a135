#pragma once
// Base of the status page: the host asks it for its panels.
#include <atomic>
#include <cstdint>

#include "frame/templates/ioctl_template.h"

class CPanelTemplate;

class CPageTemplate : public CIOCtlProcTemplate {
 public:
  using CIOCtlProcTemplate::CIOCtlProcTemplate;

  // SlotN: a slot the host calls that has no name of its own, named by its place in the
  // host's order of slots (the five protocol slots first).
  virtual bool GetStatusPageInfo(void* record) { return false; }
  virtual bool GetStatusPageEntry(void* record) { return false; }
  virtual CPanelTemplate* GetPanel(std::uint32_t index) { return nullptr; }
  virtual bool Slot8() { return false; }
  virtual std::uint64_t GetValue() { return value_; }
  virtual void SetValue(std::uint64_t value) { value_ = value; }
  virtual void Slot11() {}
  virtual void Slot12() {}

  // Gives every panel this page as owner, then tells the host (kRequestPublishPanels).
  void PublishPanels(std::uint32_t value);

 private:
  std::atomic<std::uint32_t> enumerating_{0};
  std::uint64_t value_ = 0;
};
