#pragma once
// CStaticII: the rich-text control. It shows a mark-up document (CChDocument) and turns
// window messages into calls on it: WM_SIZE lays it out, WM_PAINT draws it off screen
// through CGdiContext and copies it in one BitBlt, the pointer hovers, presses and
// activates its links, Tab and Shift+Tab walk its focus chain, Enter and Space activate
// the focused item. Activation reports to the parent (WM_COMMAND 0xF0, or 0xF1 for a
// combo-box button) unless the click callback takes it. All layout and hit-testing stays
// in the document; accessibility clients see its links as children (static_ii_accessible.h).
#include <functional>
#include <memory>
#include <string>

#include "markup/document.h"
#include "win/controls/basic_controls.h"
#include "win/controls/tool_tip_ctrl.h"

class CGdiContext;
class CStaticIIAccessible;

class CStaticII : public CStatic {
 public:
  // Called with the activated object and link; true means the click was handled.
  using ClickCallback = std::function<bool(CLineObject* object, int link, CStaticII& control)>;

  static constexpr const wchar_t* kClassName = L"CStaticII";
  static constexpr UINT_PTR kAnimationTimer = 0x1000;
  static constexpr UINT kAnimationPeriod = 15;   // milliseconds
  static constexpr int kLinkActivated = 0xF0;    // WM_COMMAND notification codes
  static constexpr int kComboActivated = 0xF1;
  static constexpr int kToolTipWidth = 300;      // pixels before a tip wraps

  CStaticII();
  ~CStaticII() override;

  // Registers the window class "CStaticII" with the plug-in's module (also for templates).
  static bool RegisterClass();
  // The registered message "Corvid Tab Keyboard Child Command".
  static UINT TabKeyboardMessage();

  // A new window of the class "CStaticII".
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
  // Takes over an existing window (a dialog's static or a "CStaticII" from a template):
  // the parent's font becomes the default font and a non-empty window text the document.
  bool Attach(HWND window);

  virtual void SetText(std::u16string_view text);
  COLORREF SetBackgroundColour(COLORREF colour);  // answers the previous colour
  COLORREF SetTextColour(COLORREF colour);        // the default text colour; the previous one
  void RegisterPrototype(const std::u16string& type, std::unique_ptr<CLineObject> prototype) {
    document_.RegisterPrototype(type, std::move(prototype));
  }
  void SetClickCallback(ClickCallback callback) { click_ = std::move(callback); }
  // Providers, prototypes and the state of the document (set by the embedding code).
  CChDocument& Document() { return document_; }
  Size ContentSize() const { return content_; }
  bool TabNavigation() const { return tabNavigation_; }
  unsigned Ticks() const { return ticks_; }  // animation timer ticks since SetText

  // Activates an item as a click does (also for accessibility clients).
  void Activate(CLineObject* object, int link);
  // Moves the keyboard focus to an item of the document; false when the chain lacks it.
  bool FocusItem(CLineObject* object, int link);
  bool PreTranslateMessage(MSG* message) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int OnCreate(CREATESTRUCTW* create) override;
  void OnDestroy() override;
  void OnSize(UINT type, int width, int height) override;
  void OnPaint() override;
  bool OnEraseBkgnd(HDC dc) override { return false; }  // the paint covers everything
  bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnMouseLeave() override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  void OnSetFocus(HWND previous) override;
  void OnKillFocus(HWND next) override;
  void OnTimer(UINT_PTR id) override;
  LRESULT OnGetObject(WPARAM flags, LPARAM objectId) override;

 private:
  void Layout();
  // After the object's own action: the combo-box code, else the click callback, else 0xF0.
  void ReportActivation(CLineObject* object, int link);
  void Shutdown();  // timer, tool tip and accessibility object go before the window
  // Hover at the pointer: hand cursor, tool tip, invalidation (true when the hand applies).
  bool UpdateHover();
  void UpdateToolTip();
  void EnableToolTips();
  // Walks the focus chain into the control (first item, or last with `backward`).
  bool EnterFocus(bool backward);
  LRESULT OnTabKeyboardCommand(WPARAM query, LPARAM direction);
  void NotifyFocusEvents();
  int ChooseFromMenu(const std::vector<std::u16string>& items, const Rect& button);
  CGdiContext& MeasuringContext();

  CChDocument document_;
  std::unique_ptr<CGdiContext> measuring_;  // over a memory DC, for layout and hit tests
  HDC measuringDc_ = nullptr;
  int width_ = 0, height_ = 0;
  Size content_;
  COLORREF background_;
  CToolTipCtrl toolTip_;
  std::u16string tipText_;
  Rect tipRect_;
  UINT_PTR tipId_ = 0;
  UINT_PTR shownTip_ = 0;  // the tool in the tool-tip control (0: none)
  bool capture_ = false;
  bool tracking_ = false;  // WM_MOUSELEAVE asked for
  ClickCallback click_;
  bool tabNavigation_ = true;
  unsigned ticks_ = 0;
  HCURSOR hand_;
  CStaticIIAccessible* accessible_ = nullptr;  // made on the first query, held until WM_DESTROY
};
