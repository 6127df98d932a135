// The rich-text control's work on the category grid (60 categories in 5 groups) with
// fixed metrics, natively: SetText with layout and a whole drawing pass (the first
// paint), and one hover move (hit test, hover update and the repaint's drawing pass).
// bench/win/static_ii_bench.cpp times the same work under Wine through GDI.
#include <benchmark/benchmark.h>

#include "host_texts.h"
#include "markup/document.h"
#include "markup/fixed_context.h"
#include "markup/link_items.h"

namespace {

constexpr int kWidth = 700, kHeight = 560;

struct Grid {
  CChDocument document;
  CFixedContext dc;
  const std::u16string text = CategoryGrid(CategoryColumns(5, 12));
  Grid() {
    document.fontProvider = HostFont;
    document.skinProvider = HostSkin;
  }
  void FirstPaint() {
    document.SetText(text);
    document.Layout(dc, kWidth, kHeight);
    document.Draw(dc);
  }
};

void BM_SetTextAndFirstPaint(benchmark::State& state) {
  Grid grid;
  for (auto _ : state) grid.FirstPaint();
}

// Between the first two categories, as the pointer would go.
void BM_HoverMove(benchmark::State& state) {
  Grid grid;
  grid.FirstPaint();
  LinkItem first, last;
  LinkItemAt(grid.document, 1, first);
  LinkItemAt(grid.document, 2, last);
  const Rect points[2] = {first.rect, last.rect};
  int next = 0;
  for (auto _ : state) {
    const Rect& target = points[next ^= 1];
    grid.document.ApplyHover(grid.document.HitTest(target.left + 2, target.top + 2));
    grid.document.Draw(grid.dc);
  }
}

BENCHMARK(BM_SetTextAndFirstPaint)->Name("CategoryGrid/SetTextAndFirstPaint/fixed")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverMove)->Name("CategoryGrid/HoverMove/fixed")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
