#pragma once
// The tour's index page: every screenshot and every submitted document of a tour, in the
// order they were made, each with a line of text.
#include <string>
#include <vector>

namespace host {

class TourIndex {
 public:
  // A screenshot file of the tour's folder and what it shows.
  void AddScreenshot(std::u16string file, std::u16string caption);
  // A submitted document of the tour's folder, shown with its text.
  void AddDocument(std::u16string file, std::u16string caption, std::string text);

  std::size_t Screenshots() const;
  // The page (UTF-8), its files linked by their names.
  std::string Html() const;

 private:
  struct Entry {
    bool screenshot;
    std::u16string file, caption;
    std::string text;  // a document's
  };
  std::vector<Entry> entries_;
};

// Text made safe for HTML content and attribute values.
std::string EscapeHtml(const std::string& text);

}  // namespace host
