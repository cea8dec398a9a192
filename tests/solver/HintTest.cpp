// The hint's verdicts proven right: every victory it claims is played out by the driver, every
// loss it claims is checked by a search that prunes nothing, and the days it gives agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "BruteForce.h"
#include "HintAnswer.h"
#include "Positions.h"
#include "RunReplay.h"
#include "Solver.h"

namespace kevolan::solver::testing {
namespace {

const std::vector<std::string> kDeaths = {
    "Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода",
    "Ваша старая одежда превратилась в лохмотья и вы умерли от холода",
    "Вы не успели починить вашу одежда и она превратилась в лохмотья. Вы умерли от холода :)",
    "Ваша хижина давно не ремонтировалась и от этого развалилась и придавила вас",
    "Ваша пещера обвалилась и и вас задавило",
    "Вы не успели построить жилище в первый месяц и замерзлм"};

class ScriptSource final : public replay::ByteSource {
 public:
  explicit ScriptSource(std::string_view script) : rest_(script) {}
  replay::IoResult Read(char* into, std::size_t room) override {
    const std::size_t n = std::min(room, rest_.size());
    rest_.copy(into, n);
    rest_.remove_prefix(n);
    return {n, 0};
  }

 private:
  std::string_view rest_;
};

class Collected final : public replay::ByteSink {
 public:
  replay::IoResult Write(std::string_view bytes) override {
    Bytes.append(bytes);
    return {bytes.size(), 0};
  }
  std::string Bytes;
};

// The driver's last answer to the script, as kevolan-replay's own loop gives it.
nlohmann::json LastAnswer(const std::string& script) {
  ScriptSource in(script);
  Collected out;
  Collected err;
  EXPECT_EQ(replay::RunReplay(in, out, err), 0) << err.Bytes;
  const std::size_t end = out.Bytes.find_last_of('\n', out.Bytes.size() - 2);
  return nlohmann::json::parse(out.Bytes.substr(end == std::string::npos ? 0 : end + 1));
}

// Won, and by the boat alone: no death came first on the last turn.
void ExpectVictory(const nlohmann::json& answer, const std::string& where) {
  ASSERT_TRUE(answer.contains("Turn")) << where << ": " << answer.dump();
  EXPECT_TRUE(answer["State"]["GameOver"].get<bool>()) << where;
  EXPECT_EQ(answer["State"]["Outcome"], "won") << where;
  bool won = false;
  for (const auto& m : answer["Messages"]) {
    const std::string text = m.get<std::string>();
    for (const std::string& death : kDeaths) EXPECT_NE(text, death) << where;
    won = won || text.rfind("GПоздравляем", 0) == 0;
  }
  EXPECT_TRUE(won) << where;
}

void CheckHint(const Position& p, int& lostChecked, int& unknown) {
  const HintResult r = Hint(p.State);
  ASSERT_FALSE(r.Cancelled);
  if (r.Verdict == Verdict::Unknown) {
    ++unknown;
    return;
  }
  if (r.Verdict == Verdict::Win) {
    ASSERT_FALSE(r.Line.empty()) << p.Name;
    std::string first;
    for (const std::string& c : r.FirstMoveCommands) first += c + "\n";
    EXPECT_EQ(r.Line.substr(0, first.size()), first) << p.Name;
    EXPECT_EQ(r.Line.substr(first.size(), 5), "next\n") << p.Name;
    ExpectVictory(LastAnswer(p.Script + r.Line), p.Name);
    if (r.DaysToVictory >= 0) {
      EXPECT_GE(r.DaysToVictory, 1) << p.Name;
      EXPECT_LE(r.DaysToVictory, static_cast<int>(std::count(r.Line.begin(), r.Line.end(), '\n')))
          << p.Name;
    }
    return;
  }
  EXPECT_NE(r.Death, Outcome::Playing) << p.Name;
  EXPECT_NE(r.Death, Outcome::Won) << p.Name;
  EXPECT_GE(r.DeathInDays, 1) << p.Name;
  if (r.DeathInDays <= 2) {
    // Small enough to try every move of every day.
    EXPECT_EQ(MostTurnsAlive(p.State, r.DeathInDays + 1), r.DeathInDays) << p.Name;
    ++lostChecked;
  }
}

TEST(Hint, PlansAndRandomGames) {
  std::vector<Position> positions = PlanPositions(4);
  const std::vector<Position> random = RandomGamePositions(0, 12, 9);
  positions.insert(positions.end(), random.begin(), random.end());
  int lostChecked = 0;
  int unknown = 0;
  for (const Position& p : positions) CheckHint(p, lostChecked, unknown);
  EXPECT_LE(unknown * 100, static_cast<int>(positions.size()));
}

// The last days of the plans that end in a death, where the hint must see the death coming.
TEST(Hint, LastDaysBeforeADeath) {
  const std::vector<Position> all = PlanPositions(1);
  std::vector<Position> last;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const bool end = i + 1 == all.size() || all[i + 1].Name.substr(0, all[i + 1].Name.find(' ')) !=
                                                all[i].Name.substr(0, all[i].Name.find(' '));
    if (!end) continue;
    for (std::size_t back = 0; back < 4 && back <= i; ++back) last.push_back(all[i - back]);
  }
  int lostChecked = 0;
  int unknown = 0;
  for (const Position& p : last) CheckHint(p, lostChecked, unknown);
  EXPECT_EQ(unknown, 0);
  EXPECT_GE(lostChecked, 5);
}

// A run of game meat left on 25 brings the illness back each time it ends, holding the castaway
// at gathering while his clothes wear out; only eating (a typed name will do) breaks the run.
TEST(Hint, EatingBreaksARunThatKeepsTheIllnessComing) {
  GameState s = NewGame();
  s.WildGameStreak = 25;
  s.SickDays = 1;
  s.ActivityEnabled = false;
  s.Activity = Activity::GatherFood;
  s.GatherChoice.Enabled = true;
  s[Item::OldClothes].WearDaysLeft.Value = 4;
  ASSERT_EQ(MostTurnsAlive(s, 6), -1);  // some line lives on
  const HintResult r = Hint(s);
  ASSERT_EQ(r.Verdict, Verdict::Win);
  EXPECT_NE(r.FirstMove.Food, "ничего");
  EXPECT_EQ(r.FirstMoveCommands.front(), "eat on");
}

TEST(Hint, DoomedOverAndCancelled) {
  const std::atomic<bool> cancel{true};
  HintBudget budget;
  budget.Cancel = &cancel;
  GameState lost = NewGame();
  lost.Day = 30;  // 30 "Января", nothing built: the hut needs four days
  const HintResult r = Hint(lost, budget);
  EXPECT_TRUE(r.Cancelled);
  EXPECT_EQ(r.Verdict, Verdict::Unknown);

  const HintResult doomed = Hint(lost);
  EXPECT_EQ(doomed.Verdict, Verdict::Lost);
  EXPECT_EQ(doomed.Death, Outcome::NoDwelling);
  EXPECT_EQ(doomed.DeathInDays, 2);
  EXPECT_EQ(doomed.DeathDay, 1);
  EXPECT_EQ(doomed.DeathMonth, Month::February);

  // The driver's line for it: every field, with nulls where the verdict has nothing to say.
  const nlohmann::json line = nlohmann::json::parse(replay::HintJson(lost)).at("Hint");
  EXPECT_EQ(line.at("Verdict"), "lost");
  EXPECT_EQ(line.at("Move"), nlohmann::json::array());
  EXPECT_TRUE(line.at("DaysToVictory").is_null());
  EXPECT_EQ(line.at("Death"), "no-dwelling");
  EXPECT_EQ(line.at("DeathInDays"), 2);
  EXPECT_EQ(line.at("DeathDate"), "1 Февраля");
  EXPECT_GT(line.at("Turns").get<long long>(), 0);
  EXPECT_TRUE(line.at("Milliseconds").is_number());
  const nlohmann::json fresh = nlohmann::json::parse(replay::HintJson(NewGame())).at("Hint");
  EXPECT_EQ(fresh.at("Verdict"), "win");
  EXPECT_EQ(fresh.at("DaysToVictory"), 114);
  EXPECT_EQ(fresh.at("Move"), nlohmann::json::array({"activity gather"}));
  EXPECT_TRUE(fresh.at("Death").is_null());
  EXPECT_TRUE(fresh.at("DeathDate").is_null());

  GameState over = NewGame();
  over.GameOver = true;
  over.Outcome = Outcome::Starved;
  const HintResult dead = Hint(over);
  EXPECT_EQ(dead.Verdict, Verdict::Lost);
  EXPECT_EQ(dead.DeathInDays, 0);
  EXPECT_EQ(dead.DeathDay, 30);
  EXPECT_EQ(dead.DeathMonth, Month::December);
}

}  // namespace
}  // namespace kevolan::solver::testing
