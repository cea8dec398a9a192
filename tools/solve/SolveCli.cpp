#include "SolveCli.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Solver.h"

namespace kevolan::solve {
namespace {

constexpr const char* kUsage =
    "Usage: kevolan-solve [--lists-only] [--max-seconds N] [--max-turns N] [--max-megabytes N]\n"
    "                     [--threads N] [SCRIPT | -]\n"
    "Proves the shortest victory from a new game, or from the end of SCRIPT (a kevolan-replay\n"
    "script; - reads it from standard input), and prints it as a script to play on.\n"
    "  --lists-only       only options the lists offer: no typed texts\n"
    "  --max-seconds N    give up after N seconds\n"
    "  --max-turns N      give up after N day turns played\n"
    "  --max-megabytes N  keep within N MiB of memory: past it the search forgets the states it\n"
    "                     has met, which costs it time (default: half the machine's memory, at\n"
    "                     most 8192)\n"
    "  --threads N        search on N threads (default: one for each processor)\n";

// What the program holds besides the states the search remembers: its code, the lines being
// followed on each thread, the first turns shared out between them.
constexpr long long kProgramMegabytes = 24;
constexpr long long kMostThreads = 256;

long long DefaultMegabytes() {
  const long long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
  const long long half = pages > 0 && pageSize > 0 ? pages / 2 * pageSize / (1 << 20) : 8192;
  return std::clamp<long long>(half, 64, 8192);
}

struct Options {
  bool ListsOnly = false;
  double MaxSeconds = -1;
  long long MaxTurns = -1;
  long long MaxMegabytes = -1;  // -1: half the machine's memory, and no more than 8 GiB
  long long Threads = -1;       // -1: one for each processor
  std::optional<std::string> Script;
};

std::optional<long long> Positive(const std::string& text) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value <= 0) return std::nullopt;
  return value;
}

// Empty when the arguments are good, else what is wrong with them.
std::string Read(const std::vector<std::string>& args, Options& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool valued =
        a == "--max-seconds" || a == "--max-turns" || a == "--max-megabytes" || a == "--threads";
    if (a == "--lists-only") {
      o.ListsOnly = true;
    } else if (valued) {
      if (i + 1 >= args.size()) return a + " takes a number";
      const auto n = Positive(args[++i]);
      if (!n) return a + " takes a whole number above 0";
      if (a == "--max-seconds") o.MaxSeconds = static_cast<double>(*n);
      if (a == "--max-turns") o.MaxTurns = *n;
      if (a == "--max-megabytes") o.MaxMegabytes = *n;
      if (a == "--threads") {
        if (*n > kMostThreads) return a + " takes at most " + std::to_string(kMostThreads);
        o.Threads = *n;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      return "unknown option " + a;
    } else if (o.Script) {
      return "only one script";
    } else {
      o.Script = a;
    }
  }
  return {};
}

// Sets the flag after the given time unless stopped first.
class Alarm {
 public:
  Alarm(double seconds, std::atomic<bool>& flag) {
    if (seconds <= 0) return;
    thread_ = std::thread([this, seconds, &flag] {
      std::unique_lock lock(mutex_);
      if (!wake_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return done_; })) {
        flag = true;
      }
    });
  }
  ~Alarm() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace

int RunSolve(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  Options o;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << kUsage;
      return kExitProven;
    }
  }
  if (const std::string wrong = Read(args, o); !wrong.empty()) {
    err << "kevolan-solve: " << wrong << "\n" << kUsage;
    return kExitUsage;
  }
  replay::ReplaySession session;
  std::string from = "a new game";
  if (o.Script) {
    std::ifstream file;
    std::istream* script = &in;
    if (*o.Script != "-") {
      file.open(*o.Script, std::ios::binary);
      if (!file) {
        err << "kevolan-solve: cannot read " << *o.Script << "\n";
        return kExitFailed;
      }
      script = &file;
    }
    const std::string text(std::istreambuf_iterator<char>(*script), {});
    if (const auto played = replay::PlayScript(session, text); !played.Error.empty()) {
      err << "kevolan-solve: usage error in the script, line " << played.Lines + 1 << ": "
          << played.Error << "\n";
      return kExitUsage;
    }
    if (script->bad()) {
      err << "kevolan-solve: cannot read the script\n";
      return kExitFailed;
    }
    from = "the end of " + (*o.Script == "-" ? std::string("standard input") : *o.Script);
  }

  if (session.State().GameOver) {
    err << "kevolan-solve: the game is already over at the end of " << *o.Script << "\n";
    return kExitFailed;
  }
  std::atomic<bool> stop{false};
  solver::ShortestLimits limits;
  limits.ListsOnly = o.ListsOnly;
  limits.MaxTurns = o.MaxTurns;
  const long long megabytes = o.MaxMegabytes < 0 ? DefaultMegabytes() : o.MaxMegabytes;
  limits.MaxBytes = static_cast<std::size_t>(std::max(megabytes - kProgramMegabytes, 1LL)) << 20;
  limits.Cancel = &stop;
  limits.Threads = static_cast<int>(
      o.Threads < 0 ? std::max(1u, std::thread::hardware_concurrency()) : o.Threads);
  const auto start = std::chrono::steady_clock::now();
  solver::ShortestResult r;
  {
    Alarm alarm(o.MaxSeconds, stop);
    r = solver::Shortest(session.State(), limits);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::ostringstream figures;
  figures << std::fixed << std::setprecision(1) << "# " << seconds << " s, " << r.TurnsPlayed
          << " day turns played, " << r.StatesKept << " states kept, "
          << static_cast<double>(r.PeakBytes) / (1 << 20) << " MiB kept at most\n";
  const char* mode = o.ListsOnly ? "listed options only" : "typed texts allowed";
  if (r.Proven) {
    out << "# shortest victory from " << from << " (" << mode << "): " << r.Days << " days\n"
        << figures.str() << r.Script;
    return kExitProven;
  }
  if (r.LowerBound < 0) {
    err << "kevolan-solve: no victory is possible from " << from << " (" << mode << ")\n";
  } else {
    err << "kevolan-solve: not proven within the limits; no victory from " << from << " (" << mode
        << ") takes fewer than " << r.LowerBound << " days";
    if (r.Found) err << ", and one of " << r.Days << " days is known (below)";
    err << "\n";
    if (r.Found) out << "# a victory of " << r.Days << " days, not proven shortest\n" << r.Script;
  }
  err << figures.str();
  return kExitFailed;
}

}  // namespace kevolan::solve
