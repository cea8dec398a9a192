#include "DayTurn.h"

#include "Phases.h"

namespace kevolan {

void DayTurn(GameState& s, Messenger& m) {
  CountDownIllness(s);
  ShowRepairCounters(s);
  WearItems(s);
  ShowChosenBuildCounter(s);
  EatFood(s);
  CountHunger(s);
  AddGatheringYield(s);
  UpdateFoodList(s);
  AdvanceCreation(s);
  CompleteCreations(s);
  UpdateCreateListFirst(s);
  UpdateGatherToolOptions(s);
  AdvanceRepairs(s);
  LoseWornOutItems(s);
  UpdateRepairList(s);
  UpdateCreateListSecond(s, m);
  CheckStarvation(s, m);
  CheckOneFoodIllness(s, m);
  ApplyIllnessLock(s);
  CapFoodStocks(s, m);
  CheckDeathsAndVictory(s, m);
  EnableActivityBoxes(s);
  AdvanceCalendar(s);
}

}  // namespace kevolan
