// The advice a hint gives, day after day, and the line a player who follows it to the letter
// plays: the same position always gets the same advice, so the line is known in advance and its
// length is the promise the hint makes.
#pragma once

#include <atomic>
#include <cstddef>
#include <unordered_set>
#include <vector>

#include "Search.h"
#include "Solver.h"
#include "StateKey.h"

namespace kevolan::solver {

enum class Followed { Win, NoVictory, Undecided };

// The search that proves the shortest victory of one kind within the hint's budget.
SearchLimits ProofLimits(const HintBudget& budget, bool listsOnly);

struct FollowedLine {
  Followed Kind = Followed::Undecided;
  std::vector<Move> Moves;   // Win: every day's move to the victory
  bool Typed = false;        // Win: some day types a text (no line of listed options wins)
  bool Proven = false;       // Win: no line of its kind is shorter (its proof fitted the budget)
  int ShortestAtLeast = -1;  // Win: no line of its kind wins in fewer days (proven)
};

// The hint that a winning line of advice gives from `s`: today's move, the days and the date.
HintResult Advised(const GameState& s, const FollowedLine& line);

// Plays the advice from `s` to its end. Win: the line; NoVictory: neither listed options nor
// typed texts win (proven); Undecided: not decided within the budget. The advice of one kind is
// the shortest line of that kind wherever its proof fits the budget (Proves); elsewhere the first
// winning line of the castaway who plans (Playout.h), trying his days in his order and, where a
// line dies, the next day he would try on its last day that has one left, up to the first day
// of his line from which a proof fits, and that proof's line from there. A position's line is
// the same from wherever it is asked, so the day after it gets the rest of it.
class Adviser {
 public:
  explicit Adviser(const HintBudget& budget);
  FollowedLine Follow(const GameState& s);
  long long Turns() const { return turns_; }
  std::size_t PeakBytes() const { return peak_; }

 private:
  // The advice of one kind from `s` to its end.
  FollowedLine FollowOf(const GameState& s, bool listsOnly);
  // The shortest victory of one kind from `s`, if its proof fits the budget; `dayBefore`, the
  // proof one move back along a line that wins, spares the rounds it answers.
  ShortestLine Prove(const GameState& s, bool listsOnly, SearchStats& stats,
                     const SearchStats* dayBefore = nullptr, int dayBeforeBelow = -1);
  // The castaway's days in his order from `s`, each line followed until it wins or dies; true
  // with the first line that wins, its days last first in `line`.
  bool Walk(const GameState& s, bool listsOnly, int depth, std::vector<Move>& line);

  std::unordered_set<StateKey, StateKeyHash> lost_;  // states from which no line of the walk wins

  HintBudget budget_;
  long long turns_ = 0;
  std::size_t peak_ = 0;
  bool stopped_ = false;
};

}  // namespace kevolan::solver
