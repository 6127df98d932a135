#include "frame/templates/panel_template.h"

CPanelTemplate::~CPanelTemplate() {
  if (event_) CloseHandle(event_);
}

HANDLE CPanelTemplate::BeginWait() {
  if (!event_) event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  result_ = 0;
  if (event_) ResetEvent(event_);
  return event_;
}

void CPanelTemplate::EndWait() {
  if (event_) SetEvent(event_);
}

HWND CPanelTemplate::GetWindow() {
  if (window_ && IsWindow(window_)) return window_;
  PanelWindowRecord record{AddressOf(this), 0};
  if (SendRequest(0, kRequestPanelWindow, &record) != kDone) return nullptr;
  return FromAddress<HWND__>(record.window);
}

void CPanelTemplate::Invalidate(std::int32_t part) {
  if (part >= 32) return;
  state_[0] |= kFlagChanged;
  state_[2] |= part == -1 ? ~0u : 1u << (static_cast<std::uint32_t>(part) % 32);
  RequestRefresh();
}

void CPanelTemplate::RequestRefresh() {
  if (refreshBlock_) return;
  if (window_ && IsWindow(window_)) {
    PostMessageW(window_, kRefreshMessage, kRequestRefresh, reinterpret_cast<LPARAM>(this));
  } else {
    SendRequest(0, kRequestRefresh, this);
  }
}

void CPanelTemplate::SetHostValue(std::uint64_t value) {
  HostValueRecord record{1, value};
  SendRequest(0, kRequestHostValue, &record);
}

void CPanelTemplate::ShowStateMenu(std::uint64_t point) {
  StateMenuRecord record{sizeof(StateMenuRecord), 0x2020001, point};
  SendRequest(0, kRequestStateMenu, &record);
}

bool CPanelTemplate::QueryPanelState(PanelStateRecord* record) {
  return record && SendRequest(0, kRequestPanelState, record) == kDone;
}
