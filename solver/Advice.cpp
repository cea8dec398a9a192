#include "Advice.h"

#include <algorithm>

#include "Bound.h"
#include "Moves.h"
#include "Playout.h"

namespace kevolan::solver {
namespace {

// What one state remembered as lost costs: its key and the set's node.
constexpr std::size_t kLostBytes = sizeof(StateKey) + 32;

FollowedLine Won(std::vector<Move> moves) {
  FollowedLine f;
  f.Kind = Followed::Win;
  f.Moves = std::move(moves);
  return f;
}

FollowedLine Ended(Followed kind) {
  FollowedLine f;
  f.Kind = kind;
  return f;
}

}  // namespace

HintResult Advised(const GameState& s, const FollowedLine& line) {
  HintResult r;
  r.Verdict = Verdict::Win;
  r.FirstMove = line.Moves.front();
  r.FirstMoveCommands = CommandsFor(s, line.Moves.front());
  r.DaysToVictory = static_cast<int>(line.Moves.size());
  r.Typed = line.Typed;
  r.Proven = line.Proven;
  r.ShortestAtLeast = line.ShortestAtLeast;
  GameState end = s;
  for (const Move& m : line.Moves) Play(end, m);
  r.VictoryDay = end.Day, r.VictoryMonth = end.Month;
  PreviousDate(r.VictoryDay, r.VictoryMonth);
  return r;
}

Adviser::Adviser(const HintBudget& budget) : budget_(budget) {}

bool Adviser::Walk(const GameState& s, bool listsOnly, int depth, std::vector<Move>& line) {
  if (depth >= kLongestLine) return false;
  Castaway castaway(s, listsOnly);
  Move m;
  GameState after;
  for (;;) {
    const long long before = castaway.Plays();
    const bool more = castaway.Next(m, after);
    turns_ += castaway.Plays() - before;
    if ((budget_.MaxTurns >= 0 && turns_ > budget_.MaxTurns) || Cancelled(budget_)) {
      stopped_ = true;
      return false;
    }
    if (!more) return false;
    if (after.Outcome == Outcome::Won) {
      line.push_back(std::move(m));
      return true;
    }
    const std::optional<StateKey> key = KeyOf(after, listsOnly);
    if (key && lost_.contains(*key)) continue;
    if (Walk(after, listsOnly, depth + 1, line)) {
      line.push_back(std::move(m));
      return true;
    }
    if (stopped_) return false;
    if (key && (lost_.size() + 1) * kLostBytes <= budget_.MaxBytes) lost_.insert(*key);
  }
}

// Why the day after a proven day is proven too, so that following the advice takes exactly
// the days it promised. The proof deepens on the bound a day at a time, and a round's states are
// the keys of the states a line reaches with its days played plus the bound within the round's
// threshold, each folded to the days it has left (Search.cpp): states with one key play alike
// to the threshold, so the set is the same whichever line reaches a key first. The day after,
// along the line found, is a state of today's search one day in, with as many days left in each
// of its rounds as in today's round one day higher: each of its rounds meets only states that
// today's round one day higher met (a round lower than today's first meets fewer still than that
// first one, as a higher threshold folds less and lets more lines on), its last one only states
// that today's last round met before it found the same victory, and it looks for a victory one
// day shorter, which the measure allows as many states or more. So tomorrow's proof fits whenever
// today's did. Along the castaway's line no such argument holds, so each of its days is asked in
// turn; the measure makes that cheap, as a far victory is allowed few states and one past the
// measure's last day none.
SearchLimits ProofLimits(const HintBudget& budget, bool listsOnly) {
  SearchLimits limits;
  limits.ListsOnly = listsOnly;
  limits.MaxBytes = budget.MaxBytes;
  limits.Cancel = budget.Cancel;
  limits.Measure.States = budget.ProofStates;
  limits.Measure.WholeUpTo = budget.ProofDaysWhole;
  limits.Measure.HalvedEvery = listsOnly ? budget.ProofHalvedEvery : 0;
  return limits;
}

ShortestLine Adviser::Prove(const GameState& s, bool listsOnly, SearchStats& stats,
                            const SearchStats* dayBefore, int dayBeforeBelow) {
  SearchLimits limits = ProofLimits(budget_, listsOnly);
  limits.DayBefore = dayBefore;
  limits.DayBeforeBelow = dayBeforeBelow;
  ShortestLine line = FindShortest(s, limits, stats);
  turns_ += stats.Turns;
  peak_ = std::max(peak_, stats.PeakBytes);
  if (Cancelled(budget_)) stopped_ = true;
  return line;
}

FollowedLine Adviser::FollowOf(const GameState& s, bool listsOnly) {
  if (s.GameOver) {
    return Ended(s.Outcome == Outcome::Won ? Followed::Win : Followed::NoVictory);
  }
  SearchStats proofStats;
  const ShortestLine proof = Prove(s, listsOnly, proofStats);
  if (stopped_) return Ended(Followed::Undecided);
  if (proof.Found) {
    FollowedLine f = Won(proof.Moves);
    f.Proven = true;
    f.ShortestAtLeast = static_cast<int>(proof.Moves.size());
    return f;
  }
  if (proof.NoVictory) return Ended(Followed::NoVictory);
  lost_.clear();
  std::vector<Move> line;
  const bool won = Walk(s, listsOnly, 0, line);
  peak_ = std::max(peak_, lost_.size() * kLostBytes);
  if (!won) return Ended(stopped_ ? Followed::Undecided : Followed::NoVictory);
  std::reverse(line.begin(), line.end());
  // The first day along the castaway's line from which a proof fits takes over from there. Each
  // day's proof is spared the rounds the day before's answered: its answer is the same.
  GameState w = s;
  SearchStats before = std::move(proofStats);
  int below = proof.LowerBound;
  for (std::size_t day = 1; day < line.size(); ++day) {
    Play(w, line[day - 1]);
    SearchStats stats;
    const ShortestLine rest = Prove(w, listsOnly, stats, &before, below);
    if (stopped_) return Ended(Followed::Undecided);
    before = std::move(stats);
    below = rest.LowerBound;
    if (!rest.Found) continue;
    line.resize(day);
    line.insert(line.end(), rest.Moves.begin(), rest.Moves.end());
    break;
  }
  FollowedLine f = Won(std::move(line));
  f.ShortestAtLeast = proof.LowerBound;
  // A line as short as the bound its proof reached is itself the shortest.
  f.Proven = static_cast<int>(f.Moves.size()) == proof.LowerBound;
  return f;
}

// Listed options whenever they can still win; on a day they cannot, the advice of typed texts,
// and the next day listed options again if they can win from there.
FollowedLine Adviser::Follow(const GameState& s) {
  GameState w = s;
  std::vector<Move> moves;
  bool typed = false;
  while (moves.size() < kLongestLine) {
    FollowedLine listed = FollowOf(w, true);
    if (listed.Kind == Followed::Undecided) return listed;
    if (listed.Kind == Followed::Win) {
      if (!typed) return listed;
      moves.insert(moves.end(), listed.Moves.begin(), listed.Moves.end());
      FollowedLine f = Won(std::move(moves));
      f.Typed = true;
      return f;
    }
    FollowedLine any = FollowOf(w, false);
    if (any.Kind != Followed::Win || any.Moves.empty()) {
      if (any.Kind == Followed::Win) any.Typed = typed;  // already over, and won
      return any;
    }
    // Along the typed line, the listed options are asked again each day; where even the bound
    // says they cannot win, no search is needed.
    typed = true;
    std::size_t day = 0;
    for (; day < any.Moves.size(); ++day) {
      if (day > 0 && TurnsToVictoryAtLeast(w, true) < kNever) break;
      moves.push_back(any.Moves[day]);
      Play(w, any.Moves[day]);
    }
    if (day == any.Moves.size()) {
      // Typed texts all the way: the line is the typed one, proven when it was from the start.
      const bool whole = moves.size() == any.Moves.size();
      FollowedLine f = Won(std::move(moves));
      f.Typed = true;
      f.Proven = whole && any.Proven;
      f.ShortestAtLeast = whole ? any.ShortestAtLeast : -1;
      return f;
    }
  }
  return Ended(Followed::Undecided);
}

}  // namespace kevolan::solver
