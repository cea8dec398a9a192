// The island's catalogue: the items a castaway can own or make, the three foods, the
// activities, the months, every name a choice box can hold, and the fixed numbers of each.
// Everything here is a constant, so the rules read it without a call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

namespace kevolan {

// Counters are signed whole numbers; 64 bits so that no game, however long, overflows one.
using Count = std::int64_t;

// The order of the catalogue, which is also the order in which the rules visit the items.
enum class Item : std::uint8_t {
  FishingTackle,
  HuntingWeapon,
  Hut,
  Cave,
  NewClothes,
  OldClothes,
  Boat,
};

enum class Food : std::uint8_t { Fruit, Fish, WildGame };
inline constexpr std::size_t kFoodCount = 3;

// The activity radio group; the numbers are the group's option indexes, none is -1.
enum class Activity : std::int8_t { None = -1, GatherFood = 0, Create = 1, Repair = 2 };

// Every name that a choice box can offer, as a small number: the foods, the gathering options,
// then one name for each item, in the order of Item (IdOf). A shown text is one of them, or
// nothing (an empty box), or the player's own text that is no name at all.
enum class NameId : std::uint8_t {
  None,  // the empty text
  Fruit,
  Fish,
  WildGame,
  FruitTrip,
  Fishing,
  Hunting,
  // The items' names follow Hunting.
  Typed = 0xFF,  // a text of the player's own, kept as typed; past every name
};
inline constexpr std::size_t kFirstItemName = static_cast<std::size_t>(NameId::Hunting) + 1;

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

// How an item comes about: made by days of work and owned when done; the boat, worked on like
// the others, is never owned (the day it is done the castaway sails away); the old clothes
// are never made.
enum class Making : std::uint8_t { Never, Owned, Sails };

// When an owned item loses a day of wear: never (the boat), on every day it is owned
// (dwellings, clothes), or only on days it is used for gathering (the tools).
enum class Wear : std::uint8_t { Never, Daily, WhenUsed };

struct ItemInfo {
  Item Id;
  std::string_view Name;  // as written in the choice lists and in the window
  std::string_view Key;   // the item's key in the state as JSON
  bool OwnedAtStart;
  Making Made;
  kevolan::Wear Wears;
  NameId UsedFor;           // the gathering option a tool is used for; None for the rest
  bool OfferedOnlyWithHut;  // the cave is offered, and announced, only while a hut stands
  Count BuildDays;          // full creation counter; 0 where the item cannot be created
  Count RepairDays;         // repair counter at the start of a game
  Count WearDays;           // wear counter at the start of a game
  Count WearAfterRepair;    // what a completed repair sets the wear counter to
  Count RepairAfterRepair;  // what a completed repair sets the repair counter to

  constexpr bool Kept() const { return Wears != kevolan::Wear::Never; }  // owned, worn, repaired
};

struct FoodInfo {
  Food Id;
  std::string_view Key;         // the food's own word, as its stock's key begins ("FishStock")
  NameId Name;                  // the option in the food box
  NameId GatherOption;          // the option in the gathering box
  Count Yield;                  // rations brought in by one gathering day
  Count Cap;                    // most rations that keep; 0 means no cap
  std::string_view CapMessage;  // shown when the day's catch is cut to the cap
};

// Wear and repair days after a repair equal the start values, but for the hunting weapon:
// its first repair takes 2 days of work, every later one 4.
inline constexpr ItemInfo kItemTable[] = {
    // clang-format off
    // item               name               key              owned  made           wears           used for         hut    build repair wear after-wear after-repair
    {Item::FishingTackle, "Рыболовные снасти", "FishingTackle", false, Making::Owned, Wear::WhenUsed, NameId::Fishing, false, 12,   5,     12,  12,        5},
    {Item::HuntingWeapon, "Орудие охоты",      "HuntingWeapon", false, Making::Owned, Wear::WhenUsed, NameId::Hunting, false, 22,   2,     4,   4,         4},
    {Item::Hut,           "Хижина",            "Hut",           false, Making::Owned, Wear::Daily,    NameId::None,    false, 4,    2,     30,  30,        2},
    {Item::Cave,          "Пещера",            "Cave",          false, Making::Owned, Wear::Daily,    NameId::None,    true,  16,   4,     183, 183,       4},
    {Item::NewClothes,    "Новая одежда",      "NewClothes",    false, Making::Owned, Wear::Daily,    NameId::None,    false, 7,    2,     61,  61,        2},
    {Item::OldClothes,    "Старая одежда",     "OldClothes",    true,  Making::Never, Wear::Daily,    NameId::None,    false, 0,    2,     30,  30,        2},
    {Item::Boat,          "Лодка",             "Boat",          false, Making::Sails, Wear::Never,    NameId::None,    false, 100,  0,     0,   0,         0},
    // clang-format on
};
inline constexpr std::size_t kItemCount = std::size(kItemTable);

// None and every name; Typed is past them.
inline constexpr std::size_t kNameCount = kFirstItemName + kItemCount;
static_assert(kNameCount < static_cast<std::size_t>(NameId::Typed), "Typed is no name's id");

constexpr NameId IdOf(Item item) {
  return static_cast<NameId>(kFirstItemName + static_cast<std::size_t>(item));
}

// Each name's text, by its id: the foods and the gathering options, then the items' names.
inline constexpr std::array<std::string_view, kNameCount> kNameTexts = [] {
  std::array<std::string_view, kNameCount> texts = {
      "", "Фрукты", "Рыба", "Дичь", "Поход за фруктами", "Рыбная ловля", "Охота на дичь"};
  for (const ItemInfo& info : kItemTable)
    texts[static_cast<std::size_t>(IdOf(info.Id))] = info.Name;
  return texts;
}();

// The text of a name; empty for None (and for Typed, whose text the box keeps).
constexpr std::string_view TextOf(NameId name) {
  const auto i = static_cast<std::size_t>(name);
  return i < kNameCount ? kNameTexts[i] : std::string_view();
}

// A shown text is read back as one name: no two names may share a text.
constexpr bool NamesAreDistinct() {
  for (std::size_t i = 0; i < kNameCount; ++i) {
    for (std::size_t j = i + 1; j < kNameCount; ++j) {
      if (kNameTexts[i] == kNameTexts[j]) return false;
    }
  }
  return true;
}
static_assert(NamesAreDistinct(), "every name of the catalogue has a text of its own");

// The name whose text is exactly `text` (case and spaces included): None for the empty text,
// Typed for a text that is no name.
NameId ExactName(std::string_view text);

inline constexpr std::array<FoodInfo, kFoodCount> kFoodTable = {{
    {Food::Fruit, "Fruit", NameId::Fruit, NameId::FruitTrip, 3, 0, ""},
    {Food::Fish, "Fish", NameId::Fish, NameId::Fishing, 5, 10,
     "Нельзя запасаться рыбой более 10 дней в связи с её порчей"},
    {Food::WildGame, "WildGame", NameId::WildGame, NameId::Hunting, 15, 15,
     "Нельзя запасаться дичью более 15 дней в связи с её порчей"},
}};

constexpr const ItemInfo& Info(Item item) { return kItemTable[static_cast<std::size_t>(item)]; }
constexpr const FoodInfo& Info(Food food) { return kFoodTable[static_cast<std::size_t>(food)]; }
constexpr NameId IdOf(Food food) { return Info(food).Name; }
constexpr std::string_view NameOf(Item item) { return Info(item).Name; }
constexpr std::string_view NameOf(Food food) { return TextOf(IdOf(food)); }

inline constexpr std::array<Food, kFoodCount> kFoods = {Food::Fruit, Food::Fish, Food::WildGame};

// The ids of a table's rows that pass a test, in the table's order.
template <const auto& Table, auto Test>
constexpr auto IdsWhere() {
  constexpr std::size_t n = [] {
    std::size_t count = 0;
    for (const auto& row : Table) count += Test(row) ? 1 : 0;
    return count;
  }();
  std::array<decltype(std::begin(Table)->Id), n> ids{};
  std::size_t at = 0;
  for (const auto& row : Table) {
    if (Test(row)) ids[at++] = row.Id;
  }
  return ids;
}
template <bool (*Test)(const ItemInfo&)>
constexpr auto ItemsWhere() {
  return IdsWhere<kItemTable, Test>();
}

constexpr bool IsCreatable(const ItemInfo& i) { return i.Made == Making::Owned; }
constexpr bool IsWorkedOn(const ItemInfo& i) { return i.Made != Making::Never; }
constexpr bool IsKept(const ItemInfo& i) { return i.Kept(); }

// Items made by work, owned when done and given back to the creation list when lost.
inline constexpr auto kCreatableItems = ItemsWhere<IsCreatable>();
// Everything a day of creation work can go to: the creatable items and the boat.
inline constexpr auto kWorkedItems = ItemsWhere<IsWorkedOn>();
// Everything that is owned, wears and is repaired: all but the boat.
inline constexpr auto kKeptItems = ItemsWhere<IsKept>();

// Runs `step.template operator()<item>()` for each item of a list, the loop unrolled so that
// each step reads its item's facts as constants: the rules' hottest loops cost no table reads.
template <const auto& Items, typename Step>
constexpr void ForEachItem(Step&& step) {
  [&]<std::size_t... I>(std::index_sequence<I...>) { (step.template operator()<Items[I]>(), ...); }
  (std::make_index_sequence<Items.size()>{});
}

// Info(item) reads the table by position.
constexpr bool TableIsInItemOrder() {
  for (std::size_t i = 0; i < kItemCount; ++i) {
    if (kItemTable[i].Id != static_cast<Item>(i)) return false;
  }
  return true;
}
static_assert(TableIsInItemOrder(), "kItemTable lists every item once, in the order of Item");

// The names of the activity group's options, by index.
inline constexpr std::array<std::string_view, 3> kActivityNames = {"Заготовка продуктов",
                                                                   "Создание", "Ремонт"};
// The same activities as a replay script writes them ("activity gather"), by index; the words
// also name each activity's choice box ("pick create 0").
inline constexpr std::array<std::string_view, 3> kActivityWords = {"gather", "create", "repair"};

}  // namespace kevolan
