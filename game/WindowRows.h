// Which label of the main window shows each field of the game, and where each item's labels
// stand: the one table the window, the web page, the spoken words and their tests are all made
// from. A label is named by its number (37 is Label37).
//
// An item has a row in each frame that shows one of its counters, and one in the owned frame:
// a row is its place in the frame (0 at the top) and its labels, the item's name and, in the
// frames of counters, the number beside it. A frame drawn for fewer rows grows by a row's
// height for each row more, and what stands below it moves down as far.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "Catalogue.h"
#include "GameState.h"

namespace kevolan::window {

enum class Frame : std::uint8_t { Creation, Repair, Wear, Owned };
inline constexpr std::size_t kFrameCount = 4;

struct FrameInfo {
  Frame Id;
  std::string_view Name;      // the frame's control
  Counter ItemState::*Shows;  // the counter its numbers show; none in the owned frame
  std::string_view Key;       // what it shows, as the item's key in the state as JSON
  int NameLeft;               // where the item's name stands in the frame
  int ValueLeft;              // where its number stands
  int FirstTop;               // the top row's place
  int SecondTop;              // the next row's; the rows below follow a Step apart
  int Step;
  int RowHeight;
  int DrawnRows;  // the rows the frame's height in the window's design makes room for
};

inline constexpr std::array<FrameInfo, kFrameCount> kFrames = {{
    // clang-format off
    // frame          control      shows                         key               name value first second step height drawn
    {Frame::Creation, "GroupBox5", &ItemState::BuildDaysLeft,  "BuildDaysLeft",  8,   128,  16,   32,    16,  13,    6},
    {Frame::Repair,   "GroupBox6", &ItemState::RepairDaysLeft, "RepairDaysLeft", 8,   128,  16,   32,    16,  13,    6},
    {Frame::Wear,     "GroupBox7", &ItemState::WearDaysLeft,   "WearDaysLeft",   8,   128,  16,   32,    16,  13,    6},
    {Frame::Owned,    "GroupBox8", nullptr,                    "Owned",          8,   0,    29,   56,    24,  20,    6},
    // clang-format on
}};

constexpr const FrameInfo& Info(Frame frame) { return kFrames[static_cast<std::size_t>(frame)]; }

// An item's row in one frame: its place from the top, its name's label and its number's label.
struct Row {
  int At = -1;  // none: the item has no row in this frame
  int NameLabel = 0;
  int ValueLabel = 0;  // none in the owned frame
  bool Red = false;    // drawn in red, as the boat's days of work are

  constexpr bool Shown() const { return At >= 0; }
  constexpr int Top(const FrameInfo& frame) const {
    return At == 0 ? frame.FirstTop : frame.SecondTop + (At - 1) * frame.Step;
  }
};
inline constexpr bool kRed = true;

struct ItemRows {
  Item Id;
  Row Creation, Repair, Wear, Owned;

  constexpr const Row& operator[](Frame frame) const {
    switch (frame) {
      case Frame::Creation:
        return Creation;
      case Frame::Repair:
        return Repair;
      case Frame::Wear:
        return Wear;
      case Frame::Owned:
        break;
    }
    return Owned;
  }
};

inline constexpr ItemRows kItemRows[] = {
    // clang-format off
    // item               creation           repair        wear          owned
    {Item::FishingTackle, {0, 7, 40},       {0, 13, 31},  {0, 19, 25},  {1, 50}},
    {Item::HuntingWeapon, {1, 8, 41},       {1, 14, 32},  {1, 20, 26},  {2, 51}},
    {Item::Hut,           {2, 9, 42},       {2, 15, 33},  {2, 21, 27},  {3, 52}},
    {Item::Cave,          {3, 10, 43},      {3, 16, 34},  {3, 22, 28},  {4, 53}},
    {Item::NewClothes,    {4, 11, 44},      {4, 18, 35},  {5, 24, 30},  {5, 54}},
    {Item::OldClothes,    {},               {5, 17, 36},  {4, 23, 29},  {0, 55}},
    {Item::Boat,          {5, 12, 45, kRed}, {},          {},           {}},
    // clang-format on
};

// The counters that are no item's: the state's field, its key in the state as JSON, its label.
struct CounterLabel {
  Count GameState::*Field;
  std::string_view Key;
  int Label;
};
inline constexpr CounterLabel kCounterLabels[] = {
    {&GameState::SickDays, "SickDays", 56},
    {&GameState::HungryDays, "HungryDays", 46},
    {&GameState::FruitStock, "FruitStock", 37},
    {&GameState::FishStock, "FishStock", 38},
    {&GameState::WildGameStock, "WildGameStock", 39},
    {&GameState::FruitStreak, "FruitStreak", 47},
    {&GameState::FishStreak, "FishStreak", 48},
    {&GameState::WildGameStreak, "WildGameStreak", 49},
};
// The date: the day's number and the month's name.
inline constexpr int kDayLabel = 57;
inline constexpr int kMonthLabel = 58;

// Whether an item has a counter in a frame: the days of work of whatever is worked on, the repair
// and wear days of whatever is kept, and the kept items are those that can be owned.
constexpr bool Belongs(Item item, Frame frame) {
  return frame == Frame::Creation ? IsWorkedOn(kevolan::Info(item)) : IsKept(kevolan::Info(item));
}

// Where an item's rows stand in kItemRows; -1 for none.
constexpr int IndexOfRows(Item item) {
  for (std::size_t i = 0; i < std::size(kItemRows); ++i) {
    if (kItemRows[i].Id == item) return static_cast<int>(i);
  }
  return -1;
}
// An item's rows; every item has them (checked below).
constexpr const ItemRows& RowsOf(Item item) {
  return kItemRows[static_cast<std::size_t>(IndexOfRows(item))];
}
constexpr int TimesListed(Item item) {
  int times = 0;
  for (const ItemRows& rows : kItemRows) times += rows.Id == item ? 1 : 0;
  return times;
}

// The items of a frame from top to bottom.
struct FrameItems {
  std::array<Item, kItemCount> Items{};
  std::size_t Count = 0;
  constexpr const Item* begin() const { return Items.data(); }
  constexpr const Item* end() const { return Items.data() + Count; }
};
constexpr FrameItems ItemsOf(Frame frame) {
  FrameItems out;
  for (int at = 0; at < static_cast<int>(kItemCount); ++at) {
    for (const ItemRows& rows : kItemRows) {
      if (rows[frame].At == at) out.Items[out.Count++] = rows.Id;
    }
  }
  return out;
}
inline constexpr std::array<FrameItems, kFrameCount> kFrameItems = {
    ItemsOf(Frame::Creation), ItemsOf(Frame::Repair), ItemsOf(Frame::Wear), ItemsOf(Frame::Owned)};
constexpr const FrameItems& Rows(Frame frame) {
  return kFrameItems[static_cast<std::size_t>(frame)];
}

// The checks below stop the build at a table that would leave a counter unshown, and name what
// is wrong in the error's first line, e.g. ItemNeedsARowIn<Item::Raft, Frame::Repair>: the
// frames are GroupBox5 (Creation), GroupBox6 (Repair), GroupBox7 (Wear), GroupBox8 (Owned).
template <Item item>
struct ItemNeedsItsRows {
  static_assert(item != item, "an item of the catalogue has no row in kItemRows");
};
template <Item item>
struct ItemRowsTwice {
  static_assert(item != item, "an item has two rows in kItemRows");
};
template <Item item, Frame frame>
struct ItemNeedsARowIn {
  static_assert(item != item, "an item needs a row in this frame: give it the next free place");
};
template <Item item, Frame frame>
struct ItemHasNoCounterIn {
  static_assert(item != item, "an item has a row in a frame that shows no counter of it");
};
template <Frame frame, int at>
struct PlaceTakenTwiceOrLeftEmpty {
  static_assert(at != at, "two items share this place of a frame, or a place above is empty");
};
template <int label>
struct LabelUsedTwice {
  static_assert(label != label, "this label number stands twice in the window's table");
};

template <Item item, Frame frame>
constexpr bool CheckRow() {
  constexpr int index = IndexOfRows(item);
  if constexpr (index < 0) {
    return sizeof(ItemNeedsItsRows<item>) == 0;
  } else if constexpr (TimesListed(item) > 1) {
    return sizeof(ItemRowsTwice<item>) == 0;
  } else if constexpr (Belongs(item, frame) && !kItemRows[index][frame].Shown()) {
    return sizeof(ItemNeedsARowIn<item, frame>) == 0;
  } else if constexpr (!Belongs(item, frame) && kItemRows[index][frame].Shown()) {
    return sizeof(ItemHasNoCounterIn<item, frame>) == 0;
  } else {
    return true;
  }
}

// The places of a frame's rows run from 0 down without a gap or a place taken twice; the first
// place that does not is returned, or -1.
constexpr int FirstBadPlace(Frame frame) {
  for (int at = 0; at < static_cast<int>(kItemCount); ++at) {
    int taken = 0;
    int below = 0;
    for (const ItemRows& rows : kItemRows) {
      taken += rows[frame].At == at ? 1 : 0;
      below += rows[frame].At > at ? 1 : 0;
    }
    if (taken > 1 || (taken == 0 && below > 0)) return at;
  }
  return -1;
}
template <Frame frame>
constexpr bool CheckPlaces() {
  constexpr int bad = FirstBadPlace(frame);
  if constexpr (bad >= 0) {
    return sizeof(PlaceTakenTwiceOrLeftEmpty<frame, bad>) == 0;
  } else {
    return true;
  }
}

// A label number that stands twice, or 0.
constexpr int FirstLabelTwice() {
  std::array<int, 3 * kItemCount * kFrameCount + std::size(kCounterLabels) + 2> labels{};
  std::size_t n = 0;
  for (const ItemRows& rows : kItemRows) {
    for (const Row& row : {rows.Creation, rows.Repair, rows.Wear, rows.Owned}) {
      if (row.NameLabel) labels[n++] = row.NameLabel;
      if (row.ValueLabel) labels[n++] = row.ValueLabel;
    }
  }
  for (const CounterLabel& counter : kCounterLabels) labels[n++] = counter.Label;
  labels[n++] = kDayLabel;
  labels[n++] = kMonthLabel;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (labels[i] == labels[j]) return labels[i];
    }
  }
  return 0;
}
template <int label>
constexpr bool CheckLabel() {
  if constexpr (label != 0) {
    return sizeof(LabelUsedTwice<label>) == 0;
  } else {
    return true;
  }
}

constexpr bool CheckTable() {
  return []<std::size_t... I>(std::index_sequence<I...>) {
    return ((CheckRow<kItemTable[I].Id, Frame::Creation>() &&
             CheckRow<kItemTable[I].Id, Frame::Repair>() &&
             CheckRow<kItemTable[I].Id, Frame::Wear>() &&
             CheckRow<kItemTable[I].Id, Frame::Owned>()) &&
            ...);
  }
  (std::make_index_sequence<kItemCount>{}) && CheckPlaces<Frame::Creation>() &&
      CheckPlaces<Frame::Repair>() && CheckPlaces<Frame::Wear>() && CheckPlaces<Frame::Owned>() &&
      CheckLabel<FirstLabelTwice()>();
}
static_assert(CheckTable(), "every item has its rows in the window, each label once");

}  // namespace kevolan::window
