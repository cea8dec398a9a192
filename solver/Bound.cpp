// Why the count never exceeds the truth: a turn does at most one day of work, and the kinds do
// not share it. "Создание" moves at most one creation counter (only one name can be shown),
// "Ремонт" at most one repair counter, "Заготовка продуктов" brings one day's food; so a line of
// L turns that wins holds the boat's remaining days, and at least the days each need below
// takes over those L turns, on distinct turns. Each need is the least work over every way of
// meeting it, with every completion put off to the last turn it may come (which makes the
// fewest completions). Illness only forbids changing the activity, so it can only make lines
// longer, and is left out.
#include "Bound.h"

#include <algorithm>

#include "Phases.h"

namespace kevolan::solver {
namespace {

// Repairs that keep an owned item from wearing out through `turns` turns: its wear counter
// reaches 0 on turn `wear` unless a repair completes by then, and each completion sets it to
// `full`. A completion on turn c covers up to turn c + full - 1, so k completions cover at most
// wear + k*full - 1 turns. The first takes the days still owed, the rest `perRepair` each.
int RepairWork(Count wear, Count owed, Count full, Count perRepair, int turns) {
  if (turns < wear) return 0;
  const Count k = (turns - wear + 1 + full - 1) / full;
  return static_cast<int>(std::max<Count>(owed, 0) + perRepair * (k - 1));
}

const ItemInfo& Of(Item item) { return Info(item); }

// How far past the boat's days 1 "Февраля" is looked for. A farther one is counted as never
// coming, which only lowers the count.
constexpr int kFebruaryLookAhead = 64;

int CeilDiv(Count a, Count b) { return static_cast<int>((a + b - 1) / b); }

}  // namespace

int TurnsToFebruaryFirst(const GameState& s, int limit) {
  GameState probe;
  probe.Day = s.Day;
  probe.Month = s.Month;
  for (int turn = 1; turn <= limit; ++turn) {
    if (probe.Day == 1 && probe.Month == Month::February) return turn;
    AdvanceCalendar(probe);
  }
  return kNever;
}

// New clothes once owned can only be repaired: worn out, they kill whatever the old ones are.
// Without them, the old clothes are repaired, or the new ones made (at least their build days).
// Old clothes that are not owned and not worn out (repaired after their loss) kill no one.
int ClothesWorkAtLeast(const GameState& s, int turns) {
  const ItemState& fresh = s[Item::NewClothes];
  const ItemState& old = s[Item::OldClothes];
  const int newRepairs = RepairWork(fresh.WearDaysLeft.Value, fresh.RepairDaysLeft.Value,
                                    Of(Item::NewClothes).WearAfterRepair,
                                    Of(Item::NewClothes).RepairAfterRepair, turns);
  if (fresh.Owned) return newRepairs;
  const int make = static_cast<int>(std::max<Count>(fresh.BuildDaysLeft.Value, 0));
  if (!old.Owned) return 0;
  const int oldRepairs = RepairWork(old.WearDaysLeft.Value, old.RepairDaysLeft.Value,
                                    Of(Item::OldClothes).WearAfterRepair,
                                    Of(Item::OldClothes).RepairAfterRepair, turns);
  return std::min(oldRepairs, make);
}

// The dwelling kills three ways: a hut worn out with no cave, a cave and a hut both worn out, no
// hut or cave on 1 "Февраля". Only the first and the last are counted here (a cave lasts half a
// year). Owning a hut with no cave means repairing it, or making the cave. Owning neither means
// finishing one by 1 "Февраля" when that day is within reach: a cave (its build days), or a hut,
// which from then on wears and needs its repairs as if it were finished on that very turn.
int DwellingWork(const GameState& s, int turns, int february) {
  const ItemState& hut = s[Item::Hut];
  const ItemState& cave = s[Item::Cave];
  const int makeCave = static_cast<int>(std::max<Count>(cave.BuildDaysLeft.Value, 0));
  const Count hutFull = Of(Item::Hut).WearAfterRepair, hutPer = Of(Item::Hut).RepairAfterRepair;
  if (cave.Owned) return 0;
  if (hut.Owned) {
    return std::min(
        RepairWork(hut.WearDaysLeft.Value, hut.RepairDaysLeft.Value, hutFull, hutPer, turns),
        makeCave);
  }
  if (february > turns) return 0;
  const int makeHut = static_cast<int>(std::max<Count>(hut.BuildDaysLeft.Value, 0));
  const int hutAfter = hut.WearDaysLeft.Value <= 0
                           ? kNever  // a hut finished with no wear left falls at once
                           : RepairWork(february + hut.WearDaysLeft.Value, hut.RepairDaysLeft.Value,
                                        hutFull, hutPer, turns);
  return std::min(makeHut + hutAfter, makeCave);
}

// With lists only, every turn either eats a listed food (a ration that was in store or was
// gathered) or is a hungry one, and more than five hungry days kill. A gathering day brings at
// most its option's yield, and fishing or hunting needs its tool made first. Mixing sources
// only adds tools' days, so the cheapest single source bounds them all. A store below zero (only
// typed names make one) or a food box showing a typed text leaves the count at 0.
int FoodWorkAtLeast(const GameState& s, int turns) {
  if (s.FoodChoice.Shown() == NameId::Typed) return 0;
  Count stock = 0;
  for (Food f : kFoods) {
    if (s.Stock(f) < 0) return 0;
    stock += s.Stock(f);
  }
  const Count hungryLeft = std::max<Count>(0, 5 - s.HungryDays);
  const Count rations = turns - hungryLeft - stock;
  if (rations <= 0) return 0;
  int best = CeilDiv(rations, Info(Food::Fruit).Yield);
  const auto withTool = [&](Item tool, Food food) {
    const Count make = s[tool].Owned ? 0 : std::max<Count>(s[tool].BuildDaysLeft.Value, 0);
    best = std::min(best, static_cast<int>(make) + CeilDiv(rations, Info(food).Yield));
  };
  withTool(Item::FishingTackle, Food::Fish);
  withTool(Item::HuntingWeapon, Food::WildGame);
  return best;
}

int DwellingWorkAtLeast(const GameState& s, int turns) {
  return DwellingWork(s, turns, TurnsToFebruaryFirst(s, turns));
}

int TurnsToVictoryAtLeast(const GameState& s, bool listsOnly, int february) {
  if (s.GameOver) return s.Outcome == Outcome::Won ? 0 : kNever;
  const Count boat = s[Item::Boat].BuildDaysLeft.Value;
  if (boat <= 0 || boat > kNever) return kNever;
  // The least L with L >= boat + needs(L): the needs grow with L, so climbing from the boat's
  // days never passes the least such L, which every winning line's length is at least.
  int turns = static_cast<int>(boat);
  if (february < 0) february = TurnsToFebruaryFirst(s, static_cast<int>(boat) + kFebruaryLookAhead);
  for (int i = 0; i < 64; ++i) {
    int next =
        static_cast<int>(boat) + ClothesWorkAtLeast(s, turns) + DwellingWork(s, turns, february);
    if (listsOnly) next += FoodWorkAtLeast(s, turns);
    if (next >= kNever) return kNever;
    if (next <= turns) break;
    turns = next;
  }
  return turns;
}

}  // namespace kevolan::solver
