// Instructions a program executes from launch to the first paint of its window, counted by
// valgrind's callgrind. The count repeats from run to run within a fraction of a percent.
// The profile is written to `profile` (for callgrind_annotate), or to a scratch file when empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

std::optional<std::uint64_t> InstructionsToFirstPaint(const std::string& display,
                                                      const std::string& program,
                                                      const std::string& profile,
                                                      std::string& error);
