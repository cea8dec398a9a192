// The main window as the build makes it: the controls of its design (ui/Unit1.ui, where the
// item frames stand empty), each item's labels added in its frames from the window's table
// (game/WindowRows.h), and the frames grown for rows beyond those they were drawn for, with
// whatever stands below a grown frame moved down as far and the window as much taller.
#pragma once

#include <QDomDocument>
#include <QList>
#include <QRect>
#include <QString>
#include <stdexcept>

#include "WindowRows.h"

// A design or a table the window cannot be made from; the message names what is wrong.
struct PlanError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct PlacedControl {
  QString Name;
  QString Parent;  // empty for the window itself
  QString Class;
  QRect Designed;  // where the design draws it
  QRect Place;     // where it stands once the frames have grown
};

// One label of an item's row.
struct RowLabel {
  kevolan::Item Item;
  kevolan::window::Frame Frame;
  QString Name;  // "Label19"
  QString Parent;
  QRect Place;
  QString Text;  // the item's name, or its counter's number in a new game
  bool Shown;    // in a new game
  bool Red;
  bool Value;  // the number beside the name
};

struct WindowPlan {
  QDomDocument Design;
  QList<PlacedControl> Controls;  // the design's, parents first
  QList<RowLabel> Rows;           // frame by frame, each from top to bottom, name before number
};

// Reads the design and lays the rows out; throws PlanError.
WindowPlan MakePlan(const QString& designPath);

QString LabelName(int number);
