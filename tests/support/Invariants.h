// The promises the rules keep after every day turn, whatever the player did.
#pragma once

#include <string>

#include "GameState.h"

namespace kevolan::testing {

// Empty when every promise holds after a turn; otherwise the first one broken. The hunger
// count and the game-over flag from before the turn are needed, since neither may go back.
std::string BrokenInvariant(const GameState& after, Count hungerBefore, bool overBefore);

}  // namespace kevolan::testing
