// Everything one game consists of. The window shows each field in a control of its own;
// a new game starts from NewGame() every time the program starts.
#pragma once

#include <array>

#include "Catalogue.h"
#include "ChoiceList.h"

namespace kevolan {

// A per-item counter and whether its label is shown. Only the display reads the shown flag.
struct Counter {
  Count Value = 0;
  bool Shown = false;
  friend bool operator==(const Counter&, const Counter&) = default;
};

struct ItemState {
  bool Owned = false;
  Counter BuildDaysLeft;   // unused for the old clothes, which cannot be made
  Counter RepairDaysLeft;  // unused for the boat
  Counter WearDaysLeft;    // unused for the boat
  friend bool operator==(const ItemState&, const ItemState&) = default;
};

// How the game stands or how it ended. Of several ends in one turn the last death counts (the
// earlier messages are those of items lost on former days); the victory counts only alone.
enum class Outcome : std::uint8_t {
  Playing,
  Won,             // the boat is finished
  Starved,         // more than five days without food over the whole stay
  OldClothesRags,  // the old clothes worn out with no new ones
  NewClothesRags,  // the new clothes worn out
  HutCollapsed,    // the hut fell in with no cave to live in
  CaveFellIn,      // the cave fell in with no hut left standing
  NoDwelling,      // neither hut nor cave on 1 "Февраля"
};

struct GameState {
  int Day = 1;
  kevolan::Month Month = kevolan::Month::January;  // shown as its genitive name
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
  kevolan::Outcome Outcome = kevolan::Outcome::Playing;  // set with GameOver, never cleared
  std::array<ItemState, kItemCount> Items{};
  ChoiceList FoodChoice;
  ChoiceList GatherChoice;
  ChoiceList CreateChoice;
  ChoiceList RepairChoice;

  ItemState& operator[](Item item) { return Items[static_cast<std::size_t>(item)]; }
  const ItemState& operator[](Item item) const { return Items[static_cast<std::size_t>(item)]; }

  Count& Stock(Food food) {
    return food == Food::Fruit ? FruitStock : food == Food::Fish ? FishStock : WildGameStock;
  }
  Count& Streak(Food food) {
    return food == Food::Fruit ? FruitStreak : food == Food::Fish ? FishStreak : WildGameStreak;
  }
  Count Stock(Food food) const { return const_cast<GameState&>(*this).Stock(food); }
  Count Streak(Food food) const { return const_cast<GameState&>(*this).Streak(food); }

  friend bool operator==(const GameState&, const GameState&) = default;
};

// The state in which every game begins on 1 "Января".
GameState NewGame();

// The choice box of an activity; null for none.
ChoiceList* BoxOf(GameState& s, Activity activity);
const ChoiceList* BoxOf(const GameState& s, Activity activity);

}  // namespace kevolan
