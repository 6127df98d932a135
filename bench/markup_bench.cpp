// Parsing and laying out the host's mark-up with fixed font metrics: the category grid of
// 60 categories in 5 groups, and the status panel's header with 50 account lines. For
// comparison, litehtml parses and lays out the same content written as HTML, measuring
// text with the same per-character widths and line heights.
#include <benchmark/benchmark.h>
#include <litehtml.h>

#include <cstdint>
#include <string>

#include "host_texts.h"
#include "markup/document.h"
#include "markup/fixed_context.h"
#include "ratio_reporter.h"

namespace {

constexpr int kGridWidth = 700;
constexpr int kPanelWidth = 540;
constexpr int kGroups = 5, kCategoriesPerGroup = 12;
constexpr int kAccounts = 50;

// Ours: one document, as the control keeps it, given one text after the other.
struct OurEngine {
  CChDocument document;
  CFixedContext dc;
  Bitmap stateIcons{80, 16};  // five frames

  OurEngine() {
    document.fontProvider = HostFont;
    document.skinProvider = HostSkin;
    document.bitmapProvider = [this](std::u16string_view name) {
      return name == u"state_icon_list" ? &stateIcons : nullptr;
    };
  }
};

// Not inlined, so that profiles show the work of each engine on its own.
[[gnu::noinline]] int LayOutOurs(OurEngine& engine, const std::u16string& text, int width) {
  engine.document.SetText(text);
  return engine.document.Layout(engine.dc, width, 0).cy;
}

// litehtml: text measured like CFixedContext, nothing drawn. A font handle carries the
// pixel size and the weight.
class FixedMetricsContainer : public litehtml::document_container {
 public:
  explicit FixedMetricsContainer(int width) : width_(width) {}

  litehtml::uint_ptr create_font(const litehtml::tchar_t*, int size, int weight, litehtml::font_style, unsigned,
                                 litehtml::font_metrics* fm) override {
    if (fm) {
      fm->height = fm->ascent = size;
      fm->descent = 0;
      fm->x_height = size / 2;
    }
    return static_cast<litehtml::uint_ptr>(size) << 16 | static_cast<unsigned>(weight);
  }
  void delete_font(litehtml::uint_ptr) override {}
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override {
    FontDesc desc;
    desc.height = -static_cast<int>(font >> 16);
    desc.weight = static_cast<int>(font & 0xFFFF);
    int characters = 0;
    for (const char* c = text; *c; ++c) characters += (*c & 0xC0) != 0x80;  // UTF-8 lead bytes
    return characters * CFixedContext::CharWidth(desc, 0);
  }
  int pt_to_px(int pt) const override { return pt * 96 / 72; }
  int get_default_font_size() const override { return 11; }
  const litehtml::tchar_t* get_default_font_name() const override { return "Tahoma"; }
  void get_image_size(const litehtml::tchar_t*, const litehtml::tchar_t*, litehtml::size& size) override {
    size.width = size.height = 16;  // one frame of the state icons
  }
  void get_client_rect(litehtml::position& client) const override {
    client.x = client.y = 0;
    client.width = width_;
    client.height = 1000;
  }
  void get_media_features(litehtml::media_features& media) const override {
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = width_;
    media.height = media.device_height = 1000;
    media.color = 8;
    media.resolution = 96;
  }
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
    language = "en";
    culture.clear();
  }
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                                                    const std::shared_ptr<litehtml::document>&) override {
    return nullptr;
  }

  void draw_text(litehtml::uint_ptr, const litehtml::tchar_t*, litehtml::uint_ptr, litehtml::web_color,
                 const litehtml::position&) override {}
  void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker&) override {}
  void load_image(const litehtml::tchar_t*, const litehtml::tchar_t*, bool) override {}
  void draw_background(litehtml::uint_ptr, const litehtml::background_paint&) override {}
  void draw_borders(litehtml::uint_ptr, const litehtml::borders&, const litehtml::position&, bool) override {}
  void set_caption(const litehtml::tchar_t*) override {}
  void set_base_url(const litehtml::tchar_t*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
  void set_cursor(const litehtml::tchar_t*) override {}
  void transform_text(litehtml::tstring&, litehtml::text_transform) override {}
  void import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) override {}
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}

 private:
  int width_;
};

// The little of a browser's default style sheet that this content uses, loaded once.
litehtml::context& HtmlContext() {
  static litehtml::context context = [] {
    litehtml::context c;
    c.load_master_stylesheet(
        "html, body, div, p { display: block; } head, style { display: none; } body, p { margin: 0; }"
        "table { display: table; border-collapse: separate; border-spacing: 0; }"
        "tr { display: table-row; } td { display: table-cell; vertical-align: top; padding: 0; }"
        "b { display: inline; font-weight: bold; } a { display: inline; color: #2288dd; }"
        "img { display: inline-block; } br { display: block; }");
    return c;
  }();
  return context;
}

[[gnu::noinline]] int LayOutHtml(const std::string& html, int width) {
  FixedMetricsContainer container(width);
  auto document = litehtml::document::createFromUTF8(html.c_str(), &container, &HtmlContext());
  document->render(width);
  return document->height();
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
  return out;
}

// The grid: a table of columns under the same margins, headings and check boxes of the same sizes.
std::string CategoryGridHtml(const GridColumns& columns) {
  std::string html =
      "<html><head><style>.grid { margin: 5px 10px; } .grid table { width: 100%; }"
      ".heading { width: 200px; height: 15px; margin-top: 10px; }"
      ".box { width: 175px; height: 25px; padding-left: 25px; }</style></head>"
      "<body><div class=\"grid\"><table><tr>";
  for (const auto& column : columns) {
    html += "<td>";
    for (const GridLine& line : column) {
      if (line.heading) {
        html += "<p class=\"heading\"><b>" + Escape(line.text) + "</b></p>";
      } else {
        html += "<div class=\"box\" id=\"" + std::to_string(line.id) + "\" title=\"" + Escape(line.tooltip) +
                "\" data-state=\"" + (line.checked ? "1" : "0") + "\">" + Escape(line.text) + "</div>";
      }
    }
    html += "</td>";
  }
  return html + "</tr></table></div></body></html>";
}

// The panel: the header table, then each account's name up to its tab position, its
// label, and its set-up link on the next line.
std::string StatusPanelHtml(const std::vector<Account>& accounts) {
  std::string html =
      "<html><head><style>.header { width: 512px; } .title { font-size: 17px; font-weight: bold; }"
      ".state { width: 28px; height: 14px; padding: 2px 20px 2px 2px; } .note { color: #333333; }"
      ".tab316 { display: inline-block; width: 316px; } .tab333 { display: inline-block; width: 333px; }"
      "</style></head><body><table class=\"header\"><tr><td><p><span class=\"title\">Parental control</span></p></td>"
      "<td style=\"width: 16px\"><img src=\"state_icon_list\"></td><td style=\"width: 120px\">"
      "<div class=\"state\" id=\"0\">Enabled</div></td></tr><tr><td style=\"height: 15px\"></td><td></td><td></td></tr>";
  for (const Warning& warning : Warnings()) {
    html += "<tr><td><p class=\"note\">" + Escape(warning.message) + "</p></td><td></td><td><p><a " +
            warning.linkAttributes + ">" + warning.link + "</a></p></td></tr>";
  }
  html += "</table>";
  for (const Account& account : accounts) {
    if (&account != &accounts.front()) html += "<br>";
    if (account.kind == 0) {
      html += "<b class=\"tab333\">" + Escape(account.name) + "</b><a id=\"1\">Not defined</a>";
      continue;
    }
    const bool enabled = account.kind == 1;
    html += "<b class=\"tab316\">" + Escape(account.name) + " (<a id=\"4\">" + AgeText(account.age) + "</a>)</b><a id=\"" +
            (enabled ? "3\">Enabled" : "2\">Disabled") + "</a><br><a id=\"0\">Setup...</a>";
  }
  return html + "</body></html>";
}

std::u16string StatusPanel() { return StatusHeader(true) + u"\n" + AccountLines(Accounts(kAccounts)); }

void BM_Ours(benchmark::State& state, const std::u16string& text, int width) {
  OurEngine engine;
  int height = 0;
  for (auto _ : state) benchmark::DoNotOptimize(height = LayOutOurs(engine, text, width));
  state.counters["height"] = height;
}

void BM_Html(benchmark::State& state, const std::string& html, int width) {
  HtmlContext();
  int height = 0;
  for (auto _ : state) benchmark::DoNotOptimize(height = LayOutHtml(html, width));
  state.counters["height"] = height;
}

const auto kGrid = CategoryColumns(kGroups, kCategoriesPerGroup);
BENCHMARK_CAPTURE(BM_Ours, CategoryGrid, CategoryGrid(kGrid), kGridWidth)
    ->Name("CategoryGrid/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Html, CategoryGrid, CategoryGridHtml(kGrid), kGridWidth)
    ->Name("CategoryGrid/litehtml")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Ours, StatusPanel, StatusPanel(), kPanelWidth)
    ->Name("StatusPanel/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Html, StatusPanel, StatusPanelHtml(Accounts(kAccounts)), kPanelWidth)
    ->Name("StatusPanel/litehtml")->Unit(benchmark::kMicrosecond);

}  // namespace

RATIO_BENCHMARK_MAIN({"CategoryGrid/ours", "CategoryGrid/litehtml"}, {"StatusPanel/ours", "StatusPanel/litehtml"})
