#include "GameState.h"

namespace kevolan {

Count& GameState::Stock(Food food) {
  switch (food) {
    case Food::Fruit:
      return FruitStock;
    case Food::Fish:
      return FishStock;
    case Food::WildGame:
      break;
  }
  return WildGameStock;
}

Count& GameState::Streak(Food food) {
  switch (food) {
    case Food::Fruit:
      return FruitStreak;
    case Food::Fish:
      return FishStreak;
    case Food::WildGame:
      break;
  }
  return WildGameStreak;
}

Count GameState::Stock(Food food) const { return const_cast<GameState&>(*this).Stock(food); }
Count GameState::Streak(Food food) const { return const_cast<GameState&>(*this).Streak(food); }

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
