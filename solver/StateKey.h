// A state between two turns, packed into 30 bytes with only what the rest of the game can
// depend on under the moves the search tries. Two states with equal keys can play every line
// alike and end alike, so the search follows one of them only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "GameState.h"

namespace kevolan::solver {

struct StateKey {
  // Bit 0 of the first word is always set, so no key is all zeros (an empty slot of the table);
  // the top 16 bits of the last word are left for the table's own use.
  std::array<std::uint64_t, 4> Words{};
  friend bool operator==(const StateKey&, const StateKey&) = default;
};
inline constexpr int kKeyBits = 240;

// The key of `s`, or nothing for a state the packing cannot hold (counters out of the ranges a
// game reaches, two runs of food at once): such a state is simply never looked up.
std::optional<StateKey> KeyOf(const GameState& s, bool listsOnly);

std::uint64_t HashOf(const StateKey& key);

// Within `days` more day turns some counters can no longer tell two states apart: wear that lasts
// them out, a store that feeds them all, a run of one food that cannot reach its illness, an item
// that cannot be finished in them. Each such counter is set to just past them (days + 1), a
// worn item's owed repair days to the item's own, so that states that play alike through those
// days share a key. The day after a folded state folds alike with one day fewer.
void FoldBeyond(GameState& s, Count days);

// For the standard containers.
struct StateKeyHash {
  std::size_t operator()(const StateKey& k) const { return HashOf(k); }
};

}  // namespace kevolan::solver
