#include "Search.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "Bound.h"
#include "Moves.h"
#include "SeenTable.h"
#include "StateKey.h"

namespace kevolan::solver {
namespace {

// Turns played and the stop flag, shared by the threads of one search. Each thread counts its
// own turns and adds them here every kFlushEvery, so the limit is kept to within that many
// turns a thread.
class Budget {
 public:
  explicit Budget(const SearchLimits& limits) : limits_(limits) {}

  bool Stopped() const { return stopped_.load(std::memory_order_relaxed); }
  void Stop() { stopped_.store(true, std::memory_order_relaxed); }
  // Adds a thread's turns; false once the search must stop.
  bool Add(long long turns) {
    const long long total = turns_.fetch_add(turns, std::memory_order_relaxed) + turns;
    if (limits_.MaxTurns >= 0 && total > limits_.MaxTurns) Stop();
    if (limits_.Cancel != nullptr && limits_.Cancel->load(std::memory_order_relaxed)) Stop();
    return !Stopped();
  }
  // Adds the turns a thread has played since it last did so.
  bool Flush(long long& pending) {
    const bool go = Add(pending);
    pending = 0;
    return go;
  }
  // One more turn played by a thread, its turns added every kFlushEvery; false once the search
  // must stop.
  bool Played(long long& pending) { return ++pending < kFlushEvery || Flush(pending); }
  long long Turns() const { return turns_.load(std::memory_order_relaxed); }
  static constexpr long long kFlushEvery = 256;

 private:
  const SearchLimits& limits_;
  std::atomic<long long> turns_{0};
  std::atomic<bool> stopped_{false};
};

// One thread's walk below the threshold. A move that leads to a state whose turns played plus
// the lower bound pass the threshold cannot start a victory within it; a state met again with no
// fewer turns played can do nothing the first meeting could not.
class Walker {
 public:
  Walker(const SearchLimits& limits, Budget& budget, SeenTable& seen, int threshold,
         int rootFebruary, int rotation = 0)
      : limits_(limits),
        budget_(budget),
        seen_(seen),
        threshold_(threshold),
        rootFebruary_(rootFebruary),
        rotation_(rotation),
        allowed_(limits.Measure.Measured() ? limits.Measure.StatesFor(threshold) : -1) {}

  // A state one day on, and how many turns a victory through it takes at the least.
  struct Child {
    GameState State;
    int F = 0;
    Move By;
  };

  // The days from `s` whose turns played plus the bound stay within the threshold, those that
  // lead nearer the victory by the bound first; a winning day is the only one returned, with
  // `won` set. False when the search must stop.
  bool Children(const GameState& s, int played, std::vector<Child>& out, bool& won) {
    out.clear();
    won = false;
    for (Move& m : MovesFor(s, limits_.ListsOnly)) {
      if (abandon_ != nullptr && abandon_()) return false;
      GameState t = s;
      if (!Play(t, m)) continue;
      if (!budget_.Played(turns_)) return false;
      if (t.Outcome == Outcome::Won) {
        out.clear();
        out.push_back({std::move(t), played + 1, std::move(m)});
        won = true;
        return true;
      }
      if (t.GameOver) continue;
      FoldBeyond(t, threshold_ - (played + 1));
      const int f =
          played + 1 + TurnsToVictoryAtLeast(t, limits_.ListsOnly, February(t, played + 1));
      if (f > threshold_) {
        next_ = std::min(next_, f);
        continue;
      }
      out.push_back({std::move(t), f, std::move(m)});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Child& a, const Child& b) { return a.F < b.F; });
    if (rotation_ > 0 && out.size() > 1) {
      std::rotate(out.begin(), out.begin() + static_cast<long>(rotation_ % out.size()), out.end());
    }
    return true;
  }

  // A victory within the threshold from `s` with `played` turns behind it; its moves, last
  // first, in line_.
  bool Follow(const GameState& s, int played) {
    std::vector<Child> children;
    bool won = false;
    if (!Children(s, played, children, won)) return false;
    if (won) return Took(children.front().By);
    for (const Child& c : children) {
      const auto key = KeyOf(c.State, limits_.ListsOnly);
      if (key && !seen_.Visit(*key, played + 1)) continue;
      if (!WithinRoundStates(key.has_value())) return false;
      if (Follow(c.State, played + 1)) return Took(c.By);
      if (budget_.Stopped() || (abandon_ != nullptr && abandon_())) return false;
      if (key) seen_.Done(*key, played + 1);
    }
    return false;
  }

  bool Flush() { return budget_.Flush(turns_); }

  int Next() const { return next_; }
  std::vector<Move>& Line() { return line_; }
  void AbandonWhen(std::function<bool()> abandon) { abandon_ = std::move(abandon); }

 private:
  // 1 "Февраля" counted down from the root's, looked up again only once it has passed.
  int February(const GameState& t, int played) const {
    if (rootFebruary_ >= kNever) return kNever;
    if (rootFebruary_ - played >= 1) return rootFebruary_ - played;
    return TurnsToFebruaryFirst(t, kYearAhead);
  }
  // Under the hint's measure every state a round meets is counted once, so a state the key
  // cannot hold, or the table cannot keep, ends the search as one over its measure. A victory
  // found in a later round is no shorter than this round's threshold, so it is allowed no more.
  bool WithinRoundStates(bool keyed) {
    if (allowed_ < 0) return true;
    if (keyed && !seen_.Forgot() && seen_.States() <= allowed_) return true;
    budget_.Stop();
    return false;
  }
  bool Took(const Move& m) {
    line_.push_back(m);
    return true;
  }

  const SearchLimits& limits_;
  Budget& budget_;
  SeenTable& seen_;
  int threshold_;
  int rootFebruary_;
  int rotation_;
  long long allowed_;  // the states a round may meet under the hint's measure (-1: any)
  int next_ = kNever;
  long long turns_ = 0;
  std::vector<Move> line_;
  std::function<bool()> abandon_;
};

// Iterative deepening on the lower bound: each round follows every line whose turns played plus
// the bound stay within the threshold; the first round that finds a victory finds a shortest
// one, and a round that finds none raises the threshold by a day. Within a round each state is
// folded to the days left to its threshold (FoldBeyond): the states of a round are then one key
// each, whichever line reaches them first, and each date is met at one number of turns played.
class Deepening {
 public:
  Deepening(const SearchLimits& limits, SearchStats& stats)
      : limits_(limits), stats_(stats), budget_(limits), seen_(limits.MaxBytes) {}

  ShortestLine Run(const GameState& root) {
    ShortestLine out;
    if (root.GameOver) {
      out.Found = root.Outcome == Outcome::Won;
      out.NoVictory = !out.Found;
      out.LowerBound = out.Found ? 0 : -1;
      return out;
    }
    rootFebruary_ = TurnsToFebruaryFirst(root, kYearAhead);
    int threshold = TurnsToVictoryAtLeast(root, limits_.ListsOnly, rootFebruary_);
    stats_.FirstRound = threshold;
    stats_.RoundStates.clear();
    const long long answered = Answered(threshold);
    while (threshold < kNever) {
      out.LowerBound = threshold;
      if (limits_.Measure.Measured() && threshold > limits_.Measure.MostDays()) {
        out.BeyondDays = true;
        return out;
      }
      if (threshold < answeredBelow_) {
        // A round the day before answered: no victory, and no more states than it met.
        out.LowerBound = ++threshold;
        continue;
      }
      seen_.Clear();
      const int next =
          limits_.Threads > 1 ? RoundInThreads(root, threshold, out) : Round(root, threshold, out);
      Note();
      stats_.RoundStates.push_back(seen_.States());
      if (out.Found && limits_.Measure.Measured() && answered > stats_.StatesKept &&
          answered > limits_.Measure.StatesFor(static_cast<int>(out.Moves.size()))) {
        // An answered round may have met fewer states than the day before's: walk them after
        // all, so that the answer is the one a search of this day alone gives.
        SearchLimits whole = limits_;
        whole.DayBefore = nullptr;
        SearchStats alone;
        out = Deepening(whole, alone).Run(root);
        stats_.Turns += alone.Turns;
        stats_.StatesKept = alone.StatesKept;
        stats_.PeakBytes = std::max(stats_.PeakBytes, alone.PeakBytes);
        stats_.Stopped = alone.Stopped;
        stats_.FirstRound = alone.FirstRound;
        stats_.RoundStates = alone.RoundStates;
        return out;
      }
      if (out.Found && limits_.Measure.Measured() &&
          stats_.StatesKept > limits_.Measure.StatesFor(static_cast<int>(out.Moves.size()))) {
        // Found, but an earlier round met more states than a victory this long is allowed.
        out.Found = false;
        out.Moves.clear();
        stats_.Stopped = true;
        return out;
      }
      if (out.Found || budget_.Stopped()) return out;
      // A round that cut no line followed every line to its end. Else the next threshold is one
      // day more: the days cut off were counted on folded states, which may need more days past
      // the threshold than the states they stand for.
      threshold = next >= kNever ? kNever : threshold + 1;
    }
    out.NoVictory = true;
    out.LowerBound = -1;
    return out;
  }

 private:
  int Round(const GameState& root, int threshold, ShortestLine& out) {
    Walker walker(limits_, budget_, seen_, threshold, rootFebruary_);
    if (walker.Follow(root, 0)) {
      out.Found = true;
      out.Moves.assign(walker.Line().rbegin(), walker.Line().rend());
    }
    walker.Flush();
    return walker.Next();
  }

  // Every thread walks the whole round, each taking the days in its own order (the k-th thread
  // starts each day's list at its k-th day), all noting the states they meet in the one table:
  // a state one of them has taken is left to it by the others, so between them they cover the
  // round once, and the first victory any of them finds ends it.
  int RoundInThreads(const GameState& root, int threshold, ShortestLine& out) {
    std::atomic<bool> found{false};
    std::mutex lock;
    int next = kNever;
    const auto work = [&](int k) {
      Walker walker(limits_, budget_, seen_, threshold, rootFebruary_, k);
      walker.AbandonWhen([&found] { return found.load(std::memory_order_relaxed); });
      const bool won = walker.Follow(root, 0);
      walker.Flush();
      std::lock_guard hold(lock);
      next = std::min(next, walker.Next());
      if (won && !found.exchange(true)) {
        out.Found = true;
        out.Moves.assign(walker.Line().rbegin(), walker.Line().rend());
      }
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < limits_.Threads; ++k) threads.emplace_back(work, k);
    work(0);
    for (std::thread& th : threads) th.join();
    return next;
  }

  // The rounds from `threshold` on that the day before's search answers, one day higher: each
  // meets only states that round met, as argued beside ProofLimits (Advice.cpp), and finds no
  // victory where it found none (nor ends every line, as the move leads on along a line that
  // wins). A round it answers is taken as meeting as many states as that
  // one, and must fit the measure so; the first that does not, or that it did not walk, is
  // walked here, and every one after it. Returns the most states an answered round is taken as.
  long long Answered(int threshold) {
    long long most = 0;
    answeredBelow_ = threshold;
    const SearchStats* before = limits_.DayBefore;
    if (!before || before->FirstRound < 0) return most;
    for (int t = threshold; t + 1 < limits_.DayBeforeBelow; ++t) {
      const int at = t + 1 - before->FirstRound;
      if (at < 0 || at >= static_cast<int>(before->RoundStates.size())) break;
      const long long states = before->RoundStates[static_cast<std::size_t>(at)];
      if (limits_.Measure.Measured() &&
          (t > limits_.Measure.MostDays() || states > limits_.Measure.StatesFor(t)))
        break;
      most = std::max(most, states);
      stats_.RoundStates.push_back(states);
      answeredBelow_ = t + 1;
    }
    return most;
  }

  void Note() {
    stats_.Turns = budget_.Turns();
    stats_.Stopped = budget_.Stopped();
    stats_.StatesKept = std::max(stats_.StatesKept, seen_.States());
    stats_.PeakBytes = std::max(stats_.PeakBytes, seen_.Bytes());
  }

  const SearchLimits& limits_;
  SearchStats& stats_;
  int answeredBelow_ = 0;  // the rounds under it the day before's search answers
  Budget budget_;
  SeenTable seen_;
  int rootFebruary_ = kNever;
};

// Every line followed to its death; the answer of a state depends on the state alone, so each
// is worked out once.
class Lifespan {
 public:
  Lifespan(int maxDepth, const SearchLimits& limits, SearchStats& stats)
      : maxDepth_(maxDepth), limits_(limits), budget_(limits), stats_(stats) {}

  Fate Run(const GameState& root) {
    Fate f = Follow(root, 0);
    if (turns_ > 0) budget_.Add(turns_);
    stats_.Turns = budget_.Turns();
    stats_.Stopped = budget_.Stopped() || stopped_;
    if (stats_.Stopped) return Fate{};
    return f;
  }

 private:
  // What one remembered state costs: its key and answer in the table's node, and the bucket.
  static constexpr std::size_t kEntryBytes = sizeof(StateKey) + sizeof(Fate) + 40;

  Fate Follow(const GameState& s, int depth) {
    Fate best;
    best.Decided = true;
    bool any = false;
    for (const Move& m : MovesFor(s, limits_.ListsOnly)) {
      GameState t = s;
      if (!Play(t, m)) continue;
      if (!budget_.Played(turns_)) return Fate{};
      Fate mine;
      if (t.Outcome == Outcome::Won) {
        mine.Decided = mine.Win = true;
      } else if (t.GameOver) {
        mine.Decided = true;
        mine.Turns = 1, mine.Death = t.Outcome, mine.Day = s.Day, mine.Month = s.Month;
      } else if (depth + 1 >= maxDepth_) {
        mine.Decided = false;
      } else {
        const auto key = KeyOf(t, limits_.ListsOnly);
        const auto known = key ? memo_.find(*key) : memo_.end();
        if (known != memo_.end()) {
          mine = known->second;
        } else {
          mine = Follow(t, depth + 1);
          if (budget_.Stopped() || stopped_) return Fate{};
          if (mine.Decided && key) {
            if ((memo_.size() + 1) * kEntryBytes > limits_.MaxBytes) {
              stopped_ = true;  // out of memory: the answer cannot be had within the limit
              return Fate{};
            }
            memo_.emplace(*key, mine);
            stats_.StatesKept = std::max<long long>(stats_.StatesKept, memo_.size());
            stats_.PeakBytes = std::max(stats_.PeakBytes, memo_.size() * kEntryBytes);
          }
        }
        if (mine.Decided && !mine.Win) ++mine.Turns;
      }
      if (mine.Win) return mine;
      if (!mine.Decided) {
        best.Decided = false;
        continue;
      }
      if (!any || mine.Turns > best.Turns) {
        const bool decided = best.Decided;
        best = mine;
        best.Decided = decided;
        any = true;
      }
    }
    return best;
  }

  int maxDepth_;
  const SearchLimits& limits_;
  Budget budget_;
  SearchStats& stats_;
  long long turns_ = 0;
  bool stopped_ = false;
  std::unordered_map<StateKey, Fate, StateKeyHash> memo_;
};

}  // namespace

long long ProofMeasure::StatesFor(int days) const {
  if (!Measured() || days <= WholeUpTo || HalvedEvery <= 0) return States;
  const int halvings = (days - WholeUpTo + HalvedEvery - 1) / HalvedEvery;
  return halvings >= 62 ? 0 : States >> halvings;
}

int ProofMeasure::MostDays() const {
  if (!Measured() || HalvedEvery <= 0) return kNever;
  int days = WholeUpTo;
  while (StatesFor(days + 1) >= Least) ++days;
  return days;
}

ShortestLine FindShortest(const GameState& s, const SearchLimits& limits, SearchStats& stats) {
  return Deepening(limits, stats).Run(s);
}

Fate LongestLife(const GameState& s, int maxDepth, const SearchLimits& limits, SearchStats& stats) {
  return Lifespan(maxDepth, limits, stats).Run(s);
}

}  // namespace kevolan::solver
