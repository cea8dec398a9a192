// One day's choices played the way a player makes them: through the window's own handlers,
// then the day turn. The search knows no rule of its own.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Solver.h"

namespace kevolan::solver {

// A text that names no food: with "Питание" on it makes the day not hungry and eats nothing.
inline constexpr std::string_view kNoFood = "ничего";
// A text that names no item: typed into an activity box it makes the day's work do nothing.
inline constexpr std::string_view kNoWork = "отдых";

// The listed foods in the order a meal of them is tried: game first, as its store is capped and a
// hunt refills it only once it is eaten; fruit last, kept against a run of game.
inline constexpr std::array<Food, 3> kMealOrder = {Food::WildGame, Food::Fish, Food::Fruit};

// A run of one food that stands on a multiple that strikes brings the illness back each time it
// ends, as long as nothing is eaten; eating any food moves it off. The food to eat then, else none.
std::optional<Food> FoodStuckOnIllness(const GameState& s);

// Sets up the day as the player would; false when a control the move needs is disabled
// (then `s` may be half set up and must be dropped).
bool Apply(GameState& s, const Move& move);
// Apply, then the next-day button; false when the move was refused or the game is over.
bool Play(GameState& s, const Move& move);

// The moves worth trying. With typed texts the food box always shows kNoFood and only the work
// that can keep the castaway alive or finish the boat is offered; ListsOnly picks listed
// options only and eats what is listed: every day the window allows with picks alone.
std::vector<Move> TypedMoves(const GameState& s);
std::vector<Move> ListMoves(const GameState& s);
inline std::vector<Move> MovesFor(const GameState& s, bool listsOnly) {
  return listsOnly ? ListMoves(s) : TypedMoves(s);
}

// The date the window shows one day earlier.
void PreviousDate(int& day, Month& month);

// The listed option whose text is exactly `text`, else -1: such a text is picked, not typed.
int ListedAt(const ChoiceList& box, std::string_view text);

// Whether a move types any text (a name that is not listed, or no name at all).
bool TypesText(const GameState& s, const Move& move);

}  // namespace kevolan::solver
