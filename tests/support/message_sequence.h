#pragma once
// Declared message sequences, in the manner of the common-controls tests of Wine: a
// window records what it is sent; a test states the steps it expects, in order, and
// marks the steps that the platform may add as optional. On a mismatch both sequences
// are printed side by side.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/window.h"

namespace wintest {

// A pseudo message for calls that are not window messages (the click callback).
constexpr UINT kCallbackStep = WM_APP + 0x100;

struct MessageStep {
  enum Flags : unsigned { kWParam = 1, kLParam = 2, kOptional = 4 };
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  unsigned flags = 0;  // which parameters count, and whether the step may be missing
};

// Steps: a WM_COMMAND from control `id` with `code`, sent by `from`.
MessageStep Command(int id, int code, HWND from);
MessageStep Optional(UINT message);

class MessageLog {
 public:
  void Add(UINT message, WPARAM wParam, LPARAM lParam) { steps_.push_back({message, wParam, lParam, 0}); }
  void Clear() { steps_.clear(); }
  const std::vector<MessageStep>& Steps() const { return steps_; }

 private:
  std::vector<MessageStep> steps_;
};

::testing::AssertionResult MatchesSequence(const MessageLog& log, const std::vector<MessageStep>& expected);

// A parent window that records WM_COMMAND and WM_PARENTNOTIFY.
class RecordingParent : public CWnd {
 public:
  bool Create(HWND frame, const RECT& rect);
  MessageLog log;

 protected:
  bool OnCommand(int id, int code, HWND from) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace wintest
