#include "Review.h"

#include <chrono>
#include <utility>

#include "Advice.h"
#include "Search.h"

namespace kevolan::solver {
namespace {

// A box that shows a text its list does not hold, typed or left standing after its option went.
bool ShowsUnlisted(const ChoiceList& box) {
  const NameId shown = box.Shown();
  return shown == NameId::Typed || (shown != NameId::None && !box.Contains(shown));
}

// Whether the day's choices count on such a text: a castaway who picks listed options only never
// has one.
bool UsesUnlistedText(const GameState& pressed) {
  if (pressed.EatToday && ShowsUnlisted(pressed.FoodChoice)) return true;
  const ChoiceList* box = BoxOf(pressed, pressed.Activity);
  return box != nullptr && ShowsUnlisted(*box);
}

// The choices standing in `pressed`, written into `m` (its strings' room used again).
void TakeChoices(const GameState& pressed, Move& m) {
  m.Eat = pressed.EatToday;
  // The food box's text matters only with "Питание" on.
  m.Food.assign(m.Eat ? pressed.FoodChoice.Text() : std::string_view());
  m.Activity = pressed.Activity;
  const ChoiceList* box = BoxOf(pressed, pressed.Activity);
  m.Option.assign(box != nullptr ? box->Text() : std::string_view());
}

// The day's choices as driver commands from its start. A move's empty text leaves its box as it
// stands, so a box the player emptied is typed empty here.
std::vector<std::string> PlayedCommands(const GameState& start, const Move& played) {
  std::vector<std::string> commands = CommandsFor(start, played);
  if (played.Eat && played.Food.empty() && !start.FoodChoice.Text().empty()) {
    auto at = commands.begin();
    if (at != commands.end() && at->starts_with("eat ")) ++at;
    commands.insert(at, "type food");
  }
  const ChoiceList* box = BoxOf(start, played.Activity);
  if (box != nullptr && played.Option.empty() && !box->Text().empty()) {
    commands.push_back("type " +
                       std::string(kActivityWords[static_cast<std::size_t>(played.Activity)]));
  }
  return commands;
}

// One budget of day turns for the whole review; each search gets what is left.
class Spending {
 public:
  explicit Spending(const HintBudget& budget) : budget_(budget), left_(budget.MaxTurns) {}
  bool Spent() const { return left_ <= 0; }
  bool Cancelled() const { return solver::Cancelled(budget_); }
  HintBudget ForHint() const {
    HintBudget b = budget_;
    b.MaxTurns = left_;
    return b;
  }
  void Spend(long long turns, ReviewResult& r) {
    left_ -= turns;
    r.TurnsPlayed += turns;
  }

 private:
  const HintBudget& budget_;
  long long left_;
};

void Undecided(const GameRecord& record, long long day, ReviewResult& r) {
  r.UndecidedDay = day;
  r.UndecidedDate =
      day < record.FirstKept() ? record.DroppedDate() : DateShown(record.Day(day).Start);
}

void ReviewLoss(const GameRecord& record, Spending& spending, ReviewResult& r) {
  for (long long i = r.Days - 1; i >= 0; --i) {
    if (spending.Spent() || i < record.FirstKept()) return Undecided(record, i, r);
    const PlayedDay& day = record.Day(i);
    const HintResult hint = Hint(day.Start, spending.ForHint());
    spending.Spend(hint.TurnsPlayed, r);
    if (hint.Cancelled || spending.Cancelled()) {
      r.Cancelled = true;
      return;
    }
    if (hint.Verdict == Verdict::Unknown) return Undecided(record, i, r);
    if (hint.Verdict == Verdict::Lost) continue;
    r.TurningDay = i;
    r.TurningDate = DateShown(day.Start);
    r.PlayedMove = day.Played;
    r.Played = PlayedCommands(day.Start, day.Played);
    r.SavingMove = hint.FirstMove;
    r.Saving = hint.FirstMoveCommands;
    return;
  }
}

// From the end backwards, each day's shortest victory proven as the hint proves one (Advice.h):
// the days near the end prove at once, and the first day whose proof does not fit the hint's
// measure ends the review there.
void ReviewVictory(const GameRecord& record, const HintBudget& budget, ReviewResult& r) {
  r.ListsOnly = record.ListsOnly();
  r.ShortestDays = r.ListsOnly ? kShortestListedVictory : kShortestVictory;
  const SearchLimits limits = ProofLimits(budget, r.ListsOnly);
  for (long long i = r.Days - 1; i >= 0; --i) {
    if (i < record.FirstKept()) return Undecided(record, i, r);
    const GameState& start = record.Day(i).Start;
    SearchStats stats;
    const ShortestLine shortest = FindShortest(start, limits, stats);
    r.TurnsPlayed += stats.Turns;
    if (Cancelled(budget)) {
      r.Cancelled = true;
      return;
    }
    if (!shortest.Found) return Undecided(record, i, r);
    // Of days that lost as many, the latest is kept: there the player's own line fell behind last.
    const int days = static_cast<int>(shortest.Moves.size());
    const long long lost = (r.Days - i) - days;
    if (r.DaysLost < 0) r.DaysLost = 0;
    if (lost > r.DaysLost) {
      r.DaysLost = lost;
      r.TurningDay = i;
      r.TurningDate = DateShown(start);
      r.ShortestFromTurning = days;
    }
  }
}

}  // namespace

Move ChoicesOf(const GameState& pressed) {
  Move m;
  TakeChoices(pressed, m);
  return m;
}

void GameRecord::Pressed(const GameState& pressed) {
  TakeChoices(pressed, Slot(played_).Played);
  if (UsesUnlistedText(pressed)) listsOnly_ = false;
}

void GameRecord::Ended(const GameState& after) {
  ++played_;
  if (slots_.size() <= static_cast<std::size_t>(kKeptDays)) {
    slots_.push_back({after, {}});
    return;
  }
  // The oldest day makes room; its storage is used again.
  PlayedDay& oldest = Slot(played_);
  droppedDay_ = oldest.Start.Day;
  droppedMonth_ = oldest.Start.Month;
  oldest.Start = after;
}

std::string GameRecord::DroppedDate() const {
  return droppedDay_ == 0 ? std::string() : DateShown(droppedDay_, droppedMonth_);
}

ReviewResult Review(const GameRecord& record, const HintBudget& budget) {
  const auto started = std::chrono::steady_clock::now();
  ReviewResult r;
  if (!record.Now().GameOver) return r;
  r.Outcome = record.Now().Outcome;
  r.Days = record.DaysPlayed();
  if (r.Outcome == Outcome::Won) {
    ReviewVictory(record, budget, r);
  } else {
    Spending spending(budget);
    ReviewLoss(record, spending, r);
  }
  r.Milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  return r;
}

}  // namespace kevolan::solver
