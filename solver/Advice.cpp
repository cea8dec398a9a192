#include "Advice.h"

#include <algorithm>

#include "Bound.h"
#include "Moves.h"
#include "Playout.h"

namespace kevolan::solver {
namespace {

// What one state remembered as lost costs: its key and the set's node.
constexpr std::size_t kLostBytes = sizeof(StateKey) + 32;

bool Cancelled(const std::atomic<bool>* cancel) {
  return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

FollowedLine Won(std::vector<Move> moves) {
  FollowedLine f;
  f.Kind = Followed::Win;
  f.Moves = std::move(moves);
  return f;
}

FollowedLine Ended(Followed kind) {
  FollowedLine f;
  f.Kind = kind;
  return f;
}

}  // namespace

Adviser::Adviser(long long maxTurns, std::size_t maxBytes, const std::atomic<bool>* cancel)
    : maxTurns_(maxTurns), maxBytes_(maxBytes), cancel_(cancel) {}

bool Adviser::Walk(const GameState& s, bool listsOnly, int depth, std::vector<Move>& line) {
  if (depth >= kLongestLine) return false;
  Castaway castaway(s, listsOnly);
  Move m;
  GameState after;
  for (;;) {
    const long long before = castaway.Plays();
    const bool more = castaway.Next(m, after);
    turns_ += castaway.Plays() - before;
    if ((maxTurns_ >= 0 && turns_ > maxTurns_) || Cancelled(cancel_)) {
      stopped_ = true;
      return false;
    }
    if (!more) return false;
    if (after.Outcome == Outcome::Won) {
      line.push_back(std::move(m));
      return true;
    }
    const std::optional<StateKey> key = KeyOf(after, listsOnly);
    if (key && lost_.contains(*key)) continue;
    if (Walk(after, listsOnly, depth + 1, line)) {
      line.push_back(std::move(m));
      return true;
    }
    if (stopped_) return false;
    if (key && (lost_.size() + 1) * kLostBytes <= maxBytes_) lost_.insert(*key);
  }
}

FollowedLine Adviser::FollowOf(const GameState& s, bool listsOnly) {
  if (s.GameOver) {
    return Ended(s.Outcome == Outcome::Won ? Followed::Win : Followed::NoVictory);
  }
  lost_.clear();
  std::vector<Move> line;
  const bool won = Walk(s, listsOnly, 0, line);
  peak_ = std::max(peak_, lost_.size() * kLostBytes);
  if (won) return Won({line.rbegin(), line.rend()});
  return Ended(stopped_ ? Followed::Undecided : Followed::NoVictory);
}

// Listed options whenever they can still win; on a day they cannot, the advice of typed texts,
// and the next day listed options again if they can win from there.
FollowedLine Adviser::Follow(const GameState& s) {
  GameState w = s;
  std::vector<Move> moves;
  bool typed = false;
  while (moves.size() < kLongestLine) {
    FollowedLine listed = FollowOf(w, true);
    if (listed.Kind == Followed::Undecided) return listed;
    if (listed.Kind == Followed::Win) {
      moves.insert(moves.end(), listed.Moves.begin(), listed.Moves.end());
      FollowedLine f = Won(std::move(moves));
      f.Typed = typed;
      return f;
    }
    FollowedLine any = FollowOf(w, false);
    if (any.Kind != Followed::Win || any.Moves.empty()) {
      if (any.Kind == Followed::Win) any.Typed = typed;  // already over, and won
      return any;
    }
    // Along the typed line, the listed options are asked again each day; where even the bound
    // says they cannot win, no search is needed.
    typed = true;
    std::size_t day = 0;
    for (; day < any.Moves.size(); ++day) {
      if (day > 0 && TurnsToVictoryAtLeast(w, true) < kNever) break;
      moves.push_back(any.Moves[day]);
      Play(w, any.Moves[day]);
    }
    if (day == any.Moves.size()) {
      FollowedLine f = Won(std::move(moves));
      f.Typed = true;
      return f;
    }
  }
  return Ended(Followed::Undecided);
}

}  // namespace kevolan::solver
