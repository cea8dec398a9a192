// The island's catalogue: the items a castaway can own or make, the three foods,
// the activities, and the fixed numbers that go with each of them.
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

struct ItemInfo {
  Item Id;
  std::string_view Name;  // as written in the choice lists and in the window
  bool OwnedAtStart;
  Count BuildDays;          // full creation counter; 0 where the item cannot be created
  Count RepairDays;         // repair counter at the start of a game
  Count WearDays;           // wear counter at the start of a game
  Count WearAfterRepair;    // what a completed repair sets the wear counter to
  Count RepairAfterRepair;  // what a completed repair sets the repair counter to
};

struct FoodInfo {
  Food Id;
  std::string_view Name;          // the option in the food box
  std::string_view GatherOption;  // the option in the gathering box
  Count Yield;                    // rations brought in by one gathering day
  Count Cap;                      // most rations that keep; 0 means no cap
  std::string_view CapMessage;    // shown when the day's catch is cut to the cap
};

const ItemInfo& Info(Item item);
const FoodInfo& Info(Food food);
std::string_view NameOf(Item item);
std::string_view NameOf(Food food);

inline constexpr std::array<Food, kFoodCount> kFoods = {Food::Fruit, Food::Fish, Food::WildGame};

// The five items made by work and given back when lost, in the order every creation rule visits
// them.
inline constexpr std::array<Item, 5> kCreatableItems = {Item::FishingTackle, Item::HuntingWeapon,
                                                        Item::Hut, Item::Cave, Item::NewClothes};

inline constexpr std::string_view kFruitTrip = "Поход за фруктами";
inline constexpr std::string_view kFishing = "Рыбная ловля";
inline constexpr std::string_view kHunting = "Охота на дичь";

// The names of the activity group's options, by index.
inline constexpr std::array<std::string_view, 3> kActivityNames = {"Заготовка продуктов",
                                                                   "Создание", "Ремонт"};

}  // namespace kevolan
