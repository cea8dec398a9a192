// Wear, repair and loss of items: tools wear on the days they are used, dwellings and clothes
// on every day they are owned; a repair sets an item's wear back; an item with no wear days
// left is lost. The gathering and repair lists follow what the player owns.
#include "Phases.h"

namespace kevolan {
namespace {

// Each item's wear, repair and loss depends on that item alone (and the repair list's removals
// leave the same list in any order), so every phase here visits the items in the catalogue's
// order.

bool WearsToday(const GameState& s, const ItemInfo& info) {
  if (!s[info.Id].Owned) return false;
  return info.Wears == Wear::Daily ||
         (info.Wears == Wear::WhenUsed && s.Activity == Activity::GatherFood &&
          s.GatherChoice.Shows(info.UsedFor));
}

}  // namespace

void ShowRepairCounters(GameState& s) {
  for (Item item : kKeptItems) s[item].RepairDaysLeft.Shown = s[item].Owned;
}

void WearItems(GameState& s) {
  for (Item item : kKeptItems) {
    if (WearsToday(s, Info(item))) --s[item].WearDaysLeft.Value;
  }
}

void UpdateGatherToolOptions(GameState& s) {
  ChoiceList& gather = s.GatherChoice;
  const NameId fishing = Info(Item::FishingTackle).UsedFor;
  const NameId hunting = Info(Item::HuntingWeapon).UsedFor;
  if (!s[Item::FishingTackle].Owned) {
    gather.ClearSelection();
    gather.Remove(fishing);
  }
  // Position 0 always holds the trip for fruit, so this appends fishing exactly when it is missing.
  const int fishingAt = gather.IndexOf(fishing);
  if (s[Item::FishingTackle].Owned && fishingAt != 1 && fishingAt != 2) gather.Append(fishing);
  // Fishing is shown on every turn it is on offer, whatever the player chose.
  gather.Select(gather.IndexOf(fishing));

  if (!s[Item::HuntingWeapon].Owned) {
    gather.ClearSelection();
    gather.Remove(hunting);
  }
  const int huntingAt = gather.IndexOf(hunting);
  if (s[Item::HuntingWeapon].Owned && huntingAt != 1 && huntingAt != 2) {
    gather.Append(hunting);
    gather.SelectLast();
  }
}

void AdvanceRepairs(GameState& s) {
  // The shown text alone says what is worked on, owned or not.
  for (Item item : kKeptItems) {
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
  for (Item item : kKeptItems) {
    if (s[item].WearDaysLeft.Value == 0) s[item].Owned = false;
  }
}

void UpdateRepairList(GameState& s) {
  ChoiceList& repair = s.RepairChoice;
  for (Item item : kCreatableItems) {
    if (s[item].Owned && !repair.Contains(item)) repair.Append(item);
  }
  for (Item item : kKeptItems) {
    const ItemState& it = s[item];
    if ((it.Owned && it.WearDaysLeft.Value > 0) || !repair.Contains(item)) continue;
    // Any item leaving the list takes the box's shown text with it, whichever item it showed;
    // a tool takes its gathering option too.
    repair.ClearSelection();
    repair.Remove(item);
    if (const NameId option = Info(item).UsedFor; option != NameId::None) {
      s.GatherChoice.ClearSelection();
      s.GatherChoice.Remove(option);
    }
  }
}

}  // namespace kevolan
