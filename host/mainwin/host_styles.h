#pragma once
// What the host's rich-text controls name in the status page's mark-up: the named styles
// (H4 account names, H8 the title, F7 "Enabled", F8 "Disabled", TEXTCOLOR="#rrggbb"), the
// skins of the state button and the check boxes, and the host's bitmaps, borrowed from its
// bitmap store for as long as the window lives.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "bitmaps.h"
#include "markup/document.h"

namespace host {

// Font heights are given at 96 dots per inch, as the mark-up's lengths.
std::optional<NamedStyle> HostStyle(std::u16string_view name, std::u16string_view value);
const Skin* HostSkin(std::u16string_view name);

// The host's bitmaps as the mark-up engine sees them; each borrowed once, given back at the end.
class HostImages {
 public:
  explicit HostImages(BitmapStore& store) : store_(store) {}
  HostImages(const HostImages&) = delete;
  HostImages& operator=(const HostImages&) = delete;
  ~HostImages();
  const Bitmap* Find(std::u16string_view name);

 private:
  BitmapStore& store_;
  std::map<std::u16string, Bitmap> borrowed_;
};

// Sets the default font and every provider of a document.
void InstallHostStyles(CChDocument& document, HostImages& images);

}  // namespace host
