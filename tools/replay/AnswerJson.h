// Pieces the driver's answers about the search ("hint", "review") write alike.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "StateJson.h"

namespace kevolan::replay {

// `["eat on", "pick food 0"]`: a day's commands as the driver reads them.
inline void AppendCommands(std::string& out, const std::vector<std::string>& commands) {
  out += '[';
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (i > 0) out += ", ";
    AppendJsonString(out, commands[i]);
  }
  out += ']';
}

inline void AppendNumberOrNull(std::string& out, long long n, bool known) {
  out += known ? std::to_string(n) : "null";
}

// `, "Turns": n, "Milliseconds": x`: what the search cost.
inline void AppendSearchCost(std::string& out, long long turns, double milliseconds) {
  out += ", \"Turns\": ";
  out += std::to_string(turns);
  char ms[32];
  std::snprintf(ms, sizeof ms, "%.1f", milliseconds);
  out += ", \"Milliseconds\": ";
  out += ms;
}

}  // namespace kevolan::replay
