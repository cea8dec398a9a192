// How the boxes speak of one day's choices, in the window's own names for its controls: what to
// do (the hint's advice) and what was done (the review after the end). No rule is decided here.
#pragma once

#include <string>
#include <string_view>

#include "GameState.h"
#include "Solver.h"

namespace kevolan::solver {

std::string Quoted(std::string_view text);

// What to do today from `s` for `move`, as the hint says it: "отметьте «Питание», еда: выберите
// «Рыба»", "выберите занятие «Создание», в его поле впишите «Лодка»". A move's empty text leaves
// its box as it stands.
std::string EatingToday(const GameState& s, const Move& move);
std::string WorkToday(const GameState& s, const Move& move);
// What typing a text does, in the game's words, for each kind of text the advice may type; each
// sentence starts a line of its own. Empty when the move types nothing.
std::string WhatTypingDoes(const GameState& s, const Move& move);

// What the player chose on a day that began at `s`, as the boxes showed it when the next-day
// button was pressed (an empty text is an empty box): "«Питание» отмечено, еда «Рыба»",
// "занятие «Создание», в его поле вписано «Лодка»".
std::string EatingChosen(const GameState& s, const Move& played);
std::string WorkChosen(const GameState& s, const Move& played);

}  // namespace kevolan::solver
