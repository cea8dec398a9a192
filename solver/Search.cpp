#include "Search.h"

#include <string>
#include <unordered_map>

#include "Bound.h"
#include "Moves.h"

namespace kevolan::solver {
namespace {

// What one kept state costs: its key, the table's node and bucket.
std::size_t EntryBytes(const std::string& key) { return key.capacity() + 1 + 72; }

class Budget {
 public:
  Budget(const SearchLimits& limits, SearchStats& stats) : limits_(limits), stats_(stats) {}

  // Counts a played turn; false once the search must stop.
  bool Turn() {
    ++stats_.Turns;
    if (limits_.MaxTurns >= 0 && stats_.Turns > limits_.MaxTurns) stats_.Stopped = true;
    if ((stats_.Turns & 255) == 0 && limits_.Cancel != nullptr &&
        limits_.Cancel->load(std::memory_order_relaxed)) {
      stats_.Stopped = true;
    }
    return !stats_.Stopped;
  }
  // Counts a state kept; false (and nothing counted) when it would pass the memory limit.
  bool Keep(std::size_t bytes) {
    if (bytes_ + bytes > limits_.MaxBytes) return false;
    bytes_ += bytes;
    ++kept_;
    if (kept_ > stats_.StatesKept) stats_.StatesKept = kept_;
    if (bytes_ > stats_.PeakBytes) stats_.PeakBytes = bytes_;
    return true;
  }
  void Forget() { bytes_ = 0, kept_ = 0; }

 private:
  const SearchLimits& limits_;
  SearchStats& stats_;
  std::size_t bytes_ = 0;
  long long kept_ = 0;
};

// Depth-first below a threshold on turns played plus the lower bound. A state met again with no
// fewer turns played can do nothing the first meeting could not, so it is not followed again.
class Deepening {
 public:
  Deepening(const SearchLimits& limits, SearchStats& stats)
      : limits_(limits), budget_(limits, stats) {}

  ShortestLine Run(const GameState& root) {
    ShortestLine out;
    rootFebruary_ = TurnsToFebruaryFirst(root, kYearAhead);
    int threshold = TurnsToVictoryAtLeast(root, limits_.ListsOnly, rootFebruary_);
    if (root.GameOver || threshold >= kNever) {
      out.NoVictory = !(root.Outcome == Outcome::Won);
      out.Found = root.Outcome == Outcome::Won;
      out.LowerBound = out.Found ? 0 : -1;
      return out;
    }
    for (;;) {
      out.LowerBound = threshold;
      threshold_ = threshold;
      next_ = kNever;
      seen_.clear();
      budget_.Forget();
      line_.clear();
      if (Follow(root, 0)) {
        out.Found = true;
        out.Moves.assign(line_.rbegin(), line_.rend());
        return out;
      }
      if (stopped_) return out;
      if (next_ >= kNever) {
        out.NoVictory = true;
        out.LowerBound = -1;
        return out;
      }
      threshold = next_;
    }
  }

 private:
  bool Follow(const GameState& s, int played) {
    for (const Move& m : MovesFor(s, limits_.ListsOnly)) {
      GameState t = s;
      if (!Play(t, m)) continue;
      if (!budget_.Turn()) return Stop();
      if (t.Outcome == Outcome::Won) return Took(m);
      if (t.GameOver) continue;
      const int f =
          played + 1 + TurnsToVictoryAtLeast(t, limits_.ListsOnly, February(t, played + 1));
      if (f > threshold_) {
        if (f < next_) next_ = f;
        continue;
      }
      std::string key = StateKey(t, limits_.ListsOnly);
      const auto [at, fresh] = seen_.try_emplace(std::move(key), played + 1);
      if (!fresh) {
        if (at->second <= played + 1) continue;
        at->second = played + 1;
      } else if (!budget_.Keep(EntryBytes(at->first))) {
        // Out of memory for states: forgetting them only costs time, so the search goes on.
        seen_.erase(at);
      }
      if (Follow(t, played + 1)) return Took(m);
      if (stopped_) return false;
    }
    return false;
  }
  // 1 "Февраля" counted down from the root's, looked up again only once it has passed.
  int February(const GameState& t, int played) const {
    if (rootFebruary_ >= kNever) return kNever;
    if (rootFebruary_ - played >= 1) return rootFebruary_ - played;
    return TurnsToFebruaryFirst(t, kYearAhead);
  }
  bool Took(const Move& m) {
    line_.push_back(m);
    return true;
  }
  bool Stop() {
    stopped_ = true;
    return false;
  }

  const SearchLimits& limits_;
  Budget budget_;
  int threshold_ = 0;
  int rootFebruary_ = kNever;
  int next_ = kNever;
  bool stopped_ = false;
  std::unordered_map<std::string, int> seen_;
  std::vector<Move> line_;
};

// Every line followed to its death; the answer of a state depends on the state alone, so each
// is worked out once.
class Lifespan {
 public:
  Lifespan(int maxDepth, const SearchLimits& limits, SearchStats& stats)
      : maxDepth_(maxDepth), listsOnly_(limits.ListsOnly), budget_(limits, stats), stats_(stats) {}

  Fate Run(const GameState& root) { return Follow(root, 0); }

 private:
  Fate Follow(const GameState& s, int depth) {
    Fate best;
    best.Decided = true;
    bool any = false;
    for (const Move& m : MovesFor(s, listsOnly_)) {
      GameState t = s;
      if (!Play(t, m)) continue;
      if (!budget_.Turn()) return Fate{};
      Fate mine;
      if (t.Outcome == Outcome::Won) {
        mine.Decided = mine.Win = true;
      } else if (t.GameOver) {
        mine.Decided = true;
        mine.Turns = 1, mine.Death = t.Outcome, mine.Day = s.Day, mine.Month = s.Month;
      } else if (depth + 1 >= maxDepth_) {
        mine.Decided = false;
      } else {
        std::string key = StateKey(t, listsOnly_);
        if (const auto known = memo_.find(key); known != memo_.end()) {
          mine = known->second;
        } else {
          mine = Follow(t, depth + 1);
          if (stats_.Stopped) return Fate{};
          if (mine.Decided && !budget_.Keep(EntryBytes(key))) return Stop();
          if (mine.Decided) memo_.emplace(std::move(key), mine);
        }
        if (mine.Decided && !mine.Win) ++mine.Turns;
      }
      if (mine.Win) {
        mine.FirstMove = m;
        return mine;
      }
      if (!mine.Decided) {
        best.Decided = false;
        continue;
      }
      if (!any || mine.Turns > best.Turns) {
        const bool decided = best.Decided;
        best = mine;
        best.Decided = decided;
        best.FirstMove = m;
        any = true;
      }
    }
    return best;
  }

  Fate Stop() {
    stats_.Stopped = true;
    return Fate{};
  }

  int maxDepth_;
  bool listsOnly_;
  Budget budget_;
  SearchStats& stats_;
  std::unordered_map<std::string, Fate> memo_;
};

}  // namespace

ShortestLine FindShortest(const GameState& s, const SearchLimits& limits, SearchStats& stats) {
  return Deepening(limits, stats).Run(s);
}

Fate LongestLife(const GameState& s, int maxDepth, const SearchLimits& limits, SearchStats& stats) {
  return Lifespan(maxDepth, limits, stats).Run(s);
}

}  // namespace kevolan::solver
