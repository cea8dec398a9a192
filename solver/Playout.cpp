// The castaway who plans. Every day he puts off all the work that can wait and spends the day on
// what pays most later (the hunting weapon while it still pays, else the boat); what cannot wait
// he does on its last possible day, earliest due first. Whether a day's choice still leaves
// every death avoidable he asks of the dues (Dues.h) and of the bound, played through the rules.
// An illness that one food's run makes sure of he lets come while he works at the boat, with
// food in store and nothing due while it holds him.
#include "Playout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Bound.h"
#include "Counting.h"
#include "Dues.h"
#include "Limits.h"
#include "Moves.h"

namespace kevolan::solver {
namespace {

// A day's work: the activity and the option its box shows.
struct Work {
  Activity Act = Activity::None;
  std::string Option;
  friend bool operator==(const Work&, const Work&) = default;
};

}  // namespace

class Planner {
  // A piece of work due by a turn, and the days it takes; the ways of meeting one need share
  // its number, the first being the one he prefers.
  struct Task {
    Count Due = 0;
    Count Work = 1;
    Activity Act = Activity::None;
    std::string_view Option;
    int Need = 0;
  };

  // What must be done by when: the clothes by their wear, the dwelling by its wear or by
  // 1 "Февраля", the meals' gathering by the turn the store and the hungry days run out, and the
  // weapon's repair before the hunt that would wear it out while more hunts are needed.
 public:
  Planner(const GameState& s, bool listsOnly) : s_(s), listsOnly_(listsOnly) {
    february_ = TurnsToFebruaryFirst(s, kYearAhead);
    horizon_ = TurnsToVictoryAtLeast(s, listsOnly, february_);
    if (horizon_ >= kNever) horizon_ = static_cast<int>(s[Item::Boat].BuildDaysLeft.Value) + 60;
    if (listsOnly) {
      tool_ = ToolToMake(s, horizon_, february_);
      PlanIllness();
    }
  }

  // The next day he would try, best first: eating first (a hungry day is spent only when no
  // meal leaves a way on), then the work in his order. Days after which the bound says no victory
  // can come are left out; days that go against his plan for a coming illness come after all
  // the others. `after` is the state the day leads to. False when no day is left.
  bool Next(Move& m, GameState& after) {
    if (meals_.empty()) {
      meals_ = Meals();
      works_ = Works();
    }
    for (; pass_ < 2; ++pass_, meal_ = 0, work_ = 0) {
      while (meal_ < meals_.size()) {
        if (work_ == works_.size()) {
          ++meal_, work_ = 0;
          continue;
        }
        m = meals_[meal_];
        m.Activity = works_[work_].Act;
        m.Option = works_[work_].Option;
        ++work_;
        const Viability v = Judge(m, after);
        if (v == Viability::Dead || (v == Viability::Planned) != (pass_ == 0)) continue;
        return true;
      }
    }
    return false;
  }

  long long Plays() const { return plays_; }

 private:
  enum class Viability { Dead, Planned, Unplanned };

  // Whether the day leaves a victory possible, as far as the bound sees, and whether it keeps to
  // his plan for a coming illness.
  Viability Judge(const Move& m, GameState& t) {
    t = s_;
    ++plays_;
    if (!Play(t, m)) return Viability::Dead;
    if (t.Outcome == Outcome::Won) return Viability::Planned;
    if (t.GameOver) return Viability::Dead;
    const int february = TurnsToFebruaryFirst(t, kYearAhead);
    const int left = TurnsToVictoryAtLeast(t, listsOnly_, february);
    if (left >= kNever) return Viability::Dead;
    if (!plan_ || plan_->Strike <= 1) return Viability::Planned;
    const IllnessPlan tomorrow{plan_->Strike - 1, plan_->Holds};
    return DuesFit(t, std::max(left, horizon_ - 1), february, listsOnly_, &tomorrow)
               ? Viability::Planned
               : Viability::Unplanned;
  }

  // A run of one food strikes on a known turn if nothing else is eaten. He lets it strike only
  // into a clean hold: at the boat (or the weapon), with nothing but creation due while it holds
  // him. Else he breaks the run on that day with another food: one in store, or fruit fetched the
  // day before. A run he cannot break he means to find him at the work that lets the dues fit.
  void PlanIllness() {
    const std::optional<ComingIllness> coming = IllnessComing(s_);
    if (!coming || coming->First > horizon_) return;
    const Count strike = coming->First;
    const IllnessPlan atTheBoat{strike, Activity::Create};
    if (CleanHold(strike) && DuesFit(s_, horizon_, february_, true, &atTheBoat)) {
      plan_ = atTheBoat;
      return;
    }
    if (!coming->Forced) return;
    if (coming->On != Food::Fruit && strike > 1) {
      fetchFruitBy_ = strike - 1;
      return;
    }
    for (Activity a : {Activity::Create, Activity::Repair, Activity::GatherFood}) {
      const IllnessPlan p{strike, a};
      if (DuesFit(s_, horizon_, february_, true, &p)) {
        plan_ = p;
        return;
      }
    }
  }

  // Whether nothing but creation falls due while an illness striking on `strike` holds him (each
  // need judged by the way he prefers to meet it; the meals' gathering he does before it), and
  // the rest still fits around it.
  bool CleanHold(Count strike) const {
    const std::vector<Task> tasks = Tasks();
    std::vector<int> seen;
    for (const Task& t : tasks) {
      if (std::find(seen.begin(), seen.end(), t.Need) != seen.end()) continue;
      seen.push_back(t.Need);
      if (t.Act == Activity::GatherFood || t.Due < strike || t.Due > strike + kIllnessDays)
        continue;
      if (t.Act != Activity::Create) return false;
    }
    // And what falls due after it (the weapon's repair before the next hunt) still fits.
    return TasksFit(tasks, 0, {strike, strike + kIllnessDays, Activity::Create});
  }

  // Meals in the order he prefers them (kMealOrder). A meal that would bring an illness he did not
  // plan for comes after the others, and going hungry last of all.
  std::vector<Move> Meals() const {
    std::vector<Move> meals, striking;
    if (!listsOnly_) {
      Move m;
      m.Eat = true;
      const std::optional<Food> stuck = FoodStuckOnIllness(s_);
      m.Food = stuck ? NameOf(*stuck) : kNoFood;
      return {m};
    }
    for (Food f : kMealOrder) {
      if (!s_.FoodChoice.Contains(IdOf(f))) continue;
      Move m;
      m.Eat = true;
      m.Food = NameOf(f);
      const bool strikes = s_.SickDays <= 1 && StrikesIllness(s_.Streak(f) + 1);
      const bool planned = plan_ && plan_->Strike == 1;
      (strikes && !planned ? striking : meals).push_back(std::move(m));
    }
    meals.insert(meals.end(), striking.begin(), striking.end());
    meals.push_back(Move{});
    return meals;
  }

  // The day's work in the order he tries it: while an illness holds him (or strikes today as
  // planned) only that activity's; else first what pays most later, unless the work he means to
  // do by its day no longer fits after it; then what is due, earliest first, then anything else
  // the boxes offer.
  std::vector<Work> Works() const {
    std::vector<Work> order;
    const auto add = [&](Activity a, std::string_view option) {
      Work w{a, std::string(option)};
      if (option.empty() || std::find(order.begin(), order.end(), w) != order.end()) return;
      if (listsOnly_ && ListedAt(*BoxOf(s_, a), option) < 0) return;
      order.push_back(std::move(w));
    };
    const std::vector<Task> tasks = Tasks();
    // What is due comes first only when putting it off would miss its day; when it misses its
    // day either way, the day goes where it pays.
    if (CanWait(tasks) || !TasksFit(tasks, 0, Held())) Investments(add);
    for (const Task& t : tasks) add(t.Act, t.Option);
    Investments(add);
    for (const Move& m : MovesFor(s_, listsOnly_)) add(m.Activity, m.Option);
    Activity only = Activity::None;
    if (!s_.ActivityEnabled) only = s_.Activity;
    if (plan_ && plan_->Strike == 1) only = plan_->Holds;
    if (only != Activity::None) {
      std::erase_if(order, [only](const Work& w) { return w.Act != only; });
    }
    if (!s_.ActivityEnabled && order.empty() && s_.Activity != Activity::None) {
      order.push_back({s_.Activity, std::string(listsOnly_ ? std::string_view() : kNoWork)});
    }
    return order;
  }

  // The work that pays later, most first: a weapon worn to its last use repaired while more hunts
  // are needed (its last use is lost either way, so the repair costs nothing by coming early),
  // the tool the cheapest way of feeding begins with, the boat.
  template <typename Add>
  void Investments(Add& add) const {
    if (listsOnly_ && WeaponAtItsLastUse()) add(Activity::Repair, NameOf(Item::HuntingWeapon));
    if (tool_) add(Activity::Create, NameOf(*tool_));
    add(Activity::Create, NameOf(Item::Boat));
  }

  // The turns the store and the hungry days left carry him through without gathering.
  Count FedTurns() const {
    Count stock = 0;
    for (Food f : kFoods) stock += std::max<Count>(s_.Stock(f), 0);
    return stock + HungryDaysLeft(s_);
  }

  // Whether the weapon is down to its last use while rations are still to be gathered after one
  // more hunt, as the bound counts the days: its repair should come before that hunt.
  bool WeaponAtItsLastUse() const {
    const ItemState& weapon = s_[Item::HuntingWeapon];
    return weapon.Owned && weapon.WearDaysLeft.Value == 1 &&
           horizon_ - FedTurns() - Info(Food::WildGame).Yield > 0;
  }

  // Whether a day given to other work still leaves each task its days by its due turn (one way
  // of each task is enough).
  bool CanWait(const std::vector<Task>& tasks) const { return TasksFit(tasks, 1, Held()); }

  // Turns From to To (counted from the next one) in which an illness holds the activity Only:
  // the illness he has, or the one he means to let strike.
  struct HeldTurns {
    Count From = 1, To = 0;
    Activity Only = Activity::None;
  };
  HeldTurns Held() const {
    if (!s_.ActivityEnabled) return {1, s_.SickDays, s_.Activity};
    if (plan_) return {plan_->Strike, plan_->Strike + kIllnessDays, plan_->Holds};
    return {};
  }

  // Whether each task (one way of each need) still gets its days by its due turn when the first
  // `busy` turns go to other work, and the held turns only to the held activity's tasks.
  static bool TasksFit(const std::vector<Task>& tasks, Count busy, const HeldTurns& held) {
    Count work = busy, others = busy;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
      if (i > 0 && tasks[i].Need == tasks[i - 1].Need) continue;
      const Task& t = tasks[i];
      work += t.Work;
      if (work > t.Due) return false;
      if (held.To >= held.From && t.Act != held.Only) {
        others += t.Work;
        const Count lost =
            std::max<Count>(0, std::min(t.Due, held.To) - std::max(held.From, busy + 1) + 1);
        if (others > t.Due - lost) return false;
      }
    }
    return true;
  }

  std::vector<Task> Tasks() const {
    std::vector<Task> tasks;
    int need = 0;
    const auto add = [&](Count due, Count work, Activity a, std::string_view option) {
      tasks.push_back({due, std::max<Count>(work, 1), a, option, need});
    };
    const auto repairs = [&](Item item) { return s_[item].RepairDaysLeft.Value; };
    const auto builds = [&](Item item) { return s_[item].BuildDaysLeft.Value; };
    const ItemState& fresh = s_[Item::NewClothes];
    const ItemState& old = s_[Item::OldClothes];
    ++need;
    if (fresh.Owned) {
      add(fresh.WearDaysLeft.Value, repairs(Item::NewClothes), Activity::Repair,
          NameOf(Item::NewClothes));
    } else if (old.Owned) {
      add(old.WearDaysLeft.Value, repairs(Item::OldClothes), Activity::Repair,
          NameOf(Item::OldClothes));
      add(old.WearDaysLeft.Value, builds(Item::NewClothes), Activity::Create,
          NameOf(Item::NewClothes));
    } else if (!listsOnly_ && old.WearDaysLeft.Value <= 0) {
      add(0, repairs(Item::OldClothes), Activity::Repair, NameOf(Item::OldClothes));
    }
    const ItemState& hut = s_[Item::Hut];
    const ItemState& cave = s_[Item::Cave];
    ++need;
    if (hut.Owned && !cave.Owned) {
      add(hut.WearDaysLeft.Value, repairs(Item::Hut), Activity::Repair, NameOf(Item::Hut));
      add(hut.WearDaysLeft.Value, builds(Item::Cave), Activity::Create, NameOf(Item::Cave));
    } else if (!hut.Owned && !cave.Owned && february_ < kNever) {
      add(february_, builds(Item::Hut), Activity::Create, NameOf(Item::Hut));
      add(february_, builds(Item::Cave), Activity::Create, NameOf(Item::Cave));
    } else if (cave.Owned && (hut.Owned || hut.WearDaysLeft.Value == 0)) {
      // The cave kept standing (the hut let go: its repairs cost more days a season).
      add(cave.WearDaysLeft.Value, repairs(Item::Cave), Activity::Repair, NameOf(Item::Cave));
      if (!listsOnly_ && !hut.Owned) {
        add(cave.WearDaysLeft.Value, repairs(Item::Hut), Activity::Repair, NameOf(Item::Hut));
      }
    }
    if (listsOnly_) GatheringTasks(need, tasks);
    if (fetchFruitBy_ > 0) {
      ++need;
      tasks.push_back({fetchFruitBy_, 1, Activity::GatherFood, TextOf(NameId::FruitTrip), need});
    }
    std::stable_sort(tasks.begin(), tasks.end(),
                     [](const Task& a, const Task& b) { return a.Due < b.Due; });
    return tasks;
  }

  // The next day of gathering, due when the store and the hungry days run out: a hunt while the
  // weapon has wear to spare, or the weapon repaired first when the hunt would wear it out and
  // more hunts are needed; else fishing, else a trip for fruit.
  void GatheringTasks(int& need, std::vector<Task>& tasks) const {
    Count due = FedTurns();
    const ItemState& weapon = s_[Item::HuntingWeapon];
    if (WeaponAtItsLastUse()) {
      // A hunt now would lose the weapon: its repair comes before the next hunt, and when the
      // store runs out before the repair can be done, trips for fruit feed him through it, each
      // day of them bringing a fruit day's yield of turns.
      const Count repair = std::max<Count>(weapon.RepairDaysLeft.Value, 1);
      const Count fruit = Info(Food::Fruit).Yield;
      const Count trips = CeilDiv(repair - (due - 1), fruit - 1);
      for (Count trip = 0; trip < trips; ++trip, due += fruit) {
        ++need;
        tasks.push_back({due, 1, Activity::GatherFood, TextOf(NameId::FruitTrip), need});
      }
      ++need;
      tasks.push_back({due - 1, repair, Activity::Repair, NameOf(Item::HuntingWeapon), need});
    }
    ++need;
    if (weapon.Owned) {
      tasks.push_back({due, 1, Activity::GatherFood, TextOf(NameId::Hunting), need});
    }
    const ItemState& tackle = s_[Item::FishingTackle];
    if (tackle.Owned && tackle.WearDaysLeft.Value > 1) {
      tasks.push_back({due, 1, Activity::GatherFood, TextOf(NameId::Fishing), need});
    }
    tasks.push_back({due, 1, Activity::GatherFood, TextOf(NameId::FruitTrip), need});
    // While an illness will hold him, the meals for all of it are gathered before: the later
    // days of gathering due, each bringing what the best way he has brings.
    const HeldTurns held = Held();
    if (held.To < held.From) return;
    Count yield = Info(Food::Fruit).Yield;
    if (weapon.Owned && weapon.WearDaysLeft.Value > 1) {
      yield = DayYield(Food::WildGame);
    } else if (tackle.Owned && tackle.WearDaysLeft.Value > 1) {
      yield = DayYield(Food::Fish);
    }
    const NameId option = yield == Info(Food::Fruit).Yield ? NameId::FruitTrip
                          : weapon.Owned                   ? NameId::Hunting
                                                           : NameId::Fishing;
    for (Count by = due + yield; by <= held.To; by += yield) {
      ++need;
      tasks.push_back({by, 1, Activity::GatherFood, TextOf(option), need});
      if (option != NameId::FruitTrip) {
        tasks.push_back({by, 1, Activity::GatherFood, TextOf(NameId::FruitTrip), need});
      }
    }
  }

  const GameState& s_;
  bool listsOnly_;
  int february_ = kNever;
  int horizon_ = kNever;
  std::optional<Item> tool_;
  std::optional<IllnessPlan> plan_;
  Count fetchFruitBy_ = 0;  // a trip for fruit due by this turn, to break a run of game
  std::vector<Move> meals_;
  std::vector<Work> works_;
  std::size_t meal_ = 0, work_ = 0;
  int pass_ = 0;
  long long plays_ = 0;
};

Move PlannedMove(const GameState& s, bool listsOnly) {
  Planner planner(s, listsOnly);
  Move m;
  GameState after;
  if (planner.Next(m, after)) return m;
  // No way on: eat what there is and do whatever work the boxes offer.
  const std::vector<Move> any = MovesFor(s, listsOnly);
  return any.empty() ? Move{} : any.front();
}

Castaway::Castaway(const GameState& s, bool listsOnly)
    : planner_(std::make_unique<Planner>(s, listsOnly)) {}
Castaway::~Castaway() = default;
bool Castaway::Next(Move& m, GameState& after) { return planner_->Next(m, after); }
long long Castaway::Plays() const { return planner_->Plays(); }

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
