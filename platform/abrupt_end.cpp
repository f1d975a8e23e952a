#include "platform/abrupt_end.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace mebuki {

namespace {

// Process-wide, unlike the rest of the engine's state: a signal handler and
// Xlib's handler of a lost display receive no pointer of ours, so whatever they
// act on has to be reachable without one. Slots are filled by the main thread
// and read by the handlers: a slot's path is complete before it is marked in
// use, and the marks are sig_atomic_t.
constexpr int kSlots = 8;
constexpr size_t kPathBytes = 4096;
struct Slot {
  volatile sig_atomic_t used;
  char path[kPathBytes];
};
Slot temporaries[kSlots];

void OnTerminationSignal(int signal) { EndAbruptly(128 + signal); }

}  // namespace

void EndOnTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  // The handler blocks the others while it removes the temporaries; a signal
  // after that ends the process the default way.
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, s);
  action.sa_flags = SA_RESETHAND;
  for (int s : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal the caller chose to ignore (nohup, a script's background job)
    // stays ignored.
    struct sigaction before {};
    if (sigaction(s, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(s, &action, nullptr);
  }
}

void RemoveOnAbruptEnd(const std::string& path) {
  if (path.size() >= kPathBytes) return;
  for (Slot& slot : temporaries) {
    if (slot.used) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.used = 1;
    return;
  }
}

void ForgetOnAbruptEnd(const std::string& path) {
  for (Slot& slot : temporaries) {
    if (slot.used && path == slot.path) slot.used = 0;
  }
}

void EndAbruptly(int status) {
  for (Slot& slot : temporaries) {
    if (slot.used) unlink(slot.path);
  }
  _exit(status);
}

}  // namespace mebuki
