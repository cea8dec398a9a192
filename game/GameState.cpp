#include "GameState.h"

namespace kevolan {

namespace {

// Each food's stock and streak, in the order of the foods.
constexpr Count GameState::*kStocks[kFoodCount] = {&GameState::FruitStock, &GameState::FishStock,
                                                   &GameState::WildGameStock};
constexpr Count GameState::*kStreaks[kFoodCount] = {&GameState::FruitStreak, &GameState::FishStreak,
                                                    &GameState::WildGameStreak};

}  // namespace

Count& GameState::Stock(Food food) { return this->*kStocks[static_cast<std::size_t>(food)]; }
Count& GameState::Streak(Food food) { return this->*kStreaks[static_cast<std::size_t>(food)]; }
Count GameState::Stock(Food food) const { return this->*kStocks[static_cast<std::size_t>(food)]; }
Count GameState::Streak(Food food) const { return this->*kStreaks[static_cast<std::size_t>(food)]; }

GameState NewGame() {
  GameState s;
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const ItemInfo& info = Info(static_cast<Item>(i));
    ItemState& item = s.Items[i];
    item.Owned = info.OwnedAtStart;
    item.BuildDaysLeft = {info.BuildDays, false};
    item.RepairDaysLeft = {info.RepairDays, false};
    item.WearDaysLeft = {info.WearDays, false};
  }
  // At start only the old clothes' wear and the boat's creation days are on show.
  s[Item::OldClothes].WearDaysLeft.Shown = true;
  s[Item::Boat].BuildDaysLeft.Shown = true;

  s.GatherChoice.Append(kFruitTrip);
  s.GatherChoice.Select(0);
  for (Item item :
       {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::NewClothes, Item::Boat}) {
    s.CreateChoice.Append(NameOf(item));
  }
  s.RepairChoice.Append(NameOf(Item::OldClothes));
  return s;
}

}  // namespace kevolan
