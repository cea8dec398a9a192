#include "GameState.h"

namespace kevolan {

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

  s.GatherChoice.Append(NameId::FruitTrip);
  s.GatherChoice.Select(0);
  for (Item item :
       {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::NewClothes, Item::Boat}) {
    s.CreateChoice.Append(item);
  }
  s.RepairChoice.Append(Item::OldClothes);
  return s;
}

}  // namespace kevolan
