// The two exhaustive searches: the shortest victory (iterative deepening on the lower bound of
// Bound.h) and the longest the castaway can live when no line wins.
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "Solver.h"

namespace kevolan::solver {

// The hint's measure of a proof: a victory of `days` days is proven within it when no round of
// the search meets more than StatesFor(days) states. A longer victory is allowed fewer, so that
// asking about a far position costs little; none longer than MostDays() is looked for. Whenever a
// position's proof fits the measure, so does the day after's along its line (Advice.cpp says why).
struct ProofMeasure {
  long long States = -1;  // allowed to a victory of up to WholeUpTo days (-1: no measure)
  int WholeUpTo = 45;
  int HalvedEvery = 0;   // beyond WholeUpTo, halved every that many days more (0: never)
  long long Least = 64;  // a victory that would be allowed fewer is not looked for
  long long StatesFor(int days) const;
  int MostDays() const;  // kNever-like large when there is no such limit
  bool Measured() const { return States >= 0; }
};

struct SearchStats;

struct SearchLimits {
  bool ListsOnly = false;
  long long MaxTurns = -1;  // -1: no limit
  std::size_t MaxBytes = std::size_t(1) << 30;
  const std::atomic<bool>* Cancel = nullptr;
  // Threads that share the work. With one, the line found is the first of the shortest in the
  // order the moves are tried, so the same position always gets the same line, and the day
  // after it gets the rest of that line.
  int Threads = 1;
  ProofMeasure Measure;  // none by default: only the turns and the memory limit the search
  // The search of the day before, one move back, which found no victory in its rounds under
  // DayBeforeBelow: the rounds it answers are not walked again (see Search.cpp).
  const SearchStats* DayBefore = nullptr;
  int DayBeforeBelow = -1;
};

struct SearchStats {
  long long Turns = 0;
  long long StatesKept = 0;  // the most states one round met
  std::size_t PeakBytes = 0;
  bool Stopped = false;                // out of turns or round states, or cancelled
  int FirstRound = -1;                 // the threshold of the first round
  std::vector<long long> RoundStates;  // the states each round met, from the first on
};

struct ShortestLine {
  bool Found = false;
  bool NoVictory = false;   // every line was followed to its end: no victory exists
  bool BeyondDays = false;  // no victory the measure looks for (LowerBound says how long at least)
  int LowerBound = -1;      // no victory takes fewer turns
  std::vector<Move> Moves;
};

ShortestLine FindShortest(const GameState& s, const SearchLimits& limits, SearchStats& stats);

// The longest life when every line ends in a death, each line followed up to `maxDepth` turns.
struct Fate {
  bool Decided = false;  // every line ended within the depth and budget
  bool Win = false;      // a line wins
  int Turns = 0;         // the death comes on this turn at the latest
  Outcome Death = Outcome::Playing;
  int Day = 0;
  kevolan::Month Month = kevolan::Month::January;
};

Fate LongestLife(const GameState& s, int maxDepth, const SearchLimits& limits, SearchStats& stats);

}  // namespace kevolan::solver
