// The castaway's limits: how long he can go without food, how a diet of one food makes him ill,
// and the day by which he must have a roof. The rules test these, and whatever reasons about the
// rules (the solver, the day report) reads them from here.
#pragma once

#include "Catalogue.h"

namespace kevolan {

// More hungry days than this over the whole stay kill: the sixth.
inline constexpr Count kHungerLimit = 5;

// A run of one food of 25, 50, ... up to 2500 days makes the castaway ill; no longer run does.
inline constexpr Count kIllnessEvery = 25;
inline constexpr Count kIllnessLast = 2500;
// An illness holds the activity this many turns.
inline constexpr Count kIllnessDays = 10;

constexpr bool StrikesIllness(Count streak) {
  return streak > 0 && streak <= kIllnessLast && streak % kIllnessEvery == 0;
}

// The castaway who has neither hut nor cave on the turn played on 1 "Февраля" freezes.
inline constexpr int kDwellingDeadlineDay = 1;
inline constexpr Month kDwellingDeadlineMonth = Month::February;

}  // namespace kevolan
