// The hint's verdicts proven right and its advice followed to the letter: every victory it
// promises is played out by the driver on exactly the promised day, the next day's hint keeps
// the promise, typed texts come only where no line of listed options wins, and every loss it
// claims is checked by a search that prunes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "Advice.h"
#include "BruteForce.h"
#include "HintAnswer.h"
#include "HintText.h"
#include "Moves.h"
#include "Positions.h"
#include "RunReplay.h"
#include "Search.h"
#include "Solver.h"

namespace kevolan::solver::testing {
namespace {

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

// The driver's answers to the script, one JSON object a line, as kevolan-replay's loop gives them.
std::vector<nlohmann::json> Answers(const std::string& script) {
  ScriptSource in(script);
  Collected out;
  Collected err;
  EXPECT_EQ(replay::RunReplay(in, out, err), 0) << err.Bytes;
  std::vector<nlohmann::json> answers;
  std::size_t at = 0;
  for (std::size_t end; (end = out.Bytes.find('\n', at)) != std::string::npos; at = end + 1) {
    answers.push_back(nlohmann::json::parse(out.Bytes.substr(at, end - at)));
  }
  return answers;
}

struct Tally {
  int Unknown = 0, LostChecked = 0, Typed = 0, Proven = 0;
};

void CheckHint(const Position& p, Tally& tally) {
  Adviser adviser{HintBudget{}};
  const FollowedLine line = adviser.Follow(p.State);
  if (line.Kind == Followed::Undecided) {
    ++tally.Unknown;
    ADD_FAILURE() << p.Name << ": no answer";
    return;
  }
  if (line.Kind == Followed::NoVictory) {
    const HintResult r = Hint(p.State);
    ASSERT_EQ(r.Verdict, Verdict::Lost) << p.Name;
    EXPECT_NE(r.Death, Outcome::Playing) << p.Name;
    EXPECT_NE(r.Death, Outcome::Won) << p.Name;
    EXPECT_GE(r.DeathInDays, 1) << p.Name;
    if (r.DeathInDays <= 2) {
      // Small enough to try every move of every day.
      EXPECT_EQ(MostTurnsAlive(p.State, r.DeathInDays + 1), r.DeathInDays) << p.Name;
      ++tally.LostChecked;
    }
    return;
  }
  // The line the advice leads along, played by the driver: won by the boat alone, on the
  // promised day and date, each day's commands the hint's own.
  const HintResult r = Advised(p.State, line);
  const std::vector<nlohmann::json> answers = Answers(p.Script + ScriptOf(p.State, line.Moves));
  ASSERT_FALSE(answers.empty());
  const nlohmann::json& last = answers.back();
  ASSERT_TRUE(last.contains("Turn")) << p.Name << ": " << last.dump();
  EXPECT_EQ(last["State"]["Outcome"], "won") << p.Name;
  const std::string victory = last["Messages"].back().get<std::string>();
  EXPECT_EQ(victory, "GПоздравляем. Вы благополучно уплыли с острова " +
                         std::to_string(r.VictoryDay) + " " + std::string(NameOf(r.VictoryMonth)))
      << p.Name;
  int turns = 0;
  for (const nlohmann::json& a : answers) turns += a.contains("Turn") ? 1 : 0;
  EXPECT_EQ(last["Turn"].get<int>(), turns) << p.Name;
  // Typed texts only from the first day on which no line of listed options wins.
  GameState w = p.State;
  for (const Move& m : line.Moves) {
    if (TypesText(w, m)) {
      ++tally.Typed;
      EXPECT_TRUE(r.Typed) << p.Name;
      SearchLimits limits;
      limits.ListsOnly = true;
      limits.MaxTurns = HintBudget{}.MaxTurns;
      SearchStats stats;
      EXPECT_TRUE(FindShortest(w, limits, stats).NoVictory) << p.Name << " types on " << w.Day;
      break;
    }
    Play(w, m);
  }
  // Where the hint's proof fits, the advice is the proven shortest line, and the proof fits the
  // day after too, one day shorter; nothing shorter is ever promised than the bound it proved.
  SearchStats stats;
  const ShortestLine proof = FindShortest(p.State, ProofLimits(HintBudget{}, true), stats);
  if (proof.Found) {
    ++tally.Proven;
    EXPECT_TRUE(r.Proven) << p.Name;
    EXPECT_EQ(r.DaysToVictory, static_cast<int>(proof.Moves.size())) << p.Name;
  } else if (!r.Typed) {
    EXPECT_GE(r.DaysToVictory, r.ShortestAtLeast) << p.Name;
    EXPECT_GE(r.ShortestAtLeast, proof.LowerBound) << p.Name;
  }
  // The next day's hint keeps the promise.
  GameState next = p.State;
  Play(next, r.FirstMove);
  if (next.GameOver) return;
  const HintResult after = Hint(next);
  EXPECT_EQ(after.DaysToVictory, r.DaysToVictory - 1) << p.Name;
  EXPECT_EQ(after.VictoryDay, r.VictoryDay) << p.Name;
  if (proof.Found) {
    const ShortestLine tomorrow = FindShortest(next, ProofLimits(HintBudget{}, true), stats);
    EXPECT_TRUE(tomorrow.Found) << p.Name;
    EXPECT_TRUE(after.Proven) << p.Name;
    return;
  }
  // Spared the rounds today's proof answered, tomorrow's proof answers as one of its own.
  SearchLimits spared = ProofLimits(HintBudget{}, true);
  spared.DayBefore = &stats;
  spared.DayBeforeBelow = proof.LowerBound;
  SearchStats alone, sparedStats;
  const ShortestLine a = FindShortest(next, ProofLimits(HintBudget{}, true), alone);
  const ShortestLine b = FindShortest(next, spared, sparedStats);
  EXPECT_EQ(b.Found, a.Found) << p.Name;
  EXPECT_EQ(b.LowerBound, a.LowerBound) << p.Name;
  EXPECT_EQ(ScriptOf(next, b.Moves), ScriptOf(next, a.Moves)) << p.Name;
}

// Positions all through the plans, random games and games that reach the boat's last days by
// lines of every quality: the proof decides the advice near the end, the castaway before it.
TEST(Hint, PlansAndRandomGames) {
  std::vector<Position> positions = PlanPositions(5);
  for (const std::vector<Position>& more :
       {RandomGamePositions(0, 8, 11), SteeredGamePositions(0, 3, 7)}) {
    positions.insert(positions.end(), more.begin(), more.end());
  }
  Tally tally;
  for (const Position& p : positions) CheckHint(p, tally);
  EXPECT_EQ(tally.Unknown, 0);
  EXPECT_GE(tally.Proven, 20);
}

// Where a death is near: the last days of the plans that end in one, and the positions of
// random games a day or two from hunger, rags, a fallen roof, February without a dwelling, an
// illness, or held by one.
TEST(Hint, NearEveryDeath) {
  const std::vector<Position> all = PlanPositions(1);
  std::vector<Position> near;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const bool end = i + 1 == all.size() || all[i + 1].Name.substr(0, all[i + 1].Name.find(' ')) !=
                                                all[i].Name.substr(0, all[i].Name.find(' '));
    if (!end) continue;
    for (std::size_t back = 0; back < 4 && back <= i; ++back) near.push_back(all[i - back]);
  }
  const std::vector<Position> random = NearDeathPositions(12, 6, 5);
  near.insert(near.end(), random.begin(), random.end());
  Tally tally;
  for (const Position& p : near) CheckHint(p, tally);
  EXPECT_EQ(tally.Unknown, 0);
  EXPECT_GE(tally.LostChecked, 5);
}

// Followed hint after hint from a new game, the advice wins on the day it promised at the start,
// within a twentieth of the shortest victory of listed options.
TEST(Hint, FollowedFromANewGame) {
  constexpr int kShortestListed = 172;  // proven by kevolan-solve --lists-only
  GameState s = NewGame();
  const HintResult first = Hint(s);
  ASSERT_EQ(first.Verdict, Verdict::Win);
  EXPECT_FALSE(first.Typed);
  EXPECT_LE(first.DaysToVictory * 100, kShortestListed * 105);
  int days = 0;
  while (!s.GameOver && days <= first.DaysToVictory) {
    const HintResult r = Hint(s);
    ASSERT_EQ(r.Verdict, Verdict::Win) << "day " << days;
    ASSERT_EQ(r.DaysToVictory, first.DaysToVictory - days) << "day " << days;
    ASSERT_FALSE(TypesText(s, r.FirstMove));
    Play(s, r.FirstMove);
    ++days;
  }
  EXPECT_EQ(s.Outcome, Outcome::Won);
  EXPECT_EQ(days, first.DaysToVictory);
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
  EXPECT_EQ(HintText(lost, doomed),
            "Спастись с острова уже нельзя: что бы вы ни делали, вы не успеете построить жилище и "
            "замёрзнете не позже 1 Февраля, через 2 дня.");

  // The driver's line for it: every field, with nulls where the verdict has nothing to say.
  const nlohmann::json line = nlohmann::json::parse(replay::HintJson(lost)).at("Hint");
  EXPECT_EQ(line.at("Verdict"), "lost");
  EXPECT_EQ(line.at("Move"), nlohmann::json::array());
  EXPECT_TRUE(line.at("DaysToVictory").is_null());
  EXPECT_TRUE(line.at("VictoryDate").is_null());
  EXPECT_EQ(line.at("Death"), "no-dwelling");
  EXPECT_EQ(line.at("DeathInDays"), 2);
  EXPECT_EQ(line.at("DeathDate"), "1 Февраля");
  EXPECT_GT(line.at("Turns").get<long long>(), 0);
  EXPECT_TRUE(line.at("Milliseconds").is_number());
  const HintResult fresh = Hint(NewGame());
  const nlohmann::json won = nlohmann::json::parse(replay::HintJson(NewGame())).at("Hint");
  EXPECT_EQ(won.at("Verdict"), "win");
  EXPECT_EQ(won.at("DaysToVictory"), fresh.DaysToVictory);
  EXPECT_EQ(won.at("VictoryDate"),
            std::to_string(fresh.VictoryDay) + " " + std::string(NameOf(fresh.VictoryMonth)));
  EXPECT_EQ(won.at("Move"), nlohmann::json(fresh.FirstMoveCommands));
  EXPECT_TRUE(won.at("Death").is_null());
  EXPECT_TRUE(won.at("DeathDate").is_null());

  GameState over = NewGame();
  over.GameOver = true;
  over.Outcome = Outcome::Starved;
  const HintResult dead = Hint(over);
  EXPECT_EQ(dead.Verdict, Verdict::Lost);
  EXPECT_EQ(dead.DeathInDays, 0);
  EXPECT_EQ(dead.DeathDay, 30);
  EXPECT_EQ(dead.DeathMonth, Month::December);
}

// The box's words for a move that leaves empty boxes as they are, and for numbers of days Russian
// says alike.
TEST(Hint, WordsForEmptyBoxesAndDays) {
  HintResult r;
  r.Verdict = Verdict::Win;
  r.FirstMove = {true, "", Activity::Create, ""};
  r.DaysToVictory = 1;
  EXPECT_EQ(HintText(NewGame(), r),
            "Спастись с острова ещё можно. Сегодня:\n– отметьте «Питание», еда: оставьте поле "
            "пустым;\n– выберите занятие «Создание», в его поле оставьте поле пустым.\nЛодка "
            "будет готова уже сегодня.");
  const std::pair<int, const char*> days[] = {{1, "день"},   {2, "дня"},   {5, "дней"},
                                              {11, "дней"},  {14, "дней"}, {21, "день"},
                                              {112, "дней"}, {122, "дня"}, {171, "день"}};
  for (const auto& [n, word] : days) EXPECT_EQ(DaysWord(n), word) << n;
}

}  // namespace
}  // namespace kevolan::solver::testing
