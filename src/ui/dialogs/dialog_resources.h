#pragma once
// What the account dialogs take from the resources: the images of the exceptions lists
// and move buttons (owned here) and texts by string id.
#include <windows.h>

#include <string>

namespace parental::corvui {

// The list marks and the remove image (bitmaps 2020 to 2022), freed with the object.
class ExceptionImages {
 public:
  ExceptionImages();
  ~ExceptionImages();
  ExceptionImages(const ExceptionImages&) = delete;
  ExceptionImages& operator=(const ExceptionImages&) = delete;

  HBITMAP Allowed() const { return allowed_; }
  HBITMAP Blocked() const { return blocked_; }
  HBITMAP Remove() const { return remove_; }
  HBITMAP Mark(bool allowed) const { return allowed ? allowed_ : blocked_; }

 private:
  HBITMAP allowed_, blocked_, remove_;
};

// A small icon (16 pixels at 96 DPI) from the resources, or null; the caller destroys it.
HICON LoadSmallIcon(UINT id, UINT dpi);
// The text of a string id (language library first); empty when there is none.
std::u16string ResourceText(UINT id);

}  // namespace parental::corvui
