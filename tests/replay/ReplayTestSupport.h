// Runs a script through the replay driver's loop and reads its JSON Lines back.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "DriverRun.h"
#include "RunReplay.h"

namespace kevolan::replay::testing {

struct ReplayRun {
  int Exit = -1;
  std::vector<nlohmann::json> Lines;
  std::string Err;
};

inline ReplayRun Replay(const std::string& script) {
  const kevolan::testing::DriverRun driven = kevolan::testing::RunDriver(script);
  ReplayRun run;
  run.Exit = driven.Exit;
  run.Err = driven.Err;
  std::istringstream lines(driven.Out);
  for (std::string line; std::getline(lines, line);) {
    run.Lines.push_back(nlohmann::json::parse(line));
  }
  return run;
}

}  // namespace kevolan::replay::testing
