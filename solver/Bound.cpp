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
#include <array>
#include <cstdint>

#include "Counting.h"
#include "Dues.h"
#include "Limits.h"
#include "Phases.h"

namespace kevolan::solver {
namespace {

// Repairs that keep an owned item that wears every day from wearing out through `turns` turns:
// its wear counter reaches 0 on turn `wear` unless a repair completes by then (a repair may
// complete on that very turn, after the day's wear), and each completion sets it to `span`. A
// completion on turn c covers up to turn c + span - 1, so k completions cover at most
// wear + k*span - 1 turns. The first takes the days still owed, the rest `perRepair` each.
Count RepairWork(Count wear, Count owed, Count span, Count perRepair, Count turns) {
  if (turns < wear) return 0;
  const Count k = (turns - wear + span) / span;
  return AtLeastZero(owed) + perRepair * (k - 1);
}

Count RepairWork(const GameState& s, Item item, Count wear, Count turns) {
  const ItemInfo& info = Info(item);
  return RepairWork(wear, s[item].RepairDaysLeft.Value, info.WearAfterRepair,
                    info.RepairAfterRepair, turns);
}

// New clothes once owned can only be repaired: worn out, they kill whatever the old ones are.
// Without them, the old clothes are repaired j times and then, unless that lasts, new clothes
// are made by the turn the old ones would wear out (as late as that, for the fewest repairs of
// their own). Old clothes that are not owned and not worn out (repaired after their loss) kill
// no one.
Count ClothesWork(const GameState& s, Count turns) {
  const ItemState& fresh = s[Item::NewClothes];
  const ItemState& old = s[Item::OldClothes];
  if (fresh.Owned) return RepairWork(s, Item::NewClothes, fresh.WearDaysLeft.Value, turns);
  if (!old.Owned) return 0;
  const ItemInfo& oldInfo = Info(Item::OldClothes);
  const Count onlyOld = RepairWork(s, Item::OldClothes, old.WearDaysLeft.Value, turns);
  Count best = onlyOld;
  Count repairs = 0;                       // work of the old clothes' first j repairs
  Count lastsTo = old.WearDaysLeft.Value;  // the turn they wear out after them
  for (Count j = 0; lastsTo <= turns && repairs < best; ++j) {
    const Count make = AtLeastZero(fresh.BuildDaysLeft.Value);
    const Count keepNew =
        fresh.WearDaysLeft.Value <= 0
            ? turns  // made with no wear left they are rags at once: never worth it
            : RepairWork(s, Item::NewClothes, lastsTo + fresh.WearDaysLeft.Value, turns);
    best = std::min(best, repairs + make + keepNew);
    repairs += j == 0 ? AtLeastZero(old.RepairDaysLeft.Value) : oldInfo.RepairAfterRepair;
    lastsTo += oldInfo.WearAfterRepair;
  }
  return best;
}

// The dwelling kills three ways: a hut worn out with no cave, a cave and a hut both worn out, no
// hut or cave on 1 "Февраля". Owning a hut with no cave means repairing it, or making the cave.
// Owning a cave means keeping it or the hut standing. Owning neither means
// finishing one by 1 "Февраля" when that day is within reach: a cave (its build days), or a hut,
// which from then on wears and needs its repairs as if it were finished on that very turn.
Count DwellingWork(const GameState& s, Count turns, int february, bool listsOnly) {
  const ItemState& hut = s[Item::Hut];
  const ItemState& cave = s[Item::Cave];
  if (cave.Owned) {
    // The cave falls in only once the hut's wear is 0 too: one of them is kept to the end. A hut
    // lost to wear can only be repaired by typing its name (it is no longer listed); the repair
    // sets its wear back, and unowned it never wears again.
    const Count keepCave = RepairWork(s, Item::Cave, cave.WearDaysLeft.Value, turns);
    if (hut.Owned) {
      return std::min(RepairWork(s, Item::Hut, hut.WearDaysLeft.Value, turns), keepCave);
    }
    if (hut.WearDaysLeft.Value > 0) return 0;
    return listsOnly ? keepCave : std::min(keepCave, AtLeastZero(hut.RepairDaysLeft.Value));
  }
  const Count makeCave = CaveWork(s, listsOnly);
  if (hut.Owned) return std::min(RepairWork(s, Item::Hut, hut.WearDaysLeft.Value, turns), makeCave);
  if (february > turns) return 0;
  const Count makeHut = AtLeastZero(hut.BuildDaysLeft.Value);
  const Count hutAfter = hut.WearDaysLeft.Value <= 0
                             ? kNever  // a hut finished with no wear left falls at once
                             : RepairWork(s, Item::Hut, february + hut.WearDaysLeft.Value, turns);
  return std::min(makeHut + hutAfter, makeCave);
}

// A gathering tool, as far as the food it can still bring.
struct Tool {
  bool Usable = false;  // owned, or can still be made and kept
  Count Build = 0;      // days of work before it is owned
  Count Wear = 0;       // days of use before it wears out
  Count FirstRepair = 0, PerRepair = 0, Span = 0;
  Count Yield = 0;  // rations a day of it brings at most
};

Tool ToolOf(const GameState& s, Item item, Food food) {
  const ItemInfo& info = Info(item);
  const ItemState& it = s[item];
  Tool t;
  // A tool lost with no wear left is lost again the turn it is made anew: with lists only it can
  // never be repaired, as only owned items are listed.
  t.Usable = it.WearDaysLeft.Value > 0;
  t.Build = it.Owned ? 0 : AtLeastZero(it.BuildDaysLeft.Value);
  t.Wear = it.WearDaysLeft.Value;
  t.FirstRepair = AtLeastZero(it.RepairDaysLeft.Value);
  t.PerRepair = info.RepairAfterRepair;
  t.Span = info.WearAfterRepair;
  t.Yield = DayYield(food);
  return t;
}

// Repair days for `uses` days of a tool's gathering. A tool wears only on the days it is used,
// and the day it reaches 0 it is lost, so a repair must come while one use is left: each adds
// Span - 1 uses, and the last span is used whole. k repairs allow Wear + k*(Span - 1) uses.
Count ToolRepairs(const Tool& t, Count uses) {
  if (uses <= t.Wear) return 0;
  const Count k = CeilDiv(uses - t.Wear, t.Span - 1);
  return t.FirstRepair + t.PerRepair * (k - 1);
}
static_assert(Info(Item::FishingTackle).WearAfterRepair > 1 &&
                  Info(Item::HuntingWeapon).WearAfterRepair > 1,
              "a tool's repair gives it more uses");

// The fewest days of gathering (and of repairing the tools) that bring `rations`, with the tools
// given: a day brings at most its food's yield, and the trip for fruit needs no tool.
Count GatheringDaysCounted(Count rations, const Tool* weapon, const Tool* tackle) {
  const Count fruit = Info(Food::Fruit).Yield;
  const Count maxHunts = weapon != nullptr ? CeilDiv(rations, weapon->Yield) : 0;
  const Count maxFishing = tackle != nullptr ? CeilDiv(rations, tackle->Yield) : 0;
  Count best = CeilDiv(rations, fruit);
  for (Count h = 0; h <= maxHunts; ++h) {
    const Count afterHunts = rations - (weapon != nullptr ? h * weapon->Yield : 0);
    const Count hunting = h == 0 ? 0 : h + ToolRepairs(*weapon, h);
    if (hunting >= best) break;
    for (Count g = 0; g <= maxFishing; ++g) {
      const Count fishing = g == 0 ? 0 : g + ToolRepairs(*tackle, g);
      if (hunting + fishing >= best) break;  // more fishing only costs more
      const Count rest = afterHunts - (tackle != nullptr ? g * tackle->Yield : 0);
      best = std::min(best, hunting + fishing + CeilDiv(rest, fruit));
      if (rest <= 0) break;
    }
  }
  return best;
}

// The same count is asked again and again as the bound climbs and the search tries each day's
// moves, so the answers are kept, per thread, in a small table: a tool's yield and repair spans
// are its item's, so its wear and owed repair days (or its absence) and the rations say it all.
Count GatheringDays(Count rations, const Tool* weapon, const Tool* tackle) {
  if (rations <= 0) return 0;
  // A tool in 16 bits: present, its wear (10 bits) and its owed repair days (5 bits).
  bool fits = static_cast<std::uint64_t>(rations) <= 0xffff;
  const auto part = [&fits](const Tool* t) -> std::uint64_t {
    if (t == nullptr) return 0;
    const auto wear = static_cast<std::uint64_t>(t->Wear);
    const auto owed = static_cast<std::uint64_t>(t->FirstRepair);
    fits = fits && wear <= 0x3ff && owed <= 0x1f;
    return 1 | wear << 1 | owed << 11;
  };
  const std::uint64_t key = std::uint64_t{1} << 63 | static_cast<std::uint64_t>(rations) << 32 |
                            part(weapon) << 16 | part(tackle);
  if (!fits) return GatheringDaysCounted(rations, weapon, tackle);
  struct Known {
    std::uint64_t Key = 0;  // 0: nothing kept yet
    Count Days = 0;
  };
  thread_local std::array<Known, 1024> known;
  Known& k = known[(key * 0x9e3779b97f4a7c15ULL) >> 54];
  if (k.Key != key) k = {key, GatheringDaysCounted(rations, weapon, tackle)};
  return k.Days;
}

// With lists only, every turn either eats a listed food (a ration that was in store or was
// gathered) or is a hungry one, and more than kHungerLimit hungry days kill. Each way of feeding
// the castaway costs the tools it makes plus its days of gathering; the cheapest bounds them all.
// A store below zero (only typed names make one) or a food box showing a typed text (eaten
// every day, it is never hungry) leaves the count at 0.
Count FoodWork(const GameState& s, Count turns, int february, Item* make = nullptr) {
  if (make != nullptr) *make = Item::Boat;  // none
  Count stock = 0;
  if (!MealsCount(s, true, stock)) return 0;
  const Count hungry = HungryDaysLeft(s);
  const Count rations = turns - hungry - stock;
  if (rations <= 0) return 0;
  const Tool weapon = ToolOf(s, Item::HuntingWeapon, Food::WildGame);
  const Tool tackle = ToolOf(s, Item::FishingTackle, Food::Fish);
  const bool ownWeapon = s[Item::HuntingWeapon].Owned, ownTackle = s[Item::FishingTackle].Owned;
  const Tool* hasWeapon = ownWeapon && weapon.Usable ? &weapon : nullptr;
  const Tool* hasTackle = ownTackle && tackle.Usable ? &tackle : nullptr;
  Count best = GatheringDays(rations, hasWeapon, hasTackle);
  const auto better = [&](Count days, Item tool) {
    if (days >= best) return;
    best = days;
    if (make != nullptr) *make = tool;
  };
  const bool makeWeapon = !ownWeapon && weapon.Usable, makeTackle = !ownTackle && tackle.Usable;
  if (makeTackle)
    better(tackle.Build + GatheringDays(rations, hasWeapon, &tackle), Item::FishingTackle);
  if (makeWeapon && hasTackle != nullptr) {
    better(weapon.Build + GatheringDays(rations, &weapon, hasTackle), Item::HuntingWeapon);
  }
  if (makeWeapon && makeTackle) {
    better(weapon.Build + tackle.Build + GatheringDays(rations, &weapon, &tackle),
           weapon.Build <= tackle.Build ? Item::HuntingWeapon : Item::FishingTackle);
  }
  if (makeWeapon && hasTackle == nullptr) {
    // Game is hunted only once the weapon is made, on turn c at the soonest after its build
    // days, and eaten from turn c + 2: until then the castaway lives on the store and on fruit
    // gathered in those same first c turns, which also hold the work due by then. Past c, any
    // food. Taken over every such c, the least is among the first few that fit: a fruit day's
    // yield of turns later the early fruit takes one day more, and the later food at most one
    // day less (one more fruit day would bring what the later turns lost).
    const Count fruit = Info(Food::Fruit).Yield;
    const auto earlyNeed = [&](Count c) {
      return AtLeastZero(std::min(c + 1, turns) - hungry - stock);
    };
    const auto cost = [&](Count c) {
      const Count early = std::min(c + 1, turns);
      const Count earlyDays = CeilDiv(earlyNeed(c), fruit);
      const Count left = AtLeastZero(hungry + stock - early);
      const Count lateNeed = AtLeastZero(turns - early - left - (earlyDays * fruit - earlyNeed(c)));
      return weapon.Build + earlyDays + GatheringDays(lateNeed, &weapon, nullptr);
    };
    // The first c that holds the weapon's days, the early fruit's and the work due by c. What
    // c must hold never shrinks as c grows, so no c short of it can hold it either.
    const HomeAndClothesWork due(s, february, true);
    Count c = weapon.Build;
    for (;;) {
      const Count held = weapon.Build + CeilDiv(earlyNeed(c), fruit) + due.DueWithin(c);
      if (c >= turns || c >= held) break;
      c = std::min(held, turns);
    }
    for (Count k = 0; k < fruit && c + k < turns; ++k) better(cost(c + k), Item::HuntingWeapon);
  }
  return best;
}

// The fewest days of gathering itself that feeding the castaway `turns` turns takes with lists
// only: every ration not in store nor spared by a hungry day is gathered, a day bringing at most
// the best yield a tool that can still be had gives.
Count GatheringDaysAtLeast(const GameState& s, Count turns, bool listsOnly) {
  Count stock = 0;
  if (!MealsCount(s, listsOnly, stock)) return 0;
  Count best = Info(Food::Fruit).Yield;
  best = std::max({best, ToolYield(s, Item::FishingTackle, Food::Fish),
                   ToolYield(s, Item::HuntingWeapon, Food::WildGame)});
  return CeilDiv(turns - HungryDaysLeft(s) - stock, best);
}

// How far past the boat's days 1 "Февраля" is looked for. A farther one is counted as never
// coming, which only lowers the count.
constexpr int kFebruaryLookAhead = 64;

int Clamp(Count c) { return static_cast<int>(std::min<Count>(c, kNever)); }

}  // namespace

namespace {

int WalkToFebruaryFirst(int day, Month month, int limit) {
  GameState probe;
  probe.Day = day;
  probe.Month = month;
  for (int turn = 1; turn <= limit; ++turn) {
    if (probe.Day == kDwellingDeadlineDay && probe.Month == kDwellingDeadlineMonth) return turn;
    AdvanceCalendar(probe);
  }
  return kNever;
}

}  // namespace

int TurnsToFebruaryFirst(const GameState& s, int limit) {
  // Asked for every day the search tries: the calendar is walked once from each date.
  constexpr int kMonths = 12, kDays = 32, kWalked = 2 * kYearAhead;
  static const auto walked = [] {
    std::array<std::array<int, kDays>, kMonths> turns{};
    for (int m = 0; m < kMonths; ++m) {
      for (int d = 0; d < kDays; ++d) {
        turns[static_cast<std::size_t>(m)][static_cast<std::size_t>(d)] =
            WalkToFebruaryFirst(d, static_cast<Month>(m), kWalked);
      }
    }
    return turns;
  }();
  const auto month = static_cast<std::size_t>(s.Month);
  if (s.Day < 0 || s.Day >= kDays || month >= kMonths || limit > kWalked) {
    return WalkToFebruaryFirst(s.Day, s.Month, limit);
  }
  const int turn = walked[month][static_cast<std::size_t>(s.Day)];
  return turn <= limit ? turn : kNever;
}

Needs NeedsFor(const GameState& s, int turns, bool listsOnly, int february) {
  Needs n;
  n.Clothes = Clamp(ClothesWork(s, turns));
  n.Dwelling = Clamp(DwellingWork(s, turns, february, listsOnly));
  if (listsOnly) n.Food = Clamp(FoodWork(s, turns, february));
  return n;
}

std::optional<Item> ToolToMake(const GameState& s, int turns, int february) {
  Item make = Item::Boat;
  FoodWork(s, turns, february, &make);
  if (make == Item::Boat) return std::nullopt;
  return make;
}

int TurnsToVictoryAtLeast(const GameState& s, bool listsOnly, int february) {
  if (s.GameOver) return s.Outcome == Outcome::Won ? 0 : kNever;
  const Count boat = s[Item::Boat].BuildDaysLeft.Value;
  if (boat <= 0 || boat > kNever) return kNever;
  // The least L with L >= boat + needs(L): the needs grow with L, so climbing from the boat's
  // days never passes the least such L, which every winning line's length is at least.
  int turns = static_cast<int>(boat);
  if (february < 0) february = TurnsToFebruaryFirst(s, static_cast<int>(boat) + kFebruaryLookAhead);
  // While an illness holds the activity, its turns go to that activity's work or to nothing:
  // the work only other activities can do, if any, comes after them.
  const Count held = s.ActivityEnabled ? 0 : AtLeastZero(s.SickDays);
  const Activity a = s.Activity;
  for (int i = 0; i < 64; ++i) {
    const Needs n = NeedsFor(s, turns, listsOnly, february);
    Count next = boat + Count{n.Clothes} + n.Dwelling + n.Food;
    if (held > 0) {
      const bool oldClothes = !s[Item::NewClothes].Owned;  // or made new instead of repaired
      const bool hut = s[Item::Hut].Owned;                 // or the cave made instead
      Count others = 0;
      if (a != Activity::Create) others += boat;
      if (a != Activity::Repair && !(oldClothes && a == Activity::Create)) others += n.Clothes;
      if (a != Activity::Create && !(hut && a == Activity::Repair)) others += n.Dwelling;
      if (a != Activity::GatherFood) others += GatheringDaysAtLeast(s, turns, listsOnly);
      if (others > 0) next = std::max(next, held + others);
    }
    if (next >= kNever) return kNever;
    if (next <= turns) break;
    turns = static_cast<int>(next);
  }
  return DuesFit(s, turns, february, listsOnly) ? turns : kNever;
}

}  // namespace kevolan::solver
