// The markup text renderer. DrawMarkupText walks TextLine character by
// character: fractions ("ﾀ...ﾀ") and the tall radical ("#") are handled here,
// "^" sets the exponent flag, and every other character goes to DrawGlyphRun
// as a one-character run. MeasureMarkupText lays text out the same
// way with nothing reaching the host.
//
// Two cases no lesson text contains, decided here:
// - A fraction without "/" has its whole content as the numerator over an empty
//   denominator: the bar is as wide as the numerator, and nothing is drawn under it.
// - Inside a fraction "#" has no markup meaning: it is measured and drawn as the
//   character "#" itself (rule 19, 32 wide), so a numerator or denominator never
//   opens a tall radical's overline.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "shell/draw.h"
#include "typeset/measure_scope.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

constexpr std::string_view kFractionMarker = "ﾀ";  // U+FF80

bool Contains(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

// The tall radical at (TextX, TextY): its strokes, then the overline at mode 22
// from just after it.
void DrawTallRadical(State& s, float notedPen) {
  const float x = s.TextX, y = s.TextY;
  SetDrawWidth(s, 3);
  Connect(s, {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}}, s.TextColour);
  s.OverlineMode = 22;
  SetDrawWidth(s, notedPen);
  s.TextX = x + 32;
  s.OverlineStartX = x + 32;
}

}  // namespace

void DrawMarkupText(State& s) {
  const float notedPen = GetDrawWidth(s);
  PenGuard pen(s);  // every path back to the caller leaves the pen as noted
  while (!s.TextLine.empty()) {
    const std::string g(FirstCharacter(s.TextLine));
    std::string rest = s.TextLine.substr(g.size());

    if (g == kFractionMarker) {
      // UTF-8 never finds a character inside another, so a byte search finds the
      // next marker character.
      const size_t close = rest.find(kFractionMarker);
      if (close == std::string::npos) {  // no partner: drop the marker
        s.TextLine = std::move(rest);
        continue;
      }
      const std::string content = rest.substr(0, close);
      std::string setAside = rest.substr(close + kFractionMarker.size());
      s.TextLine.clear();  // DrawFraction measures through TextLine
      DrawFraction(s, content);
      s.TextLine = std::move(setAside);
      continue;
    }

    s.TextLine = std::move(rest);
    if (g == "#" && s.InFraction != 1) {
      DrawTallRadical(s, notedPen);
    } else if (g == "^") {
      s.ExponentPending = 1;
    } else {
      DrawGlyphRun(s, g);
    }
  }
}

void DrawFraction(State& s, std::string_view content) {
  const float x0 = s.TextX, y0 = s.TextY;
  const bool hasShortRadical = Contains(content, "!") || Contains(content, "√");

  // Numerator before the first "/", denominator after it (a further "/" is "÷").
  // Without "/", the whole content is the numerator over an empty denominator.
  const size_t slash = content.find('/');
  const std::string_view numerator = content.substr(0, slash);
  const std::string_view denominator = slash == std::string_view::npos ? std::string_view{} : content.substr(slash + 1);

  s.InFraction = 1;
  s.TextX = x0;
  s.TextY = y0;
  const float wn = MeasureMarkupText(s, numerator);
  s.TextX = x0;
  s.TextY = y0;
  const float wd = MeasureMarkupText(s, denominator);
  s.InFraction = 0;

  const float w = std::max(wn, wd);
  {
    PenGuard bar(s);
    SetDrawWidth(s, 4);
    Line(s, x0, y0 + 25, x0 + w, y0 + 25, s.TextColour);
  }
  if (s.OverlineMode == 22) {  // under a tall radical: the overline spans the fraction
    PenGuard overline(s);
    SetDrawWidth(s, 3);
    Line(s, x0, y0 - 14, x0 + w, y0 - 14, s.TextColour);
  }

  float denominatorTop = y0 + 28;
  if (Contains(denominator, "√") || Contains(denominator, "^")) denominatorTop = y0 + 36;
  if (hasShortRadical) denominatorTop += 8;

  s.TextX = x0 + (w - wd) / 2;
  s.TextY = denominatorTop;
  s.InFraction = 1;
  DrawGlyphRun(s, denominator);

  s.TextX = x0 + (w - wn) / 2;
  s.TextY = y0 - 10;
  s.InFraction = 1;
  DrawGlyphRun(s, numerator);

  s.InFraction = 0;
  s.TextX = x0 + w;
  s.TextY = y0;
}

float MeasureMarkupText(State& s, std::string_view text) {
  typeset_detail::MeasureScope scope(s, text);
  DrawMarkupText(s);
  return s.TextX;
}

}  // namespace mebuki
