#include "Catalogue.h"

namespace kevolan {
namespace {

// Wear and repair days after a repair equal the start values, but for the hunting weapon:
// its first repair takes 2 days of work, every later one 4.
constexpr std::array<ItemInfo, kItemCount> kItems = {{
    {Item::FishingTackle, "Рыболовные снасти", false, 12, 5, 12, 12, 5},
    {Item::HuntingWeapon, "Орудие охоты", false, 22, 2, 4, 4, 4},
    {Item::Hut, "Хижина", false, 4, 2, 30, 30, 2},
    {Item::Cave, "Пещера", false, 16, 4, 183, 183, 4},
    {Item::NewClothes, "Новая одежда", false, 7, 2, 61, 61, 2},
    {Item::OldClothes, "Старая одежда", true, 0, 2, 30, 30, 2},
    {Item::Boat, "Лодка", false, 100, 0, 0, 0, 0},
}};

constexpr std::array<FoodInfo, kFoodCount> kFoodTable = {{
    {Food::Fruit, "Фрукты", kFruitTrip, 3, 0, ""},
    {Food::Fish, "Рыба", kFishing, 5, 10,
     "Нельзя запасаться рыбой более 10 дней в связи с её порчей"},
    {Food::WildGame, "Дичь", kHunting, 15, 15,
     "Нельзя запасаться дичью более 15 дней в связи с её порчей"},
}};

}  // namespace

const ItemInfo& Info(Item item) { return kItems[static_cast<std::size_t>(item)]; }
const FoodInfo& Info(Food food) { return kFoodTable[static_cast<std::size_t>(food)]; }
std::string_view NameOf(Item item) { return Info(item).Name; }
std::string_view NameOf(Food food) { return Info(food).Name; }

}  // namespace kevolan
