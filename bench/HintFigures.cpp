// The hint over every position of the plans and of 100 seeded random games: time, day turns
// played, memory kept, and the share it answers. Figures only; nothing is asserted.
//   build/bin/bench_hint_figures [games] [every]
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Positions.h"
#include "Solver.h"

int main(int argc, char** argv) {
  using namespace kevolan::solver;
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  std::vector<testing::Position> positions = testing::PlanPositions(every);
  const std::size_t plans = positions.size();
  const std::vector<testing::Position> random = testing::RandomGamePositions(0, games, every);
  positions.insert(positions.end(), random.begin(), random.end());

  // Wall time on these shared machines depends on the load; the thread's own CPU time less so.
  const auto cpuMs = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  };
  rusage loaded{};
  getrusage(RUSAGE_SELF, &loaded);
  std::size_t peakBytes = 0;
  std::vector<double> ms;
  std::vector<double> cpu;
  std::vector<long long> turns;
  int win = 0, lost = 0, unknown = 0;
  const testing::Position* slowest = nullptr;
  for (const testing::Position& p : positions) {
    const double before = cpuMs();
    const HintResult r = Hint(p.State);
    cpu.push_back(cpuMs() - before);
    peakBytes = std::max(peakBytes, r.PeakBytes);
    if (ms.empty() || r.Milliseconds > *std::max_element(ms.begin(), ms.end())) slowest = &p;
    ms.push_back(r.Milliseconds);
    turns.push_back(r.TurnsPlayed);
    (r.Verdict == Verdict::Win ? win : r.Verdict == Verdict::Lost ? lost : unknown)++;
    if (r.Verdict == Verdict::Unknown && std::getenv("SHOW_UNKNOWN")) {
      std::printf("unknown: %s\n", p.Name.c_str());
    }
  }
  const auto median = [](auto v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("positions: %zu (%zu of the plans, %zu of %d random games)\n", positions.size(),
              plans, random.size(), games);
  std::printf("answered: win %d, lost %d, unknown %d (%.2f%%)\n", win, lost, unknown,
              100.0 * unknown / static_cast<double>(positions.size()));
  std::printf("time: median %.2f ms, worst %.1f ms (%s)\n", median(ms),
              *std::max_element(ms.begin(), ms.end()), slowest ? slowest->Name.c_str() : "");
  std::printf("CPU time: median %.2f ms, worst %.1f ms\n", median(cpu),
              *std::max_element(cpu.begin(), cpu.end()));
  std::printf("day turns played: median %lld, worst %lld\n", median(turns),
              *std::max_element(turns.begin(), turns.end()));
  std::printf("most memory one hint's tables held: %.2f MiB\n",
              static_cast<double>(peakBytes) / (1 << 20));
  std::printf("peak resident memory: %.1f MiB with the positions loaded, %.1f MiB at the end\n",
              static_cast<double>(loaded.ru_maxrss) / 1024.0,
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
