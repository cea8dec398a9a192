#include "ReviewAnswer.h"

#include <vector>

#include "AnswerJson.h"
#include "StateJson.h"

namespace kevolan::replay {
namespace {

void AppendTextOrNull(std::string& out, const std::string& text) {
  if (text.empty()) {
    out += "null";
  } else {
    AppendJsonString(out, text);
  }
}

void AppendCommandsOrNull(std::string& out, const std::vector<std::string>& commands, bool known) {
  if (known) {
    AppendCommands(out, commands);
  } else {
    out += "null";
  }
}

}  // namespace

std::shared_ptr<const solver::GameRecord> AnswerReviews(ReplaySession& session) {
  auto record = std::make_shared<solver::GameRecord>(session.State());
  session.ObserveTurns([record](const GameState& state, bool ended) {
    if (ended) {
      record->Ended(state);
    } else {
      record->Pressed(state);
    }
  });
  session.AnswerReviews([record](const GameState&) { return ReviewJson(solver::Review(*record)); });
  return record;
}

std::string ReviewJson(const solver::ReviewResult& review) {
  std::string out = "{\"Review\": ";
  AppendReviewObject(out, review);
  out += '}';
  return out;
}

void AppendReviewObject(std::string& out, const solver::ReviewResult& r) {
  const bool won = r.Outcome == Outcome::Won;
  const bool turning = r.TurningDay >= 0;
  out += "{\"Outcome\": ";
  AppendJsonString(out, OutcomeKey(r.Outcome));
  out += ", \"Days\": ";
  out += std::to_string(r.Days);
  out += ", \"TurningDate\": ";
  AppendTextOrNull(out, r.TurningDate);
  out += ", \"Played\": ";
  AppendCommandsOrNull(out, r.Played, !won && turning);
  out += ", \"Saving\": ";
  AppendCommandsOrNull(out, r.Saving, !won && turning);
  out += ", \"ShortestDays\": ";
  AppendNumberOrNull(out, r.ShortestDays, won);
  out += ", \"DaysLost\": ";
  AppendNumberOrNull(out, r.DaysLost, won && r.DaysLost >= 0);
  out += ", \"ShortestFromTurning\": ";
  AppendNumberOrNull(out, r.ShortestFromTurning, won && turning);
  out += ", \"Undecided\": ";
  AppendTextOrNull(out, r.UndecidedDate);
  AppendSearchCost(out, r.TurnsPlayed, r.Milliseconds);
  out += '}';
}

}  // namespace kevolan::replay
