// kevolan-replay: plays Кеволан headless from a script on standard input.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "HintAnswer.h"
#include "ReviewAnswer.h"
#include "RunReplay.h"

namespace {

constexpr const char* kUsage =
    "Usage: kevolan-replay < SCRIPT\n"
    "Plays Кеволан from a script on standard input, one command a line, as a player at the\n"
    "main window would, and writes one JSON answer a line on standard output.\n"
    "  -h, --help  print this text and exit\n";

// Ends the program as a filter ends whose reader has gone: killed by SIGPIPE, without a word.
int EndOnBrokenPipe() {
  signal(SIGPIPE, SIG_DFL);
  sigset_t pipeSignal;
  sigemptyset(&pipeSignal);
  sigaddset(&pipeSignal, SIGPIPE);
  sigprocmask(SIG_UNBLOCK, &pipeSignal, nullptr);
  raise(SIGPIPE);
  return kevolan::replay::kExitReaderGone;  // not reached
}

}  // namespace

int main(int argc, char** argv) {
  // The script comes on standard input: an argument is only ever a request for this text, and
  // anything else is refused rather than left waiting for a script on the terminal.
  if (argc > 1) {
    const std::string_view arg = argv[1];
    if (argc == 2 && (arg == "--help" || arg == "-h")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    std::fprintf(stderr, "kevolan-replay: unexpected argument %s\n%s", argv[1], kUsage);
    return kevolan::replay::kExitUsage;
  }
  // A reader that closes the pipe shows up as a failed write (EPIPE), so the loop stops
  // cleanly whatever signal disposition this program inherited.
  signal(SIGPIPE, SIG_IGN);
  kevolan::replay::FdSource in(STDIN_FILENO);
  kevolan::replay::FdSink out(STDOUT_FILENO);
  kevolan::replay::FdSink err(STDERR_FILENO);
  const int status =
      kevolan::replay::RunReplay(in, out, err, [](kevolan::replay::ReplaySession& s) {
        s.AnswerHints(kevolan::replay::HintJson);
        kevolan::replay::AnswerReviews(s);
      });
  if (status == kevolan::replay::kExitReaderGone) return EndOnBrokenPipe();
  return status;
}
