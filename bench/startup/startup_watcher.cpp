// Starts a program on the X server in DISPLAY and reports, in milliseconds from the start:
// when its first top-level window was mapped and when the first paint of that window
// ended; then its resident and proportional memory one second after the map, in KiB.
// A window's paint shows as X damage on it; the paint has ended once no damage follows
// for a while. With --end-at-paint, the program is ended as soon as its first paint has,
// so that a count of its work (under callgrind) covers exactly its start.
//
// usage: startup_watcher [--end-at-paint] PROGRAM [ARGUMENTS...]
// prints: map_ms=<m> paint_ms=<p> rss_kb=<r> pss_kb=<s>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kQuietAfterPaint = std::chrono::milliseconds(150);
constexpr auto kMemoryAfterMap = std::chrono::seconds(1);
constexpr auto kGiveUpAfter = std::chrono::seconds(20);

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Windows the program creates but never draws into (input-only ones) refuse damage
// tracking; that refusal is expected and ignored.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// A "Name:   123 kB" line of the process's memory summary.
long MemoryField(pid_t pid, const std::string& field) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  const std::string prefix = field + ":";
  for (std::string line; std::getline(rollup, line);) {
    if (line.starts_with(prefix)) return std::stol(line.substr(prefix.size()));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool endAtPaint = argc > 1 && std::string(argv[1]) == "--end-at-paint";
  if (endAtPaint) {
    --argc;
    ++argv;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_watcher [--end-at-paint] PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_watcher: no X display\n");
    return 1;
  }
  int damageEvent = 0;
  int damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "startup_watcher: the X server lacks DAMAGE\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }

  Window mapped = None;
  Clock::time_point mapTime{};
  Clock::time_point lastPaint{};
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    const Clock::time_point now = Clock::now();
    if (now - start > kGiveUpAfter) break;
    if (lastPaint != Clock::time_point{} && now - lastPaint > kQuietAfterPaint) break;
    if (XPending(display) == 0) {
      poll(&connection, 1, 10);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    const Clock::time_point received = Clock::now();
    if (event.type == CreateNotify) {
      // Tracked from creation on, so that no paint can come before the tracking.
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
    } else if (event.type == MapNotify && mapped == None) {
      mapped = event.xmap.window;
      mapTime = received;
    } else if (event.type == damageEvent + XDamageNotify && mapped != None &&
               reinterpret_cast<XDamageNotifyEvent&>(event).drawable == mapped) {
      lastPaint = received;
    }
  }

  int status = 0;
  if (mapped == None || lastPaint == Clock::time_point{}) {
    std::fprintf(stderr, "startup_watcher: no window was mapped and painted\n");
    status = 1;
  } else {
    if (!endAtPaint) std::this_thread::sleep_until(mapTime + kMemoryAfterMap);
    std::printf("map_ms=%.2f paint_ms=%.2f rss_kb=%ld pss_kb=%ld\n",
                MillisecondsBetween(start, mapTime), MillisecondsBetween(start, lastPaint),
                MemoryField(pid, "Rss"), MemoryField(pid, "Pss"));
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  return status;
}
