// The window under X11: Xlib's own reaction to errors is to print a report and
// end the process with status 1, and to a lost display to print one and end it
// too. Neither suits a lesson. A request on a window that is already gone (the
// window destroyed from outside, or a message SDL sent to its own window still
// on its way while the window closes) fails harmlessly instead; a lost display
// ends the run at once with one line that says so.
#pragma once

#include <SDL.h>

namespace mebuki {

// Before SDL opens its connections: SDL keeps the handler it finds and restores
// it when it closes them, which is exactly when the late errors arrive.
void GuardX11(const char* program);

// Asks SDL for the window's X events too, so that its destruction is seen.
void WatchX11Window();

// Whether the event tells that the window was destroyed from outside.
bool X11WindowDestroyed(const SDL_Event& e, SDL_Window* window);

}  // namespace mebuki
