// The small mathematical typesetter: markup text (fractions, radicals, exponents,
// italic variables), the glyph rules beneath it, the small full-width text of the
// shell, and the plain text of tables and axes. Every advance is a fixed number per
// rule, never the font's own width, so that measuring and drawing agree exactly.
#pragma once

#include <string>
#include <string_view>

#include "shell/state.h"

namespace mebuki {

// Markup text: draws and consumes TextLine from (TextX, TextY) in TextColour.
// Leaves TextX after the last glyph, TextY unchanged, the pen width as on entry.
void DrawMarkupText(State& s);
// One stacked fraction "numerator/denominator" from (TextX, TextY).
void DrawFraction(State& s, std::string_view content);
// Horizontal advance DrawMarkupText gives text, from x = 0 with the current
// InFraction. Draws nothing; TextX, TextY and TextLine are kept.
float MeasureMarkupText(State& s, std::string_view text);

// Glyph rules: draws a run from (TextX, TextY); leaves TextX after it.
void DrawGlyphRun(State& s, std::string_view run);

// Small text: draws and consumes TextLine, every character full-width, 16 apart.
void DrawSmallText(State& s);
// Draws text from (TextX, TextY) in the small style; returns the x after it.
float DrawSmallGlyphs(State& s, std::string_view text);
// Text without its half-width blanks.
std::string StripSpaces(std::string_view text);
// The full-width form of one character (or the character unchanged).
std::string ToFullWidth(std::string_view ch);

// Plain text: draws and consumes TextLine in the compact style of tables and axes.
void DrawPlainText(State& s);
// Width DrawPlainText gives text. Draws nothing; TextX, TextY, TextLine are kept.
float MeasurePlainText(State& s, std::string_view text);

// Sets TextColour, TextX, TextY and TextLine, then draws in that style.
void DrawMarkupAt(State& s, int colour, float x, float y, std::string_view text);
void DrawPlainAt(State& s, int colour, float x, float y, std::string_view text);
void DrawSmallAt(State& s, int colour, float x, float y, std::string_view text);

// The text of a number as the lessons show it: NumberText without blanks.
std::string NumberString(float value);

}  // namespace mebuki
