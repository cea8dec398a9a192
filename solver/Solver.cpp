#include "Solver.h"

namespace kevolan::solver {

std::vector<std::string> CommandsFor(const GameState&, const Move&) { return {}; }

HintResult Hint(const GameState&, const HintBudget&) { return {}; }

ShortestResult Shortest(const GameState&, const ShortestLimits&) { return {}; }

}  // namespace kevolan::solver
