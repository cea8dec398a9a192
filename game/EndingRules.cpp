// How a game ends: hunger, cold when the clothes are rags, a dwelling that falls in, no
// dwelling at the start of February, or the finished boat. An ending does not stop the turn:
// every later test still runs, so one turn can bring several messages.
#include <string>

#include "Phases.h"

namespace kevolan {
namespace {


constexpr std::string_view kStarvedMessage =
    "Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода";
constexpr std::string_view kOldClothesMessage =
    "Ваша старая одежда превратилась в лохмотья и вы умерли от холода";
constexpr std::string_view kNewClothesMessage =
    "Вы не успели починить вашу одежда и она превратилась в лохмотья. Вы умерли от холода :)";
constexpr std::string_view kHutMessage =
    "Ваша хижина давно не ремонтировалась и от этого развалилась и придавила вас";
constexpr std::string_view kCaveMessage = "Ваша пещера обвалилась и и вас задавило";
constexpr std::string_view kNoDwellingMessage =
    "Вы не успели построить жилище в первый месяц и замерзлм";
// The victory names the date shown when the boat was finished.
constexpr std::string_view kVictoryMessage = "GПоздравляем. Вы благополучно уплыли с острова ";

bool WornOut(const GameState& s, Item item) { return s[item].WearDaysLeft.Value == 0; }

}  // namespace

void EndGame(GameState& s, Messenger& m, Outcome outcome, std::string_view message) {
  m.Show(message);
  // When a turn brings several ends, the first messages are the stale ones (an item lost on an
  // earlier day whose wear still reads 0) and the last death is the day's own: it names the end.
  // A boat finished on the day the castaway died does not save him.
  if (outcome != Outcome::Won || !s.GameOver) s.Outcome = outcome;
  s.GameOver = true;
}

void CheckStarvation(GameState& s, Messenger& m) {
  if (s.HungryDays > kHungerLimit) EndGame(s, m, Outcome::Starved, kStarvedMessage);
}

void CheckDeathsAndVictory(GameState& s, Messenger& m) {
  // Worn-out items were already lost this turn, so "owned" here means it still stands.
  if (WornOut(s, Item::OldClothes)) {
    if (!s[Item::NewClothes].Owned) {
      EndGame(s, m, Outcome::OldClothesRags, kOldClothesMessage);
    } else {
      s[Item::OldClothes].RepairDaysLeft.Shown = false;
      s[Item::OldClothes].WearDaysLeft.Shown = false;
    }
  }
  if (WornOut(s, Item::NewClothes)) EndGame(s, m, Outcome::NewClothesRags, kNewClothesMessage);
  if (WornOut(s, Item::Hut)) {
    if (s[Item::Cave].Owned) {
      s[Item::Hut].WearDaysLeft.Shown = false;
      s[Item::Hut].RepairDaysLeft.Shown = false;
    } else {
      EndGame(s, m, Outcome::HutCollapsed, kHutMessage);
    }
  }
  // The hut is judged by its wear here, not by ownership: one never built still has 30 days.
  if (WornOut(s, Item::Cave) && WornOut(s, Item::Hut))
    EndGame(s, m, Outcome::CaveFellIn, kCaveMessage);
  if (s.Day == kDwellingDeadlineDay && s.Month == kDwellingDeadlineMonth && !s[Item::Hut].Owned &&
      !s[Item::Cave].Owned) {
    EndGame(s, m, Outcome::NoDwelling, kNoDwellingMessage);
  }
  if (s[Item::Boat].BuildDaysLeft.Value == 0) {
    std::string message(kVictoryMessage);
    message += std::to_string(s.Day);
    message += ' ';
    message += NameOf(s.Month);
    EndGame(s, m, Outcome::Won, message);
  }
}

}  // namespace kevolan
