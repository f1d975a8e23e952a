// Glyph drawing. DrawGlyphRun draws a run of characters from
// (TextX, TextY), each by the first rule that matches it, with a fixed advance per
// rule. The steps run in this order: substitution, markers,
// stroke symbols, font and line glyphs (rules 1-20), and the overline step.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

constexpr std::string_view kGothic = "ゴシック";
constexpr std::string_view kTimes = "Times New Roman";
constexpr std::string_view kMtExtra = "MT Extra";
constexpr std::string_view kScriptEll = "ℓ";  // what "MT Extra" shows for "l"

// Step 1: one test after another on the current value.
std::string Substitute(std::string g) {
  if (g == "%") g = "°";
  if (g == "*") g = "×";
  if (g == "/") g = "÷";
  if (g == "@") g = "±";
  if (g == "!") g = "√";
  return g;
}

// Points relative to (cx, cy) as the absolute points CONNECT takes.
std::vector<Point> At(float cx, float cy, std::initializer_list<Point> relative) {
  std::vector<Point> out;
  out.reserve(relative.size());
  for (const Point& p : relative) out.push_back({cx + p.x, cy + p.y});
  return out;
}

// Step 3: the radicals and the parallelograms, drawn with CONNECT. Returns false
// when g is none of them; otherwise draws it, advances cx and moves
// OverlineStartX to the new cx.
bool DrawStrokeSymbol(State& s, const std::string& g, float& cx, float cy) {
  if (g == "√") {
    SetDrawWidth(s, 3);
    if (s.InFraction == 1) {
      Connect(s, At(cx, cy, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}), s.TextColour);
      s.OverlineMode = 11;
      cx += 26;
    } else {
      Connect(s, At(cx, cy, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}), s.TextColour);
      s.OverlineMode = 1;
      cx += 28;
    }
  } else if (g == "&") {
    SetDrawWidth(s, 5);
    Connect(s, At(cx, cy, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}), s.TextColour);
    SetDrawWidth(s, 3);
    cx += 36;
  } else if (g == "＃") {
    SetDrawWidth(s, 5);
    Connect(s, At(cx, cy, {{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}}), s.TextColour);
    SetDrawWidth(s, 3);
    cx += 36;
  } else {
    return false;
  }
  s.OverlineStartX = cx;
  return true;
}

// Step 4: draws g at the pen point (cx, cy) by the first matching rule of 1-20 and
// returns its advance.
float DrawFontOrLineGlyph(State& s, const std::string& g, float cx, float cy) {
  const bool inFraction = s.InFraction == 1;
  const int n = ByteLength(g);
  auto symbol = [&](float dx, float dy, float h, float v, std::string_view text) {
    Symbol(s, cx + dx, cy + dy, text, h, v, s.TextColour);
  };
  auto line = [&](float x1, float y1, float x2, float y2) { Line(s, cx + x1, cy + y1, cx + x2, cy + y2, s.TextColour); };
  const bool italicLetter = g == "a" || g == "x" || g == "c";

  if (g == "." && inFraction) {  // rule 1
    symbol(-3, 0, 3, 2, g);
    return 8;
  }
  if (g == ".") {  // rule 2
    symbol(-3, 12, 3, 2, g);
    return 8;
  }
  if (g == "'" || g == "°") {  // rule 3
    symbol(0, 0, 3, 3, g);
    return 12;
  }
  if (g == "=") {  // rule 4
    SetFontSize(s, 14);
    SetFontBold(s, true);
    symbol(4, 0, 3, 3, g);
    SetFontSize(s, 16);
    return 32;
  }
  if (s.RaisedPending == 1) {  // rule 5
    SetFontSize(s, 8);
    symbol(0, -10, 6, 3, g);
    SetFontSize(s, 16);
    s.RaisedPending = 0;
    return 24;
  }
  if (s.ExponentPending == 1 && inFraction) {  // rule 6
    SetFontSize(s, 8);
    symbol(0, -4, 6, 3, g);
    SetFontSize(s, 16);
    s.ExponentPending = 0;
    return 24;
  }
  if (s.ExponentPending == 1) {  // rule 7
    symbol(0, 0, 3, 2, g);
    s.ExponentPending = 0;
    return 24;
  }
  if (italicLetter) {  // rules 8 (in a fraction) and 9
    SetFontName(s, kTimes);
    SetFontSize(s, 8);
    SetFontItalic(s, true);
    if (inFraction) {
      symbol(4, -16, 12, 5, g);
    } else {
      symbol(4, -22, 10, 7, g);
    }
    SetFontName(s, kGothic);
    SetFontSize(s, 16);
    SetFontItalic(s, false);
    return inFraction ? 32 : 27;
  }
  if (g == "l") {  // rule 10: the script ell
    SetFontName(s, kMtExtra);
    SetFontSize(s, 16);
    SetFontBold(s, true);
    symbol(0, 0, 6, 3, kScriptEll);
    SetFontName(s, kGothic);
    SetFontSize(s, 16);
    SetFontBold(s, false);
    return 32;
  }
  if ((g == "-" || g == "+") && inFraction) {  // rules 11 and 12
    SetDrawWidth(s, 5);
    line(6, 14, 26, 14);
    if (g == "+") line(16, 4, 16, 24);
    SetDrawWidth(s, 3);
    return 32;
  }
  if (g == "-" || g == "+") {  // rules 13 and 14
    SetDrawWidth(s, 5);
    if (g == "-") {
      line(4, 20, 23, 20);
    } else {
      line(4, 22, 23, 22);
      line(13, 10, 13, 34);
    }
    SetDrawWidth(s, 3);
    return 27;
  }
  if ((g == "×" || g == "÷" || g == "±") && !inFraction) {  // rule 15
    symbol(-4, 0, 2, 3, g);
    return 27;
  }
  if (g == " ") return 27;  // rule 16
  if (n == 2 && inFraction) {  // rule 17
    SetFontSize(s, 11);
    symbol(0, 0, 3, 3, g);
    SetFontSize(s, 16);
    return 38;
  }
  if (n == 2) {  // rule 18
    symbol(0, 0, 2, 3, g);
    return 34;
  }
  if (inFraction) {  // rule 19
    symbol(0, 0, 4, 2, g);
    return 32;
  }
  symbol(0, 0, 3, 3, g);  // rule 20
  return 27;
}

// Step 5: while a radical's overline is open, redraw it from the radical to the
// pen x after the glyph; otherwise the overline would start here.
void OverlineStep(State& s, float cx, float cy) {
  float dy;
  if (s.OverlineMode == 1) {
    dy = -4;
  } else if (s.OverlineMode == 11) {
    dy = -6;
  } else if (s.OverlineMode == 22 && s.InFraction != 1) {
    dy = -14;
  } else {
    s.OverlineStartX = cx;
    return;
  }
  SetDrawWidth(s, 3);
  Line(s, s.OverlineStartX, cy + dy, cx, cy + dy, s.TextColour);
}

}  // namespace

void DrawGlyphRun(State& s, std::string_view run) {
  PenGuard pen(s);  // the pen width comes back as noted at set-up
  SetFontName(s, kGothic);
  SetFontSize(s, 16);
  SetFontBold(s, true);
  float cx = s.TextX;
  const float cy = s.TextY;
  for (std::string g : Characters(run)) {
    g = Substitute(std::move(g));
    if (g == "^") {
      s.ExponentPending = 1;
      continue;
    }
    if (g == "\\") {
      s.RaisedPending = 1;
      continue;
    }
    if (g == "ﾝ") {
      s.OverlineMode = 0;
      continue;
    }
    if (DrawStrokeSymbol(s, g, cx, cy)) continue;
    cx += DrawFontOrLineGlyph(s, g, cx, cy);
    OverlineStep(s, cx, cy);
  }
  s.TextX = cx;
  s.TextY = cy;
  SetFontBold(s, false);
}

}  // namespace mebuki
