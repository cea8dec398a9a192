// A castaway who tries to survive, for tests and benchmarks that need long games.
#pragma once

#include <string>

#include "GameState.h"

namespace kevolan::testing {

// The next replay script line such a player would type. Without the boat the game can run
// on for as long as the castaway keeps fed, clothed and housed.
std::string SensibleMove(const GameState& s, bool buildBoat);

}  // namespace kevolan::testing
