// What the key leaves out, and why no line can tell the difference:
// - The shown flags of the counters: only the display reads them.
// - "Питание" and the food box's text and enabling: every move sets eating, and names the food
//   it eats (the box is usable exactly while eating is on).
// - Which options each box lists, and in what order: after a turn the food box lists exactly the
//   foods in store; the gathering box the trip for fruit and the option of each tool owned; the
//   repair box the items owned; the creation box the boat, the items not owned but the cave, and
//   the cave while its offer stands (kept as one bit). Moves name options, not positions.
// - The boxes' shown texts and enabling: a move that works names its option, and after a turn
//   exactly the box of the standing activity is usable.
// - How long a run of one food is, beyond where it stands between two multiples of 25: the
//   illness strikes at the multiples only, and runs stay far below the last one that strikes.
// With typed texts the key leaves out the stores, the hunger and the food box's list too: the
// food box then shows a text that names no food, so nothing is eaten and no day is hungry.
#include "StateKey.h"

#include "Limits.h"

namespace kevolan::solver {
namespace {

class Packer {
 public:
  // Appends `value` in `bits` bits; a value out of range spoils the key.
  void Put(Count value, int bits) {
    if (value < 0 || value >= (Count{1} << bits) || at_ + bits > kKeyBits) {
      fits_ = false;
      return;
    }
    for (int b = 0; b < bits; ++b, ++at_) {
      if ((value >> b) & 1) key_.Words[static_cast<std::size_t>(at_ / 64)] |= 1ull << (at_ % 64);
    }
  }
  std::optional<StateKey> Done() const {
    if (!fits_) return std::nullopt;
    return key_;
  }

 private:
  StateKey key_;
  int at_ = 0;
  bool fits_ = true;
};

// Runs well below the last multiple that strikes behave alike 25 days apart.
constexpr Count kRunsFolded = kIllnessLast - 500;

}  // namespace

std::optional<StateKey> KeyOf(const GameState& s, bool listsOnly) {
  Packer p;
  p.Put(1, 1);
  p.Put(s.Day, 5);
  p.Put(static_cast<Count>(s.Month), 4);
  p.Put(s.SickDays, 4);
  p.Put(static_cast<Count>(s.Activity) + 1, 2);
  p.Put(s.ActivityEnabled ? 1 : 0, 1);
  for (const ItemInfo& info : kItemTable) {
    const ItemState& it = s[info.Id];
    if (info.Made != Making::Never)
      p.Put(it.BuildDaysLeft.Value, info.Made == Making::Sails ? 7 : 5);
    if (!info.Kept()) continue;
    p.Put(it.Owned ? 1 : 0, 1);
    p.Put(it.RepairDaysLeft.Value, 3);
    p.Put(it.WearDaysLeft.Value, 8);
  }
  int runs = 0;
  for (Food f : kFoods) {
    const Count run = s.Streak(f);
    if (run == 0) continue;
    ++runs;
    p.Put(static_cast<Count>(f) + 1, 2);
    p.Put(run <= kRunsFolded ? (run - 1) % kIllnessEvery + 1 : -1, 5);
  }
  if (runs == 0) p.Put(0, 7);
  if (runs > 1) p.Put(-1, 1);
  if (listsOnly) {
    p.Put(s.HungryDays, 3);
    p.Put(s.FruitStock, 10);
    p.Put(s.FishStock, 4);
    p.Put(s.WildGameStock, 4);
    p.Put(s.CreateChoice.Contains(Item::Cave) ? 1 : 0, 1);
  }
  return p.Done();
}

void FoldBeyond(GameState& s, Count days) {
  const Count past = days + 1;
  for (const ItemInfo& info : kItemTable) {
    ItemState& it = s[info.Id];
    // Not the boat: its days are what the search counts down.
    if (info.Made == Making::Owned && it.BuildDaysLeft.Value > past) it.BuildDaysLeft.Value = past;
    if (!info.Kept() || it.WearDaysLeft.Value < past) continue;
    // It wears out in none of those days, nor after a repair, which sets it back to at least
    // as much: its repair can make no difference.
    it.WearDaysLeft.Value = past;
    it.RepairDaysLeft.Value = info.RepairAfterRepair;
  }
  for (Food f : kFoods) {
    if (s.Stock(f) > past) s.Stock(f) = past;
    const Count run = s.Streak(f);
    if (run <= 0 || run > kRunsFolded) continue;
    const Count strikes = (run / kIllnessEvery + 1) * kIllnessEvery;
    if (strikes - run > past) s.Streak(f) = strikes - past;
  }
}

std::uint64_t HashOf(const StateKey& key) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  for (std::uint64_t w : key.Words) {
    h ^= w;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  }
  return h;
}

}  // namespace kevolan::solver
