#include "Invariants.h"

#include <algorithm>
#include <set>

namespace kevolan::testing {
namespace {

bool Distinct(const ChoiceList& list) {
  const auto options = list.Options();
  return std::set<NameId>(options.begin(), options.end()).size() == options.size();
}

// Days of the month never shown: a month turns on the day that equals its length.
bool ValidDate(int day, Month month) {
  const int turning = month == Month::February ? 28
                      : (month == Month::April || month == Month::June ||
                         month == Month::September || month == Month::November)
                          ? 30
                          : 31;
  return day >= 1 && day < turning;
}

// The set of listed names agrees with the list itself.
bool MembershipAgrees(const ChoiceList& list) {
  for (std::size_t i = 1; i < kNameCount; ++i) {
    const auto name = static_cast<NameId>(i);
    const auto options = list.Options();
    if (list.Contains(name) != (std::find(options.begin(), options.end(), name) != options.end()))
      return false;
  }
  return true;
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
  KEEP((s.Outcome != Outcome::Playing) == s.GameOver);
  KEEP(ValidDate(s.Day, s.Month));

  KEEP(s.FishStock <= 10);
  KEEP(s.WildGameStock <= 15);
  // The food box offers exactly the foods in store, each once.
  for (Food food : kFoods) {
    KEEP(s.FoodChoice.Contains(IdOf(food)) == (s.Stock(food) != 0));
  }
  KEEP(Distinct(s.FoodChoice));

  KEEP(s.CreateChoice.Size() <= kWorkedItems.size());
  KEEP(Distinct(s.CreateChoice));
  KEEP(s.CreateChoice.Contains(Item::Boat));
  KEEP(s.GatherChoice.Size() > 0);
  KEEP(s.GatherChoice.Options().front() == NameId::FruitTrip);
  KEEP(s.GatherChoice.Size() <= 3u);
  KEEP(Distinct(s.GatherChoice));
  KEEP(s.RepairChoice.Size() <= kKeptItems.size());
  KEEP(Distinct(s.RepairChoice));
  for (const ChoiceList* list :
       {&s.FoodChoice, &s.GatherChoice, &s.CreateChoice, &s.RepairChoice}) {
    KEEP(MembershipAgrees(*list));
    // The shown text is held as a name whenever it is one.
    KEEP(list->Shown() == ExactName(list->Text()));
  }

  int buildShown = 0;
  for (Item item : kCreatableItems) {
    const ItemState& it = s[item];
    KEEP(it.BuildDaysLeft.Value >= 1 && it.BuildDaysLeft.Value <= Info(item).BuildDays);
    buildShown += it.BuildDaysLeft.Shown;
    // An owned item is never on offer in the creation list.
    KEEP(!(it.Owned && s.CreateChoice.Contains(item)));
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
