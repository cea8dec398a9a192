// The rules behind the window's own handlers: what happens when the player ticks eating,
// clicks an activity or changes the creation box. Nothing here moves the game on.
#pragma once

#include "GameState.h"

namespace kevolan {

// The eat check box was clicked: the food box is usable exactly while eating is on.
void CheckBox1Click(GameState& s);
// An activity was clicked: only that activity's choice box is usable.
void RadioGroup1Click(GameState& s);
// The player picked or typed in the creation box: show the chosen item's creation counter.
void ComboBox3Change(GameState& s);

// The player's own actions, refused the way a disabled control refuses a click.
void SetEatToday(GameState& s, bool on);              // runs CheckBox1Click when the state changes
bool ClickActivity(GameState& s, Activity activity);  // false while the group is locked
bool CanStartTurn(const GameState& s);                // false once the game is over

}  // namespace kevolan
