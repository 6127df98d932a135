#pragma once
// Host objects handed to the plug-in by kRequestServices. The host implements them; the
// plug-in calls them through their virtual slots, so the order of the slots is fixed.
#include <cstdint>

#pragma pack(push, 1)
// One module of the host's status table: its code and its state.
struct StatusTableEntry {
  std::uint32_t module;
  std::uint32_t reserved1[2];
  std::uint32_t state;
  std::uint8_t reserved2[24];
};
#pragma pack(pop)
static_assert(sizeof(StatusTableEntry) == 40);

struct StatusTable {
  std::uint32_t count;
  const StatusTableEntry* entries;
  StatusTableEntry fallback;  // answers for a module without an entry
};

// 24-byte record of IHostMetrics::GetMetrics; the first two values are a width and a height.
struct HostMetricsRecord {
  std::int32_t width;
  std::int32_t height;
  std::int32_t reserved[4];
};
static_assert(sizeof(HostMetricsRecord) == 24);

// Kind of GetMetrics that sizes the dialogs' header: width of its help area, its height.
constexpr std::uint32_t kHeaderMetrics = 3;

// First service: values for the plug-in's controls and dialogs, asked by a small index.
class IHostMetrics {
 public:
  virtual std::uint32_t GetVersion() = 0;
  virtual std::uint32_t GetColor(std::uint32_t index) = 0;
  virtual std::uint64_t GetFont(std::uint32_t index) = 0;
  virtual std::uint64_t GetCursor(std::uint32_t index) = 0;
  virtual bool GetMetrics(std::uint32_t kind, HostMetricsRecord* record) = 0;

 protected:
  ~IHostMetrics() = default;
};

// Second service: host settings asked by key text ("gui.textmode.state", ...).
class IHostSettings {
 public:
  virtual bool QueryFlag(const char16_t* key, const char16_t* fallback) = 0;      // slot 0
  virtual std::uint32_t QueryNumber(const char16_t* key, std::uint32_t fallback) = 0;
  virtual bool SetFlag(const char16_t* key, bool value) = 0;
  virtual bool SetNumber(const char16_t* key, std::uint32_t value) = 0;
  virtual const char16_t* GetText(const char16_t* key) = 0;                        // slot 4
  virtual bool SetText(const char16_t* key, const char16_t* value) = 0;
  virtual bool Remove(const char16_t* key) = 0;
  virtual std::uint32_t Count() = 0;
  virtual void Chain(IHostSettings* next) = 0;  // slot 8: a second service to ask as well

 protected:
  ~IHostSettings() = default;
};

// Third service: images of the host by flag value (1, 2, 4, 8, 16).
class IHostImages {
 public:
  virtual std::uint64_t GetImage(std::uint32_t flag) = 0;

 protected:
  ~IHostImages() = default;
};

// The answer to kRequestServices.
class IHostServices {
 public:
  virtual const StatusTable* GetStatusTable() = 0;
  virtual IHostMetrics* GetMetrics() = 0;
  virtual IHostSettings* GetSettings() = 0;
  virtual IHostImages* GetImages() = 0;

 protected:
  ~IHostServices() = default;
};
