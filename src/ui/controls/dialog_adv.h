#pragma once
// CDialogAdv: the dialog base of the plug-in's dialogs. It puts the host's header strip
// above the template's controls (logo with the logo text, help caption with its tool tip),
// asks the host for help (WM_HELP, the system menu's context help, a click on the help
// caption) with the dialog's help context, and tells the host when the logo is clicked.
// The host's settings decide text mode (no images) and the texts; its metrics the
// header's size.
#include <memory>
#include <string>

#include "ui/controls/dialog_header.h"
#include "ui/controls/leave_tracker.h"
#include "win/controls/tool_tip_ctrl.h"
#include "win/dialog.h"

class CDialogAdv : public CDialog {
 public:
  explicit CDialogAdv(UINT templateId, DWORD helpContext = 0);

  DWORD HelpContext() const { return helpContext_; }
  void SetHelpContext(DWORD context) { helpContext_ = context; }
  bool Graphics() const { return header_.graphics; }
  int HeaderHeight() const { return headerSize_.cy; }
  HWND HelpToolTip() const { return tooltip_.GetSafeHwnd(); }
  // Asks the application for help on the help context (command 15); nothing for context 0.
  void ShowHelp();

 protected:
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int width, int height) override;
  bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnMouseLeave() override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  bool OnHelp(HELPINFO* info) override;
  void OnSysCommand(UINT command, LPARAM lParam) override;
  bool PreTranslateMessage(MSG* message) override;

 private:
  enum class Area { kNone, kLogo, kHelp };
  Area AreaAt(POINT point) const;
  void MakeRoomForHeader();
  void PlaceHeader();
  void SetHot(Area area);

  DWORD helpContext_;
  HeaderContent header_;  // graphics flag, texts, help area width, hot flags
  CDialogHeader strip_{header_};
  CToolTipCtrl tooltip_;
  HCURSOR hand_;
  std::u16string helpTooltip_;
  SIZE headerSize_{0, 0};
  bool pressed_ = false;
  Area pressedArea_ = Area::kNone;
  LeaveTracker leave_;
};
