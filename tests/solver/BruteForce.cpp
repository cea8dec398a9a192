#include "BruteForce.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "DayTurn.h"
#include "Handlers.h"
#include "Moves.h"
#include "StateJson.h"

namespace kevolan::solver::testing {
namespace {

class Silence final : public Messenger {
 public:
  void Show(std::string_view) override {}
};

// The whole state as the driver writes it: this search relies on no reasoning of the solver's
// about what a line can tell apart.
std::string WholeState(const GameState& s) {
  std::string key;
  replay::AppendStateJson(key, s);
  return key;
}

std::vector<std::string> AllTexts() {
  std::vector<std::string> texts = {"не то"};
  for (std::size_t i = 1; i < kNameCount; ++i) texts.emplace_back(kNameTexts[i]);
  return texts;
}

// Every day a player can set up, each played through the handlers.
std::vector<GameState> EveryNextDay(const GameState& s) {
  static const std::vector<std::string> texts = AllTexts();
  std::vector<GameState> out;
  if (s.GameOver) return out;
  for (int food = -1; food < 4; ++food) {
    GameState fed = s;
    SetEatToday(fed, food >= 0);
    if (food >= 0) fed.FoodChoice.Type(food == 0 ? "не то" : NameOf(kFoods[food - 1]));
    for (Activity a : {Activity::GatherFood, Activity::Create, Activity::Repair}) {
      GameState busy = fed;
      if (busy.Activity != a && !ClickActivity(busy, a)) continue;
      ChoiceList& box = a == Activity::GatherFood ? busy.GatherChoice
                        : a == Activity::Create   ? busy.CreateChoice
                                                  : busy.RepairChoice;
      if (!box.Enabled && busy.ActivityEnabled) ClickActivity(busy, a);
      if (!box.Enabled) continue;
      for (const std::string& text : texts) {
        GameState day = busy;
        ChoiceList& b = a == Activity::GatherFood ? day.GatherChoice
                        : a == Activity::Create   ? day.CreateChoice
                                                  : day.RepairChoice;
        b.Type(text);
        if (a == Activity::Create) ComboBox3Change(day);
        Silence quiet;
        DayTurn(day, quiet);
        out.push_back(std::move(day));
      }
    }
    if (!fed.ActivityEnabled && fed.Activity == Activity::None) {
      Silence quiet;
      DayTurn(fed, quiet);
      out.push_back(std::move(fed));
    }
  }
  return out;
}

int Fewest(const GameState& s, int depth, std::map<std::pair<std::string, int>, int>& memo) {
  if (depth == 0) return kNoVictory;
  const auto key = std::make_pair(WholeState(s), depth);
  if (const auto at = memo.find(key); at != memo.end()) return at->second;
  int best = kNoVictory;
  for (const GameState& next : EveryNextDay(s)) {
    if (next.Outcome == Outcome::Won) {
      best = 1;
      break;
    }
    if (!next.GameOver) best = std::min(best, 1 + Fewest(next, depth - 1, memo));
  }
  memo[key] = best;
  return best;
}

int Most(const GameState& s, int depth, std::map<std::pair<std::string, int>, int>& memo) {
  if (depth == 0) return -1;
  const auto key = std::make_pair(WholeState(s), depth);
  if (const auto at = memo.find(key); at != memo.end()) return at->second;
  int most = 0;
  for (const GameState& next : EveryNextDay(s)) {
    if (next.Outcome == Outcome::Won) {
      most = -1;
      break;
    }
    const int after = next.GameOver ? 0 : Most(next, depth - 1, memo);
    if (after < 0) {
      most = -1;
      break;
    }
    most = std::max(most, 1 + after);
  }
  memo[key] = most;
  return most;
}

}  // namespace

int FewestTurnsToVictory(const GameState& s, int depth) {
  std::map<std::pair<std::string, int>, int> memo;
  return Fewest(s, depth, memo);
}

int MostTurnsAlive(const GameState& s, int depth) {
  std::map<std::pair<std::string, int>, int> memo;
  return Most(s, depth, memo);
}

}  // namespace kevolan::solver::testing
