// The 16-colour palette. Lessons name colours by index only.
//
// Every colour that text or dots are drawn in stands at least 3 : 1 (by the
// WCAG 2 contrast formula) against every fill it is drawn on, and the colours
// of running text at least 4.5 : 1 on the white page, since a projector washes
// colours out: so 9, which is both a row fill under black text and a text
// colour on white and cream, is a dark orange, and the pause and next-step
// boxes that carry 9 as text are nearly black.
#pragma once

#include <array>
#include <cstdint>

namespace mebuki {

struct Rgb {
  std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // 0  black: running text, grid lines, axes
    {0x00, 0x00, 0x99},  // 1  navy (unused by the lessons)
    {0xc0, 0x00, 0x00},  // 2  dark red (unused)
    {0x00, 0x50, 0xd0},  // 3  strong blue: terms and answers, first bars and polygons
    {0x00, 0x1a, 0x10},  // 4  dark green: pause box fill, start-up text colour
    {0xd8, 0x10, 0x10},  // 5  red: conclusions, results, typed entries, cursor
    {0x8a, 0x5a, 0x00},  // 6  brown (unused)
    {0x80, 0x20, 0xb0},  // 7  purple: labels and questions, "紫色のグラフ"
    {0x80, 0x80, 0x80},  // 8  grey (unused)
    {0xc8, 0x64, 0x00},  // 9  orange: every fifth data row under black text; text and dots; pause text on 4 and 12
    {0x1c, 0x2c, 0x6e},  // 10 dark navy: main-menu panel under white and 13 text; error message panel
    {0x8c, 0xd8, 0xff},  // 11 light blue ("水色"): highlighted cells, third chart colour
    {0x24, 0x0a, 0x24},  // 12 dark plum: next-step box fill under text 9
    {0xff, 0xf2, 0xb0},  // 13 light cream: table fill under black text; menu items on 10
    {0xff, 0xe0, 0x00},  // 14 yellow (unused)
    {0xff, 0xff, 0xff},  // 15 white: the page; a white filled box erases
}};

inline Rgb PaletteColour(int index) {
  return kPalette[static_cast<unsigned>(index) & 15u];
}

}  // namespace mebuki
