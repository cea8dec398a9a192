// One day on the island, computed at once from the choices that stand when the player
// presses "следующий день ->".
#pragma once

#include "GameState.h"
#include "Messenger.h"

namespace kevolan {

// Runs all twenty phases in their order, even after a death or the victory. The caller makes
// sure no turn starts once the game is over.
void DayTurn(GameState& s, Messenger& m);

}  // namespace kevolan
