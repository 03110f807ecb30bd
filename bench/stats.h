#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace tochkograf::bench {

// The time of one run of something, over many runs: median, fastest, slowest.
struct Figure {
  double median, min, max;  // microseconds
};

inline Figure Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front(), times.back()};
}

// Runs `work` in `batches` batches of `per_batch` runs and times one run.
inline Figure Measure(const std::function<void()>& work, int batches = 31, int per_batch = 20) {
  for (int i = 0; i < per_batch; ++i) work();  // warm up
  std::vector<double> times;
  for (int b = 0; b < batches; ++b) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < per_batch; ++i) work();
    times.push_back(timer.nsecsElapsed() / 1000.0 / per_batch);
  }
  return Summarise(times);
}

inline void Print(const char* what, const Figure& f) {
  std::printf("  %-38s %10.2f us  (min %.2f, max %.2f)\n", what, f.median, f.min, f.max);
}

// A ratio of medians, with the spread the extremes allow.
inline void PrintRatio(const char* what, const Figure& a, const Figure& b, const char* target) {
  std::printf("  %-38s %7.3g  (%.3g .. %.3g)  %s\n", what, a.median / b.median, a.min / b.max,
              a.max / b.min, target);
}

}  // namespace tochkograf::bench
