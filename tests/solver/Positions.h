// Positions to ask the solver about: the state between any two turns of the plans and of seeded
// random games, each with the script that leads to it.
#pragma once

#include <string>
#include <vector>

#include "GameState.h"

namespace kevolan::solver::testing {

struct Position {
  std::string Name;    // where it comes from: "won-by-boat.txt after 12 turns"
  std::string Script;  // the lines played to reach it
  GameState State;
};

// Every `every`-th position between turns of a script (the start included), while the game is on.
void AddPositions(const std::string& name, const std::string& script, int every,
                  std::vector<Position>& into);

// The plans of tests/plans (every `every`-th position).
std::vector<Position> PlanPositions(int every);

// Seeded random games `first` to `first + count - 1` (every `every`-th position).
std::vector<Position> RandomGamePositions(int first, int count, int every);

// Games `first` to `first + count - 1` of a castaway who plays the planned castaway's day but on
// about one day in `stray` (drawn from the game's number), when he plays any listed day that
// leaves a victory possible by the bound: games that reach the boat's last days by lines of every
// quality (every `every`-th position).
std::vector<Position> SteeredGamePositions(int first, int count, int every, int stray = 6);

// Every `every`-th position of those random games that stands near a death: 4 or 5 hungry
// days, clothes or a hut (with no cave) at 3 days of wear or fewer, 25 "Января" or later with
// neither hut nor cave, a run of one food of 20 to 24 days, an illness holding the activity.
std::vector<Position> NearDeathPositions(int first, int count, int every);
bool NearDeath(const GameState& s);

}  // namespace kevolan::solver::testing
