// The help panel that F1 shows over the current picture: the keys and gestures
// a teacher uses in front of the class, in Japanese. It is drawn only on the
// window's own pixels, never into the kept picture or the trace, so that
// closing it shows the picture exactly as it was. Its text is in
// platform/help_text.h, which every host shares.
#pragma once

#include <cairo.h>

#include "platform/help_text.h"

namespace mebuki {

// Draws the panel centred over a device surface of width x height pixels that
// shows the 1440 x 900 picture scaled to fit, in the picture's own scale.
void DrawHelpPanel(cairo_t* cr, int width, int height);

}  // namespace mebuki
