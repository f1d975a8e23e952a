// Draws the on-screen keypad (platform/keypad.h) with Cairo, in device pixels.
#pragma once

#include <cairo.h>

#include "platform/keypad.h"

namespace mebuki {

// The panel and its buttons onto cr, whose user space is device pixels;
// `pressed` (one of pad's buttons, or nullptr) is drawn held down.
void DrawKeypad(cairo_t* cr, const Keypad& pad, const KeypadButton* pressed);

}  // namespace mebuki
