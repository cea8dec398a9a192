// The bound, the dues and the searches against the truth: along whole winning lines (the proven
// shortest ones, and the hint's from positions of the plans and of random games) the bound never
// passes the days left and the dues always fit; near the end of games, against a search that
// prunes nothing; the listed moves are exactly the days a player can set up by picking.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "Advice.h"
#include "Bound.h"
#include "BruteForce.h"
#include "DayTurn.h"
#include "Dues.h"
#include "Handlers.h"
#include "Limits.h"
#include "Moves.h"
#include "Positions.h"
#include "Search.h"
#include "StateJson.h"
#include "StateKey.h"

namespace kevolan::solver::testing {
namespace {

const std::vector<Position>& Pool() {
  static const std::vector<Position> pool = [] {
    std::vector<Position> p = PlanPositions(7);
    const std::vector<Position> random = RandomGamePositions(20, 8, 11);
    p.insert(p.end(), random.begin(), random.end());
    return p;
  }();
  return pool;
}

// The states between the turns of a plan of tests/plans, from a new game.
std::vector<GameState> PlanStates(const std::string& name) {
  std::ifstream in(std::filesystem::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans" / name,
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<Position> positions;
  AddPositions(name, text.str(), 1, positions);
  std::vector<GameState> states;
  for (const Position& p : positions) states.push_back(p.State);
  return states;
}

// Along a line that wins in `days` turns from states[0]: the bound never says more days than
// are left, and the work due always fits.
void ExpectBoundHolds(const std::vector<GameState>& states, int days, bool listsOnly,
                      const std::string& name) {
  for (std::size_t k = 0; k < states.size(); ++k) {
    const GameState& s = states[k];
    const int left = days - static_cast<int>(k);
    const int february = TurnsToFebruaryFirst(s, kYearAhead);
    EXPECT_LE(TurnsToVictoryAtLeast(s, listsOnly, february), left)
        << name << " after " << k << " turns";
    EXPECT_TRUE(DuesFit(s, left, february, listsOnly)) << name << " after " << k << " turns";
  }
}

// The proven shortest victories: with typed texts the bound is exact at the start; with listed
// options it may be off by no more than a day, and is never above the days left.
TEST(Bound, HoldsAlongTheShortestVictories) {
  const std::vector<GameState> typed = PlanStates("shortest-victory.txt");
  const std::vector<GameState> listed = PlanStates("shortest-listed-victory.txt");
  ASSERT_EQ(typed.size(), 114u);
  ASSERT_EQ(listed.size(), 172u);
  EXPECT_EQ(TurnsToVictoryAtLeast(typed.front(), false), 114);
  EXPECT_GE(TurnsToVictoryAtLeast(listed.front(), true), 171);
  ExpectBoundHolds(typed, 114, false, "shortest-victory");
  ExpectBoundHolds(listed, 172, true, "shortest-listed-victory");
  ExpectBoundHolds(listed, 172, false, "shortest-listed-victory, typed bound");
  // A third of the way, the bound is one day short: the deepening must raise it to find the
  // line's rest.
  const GameState& third = listed[64];
  ASSERT_EQ(TurnsToVictoryAtLeast(third, true), 107);
  SearchLimits limits;
  limits.ListsOnly = true;
  SearchStats stats;
  const ShortestLine rest = FindShortest(third, limits, stats);
  ASSERT_TRUE(rest.Found);
  EXPECT_EQ(rest.Moves.size(), 108u);
}

// The hint's whole lines from positions all through the plans and random games.
TEST(Bound, HoldsAlongTheHintsLines) {
  for (std::size_t i = 0; i < Pool().size(); i += 3) {
    const Position& p = Pool()[i];
    Adviser adviser(HintBudget{});
    const FollowedLine line = adviser.Follow(p.State);
    if (line.Kind != Followed::Win) continue;
    std::vector<GameState> states = {p.State};
    for (const Move& m : line.Moves) {
      GameState next = states.back();
      ASSERT_TRUE(Play(next, m)) << p.Name;
      if (!next.GameOver) states.push_back(next);
    }
    const int days = static_cast<int>(line.Moves.size());
    ExpectBoundHolds(states, days, false, p.Name);
    if (!line.Typed) ExpectBoundHolds(states, days, true, p.Name);
  }
}

// A lost position: every line followed to its death, and none wins.
TEST(Search, ProvesThatNoLineWins) {
  GameState lost = NewGame();
  lost.Day = 30;  // 30 "Января", nothing built: the hut needs four days
  for (bool listsOnly : {false, true}) {
    SearchLimits limits;
    limits.ListsOnly = listsOnly;
    SearchStats stats;
    const ShortestLine line = FindShortest(lost, limits, stats);
    EXPECT_FALSE(line.Found);
    EXPECT_TRUE(line.NoVictory);
  }
}

// 1 "Июня", the boat 20 days from done, a hut, no hungry day left, a run of one food three days
// from its illness with little of it in store, the old clothes worn to 6 days and the hut to 7:
// an illness now would hold one activity for ten days, while both repairs and the meals fall
// due. Which run, and whether another food can break it, says whether listed options still win.
GameState RunAboutToStrike(Food on, Count run, Count stock, Count clothes, Count hut) {
  GameState s = NewGame();
  s.Month = Month::June;
  s[Item::Hut].Owned = true;
  s[Item::Hut].WearDaysLeft.Value = hut;
  s.CreateChoice.Remove(Item::Hut);
  s.RepairChoice.Append(Item::Hut);
  s[Item::OldClothes].WearDaysLeft.Value = clothes;
  s[Item::Boat].BuildDaysLeft.Value = 20;
  s.HungryDays = kHungerLimit;
  s.Streak(on) = run;
  s.Stock(on) = stock;
  s.FoodChoice.Append(IdOf(on));
  return s;
}

// The dues see both ways out of a run: a day of fruit eaten before the run strikes breaks a run
// of game, and the first advice of listed options takes it; a run of fruit on its last day, with
// nothing else to eat, strikes whatever is done, and no line of listed options outlives it.
TEST(Dues, ARunOfOneFoodIsBrokenOnlyByAnotherFood) {
  const GameState game = RunAboutToStrike(Food::WildGame, 22, 5, 6, 7);
  ASSERT_LT(TurnsToVictoryAtLeast(game, true), kNever);
  const HintResult r = Hint(game);
  ASSERT_EQ(r.Verdict, Verdict::Win);
  EXPECT_FALSE(r.Typed);
  EXPECT_EQ(r.DaysToVictory, 34);

  const GameState fruit = RunAboutToStrike(Food::Fruit, 24, 1, 3, 7);
  EXPECT_EQ(TurnsToVictoryAtLeast(fruit, true), kNever);
  SearchLimits limits;
  limits.ListsOnly = true;
  SearchStats stats;
  const Fate fate = LongestLife(fruit, 40, limits, stats);
  EXPECT_TRUE(fate.Decided);
  EXPECT_FALSE(fate.Win);
}

// A position of the pool with the boat `days` from done.
GameState NearTheEnd() {
  const auto at = *rc::gen::inRange<std::size_t>(0, Pool().size());
  GameState s = Pool()[at].State;
  s[Item::Boat].BuildDaysLeft.Value = *rc::gen::inRange(1, 3);  // 1 or 2
  return s;
}

// Fewest turns over the solver's own moves, with no bound and no table.
int FewestOver(const GameState& s, bool listsOnly, int depth) {
  if (depth == 0) return kNoVictory;
  int best = kNoVictory;
  for (const Move& m : MovesFor(s, listsOnly)) {
    GameState t = s;
    if (!Play(t, m)) continue;
    if (t.Outcome == Outcome::Won) return 1;
    if (!t.GameOver) best = std::min(best, 1 + FewestOver(t, listsOnly, depth - 1));
  }
  return best;
}

RC_GTEST_PROP(Search, TypedMovesLoseNoVictoryAndTheBoundNeverOvershoots, ()) {
  const GameState s = NearTheEnd();
  const int depth = static_cast<int>(s[Item::Boat].BuildDaysLeft.Value) + 1;
  const int truth = FewestTurnsToVictory(s, depth);
  RC_ASSERT(FewestOver(s, false, depth) == truth);
  if (truth < kNoVictory) RC_ASSERT(TurnsToVictoryAtLeast(s, false) <= truth);
  SearchStats stats;
  const ShortestLine line = FindShortest(s, SearchLimits{}, stats);
  if (truth < kNoVictory) {
    RC_ASSERT(line.Found);
    RC_ASSERT(static_cast<int>(line.Moves.size()) == truth);
  } else if (line.Found) {
    RC_ASSERT(static_cast<int>(line.Moves.size()) > depth);
  }
}

RC_GTEST_PROP(Search, ListsOnlyBoundNeverOvershoots, ()) {
  const GameState s = NearTheEnd();
  const int depth = static_cast<int>(s[Item::Boat].BuildDaysLeft.Value) + 1;
  const int truth = FewestOver(s, true, depth);
  RC_TAG(truth < kNoVictory);
  if (truth < kNoVictory) RC_ASSERT(TurnsToVictoryAtLeast(s, true) <= truth);
  SearchLimits limits;
  limits.ListsOnly = true;
  limits.MaxTurns = 2'000'000;
  SearchStats stats;
  const ShortestLine line = FindShortest(s, limits, stats);
  if (truth < kNoVictory) {
    RC_ASSERT(line.Found);
    RC_ASSERT(static_cast<int>(line.Moves.size()) == truth);
  }
}

// The counts of work each need takes grow with the turns asked for: the bound's climb to its
// least fixed point relies on it.
RC_GTEST_PROP(Search, NeedsGrowWithTheTurns, ()) {
  const auto at = *rc::gen::inRange<std::size_t>(0, Pool().size());
  const GameState& s = Pool()[at].State;
  const int turns = *rc::gen::inRange(0, 400);
  const bool listsOnly = *rc::gen::arbitrary<bool>();
  const int february = TurnsToFebruaryFirst(s, kYearAhead);
  const Needs now = NeedsFor(s, turns, listsOnly, february);
  const Needs later = NeedsFor(s, turns + 1, listsOnly, february);
  RC_ASSERT(now.Clothes <= later.Clothes);
  RC_ASSERT(now.Dwelling <= later.Dwelling);
  RC_ASSERT(now.Food <= later.Food);
}

// The search follows one of two states with equal keys for both, so whatever a rule reads in a
// turn to come must tell keys apart: each such field, changed alone, changes the key.
RC_GTEST_PROP(StateKey, TellsApartWhatTheRulesRead, ()) {
  const auto at = *rc::gen::inRange<std::size_t>(0, Pool().size());
  const GameState& s = Pool()[at].State;
  const bool listsOnly = *rc::gen::arbitrary<bool>();
  const std::optional<StateKey> key = KeyOf(s, listsOnly);
  RC_PRE(key.has_value());
  std::vector<std::pair<std::string, GameState>> changed;
  const auto change = [&](const std::string& what, const auto& edit) {
    GameState t = s;
    edit(t);
    changed.emplace_back(what, t);
  };
  change("month", [](GameState& t) { t.Month = static_cast<Month>((static_cast<int>(t.Month) + 1) % 12); });
  change("day", [](GameState& t) { t.Day = t.Day % 27 + 1; });
  change("illness", [](GameState& t) { t.SickDays = t.SickDays == 0 ? 3 : t.SickDays - 1; });
  change("activity lock", [](GameState& t) { t.ActivityEnabled = !t.ActivityEnabled; });
  change("activity", [](GameState& t) {
    t.Activity = t.Activity == Activity::Create ? Activity::Repair : Activity::Create;
  });
  for (const ItemInfo& info : kItemTable) {
    const std::string name(info.Key);
    if (info.Made != Making::Never) {
      change(name + " build", [&](GameState& t) { t[info.Id].BuildDaysLeft.Value -= 1; });
    }
    if (!info.Kept()) continue;
    change(name + " owned", [&](GameState& t) { t[info.Id].Owned = !t[info.Id].Owned; });
    change(name + " repair", [&](GameState& t) {
      Count& c = t[info.Id].RepairDaysLeft.Value;
      c = c > 1 ? c - 1 : c + 1;
    });
    change(name + " wear", [&](GameState& t) {
      Count& c = t[info.Id].WearDaysLeft.Value;
      c = c > 1 ? c - 1 : c + 1;
    });
  }
  const Food on = *rc::gen::element(Food::Fruit, Food::Fish, Food::WildGame);
  change("run", [&](GameState& t) {
    const Count run = t.Streak(on) + 1;
    t.FruitStreak = t.FishStreak = t.WildGameStreak = 0;
    t.Streak(on) = run;
  });
  if (listsOnly) {
    change("hunger", [](GameState& t) { t.HungryDays = t.HungryDays == 0 ? 1 : t.HungryDays - 1; });
    change("store", [&](GameState& t) { t.Stock(on) += 1; });
  }
  for (const auto& [what, t] : changed) {
    const std::optional<StateKey> other = KeyOf(t, listsOnly);
    if (other && *other == *key) RC_FAIL("the same key with the " + what + " changed");
  }
}

std::string Whole(const GameState& s) {
  std::string json;
  replay::AppendStateJson(json, s);
  return json;
}

// Every day a player can set up at the window by picking alone, through the window's handlers:
// "Питание" off or a food picked, then an activity the group allows and an option picked from its
// box; with no box to pick from (an illness holding an activity whose box lists nothing), the
// meal alone.
std::set<std::string> PickedDays(const GameState& from) {
  class Silence final : public Messenger {
   public:
    void Show(std::string_view) override {}
  } quiet;
  std::set<std::string> days, mealsOnly;
  for (int food = -1; food < static_cast<int>(from.FoodChoice.Size()); ++food) {
    GameState fed = from;
    SetEatToday(fed, food >= 0);
    if (food >= 0 && !fed.FoodChoice.Pick(food)) continue;
    GameState idle = fed;
    DayTurn(idle, quiet);
    mealsOnly.insert(Whole(idle));
    for (Activity a : {Activity::GatherFood, Activity::Create, Activity::Repair}) {
      for (int option = 0; option < 6; ++option) {
        GameState t = fed;
        if (t.Activity != a && !ClickActivity(t, a)) continue;
        ChoiceList* box = BoxOf(t, a);
        if (!box->Enabled || !box->Pick(option)) continue;
        if (a == Activity::Create) ComboBox3Change(t);
        DayTurn(t, quiet);
        days.insert(Whole(t));
      }
    }
  }
  return days.empty() ? mealsOnly : days;
}

RC_GTEST_PROP(Moves, ListMovesAreTheDaysPickingSetsUp, ()) {
  const auto at = *rc::gen::inRange<std::size_t>(0, Pool().size());
  const GameState& s = Pool()[at].State;
  std::set<std::string> listed;
  for (const Move& m : ListMoves(s)) {
    GameState t = s;
    if (Play(t, m)) listed.insert(Whole(t));
  }
  RC_ASSERT(listed == PickedDays(s));
}

}  // namespace
}  // namespace kevolan::solver::testing
