// The close of the day: the choice boxes follow the activity, and the calendar moves on.
#include <array>

#include "Phases.h"

namespace kevolan {
namespace {

struct MonthTurn {
  std::string_view Month;
  int TurningDay;  // the day number that is never shown: reaching it turns the month
  std::string_view Next;
};

// There is no year: December runs into January again.
constexpr std::array<MonthTurn, 12> kMonthTurns = {{
    {"Января", 31, "Февраля"},
    {"Февраля", 28, "Марта"},
    {"Марта", 31, "Апреля"},
    {"Апреля", 30, "Мая"},
    {"Мая", 31, "Июня"},
    {"Июня", 30, "Июля"},
    {"Июля", 31, "Августа"},
    {"Августа", 31, "Сентября"},
    {"Сентября", 30, "Октября"},
    {"Октября", 31, "Ноября"},
    {"Ноября", 30, "Декабря"},
    {"Декабря", 31, "Января"},
}};

}  // namespace

void EnableActivityBoxes(GameState& s) {
  s.GatherChoice.Enabled = s.Activity == Activity::GatherFood;
  s.CreateChoice.Enabled = s.Activity == Activity::Create;
  s.RepairChoice.Enabled = s.Activity == Activity::Repair;
}

void AdvanceCalendar(GameState& s) {
  ++s.Day;
  for (const MonthTurn& row : kMonthTurns) {
    if (s.Day == row.TurningDay && s.Month == row.Month) {
      s.Day = 1;
      s.Month.assign(row.Next);
      break;  // after a turn the day is 1, so no later row could apply
    }
  }
}

}  // namespace kevolan
