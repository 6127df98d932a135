#include "ui/views/dialog_view.h"

#include "frame/protocol/records.h"
#include "frame/protocol/requests.h"

CDialogView::~CDialogView() {
  if (background_) DeleteObject(background_);
}

std::int32_t CDialogView::CreateView(void* parent, const char16_t*, bool showTooltips, ViewTemplateCallback callback) {
  return GuardHostEntry(0, [&] {
    showTooltips_ = showTooltips;
    return CreateFromTemplate(*this, static_cast<HWND>(parent), callback) ? 1 : 0;
  });
}

void CDialogView::SetBackgroundColor(std::uint32_t colour) {
  GuardHostEntry([&] {
    if (background_) DeleteObject(background_);
    background_ = colour == 0xFFFFFFFF ? nullptr : CreateSolidBrush(colour);
    if (GetSafeHwnd()) Invalidate(true);
  });
}

bool CDialogView::Run(HWND owner) {
  result_ = kDialogRunning;
  const std::int64_t answer =
      ShowDialogView(AddressOf(static_cast<IDialogView*>(this)), AddressOf(owner));
  if (GetSafeHwnd()) DestroyWindow();  // the frame may leave the form to its owner
  return answer == kDialogOk;
}

BOOL CDialogView::OnInitDialog() {
  CDialog::OnInitDialog();
  const RECT window = GetWindowRect();
  initialHeight_ = window.bottom - window.top;
  if (!title_.empty()) SetWindowText(title_);
  tooltips_.Create(GetSafeHwnd(), showTooltips_);
  SetForegroundWindow(GetSafeHwnd());
  return TRUE;
}

void CDialogView::OnOK() {
  if (UpdateData(true)) Close(kDialogOk);
}

void CDialogView::OnCancel() { Close(kDialogCancel); }

void CDialogView::Close(std::uint32_t result) {
  result_ = result;
  ::PostMessageW(GetParent(), WM_CLOSE, 0, 0);
}

HBRUSH CDialogView::OnCtlColor(HDC dc, HWND control, UINT message) {
  return background_ ? background_ : CDialog::OnCtlColor(dc, control, message);
}

bool CDialogView::PreTranslateMessage(MSG* message) {
  tooltips_.Relay(message);
  return CDialog::PreTranslateMessage(message);
}
