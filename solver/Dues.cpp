// What must be done by when, or the castaway dies: the dwelling by 1 "Февраля" and by the hut's
// wear, the clothes by their wear, the meals' gathering by the turn the store runs out, all while
// an illness may hold the activity. Whether it all fits, one day of work a turn.
#include "Dues.h"

#include <array>
#include <utility>

#include "Bound.h"
#include "Counting.h"
#include "Limits.h"

namespace kevolan::solver {

std::optional<ComingIllness> IllnessComing(const GameState& s) {
  if (!s.ActivityEnabled || s.SickDays != 0 || s.FoodChoice.Shown() == NameId::Typed) {
    return std::nullopt;
  }
  int runs = 0;
  Food on = Food::Fruit;
  for (Food f : kFoods) {
    if (s.Streak(f) > 0) ++runs, on = f;
  }
  if (runs != 1) return std::nullopt;
  const Count run = s.Streak(on);
  const Count strikes = (run / kIllnessEvery + 1) * kIllnessEvery;
  if (strikes > kIllnessLast) return std::nullopt;
  ComingIllness c;
  c.On = on;
  c.First = strikes - run;
  c.Last = c.First + HungryDaysLeft(s);
  c.Forced = true;
  for (Food f : kFoods) {
    if (f != on && s.Stock(f) != 0) c.Forced = false;
  }
  return c;
}

namespace {

// A piece of work that must be done by turn By (turns counted from the next one), or the
// castaway dies, and the days each activity would take to do it (kNever where it cannot): the
// hut's wear is met by repairing it or by making the cave, the old clothes' by repairing them or
// by making new ones.
struct Due {
  Count By = 0;
  std::array<Count, 3> Work = {kNever, kNever, kNever};  // by activity index

  static Due By1(Count by, Activity a, Count work) {
    Due d;
    d.By = by;
    d.Work[static_cast<std::size_t>(a)] = AtLeastZero(work);
    return d;
  }
  Due& Or(Activity a, Count work) {
    Count& w = Work[static_cast<std::size_t>(a)];
    w = std::min(w, AtLeastZero(work));
    return *this;
  }
  Count Least() const { return std::min({Work[0], Work[1], Work[2]}); }
  Count WorkBy(Activity a) const {
    return a == Activity::None ? kNever : Work[static_cast<std::size_t>(a)];
  }
  // The least work of the other activities than `a`.
  Count Besides(Activity a) const {
    Count least = kNever;
    for (std::size_t i = 0; i < Work.size(); ++i) {
      if (static_cast<Activity>(i) != a) least = std::min(least, Work[i]);
    }
    return least;
  }
};

// The dwelling's, the clothes', and the food's gathering days; earliest due first. Past its
// room no more is noted, which only asks less.
struct Dues {
  std::array<Due, 48> Items;
  int Count = 0;
  void Add(const Due& d) {
    if (Count == static_cast<int>(Items.size())) return;
    int at = Count++;
    for (; at > 0 && Items[static_cast<std::size_t>(at - 1)].By > d.By; --at) {
      Items[static_cast<std::size_t>(at)] = Items[static_cast<std::size_t>(at - 1)];
    }
    Items[static_cast<std::size_t>(at)] = d;
  }
};

// Turns From to To (counted from the next one) in which an illness holds the activity Only.
struct Hold {
  Count From = 1, To = 0;
  Activity Only = Activity::None;
  bool Holds() const { return To >= From; }
};

// The dwelling's and the clothes' work, each piece handed to `add`: the dwelling by
// 1 "Февраля" or by the hut's wear, the clothes by their wear.
template <class Add>
void ForEachHomeAndClothesDue(const GameState& s, int february, bool listsOnly, Add add) {
  const ItemState& hut = s[Item::Hut];
  const ItemState& cave = s[Item::Cave];
  if (cave.Owned && (hut.Owned || hut.WearDaysLeft.Value == 0)) {
    // Both worn out kill: by the later of their wear, one of them repaired (a lost hut only by
    // typing its name).
    Due keep = Due::By1(std::max(cave.WearDaysLeft.Value, hut.WearDaysLeft.Value), Activity::Repair,
                        cave.RepairDaysLeft.Value);
    if (hut.Owned || !listsOnly) keep.Or(Activity::Repair, hut.RepairDaysLeft.Value);
    add(keep);
  }
  if (!cave.Owned) {
    const Count cave = CaveWork(s, listsOnly);
    if (hut.Owned) {
      add(Due::By1(hut.WearDaysLeft.Value, Activity::Repair, hut.RepairDaysLeft.Value)
              .Or(Activity::Create, cave));
    } else {
      add(Due::By1(february, Activity::Create,
                   std::min(AtLeastZero(hut.BuildDaysLeft.Value), cave)));
    }
  }
  const ItemState& fresh = s[Item::NewClothes];
  const ItemState& old = s[Item::OldClothes];
  if (fresh.Owned) {
    add(Due::By1(fresh.WearDaysLeft.Value, Activity::Repair, fresh.RepairDaysLeft.Value));
  } else if (old.Owned) {
    add(Due::By1(old.WearDaysLeft.Value, Activity::Repair, old.RepairDaysLeft.Value)
            .Or(Activity::Create, fresh.BuildDaysLeft.Value));
  }
}

// Those pieces due within `turns` turns.
Dues HomeAndClothesDues(const GameState& s, Count turns, int february, bool listsOnly) {
  Dues dues;
  ForEachHomeAndClothesDue(s, february, listsOnly, [&](const Due& d) {
    if (d.By <= turns) dues.Add(d);
  });
  return dues;
}

// Hall's condition for pieces each done by one activity: a piece of the held activity may go to
// any turn up to its due one, any other piece only to the turns up to its due one that the hold
// leaves free. They fit exactly when, for every a and b, the held activity's pieces due by a and
// the others due by b take no more days than turns 1 to a and the free turns up to b hold.
bool HallFits(const std::array<Count, 48>& by, const std::array<Count, 48>& work,
              const std::array<bool, 48>& held, int n, const Hold& hold) {
  // Due turns, and the work due up to them; only the first n + 1 are ever read.
  std::array<Count, 49> byA, sumA, byB, sumB;
  byA[0] = sumA[0] = byB[0] = sumB[0] = 0;
  std::size_t na = 1, nb = 1;
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (held[k]) {
      byA[na] = by[k], sumA[na] = sumA[na - 1] + work[k], ++na;
    } else {
      byB[nb] = by[k], sumB[nb] = sumB[nb - 1] + work[k], ++nb;
    }
  }
  const auto heldIn = [&](Count from, Count to) {
    return AtLeastZero(std::min(to, hold.To) - std::max(from, hold.From) + 1);
  };
  for (std::size_t i = 0; i < na; ++i) {
    for (std::size_t j = 0; j < nb; ++j) {
      const Count a = byA[i], b = byB[j];
      const Count room = a >= b ? a : a + (b - a) - heldIn(a + 1, b);
      if (sumA[i] + sumB[j] > room) return false;
    }
  }
  return true;
}

// Whether the work due fits, one day of work a turn, each piece done by its turn (earliest due
// first, every prefix must fit by its due turn). While the hold lasts only its activity works:
// each piece is done either by that activity, on any turn, or by another, on the turns the hold
// leaves free; every choice is tried (few pieces have two ways).
bool Fits(const Dues& dues, const Hold& hold) {
  if (!hold.Holds()) {
    Count work = 0;
    for (int i = 0; i < dues.Count; ++i) {
      const Due& due = dues.Items[static_cast<std::size_t>(i)];
      work += due.Least();
      if (work > due.By) return false;
    }
    return true;
  }
  // Set for the first dues.Count pieces before they are read.
  std::array<Count, 48> by, work;
  std::array<bool, 48> held;
  std::array<int, 48> twoWays;
  int ways = 0;
  for (int i = 0; i < dues.Count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const Due& due = dues.Items[k];
    by[k] = due.By;
    const Count mine = due.WorkBy(hold.Only), others = due.Besides(hold.Only);
    if (mine >= kNever && others >= kNever) return false;
    held[k] = others >= kNever;
    work[k] = held[k] ? mine : others;
    if (mine < kNever && others < kNever) twoWays[static_cast<std::size_t>(ways++)] = i;
  }
  if (ways > 4) return true;  // never met: only the dwelling and the clothes have two ways
  for (int choice = 0; choice < (1 << ways); ++choice) {
    for (int w = 0; w < ways; ++w) {
      const auto k = static_cast<std::size_t>(twoWays[static_cast<std::size_t>(w)]);
      const Due& due = dues.Items[k];
      held[k] = (choice >> w) & 1;
      work[k] = held[k] ? due.WorkBy(hold.Only) : due.Besides(hold.Only);
    }
    if (HallFits(by, work, held, dues.Count, hold)) return true;
  }
  return false;
}

// Days of gathering that must come by when they do: a ration gathered on a day is eaten from
// the next, so with `stock` rations in store, h hungry days still allowed and gathering days
// that bring at most y rations each, the k-th gathering day is due by turn stock + h + (k-1)y,
// noted up to turn `until`.
void AddGatheringDues(Count stock, Count hungry, Count yield, Count until, Dues& dues) {
  for (Count by = stock + hungry; by <= until; by += yield) {
    dues.Add(Due::By1(by, Activity::GatherFood, 1));
  }
}

// How far past a tool's build days its finishing turn is tried; later ones are not, and the
// gathering days then stop being noted at that turn, which only asks less.
constexpr Count kToolLookAhead = 48;

// Whether the work due fits together with the gathering days the meals need in some way of
// feeding the castaway: with the tools he owns (each day bringing the best of them), or with a
// tool that brings more, made by some turn c (its build days due by then, the days before
// gathered without it; from c on, and not while the hold keeps him from gathering, it may bring
// its catch, after which nothing more is asked here).
bool FeedingFits(const GameState& s, Count turns, const Dues& base, const Hold& hold,
                 bool listsOnly) {
  Count stock = 0;
  if (!MealsCount(s, listsOnly, stock)) return Fits(base, hold);
  const Count hungry = HungryDaysLeft(s);
  Count yield = Info(Food::Fruit).Yield;
  const std::pair<Item, Food> tools[] = {{Item::FishingTackle, Food::Fish},
                                         {Item::HuntingWeapon, Food::WildGame}};
  for (const auto& [tool, food] : tools) {
    if (s[tool].Owned) yield = std::max(yield, ToolYield(s, tool, food));
  }
  Dues dues = base;
  AddGatheringDues(stock, hungry, yield, turns, dues);
  if (Fits(dues, hold)) return true;
  const Count heldFromGathering = hold.Only != Activity::GatherFood ? hold.To : 0;
  for (const auto& [tool, food] : tools) {
    if (s[tool].Owned || ToolYield(s, tool, food) <= yield) continue;
    const Count build = AtLeastZero(s[tool].BuildDaysLeft.Value);
    const Count last = std::min(turns, build + kToolLookAhead);
    for (Count c = build; c <= last; ++c) {
      Dues with = base;
      AddGatheringDues(stock, hungry, yield, std::max(c, heldFromGathering), with);
      if (c == last) {
        if (Fits(with, hold)) return true;  // a tool finished later, or never
        break;
      }
      const Dues gathering = with;
      with.Add(Due::By1(c, Activity::Create, build));
      if (Fits(with, hold)) return true;
      // Work added never makes room: when the gathering before c does not fit even without the
      // tool, no later c, which asks the same gathering and more, can fit either.
      if (!Fits(gathering, hold)) break;
    }
  }
  return false;
}

// A castaway who must eat on every turn but his hungry days, and can have no food but the one he
// is on, falls ill when its run reaches the next multiple that strikes (on the turn he chooses,
// by spending hungry days, within the days he has), and the illness holds that turn's activity
// for its days: some turn and activity must leave the work due its time and the meals their food.
// Another food had in time (a store, a trip for fruit, a tool's catch) breaks the run instead.
bool IllnessFits(const GameState& s, const Dues& base, Count turns) {
  const std::optional<ComingIllness> coming = IllnessComing(s);
  if (!coming || !coming->Forced || coming->First >= turns) return true;
  const Food on = coming->On;
  const Count first = coming->First, last = coming->Last;
  // A day of gathering another food by the turn before the last he can put the illness off to,
  // and the tool it needs made the day before.
  const auto gatherBy = [&](Count by, Count make) {
    if (by < 1 || (make > 0 && by < 2)) return false;
    Dues more = base;
    more.Add(Due::By1(by, Activity::GatherFood, 1));
    if (make > 0) more.Add(Due::By1(by - 1, Activity::Create, make));
    return FeedingFits(s, turns, more, Hold{}, true);
  };
  if (on != Food::Fruit && gatherBy(last - 1, 0)) return true;
  for (const auto& [tool, food] : {std::pair{Item::HuntingWeapon, Food::WildGame},
                                   std::pair{Item::FishingTackle, Food::Fish}}) {
    const ItemState& it = s[tool];
    if (food == on || it.WearDaysLeft.Value <= 0) continue;
    if (gatherBy(last - 1, it.Owned ? 0 : AtLeastZero(it.BuildDaysLeft.Value))) return true;
  }
  for (Count strike = first; strike <= last; ++strike) {
    if (strike >= turns) return true;
    for (Activity a : {Activity::GatherFood, Activity::Create, Activity::Repair}) {
      // The turn it strikes is a turn of that activity too.
      const Hold hold{strike, std::min(strike + kIllnessDays, turns), a};
      if (FeedingFits(s, turns, base, hold, true)) return true;
    }
  }
  return false;
}

// Whether the work due within `turns` turns fits; while an illness holds the activity, the work
// that only other activities can do waits for its end.
}  // namespace

bool DuesFit(const GameState& s, Count turns, int february, bool listsOnly,
             const IllnessPlan* plan) {
  const Dues base = HomeAndClothesDues(s, turns, february, listsOnly);
  Hold hold;
  if (!s.ActivityEnabled) hold = {1, AtLeastZero(s.SickDays), s.Activity};
  if (!FeedingFits(s, turns, base, hold, listsOnly)) return false;
  if (!listsOnly) return true;
  if (plan == nullptr) return IllnessFits(s, base, turns);
  if (plan->Strike < 1 || plan->Strike >= turns) return true;
  const Hold planned{plan->Strike, std::min(plan->Strike + kIllnessDays, turns), plan->Holds};
  return FeedingFits(s, turns, base, planned, true);
}

HomeAndClothesWork::HomeAndClothesWork(const GameState& s, int february, bool listsOnly) {
  ForEachHomeAndClothesDue(s, february, listsOnly, [&](const Due& d) {
    pieces_[static_cast<std::size_t>(count_++)] = {d.By, d.Least()};
  });
}

Count HomeAndClothesWork::DueWithin(Count turns) const {
  Count work = 0;
  for (int i = 0; i < count_; ++i) {
    const Piece& p = pieces_[static_cast<std::size_t>(i)];
    if (p.By <= turns) work += p.Work;
  }
  return work;
}

}  // namespace kevolan::solver
