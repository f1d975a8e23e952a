#include "platform/x11_guard.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

#include "platform/abrupt_end.h"

namespace mebuki {

namespace {

// Xlib's handlers get no pointer of ours, so the name they print is kept where
// they can reach it; it is written once, before any connection is opened.
char programName[64];

int IgnoreError(Display*, XErrorEvent*) { return 0; }

int DisplayLost(Display*) {
  // Only async-signal-safe calls: the handler may run in any state.
  static const char kLost[] = ": the display was lost; the lesson ended\n";
  ssize_t ignored = write(STDERR_FILENO, programName, std::strlen(programName));
  ignored = write(STDERR_FILENO, kLost, sizeof kLost - 1);
  (void)ignored;
  EndAbruptly(1);
}

}  // namespace

void GuardX11(const char* program) {
  std::strncpy(programName, program, sizeof programName - 1);
  XSetErrorHandler(IgnoreError);
  XSetIOErrorHandler(DisplayLost);
}

void WatchX11Window() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

bool X11WindowDestroyed(const SDL_Event& e, SDL_Window* window) {
  if (e.type != SDL_SYSWMEVENT || e.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = e.syswm.msg->msg.x11.event;
  if (x.type != DestroyNotify) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 &&
         x.xdestroywindow.window == info.info.x11.window;
}

}  // namespace mebuki
