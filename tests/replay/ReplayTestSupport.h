// Runs a script through the replay driver's loop and reads its JSON Lines back.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "RunReplay.h"

namespace kevolan::replay::testing {

struct ReplayRun {
  int Exit = -1;
  std::vector<nlohmann::json> Lines;
  std::string Err;
};

inline ReplayRun Replay(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  ReplayRun run;
  run.Exit = RunReplay(in, out, err);
  run.Err = err.str();
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    run.Lines.push_back(nlohmann::json::parse(line));
  }
  return run;
}

}  // namespace kevolan::replay::testing
