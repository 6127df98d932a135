#pragma once
// CDialogView: the base of the dialog forms that the host shows in a modal frame of its
// own. It turns the host's IDialogView slots into named hooks once; OK reads the controls
// (a failed read keeps the form open), sets the result and asks the frame to close, Cancel
// does the same with its own result. A form runs itself through the host with Run.
#include <cstdint>
#include <string>

#include "frame/templates/dialog_view.h"
#include "ui/views/view_support.h"
#include "win/dialog.h"

class CDialogView : public CDialog, public IDialogView {
 public:
  CDialogView(UINT templateId, std::uint32_t helpId) : CDialog(templateId), helpId_(helpId) {}
  ~CDialogView() override;

  // The host's slots, in order.
  void* GetWindow() final { return GetSafeHwnd(); }
  std::int32_t CreateView(void* parent, const char16_t* name, bool showTooltips, ViewTemplateCallback callback) final;
  std::uint32_t GetHelpId() final { return helpId_; }
  void SetBackgroundColor(std::uint32_t colour) final;
  void Slot4() final {}
  std::uint32_t GetResult() final { return result_; }

  void SetTitle(std::u16string title) { title_ = std::move(title); }
  int InitialHeight() const { return initialHeight_; }
  int ToolCount() const { return tooltips_.ToolCount(); }

 protected:
  // Shows the form through the host for owner; true when the host reports OK.
  bool Run(HWND owner);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
  bool PreTranslateMessage(MSG* message) override;

 private:
  void Close(std::uint32_t result);

  HBRUSH background_ = nullptr;
  int initialHeight_ = 0;
  std::u16string title_;
  bool showTooltips_ = true;
  CViewTooltips tooltips_;
  std::uint32_t result_ = kDialogRunning;
  std::uint32_t helpId_;
};
