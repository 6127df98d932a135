#pragma once
// The host protocol: request codes and the packed, little-endian records that host and
// plug-in exchange. Pointers travel as 64-bit values. Both sides include this header.
#include <cstddef>
#include <cstdint>

using IoctlProc = std::int32_t (*)(void* context, std::uint32_t param, std::uint32_t code, void* arg);

constexpr std::uint32_t PLUGIN_ID = 0x01000D00;     // template id of every object of the plug-in
constexpr std::uint32_t ROLES_SECTION_ID = 0x01000D01;  // section holding one profile per role
constexpr std::uint32_t MAIN_TEMPLATE_ID = 0xFFFFFFFF;  // registers under the main template's id
constexpr std::int32_t kDone = 0;
constexpr std::int32_t kFailed = -1;
// What the text request, and the plug calls and interface events that reach a CUiPlug,
// answer when they are taken (their own results travel in their records).
constexpr std::int32_t kAnswered = 1;

// Codes the host sends to every registered object (through the template procedure).
enum LinkCode : std::uint32_t {
  kCodeAttach = 1,
  kCodeDetach = 2,  // also sent by an object's destructor: unregistration
  kCodeRegister = 3,
  kCodeUnregister = 4,
  kCodeCreate = 5,
  kCodeDestroy = 6,
  kCodeGuarded = 9,  // never re-entered while being handled
};

// Requests the plug-in sends to the host.
enum HostRequest : std::uint32_t {
  kRequestNameTable = 0x40001,
  kRequestPlugCall = 0x10001,
  kRequestSubmit = 0x10002,
  kRequestPublishPanels = 0x30005,
  kRequestPublishViews = 0x30006,
  kRequestConfirmAccess = 0x30007,
  kRequestMessageBox = 0x3000C,
  kRequestShowDialog = 0x3000D,
  kRequestHelp = 0x3001A,
  kRequestText = 0x30025,
  kRequestPanelWindow = 0x300C9,
  kRequestServices = 0x300E8,
  kRequestStateMenu = 0x300E9,
  kRequestPanelState = 0x20004,
  kRequestHostValue = 0x20007,
  kRequestRefresh = 0x10300D4,
  kRequestBitmapGet = 10,
  kRequestBitmapRelease = 11,
  kRequestBitmapQueryA = 12,
  kRequestBitmapQueryB = 13,
};

// Requests the host sends to the plug-in's objects beyond the link codes.
enum ObjectRequest : std::uint32_t {
  kNoticePanelState = 0x20008,
  kNoticePageActivation = 0xFFFFFFFF,
  kNoticeUiEvent = 0x10006,
};

// The host reports a change of the configuration with either of two codes of one meaning.
constexpr std::uint32_t kConfigChangeNotices[] = {0x1030009, 0x103000A};
constexpr bool IsConfigChangeNotice(std::uint32_t code) {
  return code == kConfigChangeNotices[0] || code == kConfigChangeNotices[1];
}

// Inner codes of plug calls and configuration submissions, and their inner results.
enum InnerCode : std::uint32_t {
  kInnerSubmitXml = 0x1000F,
  kInnerCategories = 0x30001,
  kInnerTemplateRoles = 0x30002,
  kInnerGroupRoles = 0x30003,
  kInnerExcludedRid = 0x1005,
  kInnerUiFirst = 0x40000,
  kInnerUiLast = 0x4FFFF,
};
enum PlugResult : std::uint32_t {
  kPlugOk = 0,
  kPlugMoreData = 5,      // output too small; the answer says the size needed
  kPlugNotSupported = 7,
  kPlugNoHost = 12,
};

// Statuses of the text request: done, or either of two of one meaning that ask for a larger
// buffer (the capacity needed is written back).
constexpr std::uint32_t kTextDone = 0;
constexpr std::uint32_t kTextTooSmallStatuses[] = {7009, 18002};
constexpr bool IsTextTooSmall(std::uint32_t status) {
  return status == kTextTooSmallStatuses[0] || status == kTextTooSmallStatuses[1];
}

constexpr std::size_t kNameCapacity = 81;  // 80 characters and the terminator

#pragma pack(push, 1)

struct IoctlLink {
  std::uint32_t id;
  std::uint64_t proc;     // an IoctlProc
  std::uint64_t context;  // its first argument
};

struct PlugCallRecord {
  std::uint32_t innerCode;
  std::uint64_t input;
  std::uint64_t inputSize;
  std::uint64_t output;
  std::uint64_t outputSize;
  std::uint64_t returnedSize;  // written by the answering side
  std::uint32_t innerResult;   // written by the answering side
};

// A symbolic name ("@default") and its display name; lookups go either way.
struct NameTableEntry {
  char16_t symbolicName[kNameCapacity];
  char16_t displayName[kNameCapacity];
};

// What the host's answer to kRequestNameTable points to.
struct NameTableHeader {
  std::uint64_t count;
  std::uint64_t entries;  // NameTableEntry[count]
};

// Header in front of the XML text of a configuration submission.
struct SubmissionHeader {
  std::uint32_t headerSize;  // 16
  std::uint32_t kind;        // 3
  std::uint32_t textOffset;  // 16
  std::uint32_t textLength;  // bytes including the terminating zero
};

struct ObjectRecord {  // kRequestPublishPanels, kRequestPublishViews
  std::uint32_t value;
  std::uint64_t object;
};

struct MessageBoxRecord {
  std::uint64_t owner;
  std::uint64_t caption;  // UTF-16 or 0
  std::uint64_t text;     // UTF-16
  std::uint64_t reserved1;
  std::uint64_t style;
  std::uint32_t reserved2;
  std::uint32_t icon;
  std::uint64_t reserved3;
  std::uint32_t defaultButton;
  std::uint32_t flag;
  std::uint64_t result;  // -1 until the host answers
};

struct DialogViewRecord {
  std::uint64_t view;   // the form's IDialogView
  std::uint64_t owner;  // the window the form is shown for
  std::uint8_t reserved;
  std::uint64_t result;  // -1 until the host answers; 1 confirms
};

struct ConfirmAccessRecord {
  std::uint64_t reserved;
  std::uint32_t result;  // non-zero: the user may change settings
};

struct HelpRecord {
  std::uint64_t data;
  std::uint32_t command;
};

struct TextRequestRecord {
  std::uint32_t status;    // written by the host: 0, or a too-small status
  std::uint32_t stringId;
  std::uint64_t buffer;    // UTF-16
  std::uint32_t capacity;  // characters; the host writes back what it needs
};

struct StateMenuRecord {
  std::uint32_t size;    // 16
  std::uint32_t module;  // 0x2020001
  std::uint64_t point;
};

struct PanelWindowRecord {
  std::uint64_t panel;
  std::uint64_t window;  // written by the host
};

// Switches a host feature on.
struct HostValueRecord {
  std::uint64_t on;       // 1
  std::uint64_t feature;  // such as the encrypted-traffic module 0x2020002
};

// Module state codes of kRequestPanelState (filled by the host) and kNoticePanelState.
constexpr std::uint32_t kMaxStateCodes = 15;
struct PanelStateRecord {
  std::uint32_t count;
  std::uint32_t codes[kMaxStateCodes];
};

struct BitmapRecord {  // requests 10 to 13
  std::uint64_t handle;   // out for kRequestBitmapGet, in for the others
  std::uint64_t pointer;  // UTF-16 name of the bitmap, or 0
  std::uint32_t numbers[3];
};

#pragma pack(pop)

static_assert(sizeof(IoctlLink) == 20 && offsetof(IoctlLink, proc) == 4 && offsetof(IoctlLink, context) == 12);
static_assert(sizeof(PlugCallRecord) == 48 && offsetof(PlugCallRecord, input) == 4 &&
              offsetof(PlugCallRecord, inputSize) == 12 && offsetof(PlugCallRecord, output) == 20 &&
              offsetof(PlugCallRecord, outputSize) == 28 && offsetof(PlugCallRecord, returnedSize) == 36 &&
              offsetof(PlugCallRecord, innerResult) == 44);
static_assert(sizeof(NameTableEntry) == 324 && offsetof(NameTableEntry, displayName) == 162);
static_assert(sizeof(NameTableHeader) == 16);
static_assert(sizeof(SubmissionHeader) == 16);
static_assert(sizeof(ObjectRecord) == 12);
static_assert(sizeof(MessageBoxRecord) == 72 && offsetof(MessageBoxRecord, style) == 32 &&
              offsetof(MessageBoxRecord, icon) == 44 && offsetof(MessageBoxRecord, defaultButton) == 56 &&
              offsetof(MessageBoxRecord, flag) == 60 && offsetof(MessageBoxRecord, result) == 64);
static_assert(sizeof(DialogViewRecord) == 25 && offsetof(DialogViewRecord, result) == 17);
static_assert(sizeof(ConfirmAccessRecord) == 12);
static_assert(sizeof(HelpRecord) == 12);
static_assert(sizeof(TextRequestRecord) == 20 && offsetof(TextRequestRecord, buffer) == 8 &&
              offsetof(TextRequestRecord, capacity) == 16);
static_assert(sizeof(StateMenuRecord) == 16);
static_assert(sizeof(PanelWindowRecord) == 16);
static_assert(sizeof(HostValueRecord) == 16);
static_assert(sizeof(BitmapRecord) == 28);

// Pointers as they travel in records.
inline std::uint64_t AddressOf(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }
template <class T>
T* FromAddress(std::uint64_t address) {
  return reinterpret_cast<T*>(static_cast<std::uintptr_t>(address));
}
inline std::uint64_t AddressOf(IoctlProc proc) { return reinterpret_cast<std::uintptr_t>(proc); }
inline IoctlProc ProcOf(const IoctlLink& link) {
  return reinterpret_cast<IoctlProc>(static_cast<std::uintptr_t>(link.proc));
}
