#pragma once
// The host objects handed out with the host-services request: metrics, settings, images
// and the status table.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "frame/protocol/host_services.h"

namespace host {

class HostServices : public IHostServices, IHostMetrics, IHostSettings, IHostImages {
 public:
  HostServices();
  HostServices(const HostServices&) = delete;
  HostServices& operator=(const HostServices&) = delete;
  ~HostServices();

  const StatusTable* GetStatusTable() override { return &table_; }
  IHostMetrics* GetMetrics() override { return this; }
  IHostSettings* GetSettings() override { return this; }
  IHostImages* GetImages() override { return this; }

  std::uint32_t GetVersion() override { return 1; }
  std::uint32_t GetColor(std::uint32_t index) override;
  std::uint64_t GetFont(std::uint32_t index) override;
  std::uint64_t GetCursor(std::uint32_t index) override;
  bool GetMetrics(std::uint32_t kind, HostMetricsRecord* record) override;

  bool QueryFlag(const char16_t* key, const char16_t* fallback) override;
  std::uint32_t QueryNumber(const char16_t* key, std::uint32_t fallback) override;
  bool SetFlag(const char16_t* key, bool value) override;
  bool SetNumber(const char16_t* key, std::uint32_t value) override;
  const char16_t* GetText(const char16_t* key) override;
  bool SetText(const char16_t* key, const char16_t* value) override;
  bool Remove(const char16_t* key) override;
  std::uint32_t Count() override { return std::uint32_t(settings_.size()); }
  void Chain(IHostSettings* next) override { next_ = next; }

  std::uint64_t GetImage(std::uint32_t flag) override;

  // Parental control's state in the status table (module_state.h).
  void SetParentalState(std::uint32_t state) { entries_[0].state = state; }

  // Receives what the host does on the plug-in's behalf (the logo's click), for the report.
  void OnEvent(std::function<void(const std::string&)> sink) { onEvent_ = std::move(sink); }

 private:
  StatusTableEntry entries_[1];
  StatusTable table_;
  std::map<std::u16string, std::u16string> settings_;
  IHostSettings* next_ = nullptr;
  std::map<std::uint32_t, HBITMAP> images_;
  std::function<void(const std::string&)> onEvent_;
};

}  // namespace host
