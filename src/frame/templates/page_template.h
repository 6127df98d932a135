#pragma once
// Base of the status page: the host asks it for its panels.
#include <atomic>
#include <cstdint>

#include "frame/templates/ioctl_template.h"

class CPanelTemplate;

class CPageTemplate : public CIOCtlProcTemplate {
 public:
  using CIOCtlProcTemplate::CIOCtlProcTemplate;

  virtual bool GetStatusPageInfo(void* record) { return false; }
  virtual bool GetStatusPageEntry(void* record) { return false; }
  virtual CPanelTemplate* GetPanel(std::uint32_t index) { return nullptr; }
  virtual bool Reserved8() { return false; }
  virtual std::uint64_t GetValue() { return value_; }
  virtual void SetValue(std::uint64_t value) { value_ = value; }
  virtual void Reserved11() {}
  virtual void Reserved12() {}

  // Gives every panel this page as owner, then tells the host (kRequestPublishPanels).
  void PublishPanels(std::uint32_t value);

 private:
  std::atomic<std::uint32_t> enumerating_{0};
  std::uint64_t value_ = 0;
};
