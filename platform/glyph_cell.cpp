#include "platform/glyph_cell.h"

#include "platform/text.h"

namespace mebuki {

namespace {

// Glyphs whose advance in the lessons' text styles is far narrower than their
// stretched cell. Ink: left and right, in ems from the glyph's origin, of the
// gothic face's bold, as the lessons draw them. Centre: where the ink's middle
// goes, as a share of the half-width cell (22.5 wide in the plain style, 24 in
// the markup style, at a magnification of 3).
struct NarrowInk {
  std::string_view ch;
  double left, right, centre;
};
constexpr NarrowInk kNarrowInk[] = {
    // The plain style gives a point the 8 units after its cell's left edge,
    // the markup style the 8 units after 3 units in (it draws the point 3
    // units to the left); 0.24 of the cell lies inside both. The plain comma
    // takes the same 8 units.
    {".", 143 / 2048.0, 479 / 2048.0, 0.24},
    {",", 125 / 2048.0, 479 / 2048.0, 0.24},
    // The plain style's parentheses: ")" takes the 8 units after its cell's
    // left edge, "(" is drawn 8 units left of the place it takes 12 from. Drawn
    // wide, each would cover a comma beside it (" (ｲ),(ｳ)").
    {")", 143 / 2048.0, 782 / 2048.0, 4 / 22.5},
    {"(", 242 / 2048.0, 881 / 2048.0, 14 / 22.5},
    // The script ell stands in for a face whose ell took 32 units of its
    // 48-wide cell (magnified 6 x 3).
    {"ℓ", 29 / 2048.0, 967 / 2048.0, 16 / 48.0},
};

}  // namespace

GlyphPlace PlaceNarrowInk(const GlyphPlace& g, std::string_view ch, double cellX, double cellW, double h, double v) {
  if (h <= v) return g;
  for (const NarrowInk& ink : kNarrowInk) {
    if (ch != ink.ch) continue;
    GlyphPlace p = g;
    p.emX = g.emY;
    p.x = cellX + ink.centre * cellW - p.emX * (ink.left + ink.right) / 2;
    return p;
  }
  return g;
}

std::vector<PlacedGlyph> PlaceSymbol(const SymbolOp& s) {
  std::vector<PlacedGlyph> glyphs;
  const double size = s.font.size;
  const bool halfFace = s.font.face == "MT Extra";
  const char* family = InstalledFamily(s.font.face);
  double x = s.x;
  for (std::string& ch : Characters(s.text)) {
    const bool half = halfFace || ByteLength(ch) == 1;
    const double cellW = (half ? size / 2 : size) * s.h;
    if (ch != " ") {
      GlyphPlace g = PlaceGlyph(x, s.y, size, s.h, s.v, half, s.font.face);
      if (half) g = PlaceNarrowInk(g, ch, x, cellW, s.h, s.v);
      glyphs.push_back({std::move(ch), family, g});
    }
    x += cellW;
  }
  return glyphs;
}

}  // namespace mebuki
