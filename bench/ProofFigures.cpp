// How far kevolan-solve's proof reaches: the shortest victory of listed options searched from
// positions of the plans, of seeded random games and of steered games, on one thread, each cut
// off after a given CPU time; the share proven within 1 s and within the limit, by the turn of
// the game the position stands at and by how far its victory is. Figures only.
//   build/bin/bench_proof_figures [games] [every] [seconds]
#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "Bound.h"
#include "Positions.h"
#include "Solver.h"

namespace {

using namespace kevolan;
using namespace kevolan::solver;

double CpuSeconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Tally {
  int Positions = 0, WithinOne = 0, WithinLimit = 0;
};

void Print(const char* heading, const std::map<std::string, Tally>& tallies, double seconds) {
  std::printf("%s\n", heading);
  for (const auto& [stage, t] : tallies) {
    std::printf(
        "  %-22s %4d positions: proven within 1 s %4d (%5.1f%%), within %.0f s %4d (%5.1f%%)\n",
        stage.c_str(), t.Positions, t.WithinOne, 100.0 * t.WithinOne / t.Positions, seconds,
        t.WithinLimit, 100.0 * t.WithinLimit / t.Positions);
  }
}

// The turn a position stands at, from its name ("... after 57 turns").
int TurnOf(const std::string& name) {
  const std::size_t at = name.rfind("after ");
  return at == std::string::npos ? 0 : std::atoi(name.c_str() + at + 6);
}

// A band of turns or days, its first number padded so that the bands sort in their order.
std::string Band(int value, int width, int last) {
  char band[32];
  if (value >= last) {
    std::snprintf(band, sizeof band, "%3d+", last);
  } else {
    const int from = value / width * width;
    std::snprintf(band, sizeof band, "%3d-%d", from, from + width - 1);
  }
  return band;
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 8;
  const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  const double limit = argc > 3 ? std::atof(argv[3]) : 30.0;
  std::vector<testing::Position> positions = testing::PlanPositions(every);
  const std::vector<testing::Position> random = testing::RandomGamePositions(0, games, every);
  positions.insert(positions.end(), random.begin(), random.end());
  const std::vector<testing::Position> steered =
      testing::SteeredGamePositions(0, std::max(1, games / 4), every);
  positions.insert(positions.end(), steered.begin(), steered.end());

  clockid_t mine{};
  pthread_getcpuclockid(pthread_self(), &mine);
  std::map<std::string, Tally> byTurn, byDays;
  long long provenStates = 0;
  for (const testing::Position& p : positions) {
    // Positions a castaway of listed options can still escape from, as the bound sees them.
    const int least = TurnsToVictoryAtLeast(p.State, true);
    if (least >= kNever) continue;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    const double start = CpuSeconds(mine);
    std::thread watch([&] {
      while (!done.load()) {
        if (CpuSeconds(mine) - start > limit) cancel.store(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    });
    ShortestLimits limits;
    limits.ListsOnly = true;
    limits.Cancel = &cancel;
    limits.MaxBytes = std::size_t(2) << 30;
    const ShortestResult r = Shortest(p.State, limits);
    const double spent = CpuSeconds(mine) - start;
    done.store(true);
    watch.join();
    const bool proven = r.Proven && !cancel.load();
    const int days = proven ? r.Days : std::max(r.LowerBound, least);
    for (const auto& [tallies, stage] : {std::pair{&byTurn, Band(TurnOf(p.Name), 40, 160)},
                                         std::pair{&byDays, Band(days, 45, 135)}}) {
      Tally& t = (*tallies)[stage];
      ++t.Positions;
      t.WithinOne += proven && spent <= 1.0 ? 1 : 0;
      t.WithinLimit += proven ? 1 : 0;
    }
    if (proven) provenStates = std::max(provenStates, r.StatesKept);
    if (std::getenv("SHOW_EACH")) {
      std::printf("%-40s %s %3d days, %.2f s\n", p.Name.c_str(), proven ? "proven" : "  open", days,
                  spent);
    }
  }
  std::printf("positions: %zu (plans, %d random games, %d steered games, every %d-th)\n",
              positions.size(), games, std::max(1, games / 4), every);
  Print("by the turn the position stands at:", byTurn, limit);
  Print("by the days of its shortest victory (or the bound proven, when not proven):", byDays,
        limit);
  std::printf("most states a proven search kept in one round: %lld\n", provenStates);

  const double start = CpuSeconds(mine);
  ShortestLimits fresh;
  fresh.ListsOnly = true;
  const ShortestResult r = Shortest(NewGame(), fresh);
  std::printf("from a new game, one thread: %d days, %s, %.2f s, %lld day turns, %lld states\n",
              r.Days, r.Proven ? "proven" : "not proven", CpuSeconds(mine) - start, r.TurnsPlayed,
              r.StatesKept);
  return 0;
}
