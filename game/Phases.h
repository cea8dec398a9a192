// The twenty phases of a day turn, each an operation on the game state. Phases that can tell
// the player something take the messenger as well. DayTurn runs them in the order listed.
#pragma once

#include "GameState.h"
#include "Limits.h"
#include "Messenger.h"

namespace kevolan {

// Food, hunger and illness.
void CountDownIllness(GameState& s);                   // 1
void EatFood(GameState& s);                            // 5
void CountHunger(GameState& s);                        // 5
void AddGatheringYield(GameState& s);                  // 6
void UpdateFoodList(GameState& s);                     // 7
void CheckOneFoodIllness(GameState& s, Messenger& m);  // 17
void ApplyIllnessLock(GameState& s);                   // 17
void CapFoodStocks(GameState& s, Messenger& m);        // 17

// Creation of items.
void ShowChosenBuildCounter(GameState& s);                // 4, and the creation box's change
void AdvanceCreation(GameState& s);                       // 8
void CompleteCreations(GameState& s);                     // 9
void UpdateCreateListFirst(GameState& s);                 // 10
void UpdateCreateListSecond(GameState& s, Messenger& m);  // 15

// Wear, repair and loss of items.
void ShowRepairCounters(GameState& s);       // 2
void WearItems(GameState& s);                // 3
void UpdateGatherToolOptions(GameState& s);  // 11
void AdvanceRepairs(GameState& s);           // 12
void LoseWornOutItems(GameState& s);         // 13
void UpdateRepairList(GameState& s);         // 14

// Deaths and victory.
void CheckStarvation(GameState& s, Messenger& m);        // 16
void CheckDeathsAndVictory(GameState& s, Messenger& m);  // 18
// Shows the end's message, then puts the game over; a second end in one turn only adds its message.
void EndGame(GameState& s, Messenger& m, Outcome outcome, std::string_view message);

// The close of the day.
void EnableActivityBoxes(GameState& s);  // 19
void AdvanceCalendar(GameState& s);      // 20

}  // namespace kevolan
