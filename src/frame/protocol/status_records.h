#pragma once
// Records of the status page and its panels: what the host asks a page and a panel for,
// and what it passes with a click on a link. Packed; both sides include this header.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StatusPageInfoRecord {  // GetStatusPageInfo
  std::uint32_t type;         // 0
  std::uint32_t flags;        // 16
  std::uint32_t helpContext;  // 393837
  std::uint64_t title;        // UTF-16, owned by the page
  std::uint64_t reserved;     // 0
};

struct StatusPageEntryRecord {  // GetStatusPageEntry
  std::uint64_t name;           // UTF-16 "parental"
  std::uint32_t first;          // 2
  std::uint32_t second;         // 1
  std::uint64_t title;          // UTF-16
  std::uint64_t toolTip;        // UTF-16
  std::uint32_t value;          // 43
};

struct PanelInfoRecord {  // GetPanelInfo
  std::uint16_t kind;     // set to 1
  std::uint32_t request;  // lowest bit set: the host asks for the record
  std::uint32_t hidden;   // 16: the panel is not shown
  std::uint8_t reserved[36];
  std::uint32_t status;  // the status panel sets 1
};

// Host rectangle values: the item takes the panel's width, or grows with its content.
struct LayoutRect {
  std::int32_t left, top, right, bottom;
};

struct ItemLayoutRecord {  // GetItemLayout
  std::uint16_t type;
  std::uint32_t flags;
  LayoutRect rect;
  std::uint8_t reserved[12];
  std::int32_t field;
};

struct ItemContentRecord {  // GetItemContent
  std::uint16_t reserved1;
  std::uint32_t reserved2;
  std::uint64_t text;       // UTF-16 mark-up, owned by the panel
  std::uint64_t second;     // UTF-16, empty
  std::uint64_t zero;
  std::uint64_t reserved3;
  std::uint64_t picture;    // bitmap handle, or kNoPicture in its low 32 bits
  std::uint32_t reserved4;  // 0
  std::uint32_t style;      // 0xF0000001
  std::uint32_t pictureKind;  // 8 with a picture
};

struct ItemLinkRecord {  // OnItemLink: the link clicked
  std::uint32_t reserved;
  std::uint32_t id;  // the link's ID attribute
};

// The host's item object of OnItemLink: the host's rich-text control showing the item.
struct HostItemRecord {
  std::uint8_t reserved[30];
  std::uint64_t control;
};

#pragma pack(pop)

constexpr std::uint32_t kNoPicture = 19902;

static_assert(sizeof(StatusPageInfoRecord) == 28 && offsetof(StatusPageInfoRecord, title) == 12 &&
              offsetof(StatusPageInfoRecord, reserved) == 20);
static_assert(sizeof(StatusPageEntryRecord) == 36 && offsetof(StatusPageEntryRecord, first) == 8 &&
              offsetof(StatusPageEntryRecord, title) == 16 && offsetof(StatusPageEntryRecord, toolTip) == 24 &&
              offsetof(StatusPageEntryRecord, value) == 32);
static_assert(sizeof(PanelInfoRecord) == 50 && offsetof(PanelInfoRecord, request) == 2 &&
              offsetof(PanelInfoRecord, hidden) == 6 && offsetof(PanelInfoRecord, status) == 46);
static_assert(sizeof(ItemLayoutRecord) == 38 && offsetof(ItemLayoutRecord, flags) == 2 &&
              offsetof(ItemLayoutRecord, rect) == 6 && offsetof(ItemLayoutRecord, field) == 34);
static_assert(sizeof(ItemContentRecord) == 58 && offsetof(ItemContentRecord, text) == 6 &&
              offsetof(ItemContentRecord, second) == 14 && offsetof(ItemContentRecord, zero) == 22 &&
              offsetof(ItemContentRecord, picture) == 38 && offsetof(ItemContentRecord, reserved4) == 46 &&
              offsetof(ItemContentRecord, style) == 50 && offsetof(ItemContentRecord, pictureKind) == 54);
static_assert(sizeof(ItemLinkRecord) == 8 && offsetof(ItemLinkRecord, id) == 4);
static_assert(sizeof(HostItemRecord) == 38 && offsetof(HostItemRecord, control) == 30);
