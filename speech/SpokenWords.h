// The words a screen reader says for the main window's counters and choice boxes. The window's
// spoken names and the day's report both take them from here, so that a counter sounds the same
// wherever it is heard: its words, a colon, its number ("Фрукты в запасе: 3").
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "Catalogue.h"
#include "GameState.h"

namespace kevolan::speech {

// A counter that is no item's, with the field it shows. In the order the day's report reads
// them: the stores first, the news a castaway wants before any other, then the rest as the
// window reads them.
struct GameCounterWords {
  std::string_view Words;
  Count GameState::*Field;
};
inline constexpr std::array<GameCounterWords, 8> kGameCounters = {{
    {"Фрукты в запасе", &GameState::FruitStock},
    {"Рыба в запасе", &GameState::FishStock},
    {"Дичь в запасе", &GameState::WildGameStock},
    {"Фрукты дней подряд", &GameState::FruitStreak},
    {"Рыба дней подряд", &GameState::FishStreak},
    {"Дичь дней подряд", &GameState::WildGameStreak},
    {"Дней без еды", &GameState::HungryDays},
    {"Осталось дней болезни", &GameState::SickDays},
}};

// A frame of per-item counters: the words said after the item's name, the counter of the item
// it shows, and the items of its rows from top to bottom.
struct ItemFrameWords {
  std::string_view Words;
  Counter ItemState::*Field;
  std::array<Item, 6> Rows;
};
inline constexpr std::array<ItemFrameWords, 3> kItemFrames = {{
    {"осталось дней действия",
     &ItemState::WearDaysLeft,
     {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::OldClothes,
      Item::NewClothes}},
    {"осталось дней на создание",
     &ItemState::BuildDaysLeft,
     {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::NewClothes,
      Item::Boat}},
    {"осталось дней на ремонт",
     &ItemState::RepairDaysLeft,
     {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::NewClothes,
      Item::OldClothes}},
}};

// "Хижина, осталось дней на ремонт": an item's counter in a frame.
std::string ItemCounterWords(Item item, const ItemFrameWords& frame);

// The owned items' frame, from top to bottom; each is read "У вас есть: Хижина".
inline constexpr std::string_view kOwnedWords = "У вас есть";
inline constexpr std::array<Item, 6> kOwnedRows = {Item::OldClothes,    Item::FishingTackle,
                                                   Item::HuntingWeapon, Item::Hut,
                                                   Item::Cave,          Item::NewClothes};

// Every frame reads one row for each item it shows: the kept items (wear, repair, owned) or those
// worked on (creation). A new item that has no row here would never be heard.
constexpr bool ReadsEach(const std::array<Item, 6>& rows, std::span<const Item> items) {
  if (rows.size() != items.size()) return false;
  for (Item item : items) {
    int seen = 0;
    for (Item row : rows) seen += row == item ? 1 : 0;
    if (seen != 1) return false;
  }
  return true;
}
static_assert(ReadsEach(kItemFrames[0].Rows, kKeptItems), "the wear frame reads every kept item");
static_assert(ReadsEach(kItemFrames[1].Rows, kWorkedItems),
              "the creation frame reads every item worked on");
static_assert(ReadsEach(kItemFrames[2].Rows, kKeptItems), "the repair frame reads every kept item");
static_assert(ReadsEach(kOwnedRows, kKeptItems), "the owned frame reads every kept item");

// The choice boxes by what each is for, in the window's order.
struct BoxWords {
  std::string_view Name;
  ChoiceList GameState::*List;
};
inline constexpr std::array<BoxWords, 4> kBoxes = {{
    {"Какую еду съесть", &GameState::FoodChoice},
    {"Как заготовить продукты", &GameState::GatherChoice},
    {"Какой предмет создать", &GameState::CreateChoice},
    {"Какой предмет отремонтировать", &GameState::RepairChoice},
}};

}  // namespace kevolan::speech
