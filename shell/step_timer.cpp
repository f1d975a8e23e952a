#include "shell/step_timer.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

namespace mebuki {

namespace {

// Milliseconds since this process started, from the kernel's record of its
// start (in clock ticks, so to a tick), or -1 where it cannot be read.
double SinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name may hold spaces; the fields after it are plain.
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
    if (i == 22) startTicks = std::stoull(field);
  }
  timespec now{};
  if (startTicks == 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - startTicks / ticksPerSecond) * 1000;
}

}  // namespace

StepTimer::StepTimer(Host& inner, const State& state, const std::string& path)
    : inner_(inner), s_(state), out_(path) {}

std::string StepTimer::Inkey() {
  char line[160];
  if (!started_) {
    started_ = true;
    last_ = std::chrono::steady_clock::now();
    const long long clock = std::chrono::duration_cast<std::chrono::nanoseconds>(last_.time_since_epoch()).count();
    std::snprintf(line, sizeof line, "{\"startup_ms\":%.1f,\"clock_ns\":%lld}\n", SinceProcessStart(), clock);
    out_.Write(line);
    out_.Flush();
    last_ = std::chrono::steady_clock::now();
  }
  std::string key = inner_.Inkey();
  if (key.empty()) return key;
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - last_).count();
  const bool onPage = s_.Location % 100 != 0, cameFromPage = lastLocation_ % 100 != 0;
  const int location = !onPage && cameFromPage ? lastLocation_ : s_.Location;
  std::snprintf(line, sizeof line, "{\"n\":%d,\"ms\":%.3f,\"location\":%d", ++keys_, ms, location);
  std::string text = line;
  if (const std::optional<double> shown = inner_.TakeKeyToShownMs()) {
    std::snprintf(line, sizeof line, ",\"shown_ms\":%.3f", *shown);
    text += line;
  }
  out_.Write(text + "}\n");
  out_.Flush();
  lastLocation_ = s_.Location;
  last_ = std::chrono::steady_clock::now();
  return key;
}

void StepTimer::IdleUntilClosed() {
  out_.Flush();
  inner_.IdleUntilClosed();
}

}  // namespace mebuki
