#include "Solver.h"

#include <algorithm>
#include <chrono>

#include "Advice.h"
#include "Moves.h"
#include "Playout.h"
#include "Search.h"

namespace kevolan::solver {
namespace {

// How deep the longest-life search follows lines: a castaway who cannot be saved dies within
// the month that 1 "Февраля", the clothes or the dwelling leave him; a farther death is looked
// for once more, deeper.
constexpr int kLifeDepths[] = {40, 160};

// The death no line escapes, and the latest turn it comes on.
void Doom(const GameState& s, const HintBudget& budget, HintResult& r) {
  SearchLimits limits;
  limits.MaxTurns = budget.MaxTurns;
  limits.MaxBytes = budget.MaxBytes;
  limits.Cancel = budget.Cancel;
  for (int depth : kLifeDepths) {
    SearchStats stats;
    const Fate fate = LongestLife(s, depth, limits, stats);
    r.TurnsPlayed += stats.Turns;
    r.PeakBytes = std::max(r.PeakBytes, stats.PeakBytes);
    if (!fate.Decided || fate.Win) continue;
    r.Verdict = Verdict::Lost;
    r.Death = fate.Death;
    r.DeathInDays = fate.Turns;
    r.DeathDay = fate.Day, r.DeathMonth = fate.Month;
    return;
  }
}

HintResult Decide(const GameState& s, const HintBudget& budget) {
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
  Adviser adviser(budget);
  const FollowedLine line = adviser.Follow(s);
  if (line.Kind == Followed::Win) r = Advised(s, line);
  r.TurnsPlayed = adviser.Turns();
  r.PeakBytes = adviser.PeakBytes();
  if (line.Kind == Followed::NoVictory) Doom(s, budget, r);
  return r;
}

}  // namespace

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

HintResult Hint(const GameState& state, const HintBudget& budget) {
  const auto start = std::chrono::steady_clock::now();
  HintResult r = Decide(state, budget);
  r.Cancelled = Cancelled(budget);
  if (r.Cancelled) r.Verdict = Verdict::Unknown;
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
  search.Threads = limits.Threads;
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
    r.Found = PlayPlanned(state, limits.ListsOnly, kLongestLine, turns, moves, nullptr);
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

bool Cancelled(const HintBudget& b) {
  return b.Cancel != nullptr && b.Cancel->load(std::memory_order_relaxed);
}

std::string DateShown(int day, Month month) {
  return std::to_string(day) + " " + std::string(NameOf(month));
}

}  // namespace kevolan::solver
