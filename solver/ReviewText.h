// The review's words in the hint's box: the day that lost the game and what would have kept the
// way open, or the days a victory took against the shortest. No rule is decided here.
#pragma once

#include <string>

#include "Review.h"

namespace kevolan::solver {

// `review` is what Review found for the game `record` kept.
std::string ReviewText(const GameRecord& record, const ReviewResult& review);

}  // namespace kevolan::solver
