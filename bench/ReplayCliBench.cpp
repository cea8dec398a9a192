// The program kevolan-replay on a 10,000-turn script, as a user runs it: the instructions it
// executes (callgrind, which repeats from run to run) and its wall time, median of several runs,
// with the answers going to a file and to a pipe.
//
//   bench_replay_cli [--driver PATH] [--runs N] [--keep]
//
// PATH defaults to the kevolan-replay beside this program; give another build's driver to
// compare the two on the same script. --keep leaves the script, the answers and the callgrind
// profile (for callgrind_annotate) in the scratch folder it names.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ReplaySession.h"
#include "SensibleCastaway.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr long long kTurns = 10000;

// The castaway of the day-turn benchmark, who never finishes the boat and so plays on.
std::string LongScript() { return kevolan::testing::EndlessCastawayScript(kTurns); }

struct Run {
  bool Ok = false;
  double Seconds = 0;
  double CpuSeconds = 0;    // user and system time of the driver
  std::uint64_t Bytes = 0;  // answers read from the pipe
};

// Starts `argv` with the script on standard input and standard output sent to `outPath`, or
// to a pipe this program drains when `outPath` is empty; waits for it to end.
Run Spawn(const std::vector<std::string>& argv, const std::string& script,
          const std::string& outPath) {
  Run run;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  int pipeFds[2] = {-1, -1};
  if (outPath.empty() && pipe(pipeFds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, script.c_str(), O_RDONLY, 0);
  if (outPath.empty()) {
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (outPath.empty()) {
    close(pipeFds[1]);
    if (spawned == 0) {
      static std::vector<char> sink(1 << 16);
      for (ssize_t n; (n = read(pipeFds[0], sink.data(), sink.size())) != 0;) {
        if (n > 0) run.Bytes += static_cast<std::uint64_t>(n);
      }
    }
    close(pipeFds[0]);
  }
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
  }
  run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
  run.CpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

struct Medians {
  double Wall = 0;
  double Cpu = 0;
};

// Wall time is what a user waits; CPU time varies less with the load of a shared machine.
std::optional<Medians> MedianTimes(const std::string& driver, const std::string& script,
                                   const std::string& outPath, int runs) {
  std::vector<double> wall;
  std::vector<double> cpu;
  for (int i = 0; i < runs; ++i) {
    const Run run = Spawn({driver}, script, outPath);
    if (!run.Ok) return std::nullopt;
    wall.push_back(run.Seconds);
    cpu.push_back(run.CpuSeconds);
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  return Medians{wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

// The "totals:" line (or, in older files, "summary:") of a callgrind profile: its first count
// is Ir, instructions executed.
std::optional<std::uint64_t> CallgrindTotal(const std::string& path) {
  std::ifstream profile(path);
  std::optional<std::uint64_t> total;
  for (std::string line; std::getline(profile, line);) {
    for (const std::string prefix : {"totals:", "summary:"}) {
      if (line.rfind(prefix, 0) == 0) total = std::stoull(line.substr(prefix.size()));
    }
  }
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  std::string driver = (fs::path(argv[0]).parent_path() / "kevolan-replay").string();
  int runs = 11;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--keep") {
      keep = true;
    } else if (option == "--driver" && i + 1 < argc) {
      driver = argv[++i];
    } else if (option == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench_replay_cli [--driver PATH] [--runs N] [--keep]\n");
      return 2;
    }
  }

  char dirTemplate[] = "/tmp/kevolan-replay-bench-XXXXXX";
  if (mkdtemp(dirTemplate) == nullptr) {
    std::fprintf(stderr, "bench_replay_cli: cannot make a scratch folder\n");
    return 1;
  }
  const fs::path dir(dirTemplate);
  const std::string script = (dir / "script.txt").string();
  const std::string answers = (dir / "answers.jsonl").string();
  const std::string profile = (dir / "callgrind.out").string();
  const std::string text = LongScript();
  std::ofstream(script, std::ios::binary) << text;

  std::printf("kevolan-replay on a %lld-turn script (%zu bytes): %s\n", kTurns, text.size(),
              driver.c_str());
  const Run once = Spawn({driver}, script, "");
  if (!once.Ok) {
    std::fprintf(stderr, "bench_replay_cli: %s did not play the script\n", driver.c_str());
    fs::remove_all(dir);
    return 1;
  }
  std::printf("  answers: %llu bytes\n", static_cast<unsigned long long>(once.Bytes));

  const Run counted = Spawn(
      {"valgrind", "--tool=callgrind", "--dump-line=no", "--callgrind-out-file=" + profile, driver},
      script, answers);
  const std::optional<std::uint64_t> instructions =
      counted.Ok ? CallgrindTotal(profile) : std::nullopt;
  if (instructions) {
    std::printf("  instructions (callgrind): %.1f M\n", static_cast<double>(*instructions) / 1e6);
  } else {
    std::printf("  instructions (callgrind): not measured (is valgrind installed?)\n");
  }

  for (const auto& [where, outPath] : {std::pair<const char*, std::string>{"to a file", answers},
                                       std::pair<const char*, std::string>{"to a pipe", ""}}) {
    const std::optional<Medians> median = MedianTimes(driver, script, outPath, runs);
    if (median) {
      std::printf("  wall time %s: %.1f ms, CPU time %.1f ms (medians of %d runs)\n", where,
                  median->Wall * 1e3, median->Cpu * 1e3, runs);
    } else {
      std::printf("  wall time %s: the driver failed\n", where);
    }
  }
  if (keep) {
    std::printf("  kept: %s\n", dir.c_str());
  } else {
    fs::remove_all(dir);
  }
  return 0;
}
