#pragma once
// Timing for the benchmarks: the best of several runs, as process CPU time (user + system:
// what the code costs on a machine shared with builds) and as wall time.

#include <time.h>

#include <algorithm>
#include <chrono>

namespace torvale {

inline double CpuNow() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Timing {
  double cpu = 1e9;
  double wall = 1e9;
};

// The best CPU and wall time of `runs` calls of `work`; false when a call fails.
template <typename Work>
bool Best(int runs, Timing& timing, Work&& work) {
  for (int i = 0; i < runs; ++i) {
    const double cpu = CpuNow();
    const auto wall = std::chrono::steady_clock::now();
    if (!work()) return false;
    timing.cpu = std::min(timing.cpu, CpuNow() - cpu);
    timing.wall = std::min(timing.wall,
                           std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count());
  }
  return true;
}

}  // namespace torvale
