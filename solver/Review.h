// The review after the end: which day lost the game and what would have kept the way open, or
// how a victory stands against the shortest escape. Asked of the days the game kept in memory;
// the window, the driver and the page's worker ask with the same budget and get the same answer.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "GameState.h"
#include "Solver.h"

namespace kevolan::solver {

// The shortest victories from a new game, proven by kevolan-solve and by the plans' writer, who
// keeps them as tests/plans/shortest-victory.txt and shortest-listed-victory.txt. Proving the
// second takes longer than a hint may think, so both are kept here.
inline constexpr int kShortestVictory = 114;        // typed texts allowed
inline constexpr int kShortestListedVictory = 172;  // listed options only

// One day as played: the position at its start (as the day before left it) and the choices that
// stood when the next-day button was pressed.
struct PlayedDay {
  GameState Start;
  Move Played;
};

// The choices standing in `pressed` as a move: "Питание" and the food box's text, the activity
// and its box's text, each text as the box shows it (empty: an empty box).
Move ChoicesOf(const GameState& pressed);

// The days of one game, kept in memory as it is played (nothing is written anywhere): the last
// kKeptDays of them, more than a review can search within its budget.
class GameRecord {
 public:
  static constexpr long long kKeptDays = 1000;

  explicit GameRecord(const GameState& start = NewGame()) { slots_.push_back({start, {}}); }
  // One day turn, in two steps: the state as the next-day button found it, then as the turn
  // left it.
  void Pressed(const GameState& pressed);
  void Ended(const GameState& after);
  void Played(const GameState& pressed, const GameState& after) {
    Pressed(pressed);
    Ended(after);
  }

  long long DaysPlayed() const { return played_; }
  // The oldest day kept; days FirstKept() to DaysPlayed() - 1 can be read.
  long long FirstKept() const { return std::max(0LL, played_ - kKeptDays); }
  const PlayedDay& Day(long long day) const { return Slot(day); }
  // The date of the newest day no longer kept ("5 Января"); empty while every day is.
  std::string DroppedDate() const;
  // Whether every day of the game played listed options only: no box counted on a text its list
  // does not hold, typed or left standing after its option went.
  bool ListsOnly() const { return listsOnly_; }
  // The position after the last day played.
  const GameState& Now() const { return Slot(played_).Start; }

 private:
  const PlayedDay& Slot(long long day) const {
    return slots_[static_cast<std::size_t>(day % (kKeptDays + 1))];
  }
  PlayedDay& Slot(long long day) { return slots_[static_cast<std::size_t>(day % (kKeptDays + 1))]; }

  // Day d in slots_[d % (kKeptDays + 1)], the position now in the slot after the last day's.
  std::vector<PlayedDay> slots_;
  long long played_ = 0;
  int droppedDay_ = 0;  // 0 while every day is kept
  Month droppedMonth_ = Month::January;
  bool listsOnly_ = true;
};

struct ReviewResult {
  kevolan::Outcome Outcome = kevolan::Outcome::Playing;  // Playing: not over, nothing reviewed
  long long Days = 0;                                    // the days played
  // Lost: the last day at whose start the island could still be escaped from. Won: the day from
  // which the player's line was the most days longer than the shortest from there (the latest
  // such day). -1 when there is none or the budget found none.
  long long TurningDay = -1;        // the day's number in the record, from 0
  std::string TurningDate;          // "17 Января"; empty with no turning day
  Move PlayedMove;                  // lost: that day's choices
  std::vector<std::string> Played;  // lost: the same as driver commands from the day's start
  Move SavingMove;                  // lost: that day's hint, which keeps the way open
  std::vector<std::string> Saving;  // lost: the same as driver commands
  bool ListsOnly = false;           // won: the player picked listed options only
  int ShortestDays = -1;            // won: the shortest victory from a new game with such choices
  long long DaysLost = -1;          // won: the days the player took over that shortest (below)
  int ShortestFromTurning = -1;     // won: the shortest victory from the turning day
  // The latest day the review could not decide: the budget spent, the day no longer kept, or
  // (lost) the verdict not found; every later day is decided. -1 when every day was.
  long long UndecidedDay = -1;
  std::string UndecidedDate;
  long long TurnsPlayed = 0;  // day turns the searches played, all of them out of one budget
  double Milliseconds = 0;
  bool Cancelled = false;
};

// Reviews the game `record` kept, once it is over, searching from its end backwards: a loss
// until the first day that could still be won, its hints sharing one budget of day turns (each
// gets what is left); a victory while the shortest victory from a day is proven as the hint
// proves one.
ReviewResult Review(const GameRecord& record, const HintBudget& budget = {});

// "17 Января": the date the window shows in `s`.
inline std::string DateShown(const GameState& s) { return DateShown(s.Day, s.Month); }

}  // namespace kevolan::solver
