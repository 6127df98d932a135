#pragma once
// What the account dialogs take from the resources: the images of the exceptions lists
// and move buttons (owned here); texts by string id come from the application's
// ResourceText (frame/app/plugin_app.h).
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

  HBITMAP Remove() const { return remove_; }
  HBITMAP Mark(bool allowed) const { return allowed ? allowed_ : blocked_; }

 private:
  HBITMAP allowed_, blocked_, remove_;
};

// A small icon (16 pixels at 96 DPI) from the resources, or null; the caller destroys it.
HICON LoadSmallIcon(UINT id, UINT dpi);

}  // namespace parental::corvui
