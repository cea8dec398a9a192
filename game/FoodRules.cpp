// Food, hunger and illness: one ration a day from one of three stocks, the days in a row on
// one food, the days without food, the food brought in by gathering, the food box that offers
// exactly what is in store, the illness of a one-food diet and the limits on stored fish and game.
#include "Phases.h"

namespace kevolan {
namespace {

constexpr std::string_view kIllnessMessage =
    "Вы питались одним видом питания и заболели на 10 дней";

// The foods that spoil past a cap, in the catalogue's order.
constexpr bool Spoils(const FoodInfo& info) { return info.Cap != 0; }
constexpr auto kCappedFoods = IdsWhere<kFoodTable, Spoils>();

void LockActivityChoices(GameState& s, bool locked) {
  s.ActivityEnabled = !locked;
  s.GatherChoice.Enabled = !locked;
  s.CreateChoice.Enabled = !locked;
  s.RepairChoice.Enabled = !locked;
}

}  // namespace

void CountDownIllness(GameState& s) {
  if (s.SickDays == 0) {
    s.ActivityEnabled = true;
  } else {
    s.ActivityEnabled = false;
    --s.SickDays;
  }
}

void EatFood(GameState& s) {
  if (!s.EatToday) return;
  for (Food food : kFoods) {
    if (!s.FoodChoice.Shows(IdOf(food))) continue;
    // The store is not checked: a food typed in while none is left takes its stock below 0.
    ++s.Streak(food);
    for (Food other : kFoods) {
      if (other != food) s.Streak(other) = 0;
    }
    --s.Stock(food);
  }
}

void CountHunger(GameState& s) {
  // A text that names no food is a day neither eaten nor counted as hungry.
  if (!s.EatToday || s.FoodChoice.ShowsNothing()) ++s.HungryDays;
}

void AddGatheringYield(GameState& s) {
  if (s.Activity != Activity::GatherFood) return;
  for (Food food : kFoods) {
    if (s.GatherChoice.Shows(Info(food).GatherOption)) s.Stock(food) += Info(food).Yield;
  }
}

void UpdateFoodList(GameState& s) {
  // Any empty store clears the box, even when its food is not the one shown.
  for (Food food : kFoods) {
    if (s.Stock(food) != 0) continue;
    s.FoodChoice.ClearSelection();
    s.FoodChoice.Remove(IdOf(food));
  }
  // A food that comes back into store goes to the end of the list and is shown at once.
  for (Food food : kFoods) {
    if (s.Stock(food) == 0 || s.FoodChoice.Contains(IdOf(food))) continue;
    s.FoodChoice.Append(IdOf(food));
    s.FoodChoice.SelectLast();
  }
}

void CheckOneFoodIllness(GameState& s, Messenger& m) {
  // Falling ill sets the illness days, so one turn brings at most one illness.
  if (s.SickDays != 0) return;
  if (!StrikesIllness(s.FruitStreak) && !StrikesIllness(s.FishStreak) &&
      !StrikesIllness(s.WildGameStreak)) {
    return;
  }
  m.Show(kIllnessMessage);
  s.SickDays = kIllnessDays;
  LockActivityChoices(s, true);
}

void ApplyIllnessLock(GameState& s) { LockActivityChoices(s, s.SickDays != 0); }

void CapFoodStocks(GameState& s, Messenger& m) {
  for (Food food : kCappedFoods) {
    const FoodInfo& info = Info(food);
    if (s.Stock(food) > info.Cap) {
      m.Show(info.CapMessage);
      s.Stock(food) = info.Cap;
    }
  }
}

}  // namespace kevolan
