#include "platform/help_panel.h"

#include <algorithm>
#include <string>

#include "platform/palette.h"
#include "platform/picture.h"

namespace mebuki {

namespace {

// The gothic face the lessons are drawn in.
constexpr const char* kFace = "BIZ UDGothic";

// Sizes in picture units (the picture is 1440 x 900).
constexpr double kTitleSize = 44;
constexpr double kLineSize = 34;
constexpr double kLineHeight = 58;
constexpr double kPadding = 40;
constexpr double kColumnGap = 44;

void SetColour(cairo_t* cr, int index) {
  const Rgb c = PaletteColour(index);
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void SetFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, kFace, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, std::string_view text) {
  const std::string s(text);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  return e.x_advance;
}

void ShowText(cairo_t* cr, double x, double baseline, std::string_view text) {
  const std::string s(text);
  cairo_move_to(cr, x, baseline);
  cairo_show_text(cr, s.c_str());
}

}  // namespace

void DrawHelpPanel(cairo_t* cr, int width, int height) {
  const double scale = std::min(static_cast<double>(width) / kLogicalWidth, static_cast<double>(height) / kLogicalHeight);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_reset_clip(cr);
  cairo_translate(cr, (width - kLogicalWidth * scale) / 2, (height - kLogicalHeight * scale) / 2);
  cairo_scale(cr, scale, scale);

  // Columns as wide as their longest text; the panel as wide as both.
  const HelpText& help = Help();
  double keysWidth = 0, actionWidth = 0;
  SetFont(cr, kLineSize, true);
  for (const HelpLine& line : help.lines) keysWidth = std::max(keysWidth, TextWidth(cr, line.keys));
  SetFont(cr, kLineSize, false);
  for (const HelpLine& line : help.lines) actionWidth = std::max(actionWidth, TextWidth(cr, line.action));
  const double closingWidth = TextWidth(cr, help.closing);
  const double contentWidth = std::max(keysWidth + kColumnGap + actionWidth, closingWidth);
  const double panelWidth = std::min(contentWidth + 2 * kPadding, kLogicalWidth - 20.0);
  const double panelHeight = kPadding + kTitleSize * 1.6 + kLineHeight * help.lines.size() + kLineHeight * 0.4 +
                             kLineHeight + kPadding * 0.6;
  const double x0 = (kLogicalWidth - panelWidth) / 2, y0 = (kLogicalHeight - panelHeight) / 2;

  // Dark navy panel with a light-blue edge, as the main menu.
  cairo_rectangle(cr, x0, y0, panelWidth, panelHeight);
  SetColour(cr, 10);
  cairo_fill_preserve(cr);
  SetColour(cr, 11);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);

  const double left = x0 + kPadding;
  double baseline = y0 + kPadding + kTitleSize;
  SetFont(cr, kTitleSize, true);
  SetColour(cr, 15);
  ShowText(cr, left, baseline, help.title);
  baseline += kTitleSize * 0.6;

  for (const HelpLine& line : help.lines) {
    baseline += kLineHeight;
    SetFont(cr, kLineSize, true);
    SetColour(cr, 13);
    ShowText(cr, left, baseline, line.keys);
    SetFont(cr, kLineSize, false);
    SetColour(cr, 15);
    ShowText(cr, left + keysWidth + kColumnGap, baseline, line.action);
  }

  baseline += kLineHeight * 1.4;
  SetFont(cr, kLineSize, false);
  SetColour(cr, 11);
  ShowText(cr, left, baseline, help.closing);
  cairo_restore(cr);
}

}  // namespace mebuki
