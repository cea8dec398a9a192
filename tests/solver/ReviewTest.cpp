// The review after the end, over whole games: the plans that die are lost on a day whose hint
// still wins, with every later day's hint lost, and the day's advice keeps the way open; the
// victories stand against the shortest from each day the budget proves; the driver says the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Handlers.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Review.h"
#include "ReviewAnswer.h"
#include "ReviewText.h"
#include "Solver.h"
#include "StateJson.h"

namespace kevolan::solver::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadPlan(const std::string& name) {
  std::ifstream in(fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans" / (name + ".txt"),
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The script's lines up to the start of day `day` (counted from 0): its first `day` "next"s.
std::string UpToDay(const std::string& script, int day) {
  std::istringstream lines(script);
  std::string line;
  std::string out;
  for (int nexts = 0; nexts < day && std::getline(lines, line);) {
    out += line + "\n";
    nexts += line == "next" ? 1 : 0;
  }
  return out;
}

// A session that plays `script` and then `commands`, each line as the driver would.
GameState Played(const std::string& script, const std::vector<std::string>& commands) {
  replay::ReplaySession session;
  std::string lines = script;
  for (const std::string& c : commands) lines += c + "\n";
  EXPECT_TRUE(replay::PlayScript(session, lines).Error.empty());
  return session.State();
}

// A plan played by the driver, which keeps its days; its review, and the driver's line for it.
struct ReviewedPlan {
  std::string Script;
  std::shared_ptr<const GameRecord> Record;
  ReviewResult Result;
  nlohmann::json Line;
};

ReviewedPlan ReviewedScript(const std::string& script, const HintBudget& budget = {}) {
  ReviewedPlan p;
  p.Script = script;
  replay::ReplaySession session;
  p.Record = replay::AnswerReviews(session);
  EXPECT_TRUE(replay::PlayScript(session, p.Script).Error.empty());
  EXPECT_TRUE(session.State().GameOver);
  EXPECT_TRUE(p.Record->Now() == session.State());
  p.Result = Review(*p.Record, budget);
  std::string out;
  session.Run(replay::ParseLine("review").Command, "review", out);
  p.Line = nlohmann::json::parse(out).at("Review");
  return p;
}

ReviewedPlan Reviewed(const std::string& name, const HintBudget& budget = {}) {
  return ReviewedScript(ReadPlan(name), budget);
}

// Five idle days at the boat, then a sixth with its box emptied: starved, lost on that day.
std::string EmptiedBoxOnTheLastDay() {
  std::string script = "activity create\npick create 4\n";
  for (int day = 0; day < 5; ++day) script += "next\n";
  return script + "type create\nnext\n";
}

TEST(Review, ALostGameTurnsOnItsLastWinnableDay) {
  for (const char* name : {"died-of-hunger", "old-clothes-worn-out", "new-clothes-worn-out",
                           "hut-collapsed", "cave-fell-in", "no-dwelling-in-february", ""}) {
    SCOPED_TRACE(name);
    const ReviewedPlan p = *name ? Reviewed(name) : ReviewedScript(EmptiedBoxOnTheLastDay());
    const ReviewResult& r = p.Result;
    const std::vector<PlayedDay>& days = p.Record->Days();
    ASSERT_EQ(r.Days, static_cast<int>(days.size()));
    EXPECT_EQ(r.Outcome, p.Record->Now().Outcome);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_EQ(r.UndecidedDay, -1);
    EXPECT_LE(r.TurnsPlayed, HintBudget{}.MaxTurns);
    ASSERT_GE(r.TurningDay, 0);
    const auto k = static_cast<std::size_t>(r.TurningDay);
    EXPECT_EQ(r.TurningDate, DateShown(days[k].Start));
    EXPECT_EQ(Hint(days[k].Start).Verdict, Verdict::Win);
    for (std::size_t later = k + 1; later < days.size(); ++later) {
      EXPECT_EQ(Hint(days[later].Start).Verdict, Verdict::Lost) << "day " << later;
    }
    if (!*name) {
      EXPECT_EQ(r.Played, std::vector<std::string>{"type create"});
    }
    // The day's commands as played lead to the next day as it was.
    const std::string before = UpToDay(p.Script, r.TurningDay);
    std::vector<std::string> played = r.Played;
    played.push_back("next");
    const GameState next = k + 1 < days.size() ? days[k + 1].Start : p.Record->Now();
    EXPECT_TRUE(Played(before, played) == next);
    // Following that day's advice instead keeps the island within reach.
    std::vector<std::string> saving = r.Saving;
    saving.push_back("next");
    const GameState saved = Played(before, saving);
    if (saved.Outcome != Outcome::Won) {
      ASSERT_FALSE(saved.GameOver);
      EXPECT_EQ(Hint(saved).Verdict, Verdict::Win);
    }
    // The driver's line says the same.
    EXPECT_EQ(p.Line.at("Outcome"), replay::OutcomeKey(r.Outcome));
    EXPECT_EQ(p.Line.at("Days"), r.Days);
    EXPECT_EQ(p.Line.at("TurningDate"), r.TurningDate);
    EXPECT_EQ(p.Line.at("Played"), nlohmann::json(r.Played));
    EXPECT_EQ(p.Line.at("Saving"), nlohmann::json(r.Saving));
    EXPECT_EQ(p.Line.at("Turns"), r.TurnsPlayed);
    for (const char* none : {"ShortestDays", "DaysLost", "ShortestFromTurning", "Undecided"}) {
      EXPECT_TRUE(p.Line.at(none).is_null()) << none;
    }
  }
}

TEST(Review, AVictoryStandsAgainstTheShortestFromEachDayProven) {
  // The shortest victories themselves: not a day to gain, whatever the kind of choices.
  for (const auto& [name, listsOnly] :
       {std::pair{"shortest-victory", false}, std::pair{"shortest-listed-victory", true}}) {
    SCOPED_TRACE(name);
    const ReviewedPlan p = Reviewed(name);
    EXPECT_EQ(p.Result.Outcome, Outcome::Won);
    EXPECT_EQ(p.Result.ListsOnly, listsOnly);
    EXPECT_EQ(p.Result.Days, listsOnly ? kShortestListedVictory : kShortestVictory);
    EXPECT_EQ(p.Result.ShortestDays, p.Result.Days);
    EXPECT_EQ(p.Result.DaysLost, 0);
    EXPECT_EQ(p.Result.TurningDay, -1);
    EXPECT_TRUE(p.Line.at("TurningDate").is_null());
    EXPECT_EQ(p.Line.at("ShortestDays"), p.Result.Days);
    EXPECT_EQ(p.Line.at("DaysLost"), 0);
    EXPECT_TRUE(p.Line.at("ShortestFromTurning").is_null());
    EXPECT_EQ(p.Line.at("Undecided"), p.Result.UndecidedDay < 0
                                          ? nlohmann::json()
                                          : nlohmann::json(p.Result.UndecidedDate));
    EXPECT_EQ(p.Line.at("Turns"), p.Result.TurnsPlayed);
  }

  // A castaway who is fed, clothed and housed first: listed options only, days lost to the
  // shortest from the turning day on, and fewer from the day after it.
  HintBudget budget;
  budget.MaxTurns = 200'000;  // the last days are enough to find days lost
  const ReviewedPlan p = Reviewed("won-by-boat", budget);
  const ReviewResult& r = p.Result;
  const std::vector<PlayedDay>& days = p.Record->Days();
  EXPECT_TRUE(r.ListsOnly);
  EXPECT_EQ(r.ShortestDays, kShortestListedVictory);
  EXPECT_EQ(r.Days, static_cast<int>(days.size()));
  EXPECT_LE(r.TurnsPlayed, 2 * budget.MaxTurns);
  ASSERT_GT(r.DaysLost, 0);
  ASSERT_GT(r.TurningDay, r.UndecidedDay);
  const auto k = static_cast<std::size_t>(r.TurningDay);
  ShortestLimits lists;
  lists.ListsOnly = true;
  const ShortestResult from = Shortest(days[k].Start, lists);
  ASSERT_TRUE(from.Proven);
  EXPECT_EQ(from.Days, r.ShortestFromTurning);
  EXPECT_EQ(r.Days - r.TurningDay - from.Days, r.DaysLost);
  if (k + 1 < days.size()) {
    const ShortestResult after = Shortest(days[k + 1].Start, lists);
    ASSERT_TRUE(after.Proven);
    EXPECT_LT(r.Days - r.TurningDay - 1 - after.Days, r.DaysLost);
  }
  // The driver's line, with the whole budget: as far back or farther, as many days lost or more.
  EXPECT_GE(p.Line.at("DaysLost").get<int>(), r.DaysLost);
  EXPECT_EQ(p.Line.at("ShortestDays"), kShortestListedVictory);
  EXPECT_TRUE(p.Line.at("ShortestFromTurning").is_number());
  EXPECT_TRUE(p.Line.at("Played").is_null());
  EXPECT_TRUE(p.Line.at("Saving").is_null());
}

// The budget is the review's, not each search's: spent at once it decides nothing, and says so.
TEST(Review, OneBudgetForTheWholeReviewAndWhatItCouldNotDecide) {
  HintBudget tiny;
  tiny.MaxTurns = 1;
  const ReviewedPlan lost = Reviewed("no-dwelling-in-february", tiny);
  EXPECT_EQ(lost.Result.TurningDay, -1);
  EXPECT_EQ(lost.Result.UndecidedDay, lost.Result.Days - 1);
  EXPECT_EQ(ReviewText(*lost.Record, lost.Result),
            "Можно ли было ещё спастись 1 Февраля, понять вовремя не удалось: вариантов слишком "
            "много.");
  // Enough for the last days but not for the day that could still be won.
  const ReviewResult full = Review(*lost.Record);
  ASSERT_GE(full.TurningDay, 0);
  HintBudget most;
  most.MaxTurns = full.TurnsPlayed - 1;
  const ReviewResult cut = Review(*lost.Record, most);
  EXPECT_EQ(cut.TurningDay, -1);
  ASSERT_EQ(cut.UndecidedDay, full.TurningDay);
  EXPECT_EQ(
      ReviewText(*lost.Record, cut),
      "С " + DateShown(lost.Record->Days()[static_cast<std::size_t>(full.TurningDay) + 1].Start) +
          " спастись было уже нельзя. Можно ли было ещё спастись " + full.TurningDate +
          ", понять вовремя не удалось: вариантов слишком много.");

  // The boat's last day is proven at once; the day before it not within one day turn.
  const ReviewedPlan won = Reviewed("won-by-boat", tiny);
  EXPECT_EQ(won.Result.DaysLost, 0);
  EXPECT_EQ(won.Result.UndecidedDay, won.Result.Days - 2);
  const std::string said = ReviewText(*won.Record, won.Result);
  EXPECT_NE(
      said.find("\nНи с одного проверенного дня нельзя было уплыть быстрее.\nПроверены дни с " +
                DateShown(won.Record->Days().back().Start) +
                ": на более ранние не хватило времени."),
      std::string::npos)
      << said;
  HintBudget spent;
  spent.MaxTurns = 0;
  const ReviewResult none = Review(*won.Record, spent);
  EXPECT_EQ(none.DaysLost, -1);
  EXPECT_EQ(none.UndecidedDay, none.Days - 1);
  EXPECT_NE(ReviewText(*won.Record, none)
                .find("\nС какого дня можно было уплыть быстрее, понять вовремя не удалось"),
            std::string::npos);

  const std::atomic<bool> cancel{true};
  HintBudget stopped;
  stopped.Cancel = &cancel;
  EXPECT_TRUE(Review(*lost.Record, stopped).Cancelled);

  // Before the end there is nothing to review.
  GameRecord going;
  GameState s = NewGame();
  const GameState pressed = s;
  EXPECT_EQ(Review(going).Outcome, Outcome::Playing);
  going.Played(pressed, s);
  EXPECT_EQ(Review(going).Days, 0);
}

// The box's words for each kind of answer, the choices as the boxes showed them.
TEST(Review, Words) {
  GameRecord record;
  GameState start = NewGame();
  start.Day = 17;
  GameState pressed = start;
  pressed.EatToday = true;
  pressed.FoodChoice.Type("ничего");
  pressed.Activity = Activity::Create;
  pressed.CreateChoice.Type("");
  GameState end = start;
  end.GameOver = true;
  end.Outcome = Outcome::NoDwelling;
  GameRecord lost(start);
  lost.Played(pressed, end);
  ReviewResult r;
  r.Outcome = Outcome::NoDwelling;
  r.Days = 1;
  r.TurningDay = 0;
  r.TurningDate = "17 Января";
  r.PlayedMove = lost.Days()[0].Played;
  r.SavingMove = {false, "", Activity::Create, "Хижина"};
  EXPECT_EQ(ReviewText(lost, r),
            "Игра была проиграна 17 Января: это последний день, с которого ещё можно было "
            "спастись.\nВ тот день вы выбрали:\n– «Питание» отмечено, в поле еды вписано "
            "«ничего»;\n– занятие «Создание», его поле пустое.\nСпасло бы то, что советовала в "
            "тот день подсказка:\n– не отмечайте «Питание»;\n– выберите занятие «Создание», в "
            "его поле выберите «Хижина».");

  ReviewResult won;
  won.Outcome = Outcome::Won;
  won.Days = 206;
  won.ShortestDays = kShortestVictory;
  won.DaysLost = -1;
  GameRecord many(start);
  for (int i = 0; i < 206; ++i) many.Played(pressed, start);
  EXPECT_EQ(ReviewText(many, won),
            "Вы уплыли с острова за 206 дней. Самый короткий путь с начала игры, если вписывать "
            "слова в поля, — 114 дней.\nС какого дня можно было уплыть быстрее, понять вовремя "
            "не удалось: вариантов слишком много.");
  won.ListsOnly = true;
  won.ShortestDays = kShortestListedVictory;
  won.DaysLost = 31;
  won.TurningDay = 3;
  won.TurningDate = "17 Января";
  won.ShortestFromTurning = 172;
  won.UndecidedDay = 1;
  EXPECT_EQ(ReviewText(many, won),
            "Вы уплыли с острова за 206 дней. Самый короткий путь с начала игры, если выбирать "
            "только пункты списков, — 172 дня.\nБольше всего дней потеряно с 17 Января: оттуда "
            "можно было уплыть за 172 дня, а ушло 203 — на 31 день больше.\nПроверены дни с "
            "17 Января: на более ранние не хватило времени.");
  won.DaysLost = 0;
  won.TurningDay = -1;
  won.UndecidedDay = -1;
  EXPECT_EQ(ReviewText(many, won).substr(ReviewText(many, won).find('\n')),
            "\nНи с одного дня нельзя было уплыть быстрее.");
}

// The lines a day was played with: an emptied box is typed empty, a box left alone is not
// touched, and a text left standing after its option went counts as typed.
TEST(Review, ThePlayedCommandsAndTheKindOfChoices) {
  GameState start = NewGame();
  start.FoodChoice.Type("Фрукты");
  GameState pressed = start;
  kevolan::SetEatToday(pressed, true);
  pressed.FoodChoice.Type("");
  GameState end = pressed;
  end.GameOver = true;
  end.Outcome = Outcome::Starved;
  GameRecord record(start);
  record.Played(pressed, end);
  HintBudget none;
  none.MaxTurns = 0;
  const Move played = record.Days()[0].Played;
  EXPECT_TRUE(played.Eat);
  EXPECT_EQ(played.Food, "");
  EXPECT_EQ(played.Activity, Activity::None);
  GameRecord winner(start);
  end.Outcome = Outcome::Won;
  winner.Played(pressed, end);
  EXPECT_TRUE(Review(winner, none).ListsOnly);
  GameState typed = start;
  kevolan::SetEatToday(typed, true);
  typed.FoodChoice.Type("Фрукты");  // no fruit listed in a new game
  GameRecord typist(start);
  typist.Played(typed, end);
  EXPECT_FALSE(Review(typist, none).ListsOnly);
  EXPECT_EQ(Review(typist, none).ShortestDays, kShortestVictory);
}

}  // namespace
}  // namespace kevolan::solver::testing
