#include "Handlers.h"

#include "Phases.h"

namespace kevolan {

void CheckBox1Click(GameState& s) { s.FoodChoice.Enabled = s.EatToday; }

// The same rule closes every day turn.
void RadioGroup1Click(GameState& s) { EnableActivityBoxes(s); }

void ComboBox3Change(GameState& s) { ShowChosenBuildCounter(s); }

void SetEatToday(GameState& s, bool on) {
  if (s.EatToday == on) return;
  s.EatToday = on;
  CheckBox1Click(s);
}

bool ClickActivity(GameState& s, Activity activity) {
  if (!s.ActivityEnabled || activity == Activity::None) return false;
  s.Activity = activity;
  RadioGroup1Click(s);
  return true;
}

bool CanStartTurn(const GameState& s) { return !s.GameOver; }

}  // namespace kevolan
