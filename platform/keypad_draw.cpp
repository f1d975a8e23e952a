#include "platform/keypad_draw.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/cairo_path.h"
#include "platform/palette.h"

namespace mebuki {

namespace {

void SetColour(cairo_t* cr, int index) {
  const Rgb c = PaletteColour(index);
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

}  // namespace

void DrawKeypad(cairo_t* cr, const Keypad& pad, const KeypadButton* pressed) {
  if (pad.buttons.empty()) return;
  cairo_save(cr);
  // Dark navy with a light-blue edge, as the main menu's panel.
  const double edge = std::max(2.0, std::min<double>(pad.panel.x1 - pad.panel.x0, pad.panel.y1 - pad.panel.y0) / 80.0);
  cairo_rectangle(cr, pad.panel.x0, pad.panel.y0, pad.panel.x1 - pad.panel.x0, pad.panel.y1 - pad.panel.y0);
  SetColour(cr, 10);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, edge);
  SetColour(cr, 11);
  cairo_stroke(cr);

  cairo_select_font_face(cr, "BIZ UDGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  for (const KeypadButton& b : pad.buttons) {
    const double w = b.rect.x1 - b.rect.x0, h = b.rect.y1 - b.rect.y0;
    // Light cream keys with black labels; Enter strong blue with white; a key
    // held down light blue.
    const bool down = &b == pressed;
    RoundedRectangle(cr, b.rect.x0, b.rect.y0, b.rect.x1, b.rect.y1, std::min(w, h) / 8);
    SetColour(cr, down ? 11 : b.primary ? 3 : 13);
    cairo_fill(cr);

    const std::string label(b.label);
    // Half the key's height, narrower where the label is wide for the key.
    double size = h * 0.5;
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, label.c_str(), &e);
    if (e.x_advance > w * 0.8) {
      size *= w * 0.8 / e.x_advance;
      cairo_set_font_size(cr, size);
      cairo_text_extents(cr, label.c_str(), &e);
    }
    cairo_font_extents_t f;
    cairo_font_extents(cr, &f);
    SetColour(cr, b.primary && !down ? 15 : 0);
    cairo_move_to(cr, b.rect.x0 + (w - e.x_advance) / 2, b.rect.y0 + (h + f.ascent - f.descent) / 2);
    cairo_show_text(cr, label.c_str());
    cairo_new_path(cr);
  }
  cairo_restore(cr);
}

}  // namespace mebuki
