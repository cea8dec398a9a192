// Everything one game consists of. The window shows each field in a control of its own;
// a new game starts from NewGame() every time the program starts.
#pragma once

#include <array>
#include <string>

#include "Catalogue.h"
#include "ChoiceList.h"

namespace kevolan {

// A per-item counter and whether its label is shown. Only the display reads the shown flag.
struct Counter {
  Count Value = 0;
  bool Shown = false;
};

struct ItemState {
  bool Owned = false;
  Counter BuildDaysLeft;   // unused for the old clothes, which cannot be made
  Counter RepairDaysLeft;  // unused for the boat
  Counter WearDaysLeft;    // unused for the boat
};

struct GameState {
  int Day = 1;
  std::string Month = "Января";  // genitive month name, as shown
  Count SickDays = 0;
  Count HungryDays = 0;
  Count FruitStock = 0;
  Count FishStock = 0;
  Count WildGameStock = 0;
  Count FruitStreak = 0;
  Count FishStreak = 0;
  Count WildGameStreak = 0;
  bool EatToday = false;
  kevolan::Activity Activity = kevolan::Activity::None;
  bool ActivityEnabled = true;  // the activity radio group; illness locks it
  bool GameOver = false;        // the next-day button gone, the game-over button shown
  std::array<ItemState, kItemCount> Items{};
  ChoiceList FoodChoice;
  ChoiceList GatherChoice;
  ChoiceList CreateChoice;
  ChoiceList RepairChoice;

  ItemState& operator[](Item item) { return Items[static_cast<std::size_t>(item)]; }
  const ItemState& operator[](Item item) const { return Items[static_cast<std::size_t>(item)]; }

  Count& Stock(Food food);
  Count& Streak(Food food);
  Count Stock(Food food) const;
  Count Streak(Food food) const;
};

// The state in which every game begins on 1 "Января".
GameState NewGame();

}  // namespace kevolan
