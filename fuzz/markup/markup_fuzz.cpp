// Parses mark-up, lays it out at widths taken from the input, draws it, hit-tests
// points and walks the focus, all with fixed metrics.
#include <cstddef>
#include <cstdint>
#include <string>

#include "markup/document.h"
#include "markup/fixed_context.h"

namespace {

Bitmap strip{60, 12};
Skin skin;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length) {
  if (length < 4) return 0;
  const int width = data[0] | (data[1] << 8);
  const int seed = data[2] | (data[3] << 8);
  std::u16string text;
  for (std::size_t i = 4; i + 1 < length; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  if (length % 2) text.push_back(data[length - 1]);  // an odd tail byte as one more character

  CChDocument document;
  document.fontProvider = [](std::u16string_view name) -> std::optional<FontDesc> {
    if (name.size() != 2) return std::nullopt;
    FontDesc font;
    font.height = -static_cast<int>(name[1] % 40);
    return font;
  };
  document.bitmapProvider = [](std::u16string_view name) { return name.empty() ? nullptr : &strip; };
  document.skinProvider = [](std::u16string_view name) { return name.empty() ? nullptr : &skin; };
  document.classResolver = [&text](std::u16string_view name) { return name == u"self" ? text : std::u16string(); };
  document.menuChooser = [seed](const std::vector<std::u16string>& items, const Rect&) { return seed % 5; };
  document.focus.shown = true;

  CFixedContext dc;
  document.SetText(text);
  const Size size = document.Layout(dc, width % 2000, seed % 1500);
  document.Draw(dc);
  unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
  for (int i = 0; i < 24; ++i) {
    state = state * 1103515245u + 12345u;
    const int x = static_cast<int>(state % static_cast<unsigned>(size.cx + 20)) - 10;
    const int y = static_cast<int>((state >> 8) % static_cast<unsigned>(size.cy + 20)) - 10;
    document.UpdateHover(x, y);
    if (i % 3 == 0) {
      document.PointerDown(x, y);
      document.PointerUp(x, y);
    }
    document.MoveFocus(i % 5 == 4);
    document.Tick();
  }
  document.Layout(dc, seed % 700, width % 900);
  document.Draw(dc);
  return 0;
}
