// The island's catalogue: the items a castaway can own or make, the three foods, the
// activities, the months, every name a choice box can hold, and the fixed numbers of each.
// Everything here is a constant, so the rules read it without a call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kevolan {

// Counters are signed whole numbers; 64 bits so that no game, however long, overflows one.
using Count = std::int64_t;

enum class Item : std::uint8_t {
  FishingTackle,
  HuntingWeapon,
  Hut,
  Cave,
  NewClothes,
  OldClothes,
  Boat,
};
inline constexpr std::size_t kItemCount = 7;

enum class Food : std::uint8_t { Fruit, Fish, WildGame };
inline constexpr std::size_t kFoodCount = 3;

// The activity radio group; the numbers are the group's option indexes, none is -1.
enum class Activity : std::int8_t { None = -1, GatherFood = 0, Create = 1, Repair = 2 };

// Every name that a choice box can offer, as a small number. A shown text is one of them, or
// nothing (an empty box), or the player's own text that is no name at all.
enum class NameId : std::uint8_t {
  None,  // the empty text
  Fruit,
  Fish,
  WildGame,
  FruitTrip,
  Fishing,
  Hunting,
  FishingTackle,
  HuntingWeapon,
  Hut,
  Cave,
  NewClothes,
  OldClothes,
  Boat,
  Typed,  // a text of the player's own, kept as typed
};
inline constexpr std::size_t kNameCount = 14;  // None and the thirteen names

inline constexpr std::array<std::string_view, kNameCount> kNameTexts = {
    "",
    "Фрукты",
    "Рыба",
    "Дичь",
    "Поход за фруктами",
    "Рыбная ловля",
    "Охота на дичь",
    "Рыболовные снасти",
    "Орудие охоты",
    "Хижина",
    "Пещера",
    "Новая одежда",
    "Старая одежда",
    "Лодка",
};

// The text of a name; empty for None (and for Typed, whose text the box keeps).
constexpr std::string_view TextOf(NameId name) {
  const auto i = static_cast<std::size_t>(name);
  return i < kNameCount ? kNameTexts[i] : std::string_view();
}

// The name whose text is exactly `text` (case and spaces included): None for the empty text,
// Typed for a text that is no name.
NameId ExactName(std::string_view text);
// The name whose text is `text` with letter case ignored; None when there is none.
NameId NameIgnoringCase(std::string_view text);

enum class Month : std::uint8_t {
  January,
  February,
  March,
  April,
  May,
  June,
  July,
  August,
  September,
  October,
  November,
  December,
};
// Genitive, as the window shows a date: 1 "Января" is the first of January.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "Января", "Февраля", "Марта",    "Апреля",  "Мая",    "Июня",
    "Июля",   "Августа", "Сентября", "Октября", "Ноября", "Декабря"};
constexpr std::string_view NameOf(Month month) {
  return kMonthNames[static_cast<std::size_t>(month)];
}

struct ItemInfo {
  Item Id;
  NameId Name;  // as written in the choice lists and in the window
  bool OwnedAtStart;
  Count BuildDays;          // full creation counter; 0 where the item cannot be created
  Count RepairDays;         // repair counter at the start of a game
  Count WearDays;           // wear counter at the start of a game
  Count WearAfterRepair;    // what a completed repair sets the wear counter to
  Count RepairAfterRepair;  // what a completed repair sets the repair counter to
};

struct FoodInfo {
  Food Id;
  NameId Name;                  // the option in the food box
  NameId GatherOption;          // the option in the gathering box
  Count Yield;                  // rations brought in by one gathering day
  Count Cap;                    // most rations that keep; 0 means no cap
  std::string_view CapMessage;  // shown when the day's catch is cut to the cap
};

// Wear and repair days after a repair equal the start values, but for the hunting weapon:
// its first repair takes 2 days of work, every later one 4.
inline constexpr std::array<ItemInfo, kItemCount> kItemTable = {{
    {Item::FishingTackle, NameId::FishingTackle, false, 12, 5, 12, 12, 5},
    {Item::HuntingWeapon, NameId::HuntingWeapon, false, 22, 2, 4, 4, 4},
    {Item::Hut, NameId::Hut, false, 4, 2, 30, 30, 2},
    {Item::Cave, NameId::Cave, false, 16, 4, 183, 183, 4},
    {Item::NewClothes, NameId::NewClothes, false, 7, 2, 61, 61, 2},
    {Item::OldClothes, NameId::OldClothes, true, 0, 2, 30, 30, 2},
    {Item::Boat, NameId::Boat, false, 100, 0, 0, 0, 0},
}};

inline constexpr std::array<FoodInfo, kFoodCount> kFoodTable = {{
    {Food::Fruit, NameId::Fruit, NameId::FruitTrip, 3, 0, ""},
    {Food::Fish, NameId::Fish, NameId::Fishing, 5, 10,
     "Нельзя запасаться рыбой более 10 дней в связи с её порчей"},
    {Food::WildGame, NameId::WildGame, NameId::Hunting, 15, 15,
     "Нельзя запасаться дичью более 15 дней в связи с её порчей"},
}};

constexpr const ItemInfo& Info(Item item) { return kItemTable[static_cast<std::size_t>(item)]; }
constexpr const FoodInfo& Info(Food food) { return kFoodTable[static_cast<std::size_t>(food)]; }
constexpr NameId IdOf(Item item) { return Info(item).Name; }
constexpr NameId IdOf(Food food) { return Info(food).Name; }
constexpr std::string_view NameOf(Item item) { return TextOf(IdOf(item)); }
constexpr std::string_view NameOf(Food food) { return TextOf(IdOf(food)); }

inline constexpr std::array<Food, kFoodCount> kFoods = {Food::Fruit, Food::Fish, Food::WildGame};

// The five items made by work and given back when lost, in the order every creation rule visits
// them.
inline constexpr std::array<Item, 5> kCreatableItems = {Item::FishingTackle, Item::HuntingWeapon,
                                                        Item::Hut, Item::Cave, Item::NewClothes};

// The names of the activity group's options, by index.
inline constexpr std::array<std::string_view, 3> kActivityNames = {"Заготовка продуктов",
                                                                   "Создание", "Ремонт"};

}  // namespace kevolan
