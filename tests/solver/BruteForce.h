// The solver's answers checked against a search that prunes nothing and offers every move a
// player has: eating off, or any food name or a text that names none; any activity the group
// allows, with any name of the game or a text that names none typed into its box.
#pragma once

#include "GameState.h"

namespace kevolan::solver::testing {

inline constexpr int kNoVictory = 1000;

// The fewest turns to the victory within `depth` turns; kNoVictory when there is none.
int FewestTurnsToVictory(const GameState& s, int depth);

// The most turns the castaway can live, each line followed to its death; -1 when some line
// wins or lives past `depth` turns.
int MostTurnsAlive(const GameState& s, int depth);

}  // namespace kevolan::solver::testing
