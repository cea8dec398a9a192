// The states a search has met, each with the fewest turns played when it was met: a state met
// again with no fewer turns played can do nothing the first meeting could not. Shared by the
// search's threads; its memory is held within a limit, past which it stops learning new states
// (forgetting them costs the search time, never a line).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "StateKey.h"

namespace kevolan::solver {

class SeenTable {
 public:
  explicit SeenTable(std::size_t maxBytes);
  ~SeenTable();
  SeenTable(const SeenTable&) = delete;
  SeenTable& operator=(const SeenTable&) = delete;

  // True when the state is worth following at `played` turns: never met, met only with more
  // turns played, or met with as many by a thread still following it (then it is noted with
  // `played`).
  bool Visit(const StateKey& key, int played);
  // Every line from the state has been followed at `played` turns.
  void Done(const StateKey& key, int played);
  void Clear();

  std::size_t Bytes() const { return bytes_.load(std::memory_order_relaxed); }
  long long States() const { return states_.load(std::memory_order_relaxed); }
  // A state met since the last Clear could not be kept for want of memory.
  bool Forgot() const { return forgot_.load(std::memory_order_relaxed); }

 private:
  struct Segment;
  struct Slot {
    StateKey* At;
    bool Found;
  };
  static Slot Find(Segment& seg, const StateKey& key, std::uint64_t hash);
  bool Grow(Segment& seg);  // false when the memory limit or the system refuses

  std::size_t maxBytes_;
  std::vector<std::unique_ptr<Segment>> segments_;
  std::atomic<std::size_t> bytes_{0};
  std::atomic<long long> states_{0};
  std::atomic<bool> forgot_{false};
};

}  // namespace kevolan::solver
