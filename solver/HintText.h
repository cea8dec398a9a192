// The hint box's words: what the search found, said to the player in the game's Russian and in
// the window's own names for its controls. No rule is decided here.
#pragma once

#include <string>

#include "GameState.h"
#include "Solver.h"

namespace kevolan::solver {

// Escape still possible and what to do today, or no longer possible and which death comes
// when, or not decided in time. `state` is the position the search was asked about.
std::string HintText(const GameState& state, const HintResult& result);

// "день", "дня" or "дней", as Russian says `n` days.
std::string DaysWord(long long n);

}  // namespace kevolan::solver
