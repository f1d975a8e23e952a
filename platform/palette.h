// The 16-colour palette. Lessons name colours by index only.
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
    {0x0b, 0x5d, 0x4a},  // 4  dark green: pause box fill, start-up text colour
    {0xd8, 0x10, 0x10},  // 5  red: conclusions, results, typed entries, cursor
    {0x8a, 0x5a, 0x00},  // 6  brown (unused)
    {0x80, 0x20, 0xb0},  // 7  purple: labels and questions, "紫色のグラフ"
    {0x80, 0x80, 0x80},  // 8  grey (unused)
    {0xff, 0xb8, 0x60},  // 9  light orange: every fifth data row under black text; pause text on 4 and 12
    {0x1c, 0x2c, 0x6e},  // 10 dark navy: main-menu panel under white and 13 text
    {0x8c, 0xd8, 0xff},  // 11 light blue ("水色"): highlighted cells, third chart colour
    {0x5a, 0x1e, 0x5a},  // 12 dark plum: next-step box fill under text 9
    {0xff, 0xf2, 0xb0},  // 13 light cream: table fill under black text; menu items on 10
    {0xff, 0xe0, 0x00},  // 14 yellow (unused)
    {0xff, 0xff, 0xff},  // 15 white: the page; a white filled box erases
}};

inline Rgb PaletteColour(int index) {
  return kPalette[static_cast<unsigned>(index) & 15u];
}

}  // namespace mebuki
