// A castaway who plans one day at a time: the work that pays most later (the hunting weapon while
// it pays, else the boat), unless putting it off would miss a day by which something must be done
// (the clothes' and the dwelling's wear, 1 "Февраля", the food in store). Any victory he reaches
// is a proof that the position can be won.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "Solver.h"

namespace kevolan::solver {

class Planner;

// The days that castaway would try from a position, best first: those after which the bound says
// no victory can come left out, those against his plan for a coming illness last.
class Castaway {
 public:
  Castaway(const GameState& s, bool listsOnly);
  ~Castaway();
  Castaway(const Castaway&) = delete;
  Castaway& operator=(const Castaway&) = delete;
  // The next day, and the state it leads to; false when none is left.
  bool Next(Move& m, GameState& after);
  long long Plays() const;  // day turns played to judge the days

 private:
  std::unique_ptr<Planner> planner_;
};

// How far a line of his is followed before it is given up: the boat takes 100 days of work, and
// food, clothes and dwelling fit easily within as many more.
inline constexpr int kLongestLine = 400;

// Today's move of that castaway: the first day he would try.
Move PlannedMove(const GameState& s, bool listsOnly);

// Plays PlannedMove until the game ends, `maxTurns` pass or `cancel` is set; true when it
// ends in the victory, with the moves in `line`. `turns` counts the day turns played.
bool PlayPlanned(const GameState& s, bool listsOnly, int maxTurns, long long& turns,
                 std::vector<Move>& line, const std::atomic<bool>* cancel = nullptr);

}  // namespace kevolan::solver
