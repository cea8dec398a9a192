// The advice a hint gives, day after day, and the line a player who follows it to the letter
// plays: the same position always gets the same advice, so the line is known in advance and its
// length is the promise the hint makes.
#pragma once

#include <atomic>
#include <cstddef>
#include <unordered_set>
#include <vector>

#include "Solver.h"
#include "StateKey.h"

namespace kevolan::solver {

enum class Followed { Win, NoVictory, Undecided };

struct FollowedLine {
  Followed Kind = Followed::Undecided;
  std::vector<Move> Moves;  // Win: every day's move to the victory
  bool Typed = false;       // Win: some day types a text (no line of listed options wins)
};

// Plays the advice from `s` to its end. Win: the line; NoVictory: neither listed options nor
// typed texts win (proven); Undecided: not decided within the search's turns. The advice of one
// kind is the first winning line of the castaway who plans (Playout.h), trying his days in his
// order and, where a line dies, the next day he would try on its last day that has one left: a
// position's line is the same from wherever it is asked, and the day after it gets the rest of it.
class Adviser {
 public:
  Adviser(long long maxTurns, std::size_t maxBytes, const std::atomic<bool>* cancel);
  FollowedLine Follow(const GameState& s);
  long long Turns() const { return turns_; }
  std::size_t PeakBytes() const { return peak_; }

 private:
  // The advice of one kind from `s` to its end.
  FollowedLine FollowOf(const GameState& s, bool listsOnly);
  // The castaway's days in his order from `s`, each line followed until it wins or dies; true
  // with the first line that wins, its days last first in `line`.
  bool Walk(const GameState& s, bool listsOnly, int depth, std::vector<Move>& line);

  std::unordered_set<StateKey, StateKeyHash> lost_;  // states from which no line of the walk wins

  long long maxTurns_;
  std::size_t maxBytes_;
  const std::atomic<bool>* cancel_;
  long long turns_ = 0;
  std::size_t peak_ = 0;
  bool stopped_ = false;
};

}  // namespace kevolan::solver
