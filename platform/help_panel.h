// The help panel that F1 shows over the current picture: the keys and gestures
// a teacher uses in front of the class, in Japanese. It is drawn only on the
// window's own pixels, never into the kept picture or the trace, so that
// closing it shows the picture exactly as it was. The lines are plain data, so
// that any host can show the same panel.
#pragma once

#include <cairo.h>

#include <span>
#include <string_view>

namespace mebuki {

struct HelpLine {
  std::string_view keys;    // the keys or gestures
  std::string_view action;  // what they do
};

struct HelpText {
  std::string_view title;
  std::span<const HelpLine> lines;
  std::string_view closing;  // how to close the panel
};

const HelpText& Help();

// Draws the panel centred over a device surface of width x height pixels that
// shows the 1440 x 900 picture scaled to fit, in the picture's own scale.
void DrawHelpPanel(cairo_t* cr, int width, int height);

}  // namespace mebuki
