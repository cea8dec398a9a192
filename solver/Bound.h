// How many more day turns a victory needs at the least: the boat's own days plus the days of
// work that the clothes, the dwelling and (with lists only) the food cannot do without.
#pragma once

#include <optional>

#include "GameState.h"

namespace kevolan::solver {

// A large number for "never": no victory can come.
inline constexpr int kNever = 1 << 20;

// Never more than the true number of turns of the shortest victory from `s` (kNever when
// none is possible by this count alone), for lines of typed texts and, with listsOnly, for
// lines of listed options, whose meals need food.
// `february` is TurnsToFebruaryFirst(s, kYearAhead) when the caller knows it, else -1.
int TurnsToVictoryAtLeast(const GameState& s, bool listsOnly, int february = -1);

// The days of work that living `turns` more turns needs at the least, by need; each grows with
// `turns`, which the bound's climb relies on.
struct Needs {
  int Clothes = 0;
  int Dwelling = 0;
  int Food = 0;  // lists only; 0 with typed texts
};
Needs NeedsFor(const GameState& s, int turns, bool listsOnly, int february);

// With lists only, the tool whose making the cheapest way of feeding the castaway `turns` more
// turns begins with, if any.
std::optional<Item> ToolToMake(const GameState& s, int turns, int february);

// Turns until the turn played on 1 "Февраля" (1 when today is that date); kNever beyond `limit`.
int TurnsToFebruaryFirst(const GameState& s, int limit);
// More than a year of the calendar: 1 "Февраля" comes within it, unless the date is none a
// player can see.
inline constexpr int kYearAhead = 400;

}  // namespace kevolan::solver
