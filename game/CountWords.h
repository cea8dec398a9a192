// How Russian says a number of things: "1 день", "3 дня", "5 дней", "21 порция". Whatever tells
// the player a count in words (the hint, the help) takes the noun's form from here.
#pragma once

#include <array>
#include <string_view>

#include "Catalogue.h"

namespace kevolan {

// A noun's three forms after a number.
struct CountWord {
  std::string_view One;   // 1, 21, 101, ...
  std::string_view Few;   // 2 to 4, 22 to 24, ...
  std::string_view Many;  // 0, 5 to 20, 25 to 30, ..., and 11 to 14 of every hundred
};

inline constexpr CountWord kDayWord = {"день", "дня", "дней"};
inline constexpr CountWord kRationWord = {"порция", "порции", "порций"};
// Every noun the game counts in words.
inline constexpr std::array<CountWord, 2> kCountWords = {kDayWord, kRationWord};

// The form of `word` that goes after the number `n`.
constexpr std::string_view FormFor(Count n, const CountWord& word) {
  const Count tens = n % 100;
  const Count units = n % 10;
  if (tens >= 11 && tens <= 14) return word.Many;
  if (units == 1) return word.One;
  if (units >= 2 && units <= 4) return word.Few;
  return word.Many;
}

}  // namespace kevolan
