// The review after the end, over whole games: a lost game turns on a day whose hint still wins,
// every later day's being lost, and that day's advice keeps the way open; a victory stands
// against the shortest from each day the budget proves; one budget for it all; the driver's line
// says the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "HintText.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Review.h"
#include "ReviewAnswer.h"
#include "ReviewText.h"
#include "StateJson.h"

namespace kevolan::solver::testing {
namespace {

std::string Plan(const std::string& name) {
  std::ifstream in(std::filesystem::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans" / (name + ".txt"));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The script's lines up to the start of day `day` (from 0), then `commands`, played.
GameState PlayedTo(const std::string& script, int day, const std::vector<std::string>& commands) {
  std::istringstream lines(script);
  std::string line;
  std::string played;
  for (int nexts = 0; nexts < day && std::getline(lines, line); nexts += line == "next") {
    played += line + "\n";
  }
  for (const std::string& c : commands) played += c + "\n";
  replay::ReplaySession session;
  EXPECT_TRUE(replay::PlayScript(session, played).Error.empty());
  return session.State();
}

// A script played by the driver, which keeps its days; their review and the driver's line.
struct Reviewed {
  std::shared_ptr<const GameRecord> Record;
  ReviewResult Result;
  nlohmann::json Line;
};

Reviewed Review(const std::string& script, const HintBudget& budget = {}, bool line = true) {
  Reviewed p;
  replay::ReplaySession session;
  p.Record = replay::AnswerReviews(session);
  EXPECT_TRUE(replay::PlayScript(session, script).Error.empty());
  EXPECT_TRUE(session.State().GameOver && p.Record->Now() == session.State());
  p.Result = solver::Review(*p.Record, budget);
  std::string out;
  if (line) session.Run(replay::ParseLine("review").Command, "review", out);
  if (line) p.Line = nlohmann::json::parse(out).at("Review");
  return p;
}

TEST(Review, ALostGameTurnsOnItsLastWinnableDay) {
  // Five idle days at the boat, then a sixth with its box emptied: starved on that day.
  const std::string emptied =
      "activity create\npick create 4\nnext\nnext\nnext\nnext\nnext\n"
      "type create\nnext\n";
  for (const std::string& script :
       {Plan("died-of-hunger"), Plan("old-clothes-worn-out"), Plan("new-clothes-worn-out"),
        Plan("hut-collapsed"), Plan("cave-fell-in"), Plan("no-dwelling-in-february"), emptied}) {
    SCOPED_TRACE(script.substr(0, 60));
    const Reviewed p = Review(script);
    const ReviewResult& r = p.Result;
    const GameRecord& days = *p.Record;
    ASSERT_EQ(r.Days, days.DaysPlayed());
    ASSERT_EQ(days.FirstKept(), 0);
    EXPECT_EQ(r.UndecidedDay, -1);
    EXPECT_LE(r.TurnsPlayed, HintBudget{}.MaxTurns);
    ASSERT_GE(r.TurningDay, 0);
    const long long k = r.TurningDay;
    EXPECT_EQ(Hint(days.Day(k).Start).Verdict, Verdict::Win);
    for (long long later = k + 1; later < r.Days; ++later) {
      EXPECT_EQ(Hint(days.Day(later).Start).Verdict, Verdict::Lost) << "day " << later;
    }
    // The day's commands as played lead to the next day as it was; its advice, to a day that
    // can still be won.
    std::vector<std::string> played = r.Played;
    played.push_back("next");
    EXPECT_TRUE(PlayedTo(script, r.TurningDay, played) ==
                (k + 1 < r.Days ? days.Day(k + 1).Start : days.Now()));
    std::vector<std::string> saving = r.Saving;
    saving.push_back("next");
    const GameState saved = PlayedTo(script, r.TurningDay, saving);
    EXPECT_TRUE(saved.Outcome == Outcome::Won ||
                (!saved.GameOver && Hint(saved).Verdict == Verdict::Win));
    // The driver's own review of the days it kept is this one.
    nlohmann::json same = nlohmann::json::parse(replay::ReviewJson(r)).at("Review");
    same["Milliseconds"] = p.Line.at("Milliseconds");
    EXPECT_EQ(p.Line, same);
    EXPECT_EQ(p.Line.at("TurningDate"), DateShown(days.Day(k).Start));
    if (script == emptied) {
      EXPECT_EQ(r.Played, std::vector<std::string>{"type create"});
      EXPECT_NE(ReviewText(*p.Record, r).find("\n– занятие «Создание», его поле пустое.\n"),
                std::string::npos);
    }
  }
}

TEST(Review, AVictoryStandsAgainstTheShortestFromEachDayProven) {
  // The shortest victories themselves lose no day, whatever the kind of choices; the driver's
  // line says so with the whole budget.
  const Reviewed typed = Review(Plan("shortest-victory"));
  EXPECT_FALSE(typed.Result.ListsOnly);
  EXPECT_EQ(typed.Result.Days, kShortestVictory);
  EXPECT_EQ(typed.Line.at("ShortestDays"), kShortestVictory);
  EXPECT_EQ(typed.Line.at("DaysLost"), 0);
  EXPECT_TRUE(typed.Line.at("TurningDate").is_null() && typed.Line.at("Played").is_null());
  const Reviewed listed = Review(Plan("shortest-listed-victory"), {}, false);
  EXPECT_TRUE(listed.Result.ListsOnly);
  EXPECT_EQ(listed.Result.Days, kShortestListedVictory);
  EXPECT_EQ(listed.Result.ShortestDays, kShortestListedVictory);
  EXPECT_EQ(listed.Result.DaysLost, 0);

  // A castaway who is fed, clothed and housed first loses days to the shortest from the turning
  // day on, and fewer from the day after it.
  const Reviewed p = Review(Plan("won-by-boat"), {}, false);
  const ReviewResult& r = p.Result;
  EXPECT_EQ(r.ShortestDays, kShortestListedVictory);
  ASSERT_GT(r.DaysLost, 0);
  ASSERT_GT(r.TurningDay, r.UndecidedDay);
  ShortestLimits lists;
  lists.ListsOnly = true;
  const ShortestResult from = Shortest(p.Record->Day(r.TurningDay).Start, lists);
  const ShortestResult after = Shortest(p.Record->Day(r.TurningDay + 1).Start, lists);
  ASSERT_TRUE(from.Proven && after.Proven);
  EXPECT_EQ(r.Days - r.TurningDay - from.Days, r.DaysLost);
  EXPECT_LT(r.Days - r.TurningDay - 1 - after.Days, r.DaysLost);
  EXPECT_EQ(from.Days, r.ShortestFromTurning);
  const nlohmann::json line = nlohmann::json::parse(replay::ReviewJson(r)).at("Review");
  EXPECT_EQ(line.at("TurningDate"), DateShown(p.Record->Day(r.TurningDay).Start));
  EXPECT_EQ(line.at("DaysLost"), r.DaysLost);
  EXPECT_EQ(line.at("ShortestFromTurning"), from.Days);
}

// The budget is the whole review's, each search getting what is left, and what it could not
// decide is said.
TEST(Review, OneBudgetForTheWholeReview) {
  const Reviewed lost = Review(Plan("no-dwelling-in-february"));
  const ReviewResult& full = lost.Result;
  HintBudget most;  // enough for the days lost, not for the one that won
  most.MaxTurns = full.TurnsPlayed - Hint(lost.Record->Day(full.TurningDay).Start).TurnsPlayed;
  const ReviewResult cut = solver::Review(*lost.Record, most);
  EXPECT_EQ(cut.TurningDay, -1);
  ASSERT_EQ(cut.UndecidedDay, full.TurningDay);
  EXPECT_EQ(ReviewText(*lost.Record, cut),
            "С " + DateShown(lost.Record->Day(cut.UndecidedDay + 1).Start) +
                " спастись было уже нельзя. Можно ли было ещё спастись " + full.TurningDate +
                ", понять вовремя не удалось: вариантов слишком много.");

  // A victory is looked at from its end while the hint's measure proves the shortest from a
  // day: with no state allowed a round, only the days when the boat was a day from done, which
  // no round need meet; the first of them lost the most.
  HintBudget none;
  none.ProofStates = 0;
  const Reviewed won = Review(Plan("won-by-boat"), none, false);
  const ReviewResult& last = won.Result;
  ASSERT_GE(last.UndecidedDay, 0);
  const auto boat = [&](long long day) {
    return won.Record->Day(day).Start[Item::Boat].BuildDaysLeft.Value;
  };
  EXPECT_GT(boat(last.UndecidedDay), 1);
  for (long long day = last.UndecidedDay + 1; day < last.Days; ++day) EXPECT_EQ(boat(day), 1);
  const long long took = last.Days - last.UndecidedDay - 1;
  EXPECT_EQ(ReviewText(*won.Record, last),
            "Вы уплыли с острова за 250 дней. Самый короткий путь с начала игры, если выбирать "
            "только пункты списков, — 172 дня.\nБольше всего дней потеряно с " +
                DateShown(won.Record->Day(last.UndecidedDay + 1).Start) +
                ": оттуда можно было уплыть за 1 день, а ушло " + std::to_string(took) + " — на " +
                std::to_string(took - 1) + " " + DaysWord(took - 1) +
                " больше.\nПроверены дни с " +
                DateShown(won.Record->Day(last.UndecidedDay + 1).Start) +
                ": на более ранние не хватило времени.");

  const std::atomic<bool> cancel{true};
  HintBudget stopped;
  stopped.Cancel = &cancel;
  EXPECT_TRUE(solver::Review(*lost.Record, stopped).Cancelled);
}

// A day counts as typed when a box shows a text its list does not hold, left there or typed; an
// emptied box is no text. Only the last days are kept. The victory's words for days lost.
TEST(Review, TheKindOfChoicesAndTheWordsOfDaysLost) {
  GameState end = NewGame();
  end.GameOver = true;
  end.Outcome = Outcome::Won;
  GameState pressed = NewGame();
  pressed.EatToday = true;
  HintBudget none;
  none.MaxTurns = 0;
  GameRecord hungry;
  hungry.Played(pressed, end);
  EXPECT_TRUE(solver::Review(hungry, none).ListsOnly);
  pressed.FoodChoice.Type("Фрукты");  // no fruit is listed in a new game
  GameRecord typed;
  typed.Played(pressed, end);
  EXPECT_EQ(solver::Review(typed, none).ShortestDays, kShortestVictory);

  // A long game keeps its last days only, and its first day's kind of choices.
  GameState boat = NewGame();
  boat[Item::Boat].BuildDaysLeft.Value = 1;
  GameRecord longGame(boat);
  longGame.Played(pressed, boat);
  for (int i = 0; i < GameRecord::kKeptDays + 4; ++i) longGame.Played(boat, boat);
  longGame.Played(boat, end);
  const ReviewResult kept = solver::Review(longGame);
  EXPECT_EQ(kept.Days, GameRecord::kKeptDays + 6);
  EXPECT_FALSE(kept.ListsOnly);
  EXPECT_EQ(kept.UndecidedDay, longGame.FirstKept() - 1);
  EXPECT_EQ(kept.TurningDay, longGame.FirstKept());
  EXPECT_EQ(kept.DaysLost, GameRecord::kKeptDays - 1);
  EXPECT_NE(ReviewText(longGame, kept).find(": более ранние игра не хранит."), std::string::npos);

  ReviewResult r;
  r.Outcome = Outcome::Won;
  r.Days = 206;
  r.ListsOnly = true;
  r.ShortestDays = kShortestListedVictory;
  r.DaysLost = 31;
  r.TurningDay = 3;
  r.TurningDate = "4 Января";
  r.ShortestFromTurning = 172;
  GameRecord many;
  for (int i = 0; i < 206; ++i) many.Played(NewGame(), end);
  EXPECT_EQ(ReviewText(many, r),
            "Вы уплыли с острова за 206 дней. Самый короткий путь с начала игры, если выбирать "
            "только пункты списков, — 172 дня.\nБольше всего дней потеряно с 4 Января: оттуда "
            "можно было уплыть за 172 дня, а ушло 203 — на 31 день больше.");
}

}  // namespace
}  // namespace kevolan::solver::testing
