#include "Playout.h"

#include <algorithm>
#include <string_view>

#include "Bound.h"
#include "Moves.h"
#include "Phases.h"

namespace kevolan::solver {
namespace {

// Work that must be finished by turn Due (turn 1 is today), taking Work days.
struct Task {
  Count Due = 0;
  Count Work = 0;
  kevolan::Activity Activity = kevolan::Activity::None;
  std::string_view Option;
};

bool Listed(const ChoiceList& box, std::string_view text) { return ListedAt(box, text) >= 0; }

// The days after which illness comes when one food is eaten on: on the next multiple of 25.
bool MealBringsIllness(const GameState& s, Food f) {
  return s.SickDays <= 1 && StrikesIllness(s.Streak(f) + 1);
}

Count FoodInStore(const GameState& s) {
  Count total = 0;
  for (Food f : kFoods) total += std::max<Count>(s.Stock(f), 0);
  return total;
}

std::vector<Task> Tasks(const GameState& s, bool listsOnly) {
  std::vector<Task> tasks;
  const auto add = [&](Count due, Count work, Activity a, Item item) {
    if (listsOnly && !Listed(*BoxOf(s, a), NameOf(item))) return;
    tasks.push_back({due, std::max<Count>(work, 1), a, NameOf(item)});
  };
  const ItemState& fresh = s[Item::NewClothes];
  const ItemState& old = s[Item::OldClothes];
  if (fresh.Owned) {
    add(fresh.WearDaysLeft.Value, fresh.RepairDaysLeft.Value, Activity::Repair, Item::NewClothes);
  } else if (old.Owned) {
    if (old.RepairDaysLeft.Value <= old.WearDaysLeft.Value ||
        fresh.BuildDaysLeft.Value > old.WearDaysLeft.Value) {
      add(old.WearDaysLeft.Value, old.RepairDaysLeft.Value, Activity::Repair, Item::OldClothes);
    } else {
      add(old.WearDaysLeft.Value, fresh.BuildDaysLeft.Value, Activity::Create, Item::NewClothes);
    }
  }
  const ItemState& hut = s[Item::Hut];
  const ItemState& cave = s[Item::Cave];
  // A hut is kept standing while owned: worn out, it kills unless a cave stands, and the cave
  // too kills once it wears out with the hut's wear at 0. A hut lost under a cave is repaired
  // all the same (typed; the repair sets its wear though it stays unowned), or the cave is.
  if (hut.Owned) {
    // A hut past saving (illness may hold the activity away from repairs) is let fall under a
    // cave finished in time.
    const Count wear = hut.WearDaysLeft.Value;
    const Count held = s.ActivityEnabled || s.Activity == Activity::Repair ? 0 : s.SickDays;
    const Count caveHeld = s.ActivityEnabled || s.Activity == Activity::Create ? 0 : s.SickDays;
    if (held + hut.RepairDaysLeft.Value > wear && !cave.Owned &&
        caveHeld + cave.BuildDaysLeft.Value <= wear) {
      add(wear, cave.BuildDaysLeft.Value, Activity::Create, Item::Cave);
    } else {
      add(wear, hut.RepairDaysLeft.Value, Activity::Repair, Item::Hut);
    }
  } else if (cave.Owned) {
    if (hut.WearDaysLeft.Value == 0) {
      const bool hutFirst = !listsOnly && hut.RepairDaysLeft.Value <= cave.WearDaysLeft.Value;
      add(cave.WearDaysLeft.Value, hutFirst ? hut.RepairDaysLeft.Value : cave.RepairDaysLeft.Value,
          Activity::Repair, hutFirst ? Item::Hut : Item::Cave);
    }
  } else {
    const int february = TurnsToFebruaryFirst(s, 400);
    if (february < kNever) {
      if (hut.WearDaysLeft.Value > 0 && hut.BuildDaysLeft.Value <= february) {
        add(february, hut.BuildDaysLeft.Value, Activity::Create, Item::Hut);
      } else {
        add(february, cave.BuildDaysLeft.Value, Activity::Create, Item::Cave);
      }
    }
  }
  if (listsOnly && s.FoodChoice.Shown() != NameId::Typed) {
    const Count store = FoodInStore(s);
    Task gather{store, 1, Activity::GatherFood, TextOf(NameId::FruitTrip)};
    if (Listed(s.GatherChoice, TextOf(NameId::Hunting)) && s.WildGameStock == 0) {
      gather.Option = TextOf(NameId::Hunting);
    } else if (Listed(s.GatherChoice, TextOf(NameId::Fishing)) && s.FishStock <= 5) {
      gather.Option = TextOf(NameId::Fishing);
    }
    tasks.push_back(gather);
  }
  std::stable_sort(tasks.begin(), tasks.end(),
                   [](const Task& a, const Task& b) { return a.Due < b.Due; });
  return tasks;
}

// Can today go to the boat, `spare` days more being lost, and every task still be done in time?
// With an illness ahead the food is counted apart (the store must last it out).
bool CanPutOff(const std::vector<Task>& tasks, Count spare, bool withFood = true) {
  Count work = 0;
  for (const Task& t : tasks) {
    if (!withFood && t.Activity == Activity::GatherFood) continue;
    work += t.Work;
    if (work > t.Due - 1 - spare) return false;
  }
  return true;
}

// The meal: the listed food eaten least in a row, avoiding one that would bring illness unless
// the next ten days can do without changing the activity.
void ChooseMeal(const GameState& s, bool illnessReady, Move& m) {
  m.Eat = true;
  int best = -1;
  bool bestIll = true;
  for (Food f : kFoods) {
    if (!s.FoodChoice.Contains(IdOf(f)) || s.Stock(f) <= 0) continue;
    const bool ill = MealBringsIllness(s, f);
    const auto fi = static_cast<std::size_t>(f);
    if (best < 0 || (bestIll && !ill) ||
        (bestIll == ill && s.Streak(f) < s.Streak(kFoods[static_cast<std::size_t>(best)]))) {
      best = static_cast<int>(fi);
      bestIll = ill;
    }
  }
  if (best < 0) {
    m.Eat = false;
    return;
  }
  if (bestIll && !illnessReady && s.HungryDays < 4) {
    m.Eat = false;  // a hungry day keeps the run of one food where it is
    return;
  }
  m.Food = NameOf(static_cast<Food>(best));
}

}  // namespace

Move PlannedMove(const GameState& s, bool listsOnly) {
  bool illnessAhead = false;
  if (listsOnly) {
    int kinds = 0;
    for (Food f : kFoods) {
      if (s.Stock(f) > 0) ++kinds;
    }
    for (Food f : kFoods) {
      const Count toIllness = 25 - s.Streak(f) % 25;
      if (kinds <= 1 && s.Stock(f) > 0 && s.Streak(f) > 0 && toIllness <= 10) illnessAhead = true;
    }
  }
  const std::vector<Task> tasks = Tasks(s, listsOnly);
  // An illness holds the activity for ten days: it must find the castaway on the boat with the
  // store full and nothing due.
  const Count store = FoodInStore(s);
  const bool readyForIllness = CanPutOff(tasks, 11, false) && store >= 12;
  const bool boatToday = illnessAhead ? readyForIllness : CanPutOff(tasks, 0);
  Move m;
  const Task* chosen = nullptr;
  const bool free = s.ActivityEnabled;
  if (free || s.Activity == Activity::Create) {
    if (!boatToday) {
      for (const Task& t : tasks) {
        if (free || t.Activity == s.Activity) {
          chosen = &t;
          break;
        }
      }
    }
    if (chosen == nullptr) {
      m.Activity = Activity::Create;
      m.Option = NameOf(Item::Boat);
    }
  } else {
    for (const Task& t : tasks) {
      if (t.Activity == s.Activity) {
        chosen = &t;
        break;
      }
    }
    if (chosen == nullptr) {
      if (s.Activity == Activity::GatherFood) {
        m.Activity = Activity::GatherFood;
        m.Option = TextOf(NameId::FruitTrip);
      } else if (s.Activity != Activity::None) {
        const ChoiceList& box = *BoxOf(s, s.Activity);
        m.Activity = s.Activity;
        if (!listsOnly) {
          m.Option = kNoWork;
        } else if (box.Size() > 0) {
          m.Option = TextOf(box.Options()[0]);
        }
      }
    }
  }
  if (chosen != nullptr) {
    m.Activity = chosen->Activity;
    m.Option = chosen->Option;
  }
  if (!listsOnly) {
    m.Eat = true;
    const std::optional<Food> stuck = FoodStuckOnIllness(s);
    m.Food = stuck ? NameOf(*stuck) : kNoFood;
  } else {
    const bool onBoat = m.Activity == Activity::Create && m.Option == NameOf(Item::Boat);
    ChooseMeal(s, onBoat && readyForIllness, m);
  }
  return m;
}

bool PlayPlanned(const GameState& start, bool listsOnly, int maxTurns, long long& turns,
                 std::vector<Move>& line, const std::atomic<bool>* cancel) {
  GameState s = start;
  line.clear();
  for (int i = 0; i < maxTurns && !s.GameOver; ++i) {
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return false;
    Move m = PlannedMove(s, listsOnly);
    ++turns;
    if (!Play(s, m)) return false;
    line.push_back(std::move(m));
  }
  return s.Outcome == Outcome::Won;
}

}  // namespace kevolan::solver
