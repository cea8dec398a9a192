// Wear, repair and loss of items: tools wear on the days they are used, dwellings and clothes
// on every day they are owned; a repair sets an item's wear back; an item with no wear days
// left is lost. The gathering and repair lists follow what the player owns.
#include "Phases.h"

namespace kevolan {
namespace {

// The orders in which the rules visit the items differ from phase to phase.
constexpr Item kShowAndLoseOrder[] = {Item::OldClothes, Item::FishingTackle, Item::HuntingWeapon,
                                      Item::Hut,        Item::Cave,          Item::NewClothes};
constexpr Item kRepairOrder[] = {Item::FishingTackle, Item::HuntingWeapon, Item::Hut,
                                 Item::Cave,          Item::OldClothes,    Item::NewClothes};

bool UsedToday(const GameState& s, Item tool, NameId option) {
  return s[tool].Owned && s.Activity == Activity::GatherFood && s.GatherChoice.Shows(option);
}

void WearOneDay(GameState& s, Item item) { --s[item].WearDaysLeft.Value; }

}  // namespace

void ShowRepairCounters(GameState& s) {
  for (Item item : kShowAndLoseOrder) s[item].RepairDaysLeft.Shown = s[item].Owned;
}

void WearItems(GameState& s) {
  if (UsedToday(s, Item::FishingTackle, NameId::Fishing)) WearOneDay(s, Item::FishingTackle);
  if (UsedToday(s, Item::HuntingWeapon, NameId::Hunting)) WearOneDay(s, Item::HuntingWeapon);
  for (Item item : {Item::OldClothes, Item::Hut, Item::Cave, Item::NewClothes}) {
    if (s[item].Owned) WearOneDay(s, item);
  }
}

void UpdateGatherToolOptions(GameState& s) {
  ChoiceList& gather = s.GatherChoice;
  if (!s[Item::FishingTackle].Owned) {
    gather.ClearSelection();
    gather.Remove(NameId::Fishing);
  }
  // Position 0 always holds the trip for fruit, so this appends fishing exactly when it is missing.
  const int fishing = gather.IndexOf(NameId::Fishing);
  if (s[Item::FishingTackle].Owned && fishing != 1 && fishing != 2) gather.Append(NameId::Fishing);
  // Fishing is shown on every turn it is on offer, whatever the player chose.
  gather.Select(gather.IndexOf(NameId::Fishing));

  if (!s[Item::HuntingWeapon].Owned) {
    gather.ClearSelection();
    gather.Remove(NameId::Hunting);
  }
  const int hunting = gather.IndexOf(NameId::Hunting);
  if (s[Item::HuntingWeapon].Owned && hunting != 1 && hunting != 2) {
    gather.Append(NameId::Hunting);
    gather.SelectLast();
  }
}

void AdvanceRepairs(GameState& s) {
  // The shown text alone says what is worked on, owned or not.
  for (Item item : kRepairOrder) {
    ItemState& it = s[item];
    if (s.Activity == Activity::Repair && s.RepairChoice.Shows(item)) {
      --it.RepairDaysLeft.Value;
    }
    if (it.RepairDaysLeft.Value == 0) {
      it.WearDaysLeft.Value = Info(item).WearAfterRepair;
      it.RepairDaysLeft.Value = Info(item).RepairAfterRepair;
    }
  }
}

void LoseWornOutItems(GameState& s) {
  for (Item item : kShowAndLoseOrder) {
    if (s[item].WearDaysLeft.Value == 0) s[item].Owned = false;
  }
}

void UpdateRepairList(GameState& s) {
  ChoiceList& repair = s.RepairChoice;
  for (Item item : kCreatableItems) {
    if (s[item].Owned && !repair.Contains(item)) repair.Append(item);
  }
  for (Item item : kRepairOrder) {
    const ItemState& it = s[item];
    if ((it.Owned && it.WearDaysLeft.Value > 0) || !repair.Contains(item)) continue;
    // Any item leaving the list takes the box's shown text with it, whichever item it showed.
    repair.ClearSelection();
    repair.Remove(item);
    if (item == Item::FishingTackle) {
      s.GatherChoice.ClearSelection();
      s.GatherChoice.Remove(NameId::Fishing);
    } else if (item == Item::HuntingWeapon) {
      s.GatherChoice.ClearSelection();
      s.GatherChoice.Remove(NameId::Hunting);
    }
  }
}

}  // namespace kevolan
