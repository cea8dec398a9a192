#include "Solver.h"

#include <algorithm>
#include <chrono>

#include "Moves.h"
#include "Playout.h"
#include "Search.h"

namespace kevolan::solver {
namespace {

// How far the planned castaway plays before giving up: the boat takes 100 days of work, and
// food, clothes and dwelling fit easily within as many more.
constexpr int kPlayoutTurns = 400;
// How deep the longest-life search follows lines: a castaway who cannot be saved dies within
// the month that 1 "Февраля", the clothes or the dwelling leave him.
constexpr int kLifeDepth = 40;
// The day turns the hint spends on the days to the soonest victory once it knows one exists:
// from most positions the bound is close and the proof takes a few thousand.
constexpr long long kSoonestTurns = 100'000;

long long TurnsLeft(const HintBudget& b, long long used) {
  return b.MaxTurns < 0 ? -1 : std::max<long long>(b.MaxTurns - used, 0);
}

bool Cancelled(const HintBudget& b) {
  return b.Cancel != nullptr && b.Cancel->load(std::memory_order_relaxed);
}

std::string ScriptOf(const GameState& start, const std::vector<Move>& line) {
  std::string script;
  GameState s = start;
  for (const Move& m : line) {
    for (const std::string& c : CommandsFor(s, m)) script += c + "\n";
    script += "next\n";
    Play(s, m);
  }
  return script;
}

HintResult Won(const GameState& s, const std::vector<Move>& line) {
  HintResult r;
  r.Verdict = Verdict::Win;
  r.FirstMove = line.front();
  r.FirstMoveCommands = CommandsFor(s, line.front());
  r.Line = ScriptOf(s, line);
  return r;
}

HintResult Decide(const GameState& s, const HintBudget& budget, std::size_t& peak) {
  HintResult r;
  if (s.GameOver) {
    // Already over: the verdict is how it ended.
    if (s.Outcome == Outcome::Won) {
      r.Verdict = Verdict::Win;
      r.DaysToVictory = 0;
    } else {
      r.Verdict = Verdict::Lost;
      r.Death = s.Outcome;
      r.DeathInDays = 0;
      r.DeathDay = s.Day, r.DeathMonth = s.Month;
      PreviousDate(r.DeathDay, r.DeathMonth);
    }
    return r;
  }
  long long turns = 0;
  std::vector<Move> line;
  // A plan of listed options first, since that is what a player would follow; typed texts only
  // when no such plan wins.
  for (const bool listsOnly : {true, false}) {
    if (PlayPlanned(s, listsOnly, kPlayoutTurns, turns, line, budget.Cancel)) {
      r = Won(s, line);
      SearchLimits limits;
      limits.MaxTurns = TurnsLeft(budget, turns) < 0
                            ? kSoonestTurns
                            : std::min(kSoonestTurns, TurnsLeft(budget, turns));
      limits.MaxBytes = budget.MaxBytes;
      limits.Cancel = budget.Cancel;
      SearchStats stats;
      const ShortestLine soonest = FindShortest(s, limits, stats);
      peak = std::max(peak, stats.PeakBytes);
      if (soonest.Found) r.DaysToVictory = static_cast<int>(soonest.Moves.size());
      r.TurnsPlayed = turns + stats.Turns;
      return r;
    }
    if (Cancelled(budget)) break;
  }
  r.TurnsPlayed = turns;
  if (Cancelled(budget)) return r;

  SearchLimits limits;
  limits.MaxTurns = TurnsLeft(budget, turns);
  limits.MaxBytes = budget.MaxBytes;
  limits.Cancel = budget.Cancel;
  SearchStats lifeStats;
  const Fate fate = LongestLife(s, kLifeDepth, limits, lifeStats);
  peak = std::max(peak, lifeStats.PeakBytes);
  turns += lifeStats.Turns;
  r.TurnsPlayed = turns;
  if (fate.Decided && fate.Win) {
    // A victory lies within the depth looked at: the shortest one gives the whole line.
    SearchStats stats;
    const ShortestLine soonest = FindShortest(s, limits, stats);
    peak = std::max(peak, stats.PeakBytes);
    if (soonest.Found) {
      r = Won(s, soonest.Moves);
      r.DaysToVictory = static_cast<int>(soonest.Moves.size());
    }
    r.TurnsPlayed = turns + stats.Turns;
    return r;
  }
  if (fate.Decided) {
    r.Verdict = Verdict::Lost;
    r.Death = fate.Death;
    r.DeathInDays = fate.Turns;
    r.DeathDay = fate.Day, r.DeathMonth = fate.Month;
    return r;
  }
  if (lifeStats.Stopped) return r;
  // Lines live past the depth looked at: look for the victory itself.
  limits.MaxTurns = TurnsLeft(budget, turns);
  SearchStats stats;
  const ShortestLine soonest = FindShortest(s, limits, stats);
  peak = std::max(peak, stats.PeakBytes);
  r.TurnsPlayed = turns + stats.Turns;
  if (soonest.Found) {
    r = Won(s, soonest.Moves);
    r.DaysToVictory = static_cast<int>(soonest.Moves.size());
    r.TurnsPlayed = turns + stats.Turns;
  }
  return r;
}

}  // namespace

HintResult Hint(const GameState& state, const HintBudget& budget) {
  const auto start = std::chrono::steady_clock::now();
  std::size_t peak = 0;
  HintResult r = Decide(state, budget, peak);
  r.PeakBytes = peak;
  r.Cancelled = Cancelled(budget);
  if (r.Cancelled && r.Verdict != Verdict::Win) r.Verdict = Verdict::Unknown;
  r.Milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return r;
}

ShortestResult Shortest(const GameState& state, const ShortestLimits& limits) {
  SearchLimits search;
  search.ListsOnly = limits.ListsOnly;
  search.MaxTurns = limits.MaxTurns;
  search.MaxBytes = limits.MaxBytes;
  search.Cancel = limits.Cancel;
  SearchStats stats;
  const ShortestLine line = FindShortest(state, search, stats);
  ShortestResult r;
  r.Found = line.Found;
  r.Proven = line.Found;
  r.LowerBound = line.LowerBound;
  r.TurnsPlayed = stats.Turns;
  r.StatesKept = stats.StatesKept;
  r.PeakBytes = stats.PeakBytes;
  std::vector<Move> moves = line.Moves;
  if (!line.Found && !line.NoVictory) {
    // Not proven: the planned castaway's victory, if he finds one, is the shortest known.
    long long turns = 0;
    r.Found = PlayPlanned(state, limits.ListsOnly, kPlayoutTurns, turns, moves, nullptr);
    r.TurnsPlayed += turns;
  }
  if (r.Found) {
    r.Days = static_cast<int>(moves.size());
    r.Script = ScriptOf(state, moves);
    // A line as short as the bound proven is itself the shortest.
    r.Proven = r.Proven || r.Days == r.LowerBound;
  }
  return r;
}

std::string_view VerdictKey(Verdict verdict) {
  return verdict == Verdict::Win ? "win" : verdict == Verdict::Lost ? "lost" : "unknown";
}

}  // namespace kevolan::solver
