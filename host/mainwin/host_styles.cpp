#include "mainwin/host_styles.h"

#include "common/text.h"
#include "markup/values.h"

namespace host {

namespace {
constexpr Colour kTitle = Rgb(0x1F, 0x4E, 0x79), kOn = Rgb(0x2E, 0x7D, 0x32), kOff = Rgb(0x80, 0x80, 0x80);

// Heights at 96 dots per inch: the engine scales them to the control's.
FontDesc Font(int height, int weight = 400) {
  FontDesc font;
  font.height = height;
  font.weight = weight;
  return font;
}
}  // namespace

std::optional<NamedStyle> HostStyle(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return parental::common::EqualsNoCase(name, word); };
  if (is(u"H4")) return NamedStyle{Font(-11, 700), std::nullopt};
  if (is(u"H8")) return NamedStyle{Font(-17, 700), kTitle};
  if (is(u"F7")) return NamedStyle{std::nullopt, kOn};
  if (is(u"F8")) return NamedStyle{std::nullopt, kOff};
  if (is(u"TEXTCOLOR")) return NamedStyle{std::nullopt, ReadColour(value)};
  return std::nullopt;
}

const Skin* HostSkin(std::u16string_view name) {
  // The state button opens the state menu: a light blue face with a darker frame, its caption
  // centred and a drop arrow at the right.
  static const Skin selection = [] {
    Skin skin{Rgb(0xE3, 0xEE, 0xFA), Rgb(0x5B, 0x8D, 0xC9), Rgb(0x1F, 0x3F, 0x66), Rgb(0x1F, 0x3F, 0x66)};
    skin.menuArrow = true;
    return skin;
  }();
  static const Skin checkbox{Rgb(255, 255, 255), Rgb(110, 110, 110), Rgb(0, 0, 0), kOn};
  if (name == u"default_selection") return &selection;
  return name == u"parental_checkbox" ? &checkbox : nullptr;
}

HostImages::~HostImages() {
  for (auto& [name, bitmap] : borrowed_) store_.Return(reinterpret_cast<std::uintptr_t>(bitmap.native));
}

const Bitmap* HostImages::Find(std::u16string_view name) {
  std::u16string key(name);
  auto found = borrowed_.find(key);
  if (found != borrowed_.end()) return &found->second;
  const auto handle = reinterpret_cast<HBITMAP>(std::uintptr_t(store_.Lend(key.c_str())));
  BITMAP info{};
  if (!handle) return nullptr;
  GetObjectW(handle, sizeof(info), &info);
  return &borrowed_.emplace(key, Bitmap{info.bmWidth, info.bmHeight, handle}).first->second;
}

void InstallHostStyles(CChDocument& document, HostImages& images) {
  document.defaultFont = Font(-11);  // Tahoma, 11 pixels at 96 dots per inch
  document.styleProvider = HostStyle;
  document.skinProvider = HostSkin;
  document.bitmapProvider = [&images](std::u16string_view name) { return images.Find(name); };
}

}  // namespace host
