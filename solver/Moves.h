// One day's choices played the way a player makes them: through the window's own handlers,
// then the day turn. The search knows no rule of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Solver.h"

namespace kevolan::solver {

// A text that names no food: with "Питание" on it makes the day not hungry and eats nothing.
inline constexpr std::string_view kNoFood = "ничего";

// A run of one food that stands on a multiple of 25 brings the illness back each time it ends,
// as long as nothing is eaten; eating any food moves it off. The food to eat then, else none.
std::optional<Food> FoodStuckOnIllness(const GameState& s);
// A text that names no item: typed into an activity box it makes the day's work do nothing.
inline constexpr std::string_view kNoWork = "отдых";

// Sets up the day as the player would; false when a control the move needs is disabled
// (then `s` may be half set up and must be dropped).
bool Apply(GameState& s, const Move& move);
// Apply, then the next-day button; false when the move was refused or the game is over.
bool Play(GameState& s, const Move& move);

// The moves worth trying. With typed texts the food box always shows kNoFood and only the work
// that can keep the castaway alive or finish the boat is offered; ListsOnly picks listed
// options only and eats what is listed.
std::vector<Move> TypedMoves(const GameState& s);
std::vector<Move> ListMoves(const GameState& s);
inline std::vector<Move> MovesFor(const GameState& s, bool listsOnly) {
  return listsOnly ? ListMoves(s) : TypedMoves(s);
}

// Everything the rules read from here on, as bytes: equal keys play out alike. With typed texts
// the lists, the stores and the hunger are left out (every text can be typed, and the food box
// shows kNoFood or a food's name); the shown flags are left out (only the display reads them).
std::string StateKey(const GameState& s, bool listsOnly);

// The date the window shows one day earlier.
void PreviousDate(int& day, Month& month);

// The choice box of an activity; null for none.
ChoiceList* BoxOf(GameState& s, Activity a);
const ChoiceList* BoxOf(const GameState& s, Activity a);

// The listed option whose text is exactly `text`, else -1: such a text is picked, not typed.
int ListedAt(const ChoiceList& box, std::string_view text);

}  // namespace kevolan::solver
