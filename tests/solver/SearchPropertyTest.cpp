// The bound and the searches against a search that prunes nothing, on positions a few days from
// the end: the bound never passes the true fewest days, the moves the solver leaves out never
// hold a sooner victory, and the shortest victory it proves is the true one.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "Bound.h"
#include "BruteForce.h"
#include "Moves.h"
#include "Positions.h"
#include "Search.h"

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
  RC_ASSERT(ClothesWorkAtLeast(s, turns) <= ClothesWorkAtLeast(s, turns + 1));
  RC_ASSERT(DwellingWorkAtLeast(s, turns) <= DwellingWorkAtLeast(s, turns + 1));
  RC_ASSERT(FoodWorkAtLeast(s, turns) <= FoodWorkAtLeast(s, turns + 1));
}

}  // namespace
}  // namespace kevolan::solver::testing
