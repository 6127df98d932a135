#include "report.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "common/text.h"
#include "computer/local_computer.h"
#include "config/config_apply.h"

namespace host {

namespace {

using parental::common::AsText;
using parental::common::AsWide;
using parental::common::ToUtf8;

std::string Utf8(const wchar_t* text) { return ToUtf8(AsText(text)); }

std::string DescribeValue(DWORD type, const BYTE* data, DWORD size) {
  char text[64];
  if (type == REG_DWORD && size == 4) {
    DWORD value;
    std::memcpy(&value, data, 4);
    std::snprintf(text, sizeof(text), "0x%lX (DWORD)", value);
    return text;
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::u16string value(reinterpret_cast<const char16_t*>(data), size / 2);
    while (!value.empty() && value.back() == 0) value.pop_back();
    return "\"" + ToUtf8(value) + "\"";
  }
  std::string bytes;
  for (DWORD i = 0; i < size && i < 16; ++i) {
    std::snprintf(text, sizeof(text), "%s%02X", i ? " " : "", data[i]);
    bytes += text;
  }
  return bytes + (size > 16 ? " ..." : "") + " (" + std::to_string(size) + " bytes)";
}

void DescribeKey(HKEY key, int depth, std::string& out) {
  std::string indent(std::size_t(depth) * 2, ' ');
  wchar_t name[16384];
  BYTE data[4096];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 16384, size = sizeof(data), type = 0;
    LONG status = RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_SUCCESS) out += indent + Utf8(name) + " = " + DescribeValue(type, data, size) + "\n";
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out += indent + Utf8(name) + "\\\n";
    HKEY child;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
      DescribeKey(child, depth + 1, out);
      RegCloseKey(child);
    }
  }
}

}  // namespace

std::string DescribeMirror() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AsWide(kMirrorRoot), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return "  (empty)\n";
  }
  std::string out;
  DescribeKey(key, 1, out);
  RegCloseKey(key);
  return out.empty() ? "  (empty)\n" : out;
}

// The simulated computer's accounts, and whether this process meets the account-database
// stand-in beside the program or Wine's own library (a prefix set up without it).
std::string DescribeComputer() {
  LocalComputer computer;
  if (!computer.Load(nullptr)) return "Computer: no simulated accounts (computer-data.txt missing or malformed)\n";
  std::string out = "Computer: " + Utf8(computer.Name().c_str()) + ", local accounts:";
  for (const ComputerAccount& account : computer.Accounts()) {
    out += (&account == &computer.Accounts().front() ? " " : ", ") + Utf8(account.name.c_str()) + " (" +
           std::to_string(account.data.rid);
    if (account.data.groups & kAdministrators) out += ", administrator";
    if (account.data.disabled) out += ", disabled";
    if (account.data.denyLogon) out += ", denied logon";
    out += ")";
  }
  return out + (AccountDatabaseIsSimulated() ? "\n" : "; the account database is Wine's own\n");
}

std::string Report(const ReferenceHost& host, const Options& options, const EngineData& data) {
  std::string out = "Plug-in: " + Utf8(options.plugin.c_str()) + "\n";
  out += "Registered objects: " + std::to_string(host.Objects().size()) + "\n";
  std::size_t released = 0;
  for (const HostObject& object : host.Objects()) {
    char line[160];
    std::snprintf(line, sizeof(line), "  #%zu %-38s id %08X  %s\n", object.number, object.role.c_str(),
                  object.registration.id, object.unregistered ? "released" : "NOT RELEASED");
    out += line;
    released += object.unregistered;
  }
  out += "Requests from the plug-in answered: " + std::to_string(host.Answered()) +
         ", refused: " + std::to_string(host.Refused()) + "\n";
  out += "Engine: " + std::to_string(data.categories.size()) + " categories, " +
         std::to_string(data.templates.size()) + " template roles, " +
         std::to_string(data.groups.size()) + " group roles, excluded account " +
         std::to_string(data.excludedRid) + "\n";
  out += DescribeComputer();
  if (!host.Events().empty()) {
    out += "Events:\n";
    for (const std::string& event : host.Events()) out += "  " + event + "\n";
  }
  out += "Configuration in the registry mirror (HKLM\\" + ToUtf8(kMirrorRoot) + "):\n";
  out += DescribeMirror();
  out += released == host.Objects().size()
             ? "All " + std::to_string(released) + " objects were released.\n"
             : std::to_string(host.Objects().size() - released) + " objects were not released.\n";
  return out;
}

}  // namespace host
