// What the game tells a player who cannot see the window once a day is over: the new date and
// only what the day changed, so that nobody has to read twenty counters again every morning.
// Worked out from the state before the day and after it; it knows no rule of the game.
#pragma once

#include <string>

#include "GameState.h"

namespace kevolan::speech {

// Russian sentences separated by ". ": the date ("2 Января"); each counter whose shown number
// changed or that came into view ("Фрукты в запасе: 3") or went out of it ("…: нет"); each item
// made or lost ("Теперь у вас есть: Хижина", "Больше нет: Старая одежда"); each choice box that
// gained options ("В списке «Какой предмет создать» появилось: Пещера"). Empty when the date
// has not moved: no day was lived, so there is nothing to tell.
std::string DayReport(const GameState& before, const GameState& after);

}  // namespace kevolan::speech
