// The player's hands on the real main window: one replay command done with the mouse and the
// keyboard on the widgets themselves, so that each control's own signals carry it to the game.
#pragma once

#include <QString>

#include "ReplayCommand.h"
#include "Unit1.h"

class WindowHands {
 public:
  explicit WindowHands(TForm1& form) : form_(form) {}

  // Why the control the command needs cannot be used in the window now (disabled, hidden, no
  // such option); empty when it can.
  QString Unusable(const kevolan::replay::Command& command) const;
  // Does the command; empty when done, else what the hands could not do.
  QString Do(const kevolan::replay::Command& command);

 private:
  TChoiceBox* BoxOf(kevolan::replay::Box box) const;
  QString Pick(TChoiceBox* box, int index);
  void Type(TChoiceBox* box, const QString& text);

  TForm1& form_;
};
