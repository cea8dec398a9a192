// The replay driver's loop: script lines in, JSON Lines out.
#pragma once

#include <functional>

#include "ByteStreams.h"
#include "ReplaySession.h"

namespace kevolan::replay {

inline constexpr int kExitOk = 0;
inline constexpr int kExitIoError = 1;  // a read or a write failed
inline constexpr int kExitUsage = 2;
// The reader closed its end of the pipe: the status a shell gives a filter killed by SIGPIPE.
inline constexpr int kExitReaderGone = 128 + 13;

// Plays the whole script. The answers go out in blocks: when the buffer fills, and whenever
// no further complete line has been read, so a program that waits for each answer gets it.
// A usage error is named on `err` once every answer before it is written, nothing more runs,
// and the result is kExitUsage. A failed read or write is named on `err` (kExitIoError), a
// reader gone away (EPIPE) ends the run quietly (kExitReaderGone); kExitOk at end of input.
// `equip` is given the session before the first line: the program gives it the solver's answers
// to "hint" and "review"; without them both commands are refused.
int RunReplay(ByteSource& in, ByteSink& out, ByteSink& err,
              const std::function<void(ReplaySession&)>& equip = nullptr);

}  // namespace kevolan::replay
