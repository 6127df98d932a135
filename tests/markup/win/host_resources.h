#pragma once
// The host's bitmaps for mark-up tests under Wine: strips of round frames with
// premultiplied alpha, one colour per frame, named as the host names them; the host's
// fonts and skins with them.
#include <windows.h>

#include <vector>

#include "markup/document.h"

class Strip {
 public:
  Strip(const std::vector<COLORREF>& colours, int size);
  ~Strip();
  Strip(const Strip&) = delete;
  Strip& operator=(const Strip&) = delete;
  Bitmap bitmap;
};

// The host's bitmaps as its provider answers them ("state_icon_list", "text_icon"); its
// fonts and skins.
struct HostResources {
  Strip states{{RGB(46, 160, 67), RGB(230, 160, 30), RGB(200, 40, 40), RGB(150, 150, 150), RGB(200, 40, 40)}, 16};
  Strip icons{{RGB(30, 110, 200), RGB(120, 120, 120), RGB(46, 160, 67), RGB(200, 120, 30), RGB(30, 110, 200)}, 16};

  void Install(CChDocument& document);
};
