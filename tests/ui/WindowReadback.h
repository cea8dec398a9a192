// Reads the main window back as a player sees it and sets it beside the rules' state, field by
// field: every label's text and visibility, the check box, the activity group, each choice box's
// options, text and enabled state, and the two buttons.
#pragma once

#include <QStringList>

#include "GameState.h"
#include "Unit1.h"

// One line per field that differs, naming the field as the driver prints it and the control
// that shows it, with both values; empty when the window shows exactly the state.
QStringList WindowDiffers(const TForm1& form, const kevolan::GameState& state);
