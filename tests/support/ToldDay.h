// The day's report for a player who cannot see the window, read back sentence by sentence and
// set beside what the day changed in the window.
#pragma once

#include <string>
#include <string_view>

#include "GameState.h"

namespace kevolan::testing {

// Empty when the report tells the new date and exactly what the day changed: each counter whose
// shown number changed or that came into view or went out of it, each item made or lost, and
// each list's new options, one by one. Otherwise what it left out or told wrongly.
std::string MisreportedDay(const GameState& before, const GameState& after,
                           std::string_view report);

}  // namespace kevolan::testing
