#include "PrivateDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

PrivateDisplay::PrivateDisplay() {
  int ready[2];
  if (pipe(ready) != 0) return;
  server_ = fork();
  if (server_ == 0) {
    close(ready[0]);
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
    }
    const std::string fd = std::to_string(ready[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
           "1024x768x24", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  // The server writes its display number once it accepts clients.
  std::string number;
  pollfd wait{ready[0], POLLIN, 0};
  char c = 0;
  while (server_ > 0 && poll(&wait, 1, 10000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') {
    number += c;
  }
  close(ready[0]);
  if (!number.empty()) name_ = ":" + number;
}

PrivateDisplay::~PrivateDisplay() {
  if (server_ <= 0) return;
  kill(server_, SIGTERM);
  waitpid(server_, nullptr, 0);
}
