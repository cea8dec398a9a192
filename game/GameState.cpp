#include "GameState.h"

namespace kevolan {

GameState NewGame() {
  GameState s;
  for (const ItemInfo& info : kItemTable) {
    ItemState& item = s[info.Id];
    item.Owned = info.OwnedAtStart;
    // What the castaway has shows its wear; the boat's days of work show for the whole game.
    item.BuildDaysLeft = {info.BuildDays, info.Made == Making::Sails};
    item.RepairDaysLeft = {info.RepairDays, false};
    item.WearDaysLeft = {info.WearDays, info.OwnedAtStart};
    // Everything that can be made is on offer but the cave, which waits for a hut.
    if (info.Made != Making::Never && !info.OfferedOnlyWithHut) s.CreateChoice.Append(info.Id);
    if (info.OwnedAtStart) s.RepairChoice.Append(info.Id);
  }
  s.GatherChoice.Append(Info(Food::Fruit).GatherOption);
  s.GatherChoice.Select(0);
  return s;
}

const ChoiceList* BoxOf(const GameState& s, Activity activity) {
  switch (activity) {
    case Activity::GatherFood:
      return &s.GatherChoice;
    case Activity::Create:
      return &s.CreateChoice;
    case Activity::Repair:
      return &s.RepairChoice;
    case Activity::None:
      break;
  }
  return nullptr;
}

ChoiceList* BoxOf(GameState& s, Activity activity) {
  return const_cast<ChoiceList*>(BoxOf(static_cast<const GameState&>(s), activity));
}

}  // namespace kevolan
