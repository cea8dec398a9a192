// The hint as the page's worker reaches it: the page's commands played again, then the search.
#include "KevolanHint.h"

#include <memory>
#include <string>
#include <string_view>

#include "HintText.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Solver.h"
#include "StateJson.h"

namespace {

using kevolan::replay::ParsedLine;

std::unique_ptr<kevolan::replay::ReplaySession>& Session() {
  static std::unique_ptr<kevolan::replay::ReplaySession> session;
  if (!session) session = std::make_unique<kevolan::replay::ReplaySession>();
  return session;
}

std::string answer;

}  // namespace

extern "C" {

void kevolan_hint_new_game(void) { Session() = std::make_unique<kevolan::replay::ReplaySession>(); }

void kevolan_hint_line(const char* text) {
  std::string_view line = text ? text : "";
  // The page's own module takes a line the same way: a carriage return at the end is no part
  // of it, and a line with a line break inside is refused whole.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.find('\n') != std::string_view::npos) return;
  const ParsedLine parsed = kevolan::replay::ParseLine(line);
  if (parsed.Kind != ParsedLine::Kind::Command) return;
  std::string ignored;
  Session()->Run(parsed.Command, line, ignored);
}

const char* kevolan_hint_answer(double max_turns) {
  const kevolan::GameState& state = Session()->State();
  kevolan::solver::HintBudget budget;
  if (max_turns >= 1) budget.MaxTurns = static_cast<long long>(max_turns);
  const kevolan::solver::HintResult result = kevolan::solver::Hint(state, budget);
  answer = "{\"Verdict\": ";
  kevolan::replay::AppendJsonString(answer, kevolan::solver::VerdictKey(result.Verdict));
  answer += ", \"Text\": ";
  kevolan::replay::AppendJsonString(answer, kevolan::solver::HintText(state, result));
  answer += ", \"Commands\": [";
  for (std::size_t i = 0; i < result.FirstMoveCommands.size(); ++i) {
    if (i > 0) answer += ", ";
    kevolan::replay::AppendJsonString(answer, result.FirstMoveCommands[i]);
  }
  answer += "], \"DaysToVictory\": " + std::to_string(result.DaysToVictory);
  answer += std::string(", \"Proven\": ") + (result.Proven ? "true" : "false");
  answer += ", \"ShortestAtLeast\": " + std::to_string(result.ShortestAtLeast);
  answer += ", \"TurnsPlayed\": " + std::to_string(result.TurnsPlayed);
  answer += ", \"Milliseconds\": " + std::to_string(result.Milliseconds) + "}";
  return answer.c_str();
}
}
