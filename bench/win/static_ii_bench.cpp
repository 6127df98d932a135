// The rich-text control on the category grid (60 categories in 5 groups) under Wine,
// through the real GDI context: SetText with the first paint, a repaint of the whole
// control, and one hover move between two neighbouring categories (WM_SETCURSOR at the
// new pointer position and the repaint it asks for), each timed with
// QueryPerformanceCounter over many repetitions, beside the thread's processor time (the
// wall times also hold the waits for the X server and the Wine server, and whatever else
// the machine runs). bench/richtext_bench.cpp does the same work with fixed metrics natively.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "display_required.h"
#include "host_resources.h"
#include "host_texts.h"
#include "markup/link_items.h"
#include "win/richtext/static_ii.h"

namespace {

constexpr int kWidth = 700, kHeight = 560;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The thread's processor time (user and kernel) in microseconds.
double ThreadMicroseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10.0; };
  return value(kernel) + value(user);
}

// Runs `work` `count` times after `prepare` (not timed) and prints the wall time's mean,
// median and best, and the mean processor time of the thread.
void Time(const char* name, int count, const std::function<void()>& prepare, const std::function<void()>& work) {
  std::vector<double> times;
  double processor = 0;
  for (int i = 0; i < count; ++i) {
    prepare();
    const double before = ThreadMicroseconds();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    processor += ThreadMicroseconds() - before;
    times.push_back(Seconds(start, end) * 1e6);
  }
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf("%-40s %5d runs  wall: mean %8.1f us  median %8.1f us  best %8.1f us;  processor: mean %8.1f us\n",
              name, count, sum / count, times[times.size() / 2], times.front(), processor / count);
}

}  // namespace

int main() {
  if (!DisplayAvailable()) return 1;
  HostResources resources;
  RECT frameRect{0, 0, kWidth + 20, kHeight + 20};
  AdjustWindowRect(&frameRect, WS_OVERLAPPEDWINDOW, FALSE);
  HWND frame = CreateWindowExW(0, L"Static", L"CStaticII benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               frameRect.right - frameRect.left, frameRect.bottom - frameRect.top, nullptr, nullptr,
                               nullptr, nullptr);
  CStaticII control;
  if (!frame || !control.Create(WS_VISIBLE, RECT{10, 10, 10 + kWidth, 10 + kHeight}, frame, 1)) return 1;
  resources.Install(control.Document());
  const std::u16string grid = CategoryGrid(CategoryColumns(5, 12));
  MSG message;
  auto drain = [&] {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  };
  drain();

  Time("CategoryGrid/SetTextAndFirstPaint/gdi", 100, drain, [&] {
    control.SetText(grid);
    UpdateWindow(control);
  });
  Time("CategoryGrid/Repaint/gdi", 100, [&] { control.Invalidate(); }, [&] { UpdateWindow(control); });

  LinkItem first, last;
  LinkItemAt(control.Document(), 1, first);
  LinkItemAt(control.Document(), 2, last);
  POINT points[2] = {{first.rect.left + 2, first.rect.top + 2}, {last.rect.left + 2, last.rect.top + 2}};
  for (POINT& point : points) ClientToScreen(control, &point);
  int next = 0;
  Time("CategoryGrid/HoverMove/gdi", 300,
       [&] {
         drain();
         next ^= 1;
         SetCursorPos(points[next].x, points[next].y);
       },
       [&] {
         SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control.GetSafeHwnd()),
                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
         UpdateWindow(control);
       });
  std::printf("hover changes seen: %s\n", control.Document().hover.object ? "yes" : "no");
  control.DestroyWindow();
  DestroyWindow(frame);
  return 0;
}
