#pragma once
// CDialog: a dialog from a resource template, modal or modeless, standing where the
// framework's dialog class would. The template comes from the language library when it
// has it, else from the plug-in; a template callback may change the copy (font, styles)
// before the dialog is made from it. Messages arrive through the dialog procedure and are
// cracked as for any CWnd; a handler that passes a message on (Default) leaves it to the
// dialog manager.
#include <functional>

#include "win/dialog_template.h"
#include "win/window.h"

class CDialog : public CWnd {
 public:
  using TemplateCallback = std::function<void(CDialogTemplate& dialogTemplate)>;

  explicit CDialog(UINT templateId) : templateId_(templateId) {}

  // Modeless (a page inside a host window, or a top-level dialog).
  bool Create(HWND parent, const TemplateCallback& adjust = nullptr);
  bool CreateIndirect(const CDialogTemplate& dialogTemplate, HWND parent);
  // Modal: runs the system's dialog loop; answers the value given to EndDialog, -1 on failure.
  INT_PTR DoModal(HWND parent, const TemplateCallback& adjust = nullptr);
  INT_PTR DoModalIndirect(const CDialogTemplate& dialogTemplate, HWND parent);
  void EndDialog(INT_PTR result);

  UINT TemplateId() const { return templateId_; }
  bool IsModal() const { return modal_; }
  // A modeless top-level dialog runs its own keyboard navigation (IsDialogMessage), since
  // the host's loop knows only its own windows; modal ones have the system's loop, pages
  // inside a host window the host's.
  bool PreTranslateMessage(MSG* message) override;

 protected:
  // After the controls exist: reads the members into them; TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  // OK: saves the controls into the members; a failed exchange keeps the dialog open.
  virtual void OnOK();
  virtual void OnCancel();

  bool OnCommand(int id, int code, HWND from) override;
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool LoadTemplate(CDialogTemplate& dialogTemplate, const TemplateCallback& adjust) const;

  UINT templateId_;
  bool modal_ = false;
  bool handled_ = false;  // cleared by DefaultProc while a message is being handled
};
