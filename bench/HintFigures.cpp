// The hint over every position of the plans, of seeded random games and of steered games that
// reach the boat's last days (those near a death counted apart): the share it answers, its CPU
// time, the day turns it plays and its memory, and how good its advice is against the shortest
// victory of listed options proven with a larger budget (or, unproven, against its lower bound).
// Figures only; nothing is asserted.
//   build/bin/bench_hint_figures [games] [every] [quality-every] [reference-turns]
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
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
  if (v.empty()) return T{};
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(share * static_cast<double>(v.size())))];
}

struct Verdicts {
  int Win = 0, Lost = 0, Unknown = 0, Typed = 0, Proven = 0;
  void Count(const HintResult& r) {
    (r.Verdict == Verdict::Win ? Win : r.Verdict == Verdict::Lost ? Lost : Unknown)++;
    Typed += r.Verdict == Verdict::Win && r.Typed ? 1 : 0;
    Proven += r.Verdict == Verdict::Win && r.Proven ? 1 : 0;
  }
};

// The advice's days against the shortest, by how far the victory is.
struct Quality {
  std::vector<double> Ratios;  // advice / proven shortest
  std::vector<double> Above;   // advice / lower bound, where the shortest is not proven
  int Equal = 0;
  void Print(const char* what) const {
    const auto over = std::count_if(Ratios.begin(), Ratios.end(), [](double x) { return x > 1.05; });
    std::printf("  %-22s proven %4zu: equal %4d (%5.1f%%), median %.3f, p90 %.3f, worst %.3f, over 1.05: %ld",
                what, Ratios.size(), Equal,
                Ratios.empty() ? 0.0 : 100.0 * Equal / static_cast<double>(Ratios.size()),
                At(Ratios, 0.5), At(Ratios, 0.9), At(Ratios, 1.0), static_cast<long>(over));
    if (!Above.empty()) {
      std::printf("; unproven %zu: against the bound median %.3f, worst %.3f", Above.size(),
                  At(Above, 0.5), At(Above, 1.0));
    }
    std::printf("\n");
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  const int qualityEvery = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
  const long long referenceTurns = argc > 4 ? std::atoll(argv[4]) : 3'000'000;
  std::vector<testing::Position> positions = testing::PlanPositions(every);
  const std::size_t plans = positions.size();
  const std::vector<testing::Position> random = testing::RandomGamePositions(0, games, every);
  positions.insert(positions.end(), random.begin(), random.end());
  const std::vector<testing::Position> steered =
      testing::SteeredGamePositions(0, std::max(1, games / 5), every);
  positions.insert(positions.end(), steered.begin(), steered.end());

  std::vector<double> cpu;
  std::vector<long long> turns;
  std::size_t peakBytes = 0;
  Verdicts all, near;
  const testing::Position* slowest = nullptr;
  double worst = -1;
  Quality last45, beyond;
  int winIndex = 0;
  for (const testing::Position& p : positions) {
    const double before = CpuMs();
    const HintResult r = Hint(p.State);
    const double spent = CpuMs() - before;
    cpu.push_back(spent);
    turns.push_back(r.TurnsPlayed);
    if (spent > worst) worst = spent, slowest = &p;
    peakBytes = std::max(peakBytes, r.PeakBytes);
    all.Count(r);
    if (testing::NearDeath(p.State)) near.Count(r);
    if (r.Verdict == Verdict::Unknown && std::getenv("SHOW_UNKNOWN")) {
      std::printf("unknown: %s\n", p.Name.c_str());
    }
    if (r.Verdict != Verdict::Win || r.Typed || winIndex++ % qualityEvery != 0) continue;
    // The shortest victory of listed options, proven with a larger budget than the hint's.
    SearchLimits limits;
    limits.ListsOnly = true;
    limits.MaxTurns = referenceTurns;
    limits.MaxBytes = std::size_t(512) << 20;
    SearchStats stats;
    const ShortestLine best = FindShortest(p.State, limits, stats);
    const int shortest = best.Found ? static_cast<int>(best.Moves.size()) : -1;
    Quality& q = (best.Found ? shortest : r.DaysToVictory) <= 45 ? last45 : beyond;
    if (!best.Found) {
      if (best.LowerBound > 0) q.Above.push_back(r.DaysToVictory / double(best.LowerBound));
      continue;
    }
    const double ratio = r.DaysToVictory / static_cast<double>(shortest);
    q.Ratios.push_back(ratio);
    q.Equal += r.DaysToVictory == shortest ? 1 : 0;
    if (ratio > 1.05 && std::getenv("SHOW_WORSE")) {
      std::printf("%.3f: %s (%d days, shortest %d)\n", ratio, p.Name.c_str(), r.DaysToVictory,
                  shortest);
    }
  }
  const double freshBefore = CpuMs();
  const HintResult fresh = Hint(NewGame());
  const double freshMs = CpuMs() - freshBefore;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);

  std::printf("positions: %zu (%zu of the plans, %zu of %d random games, %zu of %d steered games)\n",
              positions.size(), plans, random.size(), games, steered.size(), std::max(1, games / 5));
  std::printf("answered: win %d (proven shortest %d, typed %d), lost %d, unknown %d\n", all.Win,
              all.Proven, all.Typed, all.Lost, all.Unknown);
  std::printf("near a death: win %d (typed %d), lost %d, unknown %d\n", near.Win, near.Typed,
              near.Lost, near.Unknown);
  std::printf("CPU time per hint: median %.2f ms, 99%% %.1f ms, worst %.1f ms (%s)\n", At(cpu, 0.5),
              At(cpu, 0.99), worst, slowest ? slowest->Name.c_str() : "");
  std::printf("day turns per hint: median %lld, 99%% %lld, worst %lld\n", At(turns, 0.5),
              At(turns, 0.99), At(turns, 1.0));
  std::printf("most memory one hint's tables held: %.2f MiB; the process at most %.0f MiB\n",
              static_cast<double>(peakBytes) / (1 << 20),
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  std::printf("from a new game: %d days (%s), to %d of month %d, %.0f ms\n", fresh.DaysToVictory,
              fresh.Proven ? "proven shortest" : "not proven", fresh.VictoryDay,
              static_cast<int>(fresh.VictoryMonth) + 1, freshMs);
  std::printf("advice against the shortest (every %d-th listed win, reference budget %lld turns):\n",
              qualityEvery, referenceTurns);
  last45.Print("within 45 days:");
  beyond.Print("farther:");
  return 0;
}
