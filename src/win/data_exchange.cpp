#include "win/data_exchange.h"

#include <climits>
#include <string>

namespace {

std::u16string TextOf(HWND control) {
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(control, reinterpret_cast<LPWSTR>(text.data()), static_cast<int>(text.size()))));
  return text;
}

bool Blank(char16_t c) { return c == u' ' || c == u'\t'; }

// A number that the control answers to `get` and takes with `set` (as its first parameter).
void ExchangeState(CDataExchange& exchange, int id, int& value, UINT get, UINT set) {
  HWND control = exchange.Control(id);
  if (!control) return;
  if (exchange.Saving()) {
    value = static_cast<int>(SendMessageW(control, get, 0, 0));
  } else {
    SendMessageW(control, set, static_cast<WPARAM>(value), 0);
  }
}

}  // namespace

void CDataExchange::Fail(HWND control) {
  failed_ = true;
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
}

bool ParseInteger(std::u16string_view text, int& value) {
  while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == u'-';
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  if (text.empty()) return false;
  long long number = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
    number = number * 10 + (c - u'0');
    if (number > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) number = -number;
  if (number < INT_MIN || number > INT_MAX) return false;
  value = static_cast<int>(number);
  return true;
}

void DDX_Text(CDataExchange& exchange, int id, std::u16string& value) {
  HWND control = exchange.Control(id);
  if (!control) return;
  if (exchange.Saving()) {
    value = TextOf(control);
  } else {
    SetWindowTextW(control, reinterpret_cast<LPCWSTR>(value.c_str()));
  }
}

void DDX_Text(CDataExchange& exchange, int id, int& value) {
  HWND control = exchange.Control(id);
  if (!control) return;
  if (!exchange.Saving()) {
    SetWindowTextW(control, std::to_wstring(value).c_str());
  } else if (!ParseInteger(TextOf(control), value)) {
    exchange.Fail(control);
  }
}

void DDX_Check(CDataExchange& exchange, int id, int& value) { ExchangeState(exchange, id, value, BM_GETCHECK, BM_SETCHECK); }
