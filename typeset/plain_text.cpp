// Plain text, the compact style of tables and axes (size 15, mostly
// magnified 3 x 2, no markup). MeasurePlainText lays text out the same way with
// nothing reaching the host.
#include <string>
#include <string_view>

#include "platform/text.h"
#include "shell/draw.h"
#include "typeset/measure_scope.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

// Draws g at the pen point (cx, cy) by the first matching rule of 1-9 and returns
// its advance.
float DrawPlainGlyph(State& s, const std::string& g, float cx, float cy) {
  auto symbol = [&](float dx, float dy, float h, float v) { Symbol(s, cx + dx, cy + dy, g, h, v, s.TextColour); };
  if (g == ".") {  // rule 1
    symbol(0, -3, 3, 2);
    return 8;
  }
  if (g == ",") {  // rule 2
    symbol(0, 0, 3, 2);
    return 8;
  }
  if (g == "(") {  // rule 3: overlaps the cell before it
    symbol(-8, 0, 3, 2);
    return 12;
  }
  if (g == ")") {  // rule 4
    symbol(0, 0, 3, 2);
    return 8;
  }
  if (g == " ") return 20;  // rule 5
  if (ByteLength(g) == 2) {  // rule 6
    symbol(0, 0, 2, 2);
    return 30;
  }
  if (g == "a" || g == "x" || g == "c") {  // rule 7
    SetFontName(s, "Times New Roman");
    SetFontSize(s, 8);
    SetFontItalic(s, true);
    symbol(4, -12, 7, 4);
    SetFontName(s, "ゴシック");
    SetFontItalic(s, false);
    return 20;
  }
  if (g == "y") {  // rule 8
    symbol(0, -6, 3, 2);
    return 20;
  }
  symbol(0, 0, 3, 2);  // rule 9
  return 20;
}

}  // namespace

void DrawPlainText(State& s) {
  PenGuard pen(s);  // the pen width in force on entry comes back
  while (!s.TextLine.empty()) {
    const float cx = s.TextX, cy = s.TextY;
    const std::string_view first = FirstCharacter(s.TextLine);
    // A malformed byte is drawn as U+FFFD, as Characters() reads it, never passed on.
    const std::string g = Characters(first).front();
    s.TextLine.erase(0, first.size());
    SetFontBold(s, true);
    SetFontSize(s, 15);
    const float advance = DrawPlainGlyph(s, g, cx, cy);
    s.TextX = cx + advance;
    s.TextY = cy;
  }
  SetFontBold(s, false);
  SetFontSize(s, 16);
}

float MeasurePlainText(State& s, std::string_view text) {
  typeset_detail::MeasureScope scope(s, text);
  DrawPlainText(s);
  return s.TextX;
}

}  // namespace mebuki
