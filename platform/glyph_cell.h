// Where a glyph goes in its character cell. Every host that draws text places
// glyphs through this one function, so that the window, the handout and the
// browser put each glyph on the same pixels.
//
// A character cell of font size S is S wide (S/2 for a half-width character)
// and S high, magnified h x v; its top-left corner is given in logical units.
#pragma once

namespace mebuki {

struct GlyphPlace {
  double x = 0;         // the glyph's origin (left end of its baseline)
  double baseline = 0;  // y of the baseline
  double emX = 0;       // width of the glyph's em square
  double emY = 0;       // height of the glyph's em square
};

// cellX, cellY: top-left of the cell; size: font size; h, v: magnification;
// half: a half-width cell; ascent: the face's share of an em above the
// baseline; advance: the glyph's own advance in ems (0.5 or 1 for the gothic
// face); stretch: scale the glyph so that its advance fills the cell (a
// stand-in face whose glyphs are wider than their cells).
inline GlyphPlace PlaceGlyph(double cellX, double cellY, double size, double h, double v, bool half, double ascent,
                             double advance, bool stretch) {
  const double cellW = (half ? size / 2 : size) * h;
  const double cellH = size * v;
  GlyphPlace g;
  g.emX = stretch && advance > 0 ? cellW / advance : size * h;
  g.emY = cellH;
  g.x = cellX;
  g.baseline = cellY + cellH * ascent;
  return g;
}

}  // namespace mebuki
