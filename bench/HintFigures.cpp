// The hint over every position of the plans and of seeded random games (those near a death
// counted apart): the share it answers, its CPU time and memory, and how good its advice is
// where the shortest victory of listed options is proven within the hint's own budget. Figures
// only; nothing is asserted.
//   build/bin/bench_hint_figures [games] [every] [quality-every]
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Moves.h"
#include "Positions.h"
#include "Search.h"
#include "Solver.h"

namespace {

using namespace kevolan;
using namespace kevolan::solver;

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <typename T>
T At(std::vector<T> v, double share) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(share * static_cast<double>(v.size())))];
}

struct Verdicts {
  int Win = 0, Lost = 0, Unknown = 0, Typed = 0;
  void Count(const HintResult& r) {
    (r.Verdict == Verdict::Win ? Win : r.Verdict == Verdict::Lost ? Lost : Unknown)++;
    Typed += r.Verdict == Verdict::Win && r.Typed ? 1 : 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  const int qualityEvery = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
  std::vector<testing::Position> positions = testing::PlanPositions(every);
  const std::size_t plans = positions.size();
  const std::vector<testing::Position> random = testing::RandomGamePositions(0, games, every);
  positions.insert(positions.end(), random.begin(), random.end());

  std::vector<double> cpu;
  std::size_t peakBytes = 0;
  Verdicts all, near;
  const testing::Position* slowest = nullptr;
  double worst = -1;
  std::vector<double> ratios;
  int proven = 0, tried = 0, winIndex = 0;
  for (const testing::Position& p : positions) {
    const double before = CpuMs();
    const HintResult r = Hint(p.State);
    const double spent = CpuMs() - before;
    cpu.push_back(spent);
    if (spent > worst) worst = spent, slowest = &p;
    peakBytes = std::max(peakBytes, r.PeakBytes);
    all.Count(r);
    if (testing::NearDeath(p.State)) near.Count(r);
    if (r.Verdict == Verdict::Unknown && std::getenv("SHOW_UNKNOWN")) {
      std::printf("unknown: %s\n", p.Name.c_str());
    }
    // The advice against the shortest victory of listed options, where the hint's own budget
    // proves it.
    if (r.Verdict != Verdict::Win || r.Typed || winIndex++ % qualityEvery != 0) continue;
    ++tried;
    SearchLimits limits;
    limits.ListsOnly = true;
    limits.MaxTurns = HintBudget{}.MaxTurns;
    SearchStats stats;
    const ShortestLine best = FindShortest(p.State, limits, stats);
    if (!best.Found) continue;
    ++proven;
    const double ratio = r.DaysToVictory / static_cast<double>(best.Moves.size());
    ratios.push_back(ratio);
    if (ratio > 1.05 && std::getenv("SHOW_WORSE")) {
      std::printf("%.3f: %s (%d days, shortest %zu)\n", ratio, p.Name.c_str(), r.DaysToVictory,
                  best.Moves.size());
    }
  }
  const HintResult fresh = Hint(NewGame());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);

  std::printf("positions: %zu (%zu of the plans, %zu of %d random games)\n", positions.size(),
              plans, random.size(), games);
  std::printf("answered: win %d (typed %d), lost %d, unknown %d\n", all.Win, all.Typed, all.Lost,
              all.Unknown);
  std::printf("near a death: win %d (typed %d), lost %d, unknown %d\n", near.Win, near.Typed,
              near.Lost, near.Unknown);
  std::printf("CPU time per hint: median %.2f ms, 99%% %.1f ms, worst %.1f ms (%s)\n", At(cpu, 0.5),
              At(cpu, 0.99), worst, slowest ? slowest->Name.c_str() : "");
  std::printf("most memory one hint's tables held: %.2f MiB; the process at most %.0f MiB\n",
              static_cast<double>(peakBytes) / (1 << 20),
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  std::printf("from a new game: %d days, to %d of month %d\n", fresh.DaysToVictory,
              fresh.VictoryDay, static_cast<int>(fresh.VictoryMonth) + 1);
  if (!ratios.empty()) {
    const int over = static_cast<int>(
        std::count_if(ratios.begin(), ratios.end(), [](double x) { return x > 1.05; }));
    std::printf(
        "advice against the proven shortest (every %d-th listed win, %d tried, %d proven "
        "within the budget): median %.3f, worst %.3f, over 1.05: %d\n",
        qualityEvery, tried, proven, At(ratios, 0.5), At(ratios, 1.0), over);
  }
  return 0;
}
