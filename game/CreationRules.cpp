// Creation of items: a day of work under "Создание" brings the item named in the creation box
// one day nearer; a finished item is owned and leaves the creation list, a lost one comes back
// at its end, and the cave is offered once a hut stands. The boat only counts down: the day
// it reaches 0 is the victory, judged with the endings.
#include "Phases.h"

namespace kevolan {
namespace {

constexpr std::string_view kCaveMessage = "Тперерь вам можно построить пещеру";

// The rules clear the box before every removal, so no stale selection survives it.
void TakeOutOption(ChoiceList& list, Item item) {
  list.ClearSelection();
  list.Remove(item);
}

void OfferAndSelect(ChoiceList& list, Item item) {
  list.Append(item);
  list.SelectLast();
}

}  // namespace

void ShowChosenBuildCounter(GameState& s) {
  for (Item item : kCreatableItems) {
    s[item].BuildDaysLeft.Shown = s.CreateChoice.Shows(item);
  }
}

void AdvanceCreation(GameState& s) {
  if (s.Activity != Activity::Create) return;
  // Illness, ownership and a locked box make no difference: the named item is worked on.
  for (Item item : kWorkedItems) {
    if (s.CreateChoice.Shows(item)) --s[item].BuildDaysLeft.Value;
  }
}

void CompleteCreations(GameState& s) {
  for (Item item : kCreatableItems) {
    ItemState& it = s[item];
    if (it.BuildDaysLeft.Value != 0) continue;
    it.BuildDaysLeft = {Info(item).BuildDays, false};
    it.Owned = true;
    // A new item starts with the wear days it has: a first one with its full span,
    // one that wore out and was never repaired with none at all.
    it.WearDaysLeft.Shown = true;
  }
}

void UpdateCreateListFirst(GameState& s) {
  for (Item item : kCreatableItems) {
    if (s[item].Owned) TakeOutOption(s.CreateChoice, item);
    // A player who typed the name of an item not on offer gets its option back.
    if (s.Activity == Activity::Create && s.CreateChoice.Shows(item) && !s[item].Owned &&
        !s.CreateChoice.Contains(item)) {
      OfferAndSelect(s.CreateChoice, item);
    }
  }
}

void UpdateCreateListSecond(GameState& s, Messenger& m) {
  // Owned fishing tackle clears the box once more, whatever the first pass left selected.
  if (s[Item::FishingTackle].Owned) TakeOutOption(s.CreateChoice, Item::FishingTackle);
  // A lost item comes back at the end of the list; the cave only while a hut stands, and its
  // offer is announced.
  ForEachItem<kCreatableItems>([&]<Item item>() {
    constexpr bool waitsForHut = Info(item).OfferedOnlyWithHut;
    if (s[item].Owned || s.CreateChoice.Contains(item)) return;
    if (waitsForHut && !s[Item::Hut].Owned) return;
    OfferAndSelect(s.CreateChoice, item);
    if (waitsForHut) m.Show(kCaveMessage);
  });
}

}  // namespace kevolan
