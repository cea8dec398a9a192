// The driver's answer to "review": the days a session plays kept in memory for the review after
// the end, and the review written as one JSON object. The page's worker answers with the same.
#pragma once

#include <memory>
#include <string>

#include "ReplaySession.h"
#include "Review.h"

namespace kevolan::replay {

// Keeps the days `session` plays from now on and answers its "review" from them, with the
// search's own budget. The record is shared with the session's hooks.
std::shared_ptr<const solver::GameRecord> AnswerReviews(ReplaySession& session);

// {"Review": {"Outcome": "starved", "Days": 6, "TurningDate": "6 Января"|null, "Played":
//  [commands]|null, "Saving": [commands]|null, "ShortestDays": 172|null, "DaysLost": n|null,
//  "ShortestFromTurning": n|null, "Undecided": "5 Января"|null, "Turns": n, "Milliseconds": x}}
std::string ReviewJson(const solver::ReviewResult& review);
// The inner object alone, appended to `out`.
void AppendReviewObject(std::string& out, const solver::ReviewResult& review);

}  // namespace kevolan::replay
