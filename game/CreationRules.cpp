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

// Phase 15's offer for every item but the cave: a lost item comes back at the end of the list.
void OfferIfLost(GameState& s, Item item) {
  if (!s[item].Owned && !s.CreateChoice.Contains(item)) {
    OfferAndSelect(s.CreateChoice, item);
  }
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
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const auto item = static_cast<Item>(i);
    if (item == Item::OldClothes) continue;
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
  if (s[Item::FishingTackle].Owned) TakeOutOption(s.CreateChoice, Item::FishingTackle);
  OfferIfLost(s, Item::FishingTackle);
  OfferIfLost(s, Item::HuntingWeapon);
  OfferIfLost(s, Item::Hut);
  // The cave is offered only while a hut stands, and the offer is announced.
  if (s[Item::Hut].Owned && !s[Item::Cave].Owned && !s.CreateChoice.Contains(Item::Cave)) {
    OfferAndSelect(s.CreateChoice, Item::Cave);
    m.Show(kCaveMessage);
  }
  OfferIfLost(s, Item::NewClothes);
}

}  // namespace kevolan
