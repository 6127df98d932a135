#include "ui/dialogs/dialog_resources.h"

#include "frame/app/plugin_app.h"
#include "res/dialogs/account_config_ids.h"

namespace parental::corvui {
namespace {

HMODULE ModuleWith(LPCWSTR type, UINT id) {
  CPluginAppTemplate* app = CPluginAppTemplate::Current();
  return app ? app->FindResourceModule(type, MAKEINTRESOURCEW(id)) : nullptr;
}

// 32-bit bitmaps keep their alpha only as DIB sections.
HBITMAP LoadBitmapResource(UINT id) {
  HMODULE module = ModuleWith(RT_BITMAP, id);
  return module ? static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                : nullptr;
}

}  // namespace

ExceptionImages::ExceptionImages()
    : allowed_(LoadBitmapResource(IDB_EXCEPTION_ALLOWED)),
      blocked_(LoadBitmapResource(IDB_EXCEPTION_BLOCKED)),
      remove_(LoadBitmapResource(IDB_EXCEPTION_REMOVE)) {}

ExceptionImages::~ExceptionImages() {
  for (HBITMAP bitmap : {allowed_, blocked_, remove_})
    if (bitmap) DeleteObject(bitmap);
}

HICON LoadSmallIcon(UINT id, UINT dpi) {
  HMODULE module = ModuleWith(RT_GROUP_ICON, id);
  const int size = MulDiv(16, static_cast<int>(dpi ? dpi : 96), 96);
  return module ? static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)) : nullptr;
}

}  // namespace parental::corvui
