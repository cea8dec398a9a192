// kevolan-solve's whole run, apart from main, so tests run it in process.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kevolan::solve {

inline constexpr int kExitProven = 0;
inline constexpr int kExitFailed = 1;  // no proof within the limits, a file that cannot be read
inline constexpr int kExitUsage = 2;

// `args` without the program's name; `in` is read when the script is "-".
int RunSolve(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace kevolan::solve
