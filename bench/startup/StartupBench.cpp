// How long the game takes to show its main window, side by side with a minimal Qt Widgets window
// of the same size and the same controls, measured in one run on a private Xvfb display:
// medians of wall time, CPU time and peak resident memory from launch to the first paint, and
// instructions to the first paint under callgrind. The game is started exactly as a player
// starts it; the benchmark only watches the X server for its window.
//
//   bench_startup [--runs N] [--callgrind-runs M] [--profiles DIR] [GAME MINIMAL]
//
// With --profiles, the last callgrind profile of each program is kept in DIR as
// callgrind.game and callgrind.minimal, for callgrind_annotate.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Callgrind.h"
#include "FirstPaint.h"
#include "PrivateDisplay.h"

namespace {

struct Options {
  int Runs = 15;
  int CallgrindRuns = 3;
  std::string Game = KEVOLAN_GAME_PATH;
  std::string Minimal = KEVOLAN_MINIMAL_PATH;
  std::string Profiles;
};

bool Parse(int argc, char* argv[], Options& options) {
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--runs" || arg == "--callgrind-runs") && i + 1 < argc) {
      const int value = std::atoi(argv[++i]);
      if (value < 1 || value > 1000) return false;
      (arg == "--runs" ? options.Runs : options.CallgrindRuns) = value;
    } else if (arg == "--profiles" && i + 1 < argc) {
      options.Profiles = argv[++i];
    } else if (arg.rfind("--", 0) == 0) {
      return false;
    } else {
      programs.push_back(arg);
    }
  }
  if (programs.size() == 2) {
    options.Game = programs[0];
    options.Minimal = programs[1];
  }
  return programs.empty() || programs.size() == 2;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Row(const char* what, double game, double minimal, const char* unit, double target) {
  const double ratio = minimal > 0 ? game / minimal : 0;
  std::printf("%-28s %12.2f %12.2f %-4s %8.3f", what, game, minimal, unit, ratio);
  if (target > 0) std::printf("   %s %.2f", ratio <= target ? "within" : "OVER", target);
  std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: %s [--runs N] [--callgrind-runs M] [--profiles DIR] [GAME MINIMAL]\n",
                 argv[0]);
    return 2;
  }
  const PrivateDisplay display;
  if (display.Name().empty()) {
    std::fprintf(stderr, "bench_startup: could not start Xvfb\n");
    return 1;
  }

  std::string error;
  std::vector<StartupSample> game;
  std::vector<StartupSample> minimal;
  // The first run of each fills the page cache and the font cache; it is not counted.
  for (int run = -1; run < options.Runs; ++run) {
    for (auto* samples : {&game, &minimal}) {
      const std::string& program = samples == &game ? options.Game : options.Minimal;
      const auto sample = RunToFirstPaint(display.Name(), {program}, 30.0, error);
      if (!sample) {
        std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
        return 1;
      }
      if (run >= 0) samples->push_back(*sample);
    }
  }

  std::vector<std::uint64_t> gameInstructions;
  std::vector<std::uint64_t> minimalInstructions;
  for (int run = 0; run < options.CallgrindRuns; ++run) {
    for (auto* counts : {&gameInstructions, &minimalInstructions}) {
      const bool isGame = counts == &gameInstructions;
      const std::string& program = isGame ? options.Game : options.Minimal;
      const std::string profile =
          options.Profiles.empty()
              ? std::string()
              : options.Profiles + (isGame ? "/callgrind.game" : "/callgrind.minimal");
      const auto count = InstructionsToFirstPaint(display.Name(), program, profile, error);
      if (!count) {
        std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
        return 1;
      }
      counts->push_back(*count);
    }
  }

  auto median = [](const std::vector<StartupSample>& samples, auto field) {
    std::vector<double> values;
    for (const StartupSample& sample : samples) values.push_back(field(sample));
    return Median(values);
  };
  const auto wall = [](const StartupSample& s) { return s.WallSeconds * 1000; };
  const auto cpu = [](const StartupSample& s) { return s.CpuSeconds * 1000; };
  const auto rss = [](const StartupSample& s) { return s.PeakRssKiB / 1024.0; };

  std::printf("Start-up to the first paint of the main window, on Xvfb %s (-noreset)\n",
              display.Name().c_str());
  std::printf("game:    %s\nminimal: %s\n", options.Game.c_str(), options.Minimal.c_str());
  std::printf("medians of %d runs; instructions: median of %d callgrind runs\n\n", options.Runs,
              options.CallgrindRuns);
  std::printf("%-28s %12s %12s %-4s %8s   %s\n", "", "game", "minimal", "", "ratio", "target");
  Row("wall time", median(game, wall), median(minimal, wall), "ms", 0);
  Row("CPU time", median(game, cpu), median(minimal, cpu), "ms", 1.15);
  Row("peak resident memory", median(game, rss), median(minimal, rss), "MiB", 1.05);
  Row("instructions", static_cast<double>(Median(gameInstructions)) / 1e6,
      static_cast<double>(Median(minimalInstructions)) / 1e6, "M", 1.07);
  const auto [low, high] = std::minmax_element(gameInstructions.begin(), gameInstructions.end());
  std::printf("\ngame instructions, lowest to highest run: %.2f M to %.2f M\n",
              static_cast<double>(*low) / 1e6, static_cast<double>(*high) / 1e6);
  return 0;
}
