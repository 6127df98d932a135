#pragma once
// The interface through which the host shows a dialog form in a modal frame of its own
// (kRequestShowDialog), in the host's slot order.
#include <cstdint>

#include "frame/templates/config_view.h"

class IDialogView {
 public:
  virtual void* GetWindow() = 0;
  // parent: the host's frame window. Non-zero on success.
  virtual std::int32_t CreateView(void* parent, const char16_t* name, bool showTooltips,
                                  ViewTemplateCallback templateCallback) = 0;
  virtual std::uint32_t GetHelpId() = 0;
  // Colour with red in the low byte; all bits set: the system's colours.
  virtual void SetBackgroundColor(std::uint32_t colour) = 0;
  virtual void Slot4() = 0;
  // 0 while running, 1 OK, 2 Cancel.
  virtual std::uint32_t GetResult() = 0;

 protected:
  ~IDialogView() = default;
};

// The form's result values; when it ends it posts WM_CLOSE to the host's frame.
enum : std::uint32_t { kDialogRunning = 0, kDialogOk = 1, kDialogCancel = 2 };
