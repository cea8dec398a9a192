// The labels of the main window that the window's table (game/WindowRows.h) names by number:
// each item's, in its frames, and the counters that are no item's.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <iterator>

#include "WindowRows.h"

// The labels that show one item: its counter in each frame of counters, and in the owned frame
// its name, shown while it is owned; by kevolan::window::Frame, null where it has no row.
struct ItemLabels {
  kevolan::Item Id;
  std::array<QLabel*, kevolan::window::kFrameCount> Shows{};

  QLabel* In(kevolan::window::Frame frame) const { return Shows[static_cast<std::size_t>(frame)]; }
};

struct WindowLabels {
  std::array<ItemLabels, kevolan::kItemCount> Items{};  // in the catalogue's order
  // The counters that are no item's, as kevolan::window::kCounterLabels lists them.
  std::array<QLabel*, std::size(kevolan::window::kCounterLabels)> Counters{};
};

// Finds them among the window's labels. A label the table names and the window lacks is a
// build that went wrong: the program stops, naming it.
WindowLabels FindWindowLabels(const QWidget& window);
