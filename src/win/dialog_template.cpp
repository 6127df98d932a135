#include "win/dialog_template.h"

#include <cstring>

#include "frame/app/plugin_app.h"
#include "win/module_context.h"

namespace {

// Where a template item (menu, class: 0xFFFF and an ordinal, or a string) ends; 0 when it runs off.
size_t SkipSzOrOrd(const std::vector<std::uint8_t>& bytes, size_t at) {
  if (at + 2 > bytes.size()) return 0;
  std::uint16_t first;
  std::memcpy(&first, &bytes[at], 2);
  if (first == 0xFFFF) return at + 4 <= bytes.size() ? at + 4 : 0;
  for (; at + 2 <= bytes.size(); at += 2) {
    std::uint16_t unit;
    std::memcpy(&unit, &bytes[at], 2);
    if (unit == 0) return at + 2;
  }
  return 0;
}

size_t AlignDword(size_t at) { return (at + 3) & ~size_t{3}; }

template <class T>
T Read(const std::vector<std::uint8_t>& bytes, size_t at) {
  T value{};
  if (at + sizeof(T) <= bytes.size()) std::memcpy(&value, &bytes[at], sizeof(T));
  return value;
}

template <class T>
void Write(std::vector<std::uint8_t>& bytes, size_t at, T value) {
  if (at + sizeof(T) <= bytes.size()) std::memcpy(&bytes[at], &value, sizeof(T));
}

}  // namespace

bool CDialogTemplate::Load(UINT id) {
  HMODULE module = nullptr;
  if (CPluginAppTemplate* app = CPluginAppTemplate::Current()) module = app->FindResourceModule(RT_DIALOG, MAKEINTRESOURCEW(id));
  if (!module) module = PluginModule();
  HRSRC resource = module ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG) : nullptr;
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return data && SetTemplate(data, SizeofResource(module, resource));
}

bool CDialogTemplate::SetTemplate(const void* data, size_t size) {
  const auto* begin = static_cast<const std::uint8_t*>(data);
  bytes_.assign(begin, begin + size);
  if (Parse().valid) return true;
  bytes_.clear();
  return false;
}

bool CDialogTemplate::IsExtended() const {
  return Read<std::uint16_t>(bytes_, 0) == 1 && Read<std::uint16_t>(bytes_, 2) == 0xFFFF;
}

DWORD CDialogTemplate::Style() const { return Read<DWORD>(bytes_, StyleOffset()); }
void CDialogTemplate::SetStyle(DWORD style) { Write(bytes_, StyleOffset(), style); }
DWORD CDialogTemplate::ExStyle() const { return Read<DWORD>(bytes_, ExStyleOffset()); }
void CDialogTemplate::SetExStyle(DWORD exStyle) { Write(bytes_, ExStyleOffset(), exStyle); }

// Header: [extended: version, signature, help id] exStyle/style, count, x, y, cx, cy,
// then menu, class and title, then the font when DS_SETFONT is set.
CDialogTemplate::Layout CDialogTemplate::Parse() const {
  Layout layout;
  size_t at = IsExtended() ? 26 : 18;
  if (bytes_.size() < at) return layout;
  at = SkipSzOrOrd(bytes_, at);                // menu
  if (at) at = SkipSzOrOrd(bytes_, at);        // class
  if (at) at = SkipSzOrOrd(bytes_, at);        // title (a string; no ordinal form, same walk)
  if (!at) return layout;
  layout.fontStart = at;
  if (Style() & DS_SETFONT) {
    at += IsExtended() ? 6 : 2;                // size [, weight, italic, character set]
    if (at > bytes_.size()) return layout;
    at = SkipSzOrOrd(bytes_, at);
    if (!at) return layout;
  }
  layout.itemsStart = AlignDword(at);
  layout.valid = layout.itemsStart <= AlignDword(bytes_.size());
  return layout;
}

std::u16string CDialogTemplate::FontFace() const {
  const Layout layout = Parse();
  if (!layout.valid || !(Style() & DS_SETFONT)) return {};
  std::u16string face;
  for (size_t at = layout.fontStart + (IsExtended() ? 6 : 2); at + 2 <= bytes_.size(); at += 2) {
    const auto unit = Read<char16_t>(bytes_, at);
    if (!unit) break;
    face.push_back(unit);
  }
  return face;
}

WORD CDialogTemplate::FontSize() const {
  const Layout layout = Parse();
  return layout.valid && (Style() & DS_SETFONT) ? Read<WORD>(bytes_, layout.fontStart) : 0;
}

bool CDialogTemplate::SetFont(std::u16string_view face, WORD pointSize) {
  const Layout layout = Parse();
  if (!layout.valid) return false;
  std::vector<std::uint8_t> font(sizeof(WORD));
  std::memcpy(font.data(), &pointSize, sizeof(WORD));
  if (IsExtended()) {
    const bool had = Style() & DS_SETFONT;
    const WORD weight = had ? Read<WORD>(bytes_, layout.fontStart + 2) : FW_NORMAL;
    const std::uint8_t italic = had ? bytes_[layout.fontStart + 4] : 0;
    const std::uint8_t charset = had ? bytes_[layout.fontStart + 5] : DEFAULT_CHARSET;
    font.resize(6);
    std::memcpy(&font[2], &weight, sizeof(WORD));
    font[4] = italic;
    font[5] = charset;
  }
  const auto* units = reinterpret_cast<const std::uint8_t*>(face.data());
  font.insert(font.end(), units, units + face.size() * 2);
  font.insert(font.end(), {0, 0});

  std::vector<std::uint8_t> rebuilt(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(layout.fontStart));
  rebuilt.insert(rebuilt.end(), font.begin(), font.end());
  rebuilt.resize(AlignDword(rebuilt.size()), 0);
  if (layout.itemsStart < bytes_.size()) {
    rebuilt.insert(rebuilt.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(layout.itemsStart), bytes_.end());
  }
  bytes_ = std::move(rebuilt);
  SetStyle(Style() | DS_SETFONT);
  return true;
}
