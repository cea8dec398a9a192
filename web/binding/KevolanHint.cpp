// The hint as the page's worker reaches it: the page's commands played again, then the search.
#include "KevolanHint.h"

#include <memory>
#include <string>
#include <string_view>

#include "AnswerJson.h"
#include "HintText.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Review.h"
#include "ReviewAnswer.h"
#include "ReviewText.h"
#include "Solver.h"
#include "StateJson.h"

namespace {

using kevolan::replay::ParsedLine;

// The game played again, with every day kept for the review once it is over.
struct Game {
  Game() : Record(kevolan::replay::AnswerReviews(Session)) {}
  kevolan::replay::ReplaySession Session;
  std::shared_ptr<const kevolan::solver::GameRecord> Record;
};

std::unique_ptr<Game>& Current() {
  static std::unique_ptr<Game> game;
  if (!game) game = std::make_unique<Game>();
  return game;
}

std::string answer;

// After the end «Подсказка» reviews the game: its words, and the driver's answer to "review".
const char* ReviewAnswer(const kevolan::solver::HintBudget& budget) {
  const kevolan::solver::GameRecord& record = *Current()->Record;
  const kevolan::solver::ReviewResult review = kevolan::solver::Review(record, budget);
  answer = "{\"Verdict\": ";
  kevolan::replay::AppendJsonString(
      answer, kevolan::solver::VerdictKey(review.Outcome == kevolan::Outcome::Won
                                              ? kevolan::solver::Verdict::Win
                                              : kevolan::solver::Verdict::Lost));
  answer += ", \"Text\": ";
  kevolan::replay::AppendJsonString(answer, kevolan::solver::ReviewText(record, review));
  // As the hint answers about a game already over: no move, no days left to a victory.
  answer += ", \"Commands\": [], \"DaysToVictory\": ";
  answer += review.Outcome == kevolan::Outcome::Won ? "0" : "-1";
  answer += ", \"TurnsPlayed\": " + std::to_string(review.TurnsPlayed);
  answer += ", \"Milliseconds\": " + std::to_string(review.Milliseconds);
  answer += ", \"Review\": ";
  kevolan::replay::AppendReviewObject(answer, review);
  answer += '}';
  return answer.c_str();
}

}  // namespace

extern "C" {

void kevolan_hint_new_game(void) { Current() = std::make_unique<Game>(); }

void kevolan_hint_line(const char* text) {
  std::string_view line = text ? text : "";
  // The page's own module takes a line the same way: a carriage return at the end is no part
  // of it, and a line with a line break inside is refused whole.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.find('\n') != std::string_view::npos) return;
  const ParsedLine parsed = kevolan::replay::ParseLine(line);
  if (parsed.Kind != ParsedLine::Kind::Command) return;
  std::string ignored;
  Current()->Session.Run(parsed.Command, line, ignored);
}

const char* kevolan_hint_answer(double max_turns) {
  const kevolan::GameState& state = Current()->Session.State();
  kevolan::solver::HintBudget budget;
  if (max_turns >= 1) budget.MaxTurns = static_cast<long long>(max_turns);
  if (state.GameOver) return ReviewAnswer(budget);
  const kevolan::solver::HintResult result = kevolan::solver::Hint(state, budget);
  answer = "{\"Verdict\": ";
  kevolan::replay::AppendJsonString(answer, kevolan::solver::VerdictKey(result.Verdict));
  answer += ", \"Text\": ";
  kevolan::replay::AppendJsonString(answer, kevolan::solver::HintText(state, result));
  answer += ", \"Commands\": ";
  kevolan::replay::AppendCommands(answer, result.FirstMoveCommands);
  answer += ", \"DaysToVictory\": " + std::to_string(result.DaysToVictory);
  answer += std::string(", \"Proven\": ") + (result.Proven ? "true" : "false");
  answer += ", \"ShortestAtLeast\": " + std::to_string(result.ShortestAtLeast);
  answer += ", \"TurnsPlayed\": " + std::to_string(result.TurnsPlayed);
  answer += ", \"Milliseconds\": " + std::to_string(result.Milliseconds) + "}";
  return answer.c_str();
}
}
