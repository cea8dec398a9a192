// The replay driver's loop run over a script held in memory, as kevolan-replay runs it.
#pragma once

#include <string>
#include <string_view>

namespace kevolan::testing {

struct DriverRun {
  int Exit = -1;
  std::string Out;  // the answers
  std::string Err;  // what the driver named on standard error
};

// The script is read in blocks as large as the driver asks for.
DriverRun RunDriver(std::string_view script);

}  // namespace kevolan::testing
