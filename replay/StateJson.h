// The game state as the replay driver prints it: one JSON object with every key always present.
#pragma once

#include <string>
#include <string_view>

#include "GameState.h"

namespace kevolan::replay {

// Appends a JSON string literal; non-ASCII letters stay as they are.
void AppendJsonString(std::string& out, std::string_view text);
void AppendStateJson(std::string& out, const GameState& s);
// How the state's "Outcome" names it: "playing", "won", "starved", ...
std::string_view OutcomeKey(Outcome outcome);

}  // namespace kevolan::replay
