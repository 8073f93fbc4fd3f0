// The best of a few runs of some work, in milliseconds: the run least
// disturbed by whatever else the machine does.
#ifndef RESTOMER_BENCH_BEST_TIME_H_
#define RESTOMER_BENCH_BEST_TIME_H_

#include <algorithm>
#include <chrono>

inline constexpr int kRuns = 5;

template <typename Work>
double BestMilliseconds(Work work) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

#endif  // RESTOMER_BENCH_BEST_TIME_H_
