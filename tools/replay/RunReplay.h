// The replay driver's loop: script lines in, JSON Lines out.
#pragma once

#include <istream>
#include <ostream>

namespace kevolan::replay {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// Plays the whole script. On a usage error it names the line on `err`, runs nothing more and
// returns kExitUsage; otherwise returns kExitOk when the input ends.
int RunReplay(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kevolan::replay
