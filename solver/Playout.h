// A castaway who plans one day at a time: the boat, unless putting off some work would miss a
// day by which it must be done (the clothes' and the dwelling's wear, 1 "Февраля", the food in
// store). Any victory it reaches is a proof that the position can be won.
#pragma once

#include <atomic>
#include <vector>

#include "Solver.h"

namespace kevolan::solver {

// Today's move of that castaway.
Move PlannedMove(const GameState& s, bool listsOnly);

// Plays PlannedMove until the game ends, `maxTurns` pass or `cancel` is set; true when it
// ends in the victory, with the moves in `line`. `turns` counts the day turns played.
bool PlayPlanned(const GameState& s, bool listsOnly, int maxTurns, long long& turns,
                 std::vector<Move>& line, const std::atomic<bool>* cancel = nullptr);

}  // namespace kevolan::solver
