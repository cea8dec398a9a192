// Starts a program on a display and waits until its first top-level window is mapped and drawn
// into, as the X server sees it (the DAMAGE extension), then stops the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct StartupSample {
  double WallSeconds = 0;  // from fork to the first drawing into the mapped window
  double CpuSeconds = 0;   // user plus system time of the whole process, all threads
  long PeakRssKiB = 0;     // the process's peak resident memory
};

// `argv` is run as is (a program, or valgrind with a program). Nothing on failure or timeout;
// `error` then says why.
std::optional<StartupSample> RunToFirstPaint(const std::string& display,
                                             const std::vector<std::string>& argv,
                                             double timeoutSeconds, std::string& error);
