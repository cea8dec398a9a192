// Small counts the bound and the dues share: what a cave still takes, what the store holds, what
// a day of gathering brings.
#pragma once

#include <algorithm>

#include "GameState.h"
#include "Limits.h"

namespace kevolan::solver {

inline Count AtLeastZero(Count c) { return std::max<Count>(c, 0); }
inline Count CeilDiv(Count a, Count b) { return a <= 0 ? 0 : (a + b - 1) / b; }

// The hungry days he may still spend before the next one kills.
inline Count HungryDaysLeft(const GameState& s) { return AtLeastZero(kHungerLimit - s.HungryDays); }

// The rations a day of gathering this food brings at most: its yield, cut to what keeps.
constexpr Count DayYield(Food food) {
  const FoodInfo& f = Info(food);
  return f.Cap > 0 ? std::min(f.Yield, f.Cap) : f.Yield;
}

// The days a cave still takes; with lists only an offer is needed first, which a hut brings.
inline Count CaveWork(const GameState& s, bool listsOnly) {
  const Count cave = AtLeastZero(s[Item::Cave].BuildDaysLeft.Value);
  const bool offered = !listsOnly || s.CreateChoice.Contains(Item::Cave) || s[Item::Hut].Owned;
  return offered ? cave : cave + AtLeastZero(s[Item::Hut].BuildDaysLeft.Value);
}

// Whether the meals are to be counted, and the rations in store: with lists only, no store below
// zero and no typed text in the food box (eaten every day, such a text makes no day hungry).
inline bool MealsCount(const GameState& s, bool listsOnly, Count& stock) {
  stock = 0;
  if (!listsOnly || s.FoodChoice.Shown() == NameId::Typed) return false;
  for (Food f : kFoods) {
    if (s.Stock(f) < 0) return false;
    stock += s.Stock(f);
  }
  return true;
}

// What a day of gathering brings at most with a tool; 0 when the tool cannot be had again (lost
// with no wear left, it is lost again the turn it is made anew, and with lists only it can never
// be repaired, as only owned items are listed).
inline Count ToolYield(const GameState& s, Item item, Food food) {
  return s[item].WearDaysLeft.Value <= 0 ? 0 : DayYield(food);
}

}  // namespace kevolan::solver
