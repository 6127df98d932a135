#include "support/accessible_names.h"

#include <commctrl.h>
#include <oleacc.h>

#include <cctype>

#include "common/text.h"

namespace wintest {
namespace {

std::string Utf8(const wchar_t* text) { return parental::common::ToUtf8(parental::common::AsText(text)); }

std::string Name(IAccessible* object, long child) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  BSTR name = nullptr;
  std::string result;
  if (object->get_accName(id, &name) == S_OK && name) result = Utf8(name);
  SysFreeString(name);
  return result;
}

std::string ClassOf(HWND window) {
  wchar_t kind[64] = {};
  GetClassNameW(window, kind, 64);
  return Utf8(kind);
}

// The text of a static or group box just before `window`, its "&" marks taken out.
std::string LabelBefore(HWND window) {
  HWND before = GetWindow(window, GW_HWNDPREV);
  if (!before) return {};
  const std::string kind = ClassOf(before);
  const LONG style = GetWindowLongW(before, GWL_STYLE);
  if (kind != "Static" && !(kind == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX)) return {};
  wchar_t text[512] = {};
  GetWindowTextW(before, text, 512);
  std::wstring plain;
  for (const wchar_t* c = text; *c; ++c) {
    if (*c == L'&' && c[1]) ++c;
    plain += *c;
  }
  return Utf8(plain.c_str());
}

// A tab control is named by its tabs, a list's header by its columns.
std::string ItemTexts(HWND control, bool tabs) {
  std::string texts;
  const UINT countMessage = tabs ? TCM_GETITEMCOUNT : HDM_GETITEMCOUNT;
  for (int i = 0, count = int(SendMessageW(control, countMessage, 0, 0)); i < count; ++i) {
    wchar_t text[128] = {};
    if (tabs) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = 128;
      SendMessageW(control, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    } else {
      HDITEMW item{};
      item.mask = HDI_TEXT;
      item.pszText = text;
      item.cchTextMax = 128;
      SendMessageW(control, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    texts += (i ? ", " : "") + Utf8(text);
  }
  return texts;
}

// One word of letters, digits and underscores with an underscore in it: a name made for
// code, not for a person.
bool IsIdentifier(const std::string& name) {
  bool underscore = false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    underscore = underscore || c == '_';
  }
  return underscore;
}

BOOL CALLBACK Collect(HWND window, LPARAM found) {
  auto& controls = *reinterpret_cast<std::vector<AccessibleControl>*>(found);
  const std::string kind = ClassOf(window);
  if (!IsWindowVisible(window) || kind == "#32770" || kind == "msctls_updown32") return TRUE;
  const std::string label = kind == "SysTabControl32" ? ItemTexts(window, true)
                            : kind == "SysHeader32"   ? ItemTexts(window, false)
                                                      : LabelBefore(window);
  AccessibleControl control{window, kind, {}, label, {}};
  IAccessible* object = nullptr;
  if (AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&object)) == S_OK &&
      object) {
    control.name = Name(object, CHILDID_SELF);
    long count = 0;
    // Only a control that implements its own object has children of its own; the generic
    // object's children are child windows, listed here in their own right.
    if (GetWindow(window, GW_CHILD) == nullptr && object->get_accChildCount(&count) == S_OK) {
      for (long child = 1; child <= count; ++child) control.children.push_back(Name(object, child));
    }
    object->Release();
  }
  controls.push_back(control);
  return TRUE;
}

}  // namespace

std::vector<AccessibleControl> AccessibleControls(HWND window) {
  std::vector<AccessibleControl> controls;
  EnumChildWindows(window, &Collect, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

std::vector<std::string> NamingFaults(HWND window) {
  std::vector<std::string> problems;
  for (const AccessibleControl& control : AccessibleControls(window)) {
    const std::string what = "control " + std::to_string(GetDlgCtrlID(control.window)) + " (" + control.kind + ")";
    if (control.name.empty() && control.label.empty()) problems.push_back(what + " has no name");
    if (IsIdentifier(control.name)) problems.push_back(what + " is named by the identifier \"" + control.name + "\"");
    for (std::size_t i = 0; i < control.children.size(); ++i) {
      const std::string child = what + ": child " + std::to_string(i + 1);
      if (control.children[i].empty()) problems.push_back(child + " has no name");
      if (IsIdentifier(control.children[i]))
        problems.push_back(child + " is named by the identifier \"" + control.children[i] + "\"");
    }
  }
  return problems;
}

}  // namespace wintest
