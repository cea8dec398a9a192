// What must be done by when, or the castaway dies, and whether it fits: one day of work a turn,
// and none of another activity while an illness holds one.
#pragma once

#include <array>
#include <optional>

#include "GameState.h"

namespace kevolan::solver {

// The illness a run of one food brings if the castaway eats it on every turn he eats: it strikes
// at the end of turn First (counted from the next), or as late as turn Last by spending his
// hungry days. Forced when no other food is in store to break the run.
struct ComingIllness {
  Count First = 0, Last = 0;
  Food On = Food::Fruit;
  bool Forced = false;
};
std::optional<ComingIllness> IllnessComing(const GameState& s);

// An illness the castaway means to let come: it strikes at the end of turn Strike (counted from
// the next) and holds that turn's activity, Holds, for its days.
struct IllnessPlan {
  Count Strike = 0;
  Activity Holds = Activity::None;
};

// Whether every piece of work due within `turns` turns can be done by its turn: the dwelling's,
// the clothes', and (lists only) the gathering days the meals need, while the illness that holds
// the activity now, and the one a forced run brings (at the best turn and activity for it, or as
// `plan` says), keep the castaway from other work.
bool DuesFit(const GameState& s, Count turns, int february, bool listsOnly,
             const IllnessPlan* plan = nullptr);

// The dwelling's and the clothes' pieces of work (the least days each takes, and its turn).
class HomeAndClothesWork {
 public:
  HomeAndClothesWork(const GameState& s, int february, bool listsOnly);
  // The days of work due within `turns` turns.
  Count DueWithin(Count turns) const;

 private:
  struct Piece {
    Count By = 0, Work = 0;
  };
  std::array<Piece, 3> pieces_{};
  int count_ = 0;
};

}  // namespace kevolan::solver
