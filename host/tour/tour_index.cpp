#include "tour/tour_index.h"

#include "common/text.h"

namespace host {
namespace {

using parental::common::ToUtf8;

constexpr char kHead[] =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Parental control: a tour</title>\n"
    "<style>body{font-family:sans-serif;margin:2em;max-width:60em}figure{margin:0 0 2em 0}"
    "figcaption{margin:.4em 0;font-weight:bold}img{border:1px solid #999}"
    "pre{background:#f4f4f4;padding:.6em;overflow:auto;max-height:24em;font-size:small}</style></head><body>\n"
    "<h1>Parental control: a tour</h1>\n"
    "<p>The reference host ran the plug-in under Wine and walked its typical roads. Each step shows the "
    "window it passed, or the configuration the plug-in submitted, in order.</p>\n";

}  // namespace

std::string EscapeHtml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void TourIndex::AddScreenshot(std::u16string file, std::u16string caption) {
  entries_.push_back({true, std::move(file), std::move(caption), {}});
}

void TourIndex::AddDocument(std::u16string file, std::u16string caption, std::string text) {
  entries_.push_back({false, std::move(file), std::move(caption), std::move(text)});
}

std::size_t TourIndex::Screenshots() const {
  std::size_t count = 0;
  for (const Entry& entry : entries_) count += entry.screenshot;
  return count;
}

std::string TourIndex::Html() const {
  std::string html = kHead;
  int step = 0;
  for (const Entry& entry : entries_) {
    const std::string file = EscapeHtml(ToUtf8(entry.file));
    const std::string caption = std::to_string(++step) + ". " + EscapeHtml(ToUtf8(entry.caption.empty() ? entry.file : entry.caption));
    html += "<figure id=\"step" + std::to_string(step) + "\"><figcaption>" + caption + "</figcaption>\n";
    if (entry.screenshot) {
      html += "<img src=\"" + file + "\" alt=\"" + file + "\">\n";
    } else {
      html += "<a href=\"" + file + "\">" + file + "</a>\n<pre>" + EscapeHtml(entry.text) + "</pre>\n";
    }
    html += "</figure>\n";
  }
  return html + "</body></html>\n";
}

}  // namespace host
