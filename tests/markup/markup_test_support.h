#pragma once
// Shared set-up of the mark-up tests: a document with fixed metrics and a few named
// resources, laid out at a given width.
#include <memory>
#include <string>

#include "markup/document.h"
#include "markup/fixed_context.h"
#include "markup/text_object.h"

struct MarkupFixture {
  CChDocument document;
  CFixedContext dc;
  Bitmap strip{100, 16};  // five frames of 20 pixels
  Skin skin;

  MarkupFixture() {
    document.defaultFont.height = -10;  // 5 pixels a character, 10 a line
    document.fontProvider = [](std::u16string_view name) -> std::optional<FontDesc> {
      if (name != u"H4" && name != u"big") return std::nullopt;
      FontDesc font;
      font.height = name == u"big" ? -20 : -10;
      font.weight = 700;
      return font;
    };
    document.bitmapProvider = [this](std::u16string_view name) { return name == u"strip" ? &strip : nullptr; };
    document.skinProvider = [this](std::u16string_view name) { return name == u"box" ? &skin : nullptr; };
  }

  CTextLO& Load(std::u16string_view text, int width = 400, int height = 1000) {
    document.SetText(text);
    document.Layout(dc, width, height);
    return Main();
  }
  CTextLO& Main() { return static_cast<CTextLO&>(*document.Main()); }
  std::u16string RunText(std::size_t run) {
    const auto& core = Main().Core();
    const auto& runs = core.Runs();
    const std::size_t end = run + 1 < runs.size() ? runs[run + 1].start : core.Text().size();
    return core.Text().substr(runs[run].start, end - runs[run].start);
  }
  template <class T>
  T& Object(const std::u16string& id) {
    return dynamic_cast<T&>(*document.FindObject(id));
  }
};
