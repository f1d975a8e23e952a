// Where a glyph goes in its character cell. Every host that draws text places
// glyphs through this one file, so that the window, the handout and the
// browser put each glyph on the same pixels.
//
// A character cell of font size S is S wide (S/2 for a half-width character)
// and S high, magnified h x v; its top-left corner is given in logical units.
// The lessons' layouts fit text to these cells, so the glyph must stay inside
// its cell the way a classic screen font's glyphs do: the cell holds internal
// leading above the glyph and room for descenders below it, and the em square
// is only a share of the cell.
//
// A host draws a glyph as the glyph's outline in em units (origin on the
// baseline at the left end of the glyph's advance, y downwards) scaled by
// (emX, emY) and moved to (x, baseline). No other transform is needed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ops.h"

namespace mebuki {

struct GlyphPlace {
  double x = 0;         // the glyph's origin (left end of its baseline)
  double baseline = 0;  // y of the baseline
  double emX = 0;       // width of the glyph's em square
  double emY = 0;       // height of the glyph's em square
};

// How a face fills its character cell, in shares of the cell's height.
struct CellMetrics {
  double em;        // height of the em square
  double baseline;  // from the top of the cell to the baseline
};

// The installed family behind a face the lessons name.
inline const char* InstalledFamily(std::string_view face) {
  if (face == "Times New Roman") return "Liberation Serif";
  return "BIZ UDGothic";  // "ｺﾞｼｯｸ", "ゴシック", and "MT Extra" for its script ell
}

// The gothic face's em square is 88 % ascent and 12 % descent, and its own
// metrics make the em the whole cell, so its ink would run edge to edge. Here
// the em is 84 % of the cell and hangs from the cell's top: the 16 % left below
// it is the descent room that keeps a glyph's foot off the border of a table
// cell of its own height, and off the caption's table below it (a larger em
// reaches those borders; a smaller one reads less well from the back).
// The serif face keeps its own ascent (0.891 em) and descent (0.216 em): its
// cell is 1.107 em high, as the face's designers made it.
inline CellMetrics CellMetricsOf(std::string_view face) {
  if (face == "Times New Roman") return {1 / 1.107, 0.891 / 1.107};
  constexpr double kEm = 0.84;
  return {kEm, 0.88 * kEm};
}

// cellX, cellY: top-left of the cell; size: font size; h, v: magnification;
// half: a half-width cell; face: as the lesson names it. The em square shrinks
// about the middle of the cell's width, so that a full-width glyph (one em
// wide) and a half-width one (half an em) both stand centred in their cells.
inline GlyphPlace PlaceGlyph(double cellX, double cellY, double size, double h, double v, bool half,
                             std::string_view face) {
  const CellMetrics m = CellMetricsOf(face);
  const double cellW = (half ? size / 2 : size) * h;
  const double cellH = size * v;
  GlyphPlace g;
  g.emX = size * h * m.em;
  g.emY = cellH * m.em;
  g.x = cellX + cellW * (1 - m.em) / 2;
  g.baseline = cellY + cellH * m.baseline;
  return g;
}

// The decimal point, the comma, the plain style's parentheses and the script
// ell, stretched wider than high as tables and formulas draw them, would read
// as dashes and reach into their neighbours: their advance is far narrower
// than their cell.
// Such a glyph is drawn as narrow as the face has it, its ink moved to the
// middle of the advance that the text styles give it.
GlyphPlace PlaceNarrowInk(const GlyphPlace& g, std::string_view ch, double cellX, double cellW, double h, double v);

// One glyph of a SYMBOL, ready to draw.
struct PlacedGlyph {
  std::string text;    // one character, UTF-8
  const char* family;  // installed family
  GlyphPlace place;
};

// The glyphs of a SYMBOL in order, each in its own cell; blanks draw nothing.
// The "MT Extra" face stood in for one-byte codes, so its characters take
// half-width cells.
std::vector<PlacedGlyph> PlaceSymbol(const SymbolOp& s);

}  // namespace mebuki
