#include "support/message_sequence.h"

#include <algorithm>
#include <cstdio>

#include "win/window_class.h"

namespace wintest {

MessageStep Command(int id, int code, HWND from) {
  return {WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from), MessageStep::kWParam | MessageStep::kLParam};
}

MessageStep Optional(UINT message) { return {message, 0, 0, MessageStep::kOptional}; }

namespace {

bool Same(const MessageStep& expected, const MessageStep& actual) {
  return expected.message == actual.message &&
         (!(expected.flags & MessageStep::kWParam) || expected.wParam == actual.wParam) &&
         (!(expected.flags & MessageStep::kLParam) || expected.lParam == actual.lParam);
}

std::string Describe(const MessageStep* step) {
  if (!step) return "-";
  char text[96];
  std::snprintf(text, sizeof(text), "%04x w=%llx l=%llx%s", step->message, static_cast<unsigned long long>(step->wParam),
                static_cast<unsigned long long>(step->lParam), (step->flags & MessageStep::kOptional) ? " (optional)" : "");
  return text;
}

}  // namespace

::testing::AssertionResult MatchesSequence(const MessageLog& log, const std::vector<MessageStep>& expected) {
  const auto& actual = log.Steps();
  auto optional = [](const MessageStep& step) { return (step.flags & MessageStep::kOptional) != 0; };
  // A message the platform may add may also come more than once.
  auto mayBeAdded = [&](const MessageStep& step) {
    return std::any_of(expected.begin(), expected.end(),
                       [&](const MessageStep& e) { return optional(e) && e.message == step.message; });
  };
  std::size_t e = 0, a = 0;
  bool ok = true;
  while (ok && (e < expected.size() || a < actual.size())) {
    if (e < expected.size() && a < actual.size() && Same(expected[e], actual[a])) {
      ++e, ++a;
    } else if (e < expected.size() && optional(expected[e])) {
      ++e;
    } else if (a < actual.size() && mayBeAdded(actual[a])) {
      ++a;
    } else {
      ok = false;
    }
  }
  if (ok) return ::testing::AssertionSuccess();
  std::string table = "message sequence differs (first difference at expected step " + std::to_string(e) +
                      ", actual step " + std::to_string(a) + "):\n";
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string left = Describe(i < expected.size() ? &expected[i] : nullptr);
    table += "  " + left + std::string(left.size() < 44 ? 44 - left.size() : 1, ' ') +
             Describe(i < actual.size() ? &actual[i] : nullptr) + "\n";
  }
  return ::testing::AssertionFailure() << table;
}

bool RecordingParent::Create(HWND frame, const RECT& rect) {
  RegisterWindowClass(L"WinTestParent", 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
  return CreateEx(WS_EX_CONTROLPARENT, L"WinTestParent", L"", WS_CHILD | WS_VISIBLE, rect, frame, 1);
}

bool RecordingParent::OnCommand(int id, int code, HWND from) {
  log.Add(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
  return true;
}

LRESULT RecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PARENTNOTIFY) log.Add(message, wParam, lParam);
  return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace wintest
