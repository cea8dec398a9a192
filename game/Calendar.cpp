// The close of the day: the choice boxes follow the activity, and the calendar moves on.
#include <array>

#include "Phases.h"

namespace kevolan {
namespace {

// The day number that is never shown, by month: reaching it turns the month. There is no year:
// December runs into January again.
constexpr std::array<int, 12> kTurningDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

void EnableActivityBoxes(GameState& s) {
  s.GatherChoice.Enabled = s.Activity == Activity::GatherFood;
  s.CreateChoice.Enabled = s.Activity == Activity::Create;
  s.RepairChoice.Enabled = s.Activity == Activity::Repair;
}

void AdvanceCalendar(GameState& s) {
  ++s.Day;
  const auto month = static_cast<std::size_t>(s.Month);
  if (s.Day == kTurningDays[month]) {
    s.Day = 1;
    s.Month = static_cast<Month>((month + 1) % kTurningDays.size());
  }
}

}  // namespace kevolan
