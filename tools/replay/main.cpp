// kevolan-replay: plays Кеволан headless from a script on standard input.
#include <signal.h>
#include <unistd.h>

#include "HintAnswer.h"
#include "RunReplay.h"

namespace {

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

int main() {
  // A reader that closes the pipe shows up as a failed write (EPIPE), so the loop stops
  // cleanly whatever signal disposition this program inherited.
  signal(SIGPIPE, SIG_IGN);
  kevolan::replay::FdSource in(STDIN_FILENO);
  kevolan::replay::FdSink out(STDOUT_FILENO);
  kevolan::replay::FdSink err(STDERR_FILENO);
  const int status = kevolan::replay::RunReplay(in, out, err, kevolan::replay::HintJson);
  if (status == kevolan::replay::kExitReaderGone) return EndOnBrokenPipe();
  return status;
}
