#pragma once
// Console output of Google Benchmark plus, at the end, the ratio of two runs' times
// ("ours" against a well-known library doing the same work): above 1.0 means ours is faster.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Each pair names the benchmark of ours and the one it is compared with.
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [ours, theirs] : pairs_) {
      auto a = seconds_.find(ours), b = seconds_.find(theirs);
      if (a == seconds_.end() || b == seconds_.end() || a->second <= 0) continue;
      std::printf("ratio %s against %s: %.2f (above 1.0: ours is faster)\n", ours.c_str(), theirs.c_str(),
                  b->second / a->second);
    }
  }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
  std::map<std::string, double> seconds_;
};

// main() for a benchmark program that compares pairs of benchmarks.
#define RATIO_BENCHMARK_MAIN(...)                                  \
  int main(int argc, char** argv) {                               \
    benchmark::Initialize(&argc, argv);                           \
    RatioReporter reporter({__VA_ARGS__});                        \
    benchmark::RunSpecifiedBenchmarks(&reporter);                 \
    benchmark::Shutdown();                                        \
    return 0;                                                     \
  }
