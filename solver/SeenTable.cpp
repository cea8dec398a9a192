#include "SeenTable.h"

#include <cstdlib>

namespace kevolan::solver {
namespace {

// The top 16 bits of a slot's last word hold the turns played when its state was met (15 bits)
// and whether every line from it has been followed at those turns (the top bit).
constexpr int kPlayedShift = 48;
constexpr std::uint64_t kDone = 1ull << 63;
constexpr std::uint64_t kKeyMask = (1ull << kPlayedShift) - 1;
static_assert(kKeyBits <= 3 * 64 + kPlayedShift, "the key leaves the last word's top bits free");

constexpr std::size_t kSegmentCount = 256;
constexpr std::size_t kFirstSlots = 64;

int PlayedOf(const StateKey& slot) {
  return static_cast<int>((slot.Words[3] & ~kDone) >> kPlayedShift);
}
bool Empty(const StateKey& slot) { return slot.Words[0] == 0; }
bool SameKey(const StateKey& slot, const StateKey& key) {
  return slot.Words[0] == key.Words[0] && slot.Words[1] == key.Words[1] &&
         slot.Words[2] == key.Words[2] && (slot.Words[3] & kKeyMask) == key.Words[3];
}

}  // namespace

// Open addressing with linear probing, grown to twice its size at three quarters full; each
// segment takes the states whose hash starts with its number, under its own lock.
struct SeenTable::Segment {
  std::mutex Lock;
  StateKey* Slots = nullptr;
  std::size_t Capacity = 0;  // a power of two
  std::size_t Count = 0;
  ~Segment() { std::free(Slots); }
};

SeenTable::SeenTable(std::size_t maxBytes) : maxBytes_(maxBytes) {
  segments_.reserve(kSegmentCount);
  for (std::size_t i = 0; i < kSegmentCount; ++i) segments_.push_back(std::make_unique<Segment>());
}

SeenTable::~SeenTable() = default;

bool SeenTable::Grow(Segment& seg) {
  const std::size_t capacity = seg.Capacity == 0 ? kFirstSlots : seg.Capacity * 2;
  const std::size_t bytes = capacity * sizeof(StateKey);
  // Both tables are held while the states move over.
  if (bytes_.load(std::memory_order_relaxed) + bytes > maxBytes_) return false;
  auto* slots = static_cast<StateKey*>(std::calloc(capacity, sizeof(StateKey)));
  if (slots == nullptr) return false;
  bytes_.fetch_add(bytes, std::memory_order_relaxed);
  for (std::size_t i = 0; i < seg.Capacity; ++i) {
    const StateKey& old = seg.Slots[i];
    if (Empty(old)) continue;
    StateKey key = old;
    key.Words[3] &= kKeyMask;
    std::size_t at = (HashOf(key) >> 8) & (capacity - 1);
    while (!Empty(slots[at])) at = (at + 1) & (capacity - 1);
    slots[at] = old;
  }
  std::free(seg.Slots);
  bytes_.fetch_sub(seg.Capacity * sizeof(StateKey), std::memory_order_relaxed);
  seg.Slots = slots;
  seg.Capacity = capacity;
  return true;
}

SeenTable::Slot SeenTable::Find(Segment& seg, const StateKey& key, std::uint64_t hash) {
  std::size_t at = (hash >> 8) & (seg.Capacity - 1);
  for (; !Empty(seg.Slots[at]); at = (at + 1) & (seg.Capacity - 1)) {
    if (SameKey(seg.Slots[at], key)) return {&seg.Slots[at], true};
  }
  return {&seg.Slots[at], false};
}

bool SeenTable::Visit(const StateKey& key, int played) {
  const std::uint64_t hash = HashOf(key);
  Segment& seg = *segments_[hash & (kSegmentCount - 1)];
  std::lock_guard lock(seg.Lock);
  if (seg.Capacity == 0 || (seg.Count + 1) * 4 > seg.Capacity * 3) Grow(seg);
  if (seg.Capacity == 0) {
    forgot_.store(true, std::memory_order_relaxed);
    return true;
  }
  const Slot slot = Find(seg, key, hash);
  const std::uint64_t noted = key.Words[3] | (static_cast<std::uint64_t>(played) << kPlayedShift);
  if (slot.Found) {
    const int before = PlayedOf(*slot.At);
    // Met with fewer turns played, or followed to its end with as few: nothing to add. Met with
    // as few and still being followed (by another thread): followed again, in another order.
    if (before < played || (before == played && (slot.At->Words[3] & kDone) != 0)) return false;
    slot.At->Words[3] = noted;
    return true;
  }
  // Out of memory, a segment fills up to nine tenths and then learns nothing new.
  if ((seg.Count + 1) * 10 > seg.Capacity * 9) {
    forgot_.store(true, std::memory_order_relaxed);
    return true;
  }
  *slot.At = key;
  slot.At->Words[3] = noted;
  ++seg.Count;
  states_.fetch_add(1, std::memory_order_relaxed);
  return true;
}

void SeenTable::Done(const StateKey& key, int played) {
  const std::uint64_t hash = HashOf(key);
  Segment& seg = *segments_[hash & (kSegmentCount - 1)];
  std::lock_guard lock(seg.Lock);
  if (seg.Capacity == 0) return;
  const Slot slot = Find(seg, key, hash);
  if (slot.Found && PlayedOf(*slot.At) == played) slot.At->Words[3] |= kDone;
}

// Handing the memory back is instant, where wiping it would take seconds for a large table;
// the segments grow again as states come.
void SeenTable::Clear() {
  for (auto& seg : segments_) {
    std::lock_guard lock(seg->Lock);
    std::free(seg->Slots);
    bytes_.fetch_sub(seg->Capacity * sizeof(StateKey), std::memory_order_relaxed);
    seg->Slots = nullptr;
    seg->Capacity = 0;
    seg->Count = 0;
  }
  states_.store(0, std::memory_order_relaxed);
  forgot_.store(false, std::memory_order_relaxed);
}

}  // namespace kevolan::solver
