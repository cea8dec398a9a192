#include "HintAnswer.h"

#include "AnswerJson.h"
#include "Solver.h"
#include "StateJson.h"

namespace kevolan::replay {

std::string HintJson(const GameState& state) {
  const solver::HintResult r = solver::Hint(state);
  const bool lost = r.Verdict == solver::Verdict::Lost;
  std::string out = "{\"Hint\": {\"Verdict\": \"";
  out += solver::VerdictKey(r.Verdict);
  out += "\", \"Move\": ";
  AppendCommands(out, r.FirstMoveCommands);
  out += ", \"DaysToVictory\": ";
  AppendNumberOrNull(out, r.DaysToVictory, r.DaysToVictory >= 0);
  out += ", \"VictoryDate\": ";
  if (r.DaysToVictory > 0) {
    AppendJsonString(out, solver::DateShown(r.VictoryDay, r.VictoryMonth));
  } else {
    out += "null";
  }
  const bool won = r.Verdict == solver::Verdict::Win && r.DaysToVictory > 0;
  out += ", \"Proven\": ";
  out += won ? (r.Proven ? "true" : "false") : "null";
  out += ", \"ShortestAtLeast\": ";
  AppendNumberOrNull(out, r.ShortestAtLeast, won && r.ShortestAtLeast > 0);
  out += ", \"Death\": ";
  if (lost) {
    AppendJsonString(out, OutcomeKey(r.Death));
  } else {
    out += "null";
  }
  out += ", \"DeathInDays\": ";
  AppendNumberOrNull(out, r.DeathInDays, lost);
  out += ", \"DeathDate\": ";
  if (lost) {
    AppendJsonString(out, solver::DateShown(r.DeathDay, r.DeathMonth));
  } else {
    out += "null";
  }
  AppendSearchCost(out, r.TurnsPlayed, r.Milliseconds);
  out += "}}";
  return out;
}

}  // namespace kevolan::replay
