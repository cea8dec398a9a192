#include "FirstPaint.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

// The watched program's windows may go away at any moment; their errors are no concern here.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

pid_t Launch(const std::string& display, const std::vector<std::string>& argv) {
  const pid_t child = fork();
  if (child != 0) return child;
  setenv("DISPLAY", display.c_str(), 1);
  // Both programs meet the same X11 desktop, whatever the caller's session looks like.
  unsetenv("QT_QPA_PLATFORM");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("QT_SCALE_FACTOR");
  const int quiet = open("/dev/null", O_RDWR);
  if (quiet >= 0) {
    dup2(quiet, STDIN_FILENO);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
  }
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

}  // namespace

std::optional<StartupSample> RunToFirstPaint(const std::string& display,
                                             const std::vector<std::string>& argv,
                                             double timeoutSeconds, std::string& error) {
  using Clock = std::chrono::steady_clock;
  Display* x = XOpenDisplay(display.c_str());
  if (x == nullptr) {
    error = "cannot open display " + display;
    return std::nullopt;
  }
  int damageEvent = 0;
  int damageError = 0;
  if (!XDamageQueryExtension(x, &damageEvent, &damageError)) {
    XCloseDisplay(x);
    error = "the X server has no DAMAGE extension";
    return std::nullopt;
  }
  XSetErrorHandler(IgnoreXErrors);
  XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
  XSync(x, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = Launch(display, argv);
  std::vector<Damage> damages;
  std::set<Window> mapped;
  std::optional<Clock::time_point> painted;
  bool exited = false;
  pollfd connection{ConnectionNumber(x), POLLIN, 0};

  while (!painted && !exited) {
    while (!painted && XPending(x) > 0) {
      XEvent event;
      XNextEvent(x, &event);
      if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
        // Watch the drawing from the start; a damage object only sees what comes after it.
        damages.push_back(XDamageCreate(x, event.xcreatewindow.window, XDamageReportNonEmpty));
      } else if (event.type == MapNotify && !event.xmap.override_redirect) {
        mapped.insert(event.xmap.window);
      } else if (event.type == damageEvent + XDamageNotify) {
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (mapped.count(damage.drawable) != 0) {
          painted = Clock::now();
        } else {
          XDamageSubtract(x, damage.damage, None, None);
        }
      }
    }
    if (painted) break;
    if (std::chrono::duration<double>(Clock::now() - start).count() > timeoutSeconds) break;
    exited = waitpid(child, nullptr, WNOHANG) == child;
    poll(&connection, 1, 20);
  }

  StartupSample sample;
  if (!exited) {
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.CpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    sample.PeakRssKiB = usage.ru_maxrss;
  }
  for (Damage damage : damages) XDamageDestroy(x, damage);
  XCloseDisplay(x);

  if (!painted) {
    error = exited ? argv.back() + " ended before it painted a window"
                   : argv.back() + " painted no window in time";
    return std::nullopt;
  }
  sample.WallSeconds = std::chrono::duration<double>(*painted - start).count();
  return sample;
}
