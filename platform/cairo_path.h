// Paths Cairo has no call for, shared by the canvas and the window's own
// drawing.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace mebuki {

// A rectangle from (x0, y0) to (x1, y1) with round corners, as a new sub-path;
// the radius at most half of either side.
inline void RoundedRectangle(cairo_t* cr, double x0, double y0, double x1, double y1, double radius) {
  radius = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x1 - radius, y0 + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, x1 - radius, y1 - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, x0 + radius, y1 - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, x0 + radius, y0 + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

}  // namespace mebuki
