// Can the castaway still escape, and how: the hint that the window, the driver and the page ask
// for, and the shortest victory that kevolan-solve proves. Played through the rules alone.
#pragma once
#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>
#include "GameState.h"

namespace kevolan::solver {

// One day's choices, as the player sets them at the window before pressing the next-day button.
struct Move {
  bool Eat = false;  // "Питание" ticked
  std::string Food;  // text the food box shows (a food's name, other typed text, or empty)
  kevolan::Activity Activity =
      kevolan::Activity::None;  // the activity clicked (None: leave it as it stands)
  std::string Option;  // text the activity's box shows (empty: leave the box as it stands?)
};

// The driver's commands (kevolan-replay script lines, e.g. "eat on", "pick food 0",
// "type food Рыба", "activity create", "type create Лодка") that set up `move` from `state`, as a
// player would (a disabled control is never used). Ends without "next".
std::vector<std::string> CommandsFor(const GameState& state, const Move& move);

// The driver's script that plays `line` from `start`: each day's commands and "next".
std::string ScriptOf(const GameState& start, const std::vector<Move>& line);

struct HintBudget {
  long long MaxTurns = 1'000'000;             // day turns each walk of the planner may play
  std::size_t MaxBytes = 16u << 20;           // memory a search may keep
  const std::atomic<bool>* Cancel = nullptr;  // set to true from another thread to stop early
  // A proof of the shortest victory fits when no round of its search meets more states than
  // ProofStates, or with listed options and a victory longer than ProofDaysWhole, half as many
  // for every ProofHalvedEvery days more.
  long long ProofStates = 8'000;
  int ProofDaysWhole = 45;
  int ProofHalvedEvery = 3;
};

enum class Verdict { Win, Lost, Unknown };

struct HintResult {
  solver::Verdict Verdict = solver::Verdict::Unknown;
  Move FirstMove;                              // Win: what to do today
  std::vector<std::string> FirstMoveCommands;  // Win: CommandsFor(state, FirstMove)
  // Win: the days that following the advice, day after day, takes to the victory, and the date
  // the victory names (the date shown on its last day).
  int DaysToVictory = -1;
  int VictoryDay = 0;
  Month VictoryMonth = Month::January;
  bool Typed = false;   // Win: no line of listed options wins; the advice types a text some day
  bool Proven = false;  // Win: no line of the advice's kind wins sooner
  // Win, not proven: no line of the advice's kind wins in fewer days than this (-1: unknown).
  int ShortestAtLeast = -1;
  Outcome Death = Outcome::Playing;  // Lost: the death that cannot be avoided
  int DeathInDays = -1;              // Lost: after how many more day turns it comes at the latest
  int DeathDay = 0;
  Month DeathMonth = Month::January;  // Lost: the date shown on the turn it comes
  long long TurnsPlayed = 0;
  double Milliseconds = 0;
  bool Cancelled = false;
  std::size_t PeakBytes = 0;  // the most memory the searches' tables held at once
};

// Can this position still be won? Never changes `state`. Thread-safe (no shared mutable state).
HintResult Hint(const GameState& state, const HintBudget& budget = {});
// The verdict as the driver and the page's worker write it: "win", "lost" or "unknown".
std::string_view VerdictKey(Verdict verdict);
// Whether the player has called the search off (the budget's flag set).
bool Cancelled(const HintBudget& budget);
// "17 Января": a date as the window shows it.
std::string DateShown(int day, Month month);

struct ShortestLimits {
  bool ListsOnly = false;                       // only options the lists offer: no typed texts
  long long MaxTurns = -1;                      // -1: no limit
  std::size_t MaxBytes = std::size_t(1) << 30;  // the states kept may take this much
  const std::atomic<bool>* Cancel = nullptr;
  int Threads = 1;  // more share the work, but the line found may differ from run to run
};

struct ShortestResult {
  bool Found = false;   // a victory was found
  bool Proven = false;  // and no shorter one exists
  int Days = -1;        // its length in day turns
  int LowerBound = -1;  // proven: no victory in fewer days
  std::string Script;   // the winning line as a driver script (with "next" lines)
  long long TurnsPlayed = 0, StatesKept = 0;
  std::size_t PeakBytes = 0;
};

ShortestResult Shortest(const GameState& state, const ShortestLimits& limits = {});

}  // namespace kevolan::solver
