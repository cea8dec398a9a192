#include "Invariants.h"

#include <set>

namespace kevolan::testing {
namespace {

bool Distinct(const std::vector<std::string>& v) {
  return std::set<std::string>(v.begin(), v.end()).size() == v.size();
}

// Days of the month never shown: a month turns on the day that equals its length.
bool ValidDate(int day, const std::string& month) {
  const int turning =
      month == "Февраля"                                                                   ? 28
      : (month == "Апреля" || month == "Июня" || month == "Сентября" || month == "Ноября") ? 30
                                                                                           : 31;
  return day >= 1 && day < turning;
}

}  // namespace

// Each promise is checked in turn; the first one broken is named by its own text.
#define KEEP(condition)                  \
  do {                                   \
    if (!(condition)) return #condition; \
  } while (false)

std::string BrokenInvariant(const GameState& s, Count hungerBefore, bool overBefore) {
  const int positiveStreaks = (s.FruitStreak > 0) + (s.FishStreak > 0) + (s.WildGameStreak > 0);
  KEEP(positiveStreaks <= 1);
  KEEP(s.SickDays >= 0 && s.SickDays <= 10);
  KEEP(s.HungryDays >= hungerBefore);
  KEEP(s.ActivityEnabled == (s.SickDays == 0));
  KEEP(!overBefore || s.GameOver);
  KEEP(ValidDate(s.Day, s.Month));

  KEEP(s.FishStock <= 10);
  KEEP(s.WildGameStock <= 15);
  // The food box offers exactly the foods in store, each once.
  for (Food food : kFoods) {
    KEEP(s.FoodChoice.Contains(NameOf(food)) == (s.Stock(food) != 0));
  }
  KEEP(Distinct(s.FoodChoice.Options));

  KEEP(s.CreateChoice.Options.size() <= 6u);
  KEEP(Distinct(s.CreateChoice.Options));
  KEEP(s.CreateChoice.Contains("Лодка"));
  KEEP(!s.GatherChoice.Options.empty());
  KEEP(s.GatherChoice.Options.front() == "Поход за фруктами");
  KEEP(s.GatherChoice.Options.size() <= 3u);
  KEEP(Distinct(s.GatherChoice.Options));
  KEEP(s.RepairChoice.Options.size() <= 6u);
  KEEP(Distinct(s.RepairChoice.Options));

  int buildShown = 0;
  for (Item item : kCreatableItems) {
    const ItemState& it = s[item];
    KEEP(it.BuildDaysLeft.Value >= 1 && it.BuildDaysLeft.Value <= Info(item).BuildDays);
    buildShown += it.BuildDaysLeft.Shown;
    // An owned item is never on offer in the creation list.
    KEEP(!(it.Owned && s.CreateChoice.Contains(NameOf(item))));
  }
  KEEP(buildShown <= 1);
  KEEP(s[Item::Boat].BuildDaysLeft.Shown);
  KEEP(s[Item::Boat].BuildDaysLeft.Value >= 0);
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const ItemState& it = s.Items[i];
    if (it.Owned) KEEP(it.WearDaysLeft.Value >= 1);
  }
  KEEP(s.GatherChoice.Enabled == (s.Activity == Activity::GatherFood));
  KEEP(s.CreateChoice.Enabled == (s.Activity == Activity::Create));
  KEEP(s.RepairChoice.Enabled == (s.Activity == Activity::Repair));
  return {};
}

#undef KEEP

}  // namespace kevolan::testing
