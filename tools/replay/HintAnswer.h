// The driver's answer to "hint": the solver's verdict on the state as one JSON object.
#pragma once

#include <string>

#include "GameState.h"

namespace kevolan::replay {

// {"Hint": {"Verdict": "win"|"lost"|"unknown", "Move": [commands], "DaysToVictory": n|null,
//  "VictoryDate": "1 Июля"|null, "Proven": bool|null, "ShortestAtLeast": n|null,
//  "Death": name|null, "DeathInDays": n|null, "DeathDate": "27 Января"|null, "Turns": n,
//  "Milliseconds": x}}
std::string HintJson(const GameState& state);

}  // namespace kevolan::replay
