// How the driver reads its script and writes its answers: in blocks, yet each answer out before
// it waits for more input; failed reads and writes named, a reader gone away not.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RunReplay.h"

extern char** environ;

namespace kevolan::replay::testing {
namespace {

// Hands the script out in the pieces given, as a pipe would, then fails or ends.
class Pieces final : public ByteSource {
 public:
  Pieces(std::vector<std::string> pieces, int endError, const std::string& written)
      : pieces_(std::move(pieces)), endError_(endError), written_(written) {}
  IoResult Read(char* into, std::size_t room) override {
    AnswersWhenRead.push_back(Count(written_));
    if (next_ == pieces_.size()) return {0, endError_};
    const std::string& piece = pieces_[next_++];
    EXPECT_LE(piece.size(), room);
    piece.copy(into, room);
    return {piece.size(), 0};
  }
  static long Count(const std::string& s) { return std::count(s.begin(), s.end(), '\n'); }
  std::vector<long> AnswersWhenRead;  // answers written each time the driver asked for input

 private:
  std::vector<std::string> pieces_;
  std::size_t next_ = 0;
  int endError_;
  const std::string& written_;
};

class Collected final : public ByteSink {
 public:
  explicit Collected(int error = 0) : error_(error) {}
  IoResult Write(std::string_view bytes) override {
    ++Writes;
    if (error_ != 0) return {0, error_};
    Bytes.append(bytes);
    return {bytes.size(), 0};
  }
  std::string Bytes;
  int Writes = 0;

 private:
  int error_;
};

TEST(Answers, AreWrittenBeforeTheDriverWaitsForInputAndInBlocksOtherwise) {
  Collected out;
  Collected err;
  Pieces in({"state\nsta", "te\r\n", "eat on\n# no answer\n\n", "next\nnext\nst", "ate"}, 0,
            out.Bytes);
  ASSERT_EQ(RunReplay(in, out, err), kExitOk);
  // The first read finds nothing waiting; the last line, without "\n", is still run.
  EXPECT_EQ(in.AnswersWhenRead, (std::vector<long>{0, 1, 2, 2, 4, 4}));
  EXPECT_EQ(Pieces::Count(out.Bytes), 5);
  EXPECT_EQ(err.Bytes, "");

  // A script read at once is answered in a few large writes, not one per command.
  std::string script;
  for (int i = 0; i < 1000; ++i) script += "state\n";
  Collected many;
  Pieces whole({script}, 0, many.Bytes);
  ASSERT_EQ(RunReplay(whole, many, err), kExitOk);
  EXPECT_EQ(Pieces::Count(many.Bytes), 1000);
  EXPECT_LE(many.Writes, static_cast<int>(many.Bytes.size() / 65536) + 2);
}

TEST(Answers, AFailedReadIsNamedAfterTheAnswersBeforeIt) {
  Collected out;
  Collected err;
  Pieces in({"state\nnext\nsta"}, EIO, out.Bytes);
  EXPECT_EQ(RunReplay(in, out, err), kExitIoError);
  EXPECT_EQ(Pieces::Count(out.Bytes), 2);  // the unfinished "sta" is not run
  EXPECT_EQ(err.Bytes, "kevolan-replay: cannot read the script: Input/output error\n");
}

TEST(Answers, AFailedWriteIsNamedAndNothingAfterItRuns) {
  std::string unused;
  Collected err;
  Collected full(ENOSPC);
  Pieces in({"state\n", "next\n", "jump\n"}, 0, unused);
  EXPECT_EQ(RunReplay(in, full, err), kExitIoError);
  EXPECT_EQ(full.Writes, 1);
  EXPECT_EQ(in.AnswersWhenRead.size(), 1u);  // never read again
  EXPECT_EQ(err.Bytes, "kevolan-replay: cannot write the answers: No space left on device\n");

  // A usage error waits for the answers before it, whose failed write is what gets named.
  Collected err2;
  Collected full2(ENOSPC);
  Pieces usage({"state\njump\n"}, 0, unused);
  EXPECT_EQ(RunReplay(usage, full2, err2), kExitIoError);
  EXPECT_EQ(err2.Bytes, err.Bytes);

  Collected err3;
  Collected gone(EPIPE);
  Pieces piped({"state\n", "state\n"}, 0, unused);
  EXPECT_EQ(RunReplay(piped, gone, err3), kExitReaderGone);
  EXPECT_EQ(err3.Bytes, "");  // a reader that stops reading is no error
}

// The program itself, started with the given standard input, output and error descriptors.
struct Program {
  pid_t Pid = -1;
  explicit Program(int in, int out, int err, bool blockPipeSignal = false) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t mask;
    sigemptyset(&mask);
    if (blockPipeSignal) sigaddset(&mask, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &mask);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    char* argv[] = {const_cast<char*>(KEVOLAN_REPLAY), nullptr};
    EXPECT_EQ(posix_spawn(&Pid, KEVOLAN_REPLAY, &actions, &attributes, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  // The wait status, or -1 if the program has not ended within ten seconds (it is then killed).
  int Wait() {
    for (int tenths = 0; tenths < 100; ++tenths) {
      int status = 0;
      if (waitpid(Pid, &status, WNOHANG) == Pid) return status;
      usleep(100000);
    }
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
    return -1;
  }
};

// Reads up to the next "\n", or gives up after ten seconds of silence.
std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  pollfd waiting{fd, POLLIN, 0};
  while (poll(&waiting, 1, 10000) == 1 && read(fd, &c, 1) == 1) {
    line += c;
    if (c == '\n') break;
  }
  return line;
}

std::string ReadAll(int fd) {
  std::string all;
  char block[4096];
  for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) all.append(block, n);
  return all;
}

class Pipe {
 public:
  Pipe() { EXPECT_EQ(pipe2(fds_, O_CLOEXEC), 0); }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  int Read() const { return fds_[0]; }
  int Write() const { return fds_[1]; }
  void CloseRead() { CloseEnd(0); }
  void CloseWrite() { CloseEnd(1); }

 private:
  void CloseEnd(int i) {
    if (fds_[i] >= 0) close(fds_[i]);
    fds_[i] = -1;
  }
  int fds_[2] = {-1, -1};
};

void Send(const Pipe& p, const std::string& text) {
  ASSERT_EQ(write(p.Write(), text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

TEST(Program, AnswersAPlayerWhoWaitsForEachAnswer) {
  // Also when whoever started it left its ends of the pipes non-blocking.
  for (const bool nonBlocking : {false, true}) {
    Pipe in, out, err;
    if (nonBlocking) {
      fcntl(in.Read(), F_SETFL, O_NONBLOCK);
      fcntl(out.Write(), F_SETFL, O_NONBLOCK);
    }
    Program driver(in.Read(), out.Write(), err.Write());
    out.CloseWrite();
    err.CloseWrite();
    Send(in, "state\n");
    EXPECT_EQ(ReadLine(out.Read()).rfind("{\"State\": {\"Day\": 1,", 0), 0u);
    Send(in, "eat on\nactivity gather\r\nne");
    Send(in, "xt\n");
    EXPECT_EQ(ReadLine(out.Read()).rfind("{\"Turn\": 1,", 0), 0u);
    std::string flood;  // more than the pipe holds
    for (int i = 0; i < 100; ++i) flood += "state\n";
    Send(in, flood + "next");
    in.CloseWrite();
    usleep(100000);
    const std::string rest = ReadAll(out.Read());
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 101);
    EXPECT_NE(rest.find("{\"Turn\": 2,"), std::string::npos);
    EXPECT_EQ(driver.Wait(), 0);
    EXPECT_EQ(ReadAll(err.Read()), "");
  }
}

TEST(Program, AFailedWriteOrReadIsNamedAndEndsTheRunWithStatusOne) {
  // The script stays open: the driver must stop on the failed write, not wait for more.
  Pipe in, err;
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  Program driver(in.Read(), full, err.Write());
  close(full);
  err.CloseWrite();
  std::string script;
  for (int i = 0; i < 100; ++i) script += "state\n";
  Send(in, script + "jump\n");
  const int status = driver.Wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_EQ(ReadAll(err.Read()),
            "kevolan-replay: cannot write the answers: No space left on device\n");

  // A folder where the script should be cannot be read.
  Pipe out, err2;
  const int folder = open("/", O_RDONLY | O_CLOEXEC);
  Program reader(folder, out.Write(), err2.Write());
  close(folder);
  out.CloseWrite();
  err2.CloseWrite();
  const int readStatus = reader.Wait();
  EXPECT_TRUE(WIFEXITED(readStatus) && WEXITSTATUS(readStatus) == 1) << readStatus;
  EXPECT_EQ(ReadAll(err2.Read()), "kevolan-replay: cannot read the script: Is a directory\n");
  EXPECT_EQ(ReadAll(out.Read()), "");
}

TEST(Program, AReaderThatClosesThePipeEndsItQuietlyLikeAnyFilter) {
  const std::filesystem::path script =
      std::filesystem::temp_directory_path() / ("kevolan-replay-" + std::to_string(getpid()));
  {
    std::ofstream file(script);
    for (int i = 0; i < 2000; ++i) file << "state\n";
  }
  for (const bool blocked : {false, true}) {  // whatever the signal mask it inherits
    Pipe out, err;
    const int in = open(script.c_str(), O_RDONLY | O_CLOEXEC);
    Program driver(in, out.Write(), err.Write(), blocked);
    close(in);
    out.CloseWrite();
    err.CloseWrite();
    EXPECT_FALSE(ReadLine(out.Read()).empty());
    out.CloseRead();  // as `| head -1` does
    const int status = driver.Wait();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
    EXPECT_EQ(ReadAll(err.Read()), "");
  }
  std::filesystem::remove(script);
}

}  // namespace
}  // namespace kevolan::replay::testing
