// The platform services of this process: the Win32 ones on Windows, plain ones elsewhere.
#include <random>

#include "common/text.h"
#include "platform/ansi_code_page.h"
#include "platform/guid_source.h"
#include "platform/registry_store.h"

#ifdef _WIN32
#include <objbase.h>

#include "platform/win32_ansi_code_page.h"
#include "platform/win32_registry.h"
#else
#include "platform/memory_registry.h"
#endif

namespace parental::platform {
namespace {

#ifdef _WIN32
class PlatformGuidSource : public IGuidSource {
 public:
  bool NewGuid(Guid* guid) override {
    static_assert(sizeof(GUID) == sizeof(Guid), "same layout as GUID");
    return guid && CoCreateGuid(reinterpret_cast<GUID*>(guid)) == S_OK;
  }
};
using PlatformRegistry = Win32Registry;
using PlatformCodePage = Win32AnsiCodePage;
#else
// Random version-4 GUIDs.
class PlatformGuidSource : public IGuidSource {
 public:
  bool NewGuid(Guid* guid) override {
    if (!guid) return false;
    std::uint64_t hi = engine_(), lo = engine_();
    guid->data1 = std::uint32_t(hi >> 32);
    guid->data2 = std::uint16_t(hi >> 16);
    guid->data3 = std::uint16_t((hi & 0x0FFF) | 0x4000);
    for (int i = 0; i < 8; ++i) guid->data4[i] = std::uint8_t(lo >> (8 * i));
    guid->data4[0] = std::uint8_t((guid->data4[0] & 0x3F) | 0x80);
    return true;
  }

 private:
  std::mt19937_64 engine_{std::random_device{}()};
};
using PlatformRegistry = MemoryRegistry;
using PlatformCodePage = Windows1252CodePage;
#endif

IGuidSource* g_guidSource = nullptr;
IAnsiCodePage* g_codePage = nullptr;

}  // namespace

std::u16string FormatGuid(const Guid& g) {
  using common::FormatHex;
  std::u16string text = FormatHex(g.data1, 8, false) + u"-" + FormatHex(g.data2, 4, false) + u"-" +
                        FormatHex(g.data3, 4, false) + u"-";
  for (int i = 0; i < 8; ++i) {
    if (i == 2) text += u"-";
    text += FormatHex(g.data4[i], 2, false);
  }
  return text;
}

IGuidSource& DefaultGuidSource() {
  static PlatformGuidSource platform;
  return g_guidSource ? *g_guidSource : platform;
}

void SetDefaultGuidSource(IGuidSource* source) { g_guidSource = source; }

IRegistryStore& DefaultRegistry() {
  static PlatformRegistry registry;
  return registry;
}

IAnsiCodePage& DefaultAnsiCodePage() {
  static PlatformCodePage platform;
  return g_codePage ? *g_codePage : platform;
}

void SetDefaultAnsiCodePage(IAnsiCodePage* codePage) { g_codePage = codePage; }

}  // namespace parental::platform
