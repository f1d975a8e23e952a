// Tests of the math text typesetter (typeset/) on the recording
// host.
//
// Map:
//   Helpers                      symbol expectations, runs at a fixed pen point
//   Glyph rules                  one table row per rule of step 4, the stroke
//                                symbols, substitutions, overlines, run edge cases
//   Markup text                  the worked fraction layouts, denominator tops,
//                                tall radical, markers, exponents, our choices,
//                                measuring, pen width
//   Small text                   DrawSmallText, DrawSmallGlyphs, StripSpaces,
//                                ToFullWidth, NumberString
//   Plain text                   rules, widths, measuring
// (typeset_sample_test.cpp draws one line of each kind onto the real canvas.)
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "shell/draw.h"
#include "tests/test_support.h"
#include "typeset/typeset.h"

namespace mebuki {
namespace {

using testing::Engine;

// =============================================================================
// Helpers
// =============================================================================

constexpr const char* kGothic = "ゴシック";
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kMtExtra = "MT Extra";

struct ExpectedSymbol {
  std::string text;
  float x, y, h, v;
};

// Compares position, text and magnification of every symbol, in order.
void ExpectSymbols(const std::vector<SymbolOp>& got, const std::vector<ExpectedSymbol>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("symbol " + std::to_string(i) + " \"" + want[i].text + "\"");
    EXPECT_EQ(got[i].text, want[i].text);
    EXPECT_FLOAT_EQ(got[i].x, want[i].x);
    EXPECT_FLOAT_EQ(got[i].y, want[i].y);
    EXPECT_FLOAT_EQ(got[i].h, want[i].h);
    EXPECT_FLOAT_EQ(got[i].v, want[i].v);
  }
}

void ExpectLine(const LineOp& line, float x1, float y1, float x2, float y2, float pen) {
  EXPECT_EQ(line.mode, kLineSegment);
  EXPECT_FLOAT_EQ(line.x1, x1);
  EXPECT_FLOAT_EQ(line.y1, y1);
  EXPECT_FLOAT_EQ(line.x2, x2);
  EXPECT_FLOAT_EQ(line.y2, y2);
  EXPECT_FLOAT_EQ(line.pen, pen);
}

void ExpectPoints(const std::vector<Point>& got, const std::vector<Point>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_FLOAT_EQ(got[i].x, want[i].x) << "point " << i;
    EXPECT_FLOAT_EQ(got[i].y, want[i].y) << "point " << i;
  }
}

// Draws markup text from (x, y) in colour 7 and returns the engine.
void Markup(Engine& e, const std::string& text, float x = 100, float y = 200) {
  e.s.TextX = x;
  e.s.TextY = y;
  e.s.TextColour = 7;
  e.s.TextLine = text;
  DrawMarkupText(e.s);
}

// =============================================================================
// Glyph rules
// =============================================================================

// One character drawn alone from (100, 200) by a rule of step 4.
struct GlyphRuleCase {
  const char* name;
  const char* run;
  int inFraction, exponentPending, raisedPending;
  const char* text;  // symbol text; nullptr when nothing is drawn
  float dx, dy, h, v;
  const char* face;
  float size;
  bool bold, italic;
  float advance;
};

const GlyphRuleCase kGlyphRules[] = {
    {"r1_point_in_fraction", ".", 1, 0, 0, ".", -3, 0, 3, 2, kGothic, 16, true, false, 8},
    {"r2_point", ".", 0, 0, 0, ".", -3, 12, 3, 2, kGothic, 16, true, false, 8},
    {"r3_prime", "'", 0, 0, 0, "'", 0, 0, 3, 3, kGothic, 16, true, false, 12},
    {"r3_degree", "°", 0, 0, 0, "°", 0, 0, 3, 3, kGothic, 16, true, false, 12},
    {"r3_percent_is_degree", "%", 1, 0, 0, "°", 0, 0, 3, 3, kGothic, 16, true, false, 12},
    {"r4_equals", "=", 0, 0, 0, "=", 4, 0, 3, 3, kGothic, 14, true, false, 32},
    {"r4_equals_in_fraction", "=", 1, 0, 0, "=", 4, 0, 3, 3, kGothic, 14, true, false, 32},
    {"r5_raised", "2", 0, 0, 1, "2", 0, -10, 6, 3, kGothic, 8, true, false, 24},
    {"r6_exponent_in_fraction", "2", 1, 1, 0, "2", 0, -4, 6, 3, kGothic, 8, true, false, 24},
    {"r7_exponent", "2", 0, 1, 0, "2", 0, 0, 3, 2, kGothic, 16, true, false, 24},
    {"r8_italic_x_in_fraction", "x", 1, 0, 0, "x", 4, -16, 12, 5, kTimes, 8, true, true, 32},
    {"r8_italic_a_in_fraction", "a", 1, 0, 0, "a", 4, -16, 12, 5, kTimes, 8, true, true, 32},
    {"r9_italic_x", "x", 0, 0, 0, "x", 4, -22, 10, 7, kTimes, 8, true, true, 27},
    {"r9_italic_c", "c", 0, 0, 0, "c", 4, -22, 10, 7, kTimes, 8, true, true, 27},
    {"r10_script_ell", "l", 0, 0, 0, "ℓ", 0, 0, 6, 3, kMtExtra, 16, true, false, 32},
    {"r10_script_ell_in_fraction", "l", 1, 0, 0, "ℓ", 0, 0, 6, 3, kMtExtra, 16, true, false, 32},
    {"r15_times", "*", 0, 0, 0, "×", -4, 0, 2, 3, kGothic, 16, true, false, 27},
    {"r15_divide", "/", 0, 0, 0, "÷", -4, 0, 2, 3, kGothic, 16, true, false, 27},
    {"r15_plus_minus", "@", 0, 0, 0, "±", -4, 0, 2, 3, kGothic, 16, true, false, 27},
    {"r16_blank", " ", 0, 0, 0, nullptr, 0, 0, 0, 0, kGothic, 16, true, false, 27},
    {"r16_blank_in_fraction", " ", 1, 0, 0, nullptr, 0, 0, 0, 0, kGothic, 16, true, false, 27},
    {"r17_full_width_in_fraction", "度", 1, 0, 0, "度", 0, 0, 3, 3, kGothic, 11, true, false, 38},
    {"r17_times_in_fraction", "*", 1, 0, 0, "×", 0, 0, 3, 3, kGothic, 11, true, false, 38},
    {"r18_full_width", "度", 0, 0, 0, "度", 0, 0, 2, 3, kGothic, 16, true, false, 34},
    {"r19_half_width_in_fraction", "7", 1, 0, 0, "7", 0, 0, 4, 2, kGothic, 16, true, false, 32},
    {"r19_upright_letter_in_fraction", "b", 1, 0, 0, "b", 0, 0, 4, 2, kGothic, 16, true, false, 32},
    {"r20_half_width", "7", 0, 0, 0, "7", 0, 0, 3, 3, kGothic, 16, true, false, 27},
    {"r20_upright_letter", "y", 0, 0, 0, "y", 0, 0, 3, 3, kGothic, 16, true, false, 27},
    {"r20_half_width_katakana", "ｱ", 0, 0, 0, "ｱ", 0, 0, 3, 3, kGothic, 16, true, false, 27},
};

class GlyphRuleTest : public ::testing::TestWithParam<GlyphRuleCase> {};

TEST_P(GlyphRuleTest, DrawsAndAdvances) {
  const GlyphRuleCase& c = GetParam();
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.TextColour = 7;
  e.s.PenWidth = 2;
  e.s.InFraction = c.inFraction;
  e.s.ExponentPending = c.exponentPending;
  e.s.RaisedPending = c.raisedPending;
  DrawGlyphRun(e.s, c.run);

  const auto symbols = e.Symbols();
  if (c.text == nullptr) {
    EXPECT_TRUE(e.host.ops.empty());
  } else {
    ASSERT_EQ(symbols.size(), 1u);
    const SymbolOp& sym = symbols[0];
    EXPECT_EQ(sym.text, c.text);
    EXPECT_FLOAT_EQ(sym.x, 100 + c.dx);
    EXPECT_FLOAT_EQ(sym.y, 200 + c.dy);
    EXPECT_FLOAT_EQ(sym.h, c.h);
    EXPECT_FLOAT_EQ(sym.v, c.v);
    EXPECT_EQ(sym.colour, 7);
    EXPECT_EQ(sym.font.face, c.face);
    EXPECT_FLOAT_EQ(sym.font.size, c.size);
    EXPECT_EQ(sym.font.bold, c.bold);
    EXPECT_EQ(sym.font.italic, c.italic);
  }
  EXPECT_FLOAT_EQ(e.s.TextX, 100 + c.advance);
  EXPECT_FLOAT_EQ(e.s.TextY, 200);
  // Single-shot flags are used up; the run leaves the default font, bold off.
  EXPECT_EQ(e.s.ExponentPending, 0);
  EXPECT_EQ(e.s.RaisedPending, 0);
  EXPECT_EQ(e.s.InFraction, c.inFraction);
  EXPECT_EQ(e.s.Font.face, kGothic);
  EXPECT_FLOAT_EQ(e.s.Font.size, 16);
  EXPECT_FALSE(e.s.Font.bold);
  EXPECT_FALSE(e.s.Font.italic);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 2);
}

INSTANTIATE_TEST_SUITE_P(Rules, GlyphRuleTest, ::testing::ValuesIn(kGlyphRules),
                         [](const auto& info) { return std::string(info.param.name); });

// Rules 11-14: "-" and "+" drawn as strokes at pen width 5, from (100, 200).
struct StrokeRuleCase {
  const char* name;
  const char* run;
  int inFraction;
  std::vector<std::vector<float>> lines;  // x1, y1, x2, y2 relative to the pen point
  float advance;
};

const StrokeRuleCase kStrokeRules[] = {
    {"r11_minus_in_fraction", "-", 1, {{6, 14, 26, 14}}, 32},
    {"r12_plus_in_fraction", "+", 1, {{6, 14, 26, 14}, {16, 4, 16, 24}}, 32},
    {"r13_minus", "-", 0, {{4, 20, 23, 20}}, 27},
    {"r14_plus", "+", 0, {{4, 22, 23, 22}, {13, 10, 13, 34}}, 27},
};

class StrokeRuleTest : public ::testing::TestWithParam<StrokeRuleCase> {};

TEST_P(StrokeRuleTest, DrawsLinesAtPenFive) {
  const StrokeRuleCase& c = GetParam();
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.TextColour = 5;
  e.s.PenWidth = 1;
  e.s.InFraction = c.inFraction;
  DrawGlyphRun(e.s, c.run);
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), c.lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    ExpectLine(lines[i], 100 + c.lines[i][0], 200 + c.lines[i][1], 100 + c.lines[i][2], 200 + c.lines[i][3], 5);
    EXPECT_EQ(lines[i].colour, 5);
  }
  EXPECT_TRUE(e.Symbols().empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 100 + c.advance);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 1);
}

INSTANTIATE_TEST_SUITE_P(Rules, StrokeRuleTest, ::testing::ValuesIn(kStrokeRules),
                         [](const auto& info) { return std::string(info.param.name); });

// Step 3: radicals and parallelograms drawn with CONNECT, from (100, 200).
struct StrokeSymbolCase {
  const char* name;
  const char* run;
  int inFraction;
  float pen;
  std::vector<Point> points;  // relative to the pen point
  int overlineMode;           // OverlineMode afterwards (starting from 0)
  float advance;
};

const StrokeSymbolCase kStrokeSymbols[] = {
    {"bang_in_fraction", "!", 1, 3, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 11, 26},
    {"root_in_fraction", "√", 1, 3, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 11, 26},
    {"bang", "!", 0, 3, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 1, 28},
    {"root", "√", 0, 3, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 1, 28},
    {"ampersand", "&", 0, 5, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 0, 36},
    {"ampersand_in_fraction", "&", 1, 5, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 0, 36},
    {"full_width_hash", "＃", 0, 5, {{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}}, 0, 36},
};

class StrokeSymbolTest : public ::testing::TestWithParam<StrokeSymbolCase> {};

TEST_P(StrokeSymbolTest, ConnectsPoints) {
  const StrokeSymbolCase& c = GetParam();
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.TextColour = 3;
  e.s.PenWidth = 1;
  e.s.InFraction = c.inFraction;
  e.s.ExponentPending = 1;  // stroke symbols leave the pending flag alone
  DrawGlyphRun(e.s, c.run);
  const auto connects = e.All<ConnectOp>();
  ASSERT_EQ(connects.size(), 1u);
  std::vector<Point> want;
  for (const Point& p : c.points) want.push_back({100 + p.x, 200 + p.y});
  ExpectPoints(connects[0].points, want);
  EXPECT_FLOAT_EQ(connects[0].pen, c.pen);
  EXPECT_EQ(connects[0].colour, 3);
  EXPECT_FALSE(connects[0].fill.has_value());
  EXPECT_EQ(e.host.ops.size(), 1u);  // no overline step after a stroke symbol
  EXPECT_EQ(e.s.OverlineMode, c.overlineMode);
  EXPECT_FLOAT_EQ(e.s.OverlineStartX, 100 + c.advance);
  EXPECT_FLOAT_EQ(e.s.TextX, 100 + c.advance);
  EXPECT_EQ(e.s.ExponentPending, 1);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 1);
}

INSTANTIATE_TEST_SUITE_P(Step3, StrokeSymbolTest, ::testing::ValuesIn(kStrokeSymbols),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GlyphRun, EmptyRunDrawsNothingAndLeavesBoldOff) {
  Engine e;
  e.s.TextX = 40;
  e.s.Font.bold = true;
  DrawGlyphRun(e.s, "");
  EXPECT_TRUE(e.host.ops.empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 40);
  EXPECT_FALSE(e.s.Font.bold);
  EXPECT_EQ(e.s.Font.face, kGothic);
}

TEST(GlyphRun, DigitPointDigitAdvances62Outside72Inside) {
  for (int inFraction : {0, 1}) {
    Engine e;
    e.s.TextX = 10;
    e.s.TextY = 50;
    e.s.InFraction = inFraction;
    DrawGlyphRun(e.s, "2.5");
    EXPECT_FLOAT_EQ(e.s.TextX, 10 + (inFraction ? 72 : 62));
    if (inFraction) {
      ExpectSymbols(e.Symbols(), {{"2", 10, 50, 4, 2}, {".", 39, 50, 3, 2}, {"5", 50, 50, 4, 2}});
    } else {
      ExpectSymbols(e.Symbols(), {{"2", 10, 50, 3, 3}, {".", 34, 62, 3, 2}, {"5", 45, 50, 3, 3}});
    }
  }
}

TEST(GlyphRun, ExponentAppliesToOneCharacterOnly) {
  Engine e;
  e.s.TextX = 0;
  e.s.TextY = 100;
  DrawGlyphRun(e.s, "^23");
  ExpectSymbols(e.Symbols(), {{"2", 0, 100, 3, 2}, {"3", 24, 100, 3, 3}});
  EXPECT_FLOAT_EQ(e.s.TextX, 51);
  EXPECT_EQ(e.s.ExponentPending, 0);
}

TEST(GlyphRun, ShortRadicalOverlineGrowsUntilEnd) {
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.PenWidth = 2;
  DrawGlyphRun(e.s, "!23ﾝ4");
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 128, 196, 155, 196, 3);
  ExpectLine(lines[1], 128, 196, 182, 196, 3);
  EXPECT_EQ(e.s.OverlineMode, 0);
  EXPECT_FLOAT_EQ(e.s.OverlineStartX, 209);  // the "4" moved it, without a line
  EXPECT_FLOAT_EQ(e.s.TextX, 209);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 2);
}

TEST(GlyphRun, ShortRadicalInFractionOverlineAtSixAbove) {
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.InFraction = 1;
  DrawGlyphRun(e.s, "!2ﾝ");
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], 126, 194, 158, 194, 3);
  EXPECT_EQ(e.s.OverlineMode, 0);
}

TEST(GlyphRun, TallRadicalOverlineOnlyOutsideFraction) {
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.OverlineMode = 22;
  e.s.OverlineStartX = 60;
  DrawGlyphRun(e.s, "2");
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], 60, 186, 127, 186, 3);

  e.Clear();
  e.s.InFraction = 1;
  DrawGlyphRun(e.s, "3");
  EXPECT_TRUE(e.Lines().empty());
  EXPECT_FLOAT_EQ(e.s.OverlineStartX, 159);
  EXPECT_EQ(e.s.OverlineMode, 22);
}

TEST(GlyphRun, OverlineModeCarriesAcrossCalls) {
  Engine e;
  Markup(e, "!2");
  e.Clear();
  Markup(e, "3ﾝ4", 155, 200);
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], 128, 196, 182, 196, 3);
  EXPECT_EQ(e.s.OverlineMode, 0);
}

TEST(GlyphRun, CharactersAfterScriptEllAreNotBold) {
  Engine e;
  DrawGlyphRun(e.s, "2l3");
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 3u);
  EXPECT_TRUE(symbols[0].font.bold);
  EXPECT_EQ(symbols[1].text, "ℓ");
  EXPECT_TRUE(symbols[1].font.bold);
  EXPECT_FALSE(symbols[2].font.bold);
  EXPECT_EQ(symbols[2].font.face, kGothic);
}

TEST(GlyphRun, StartsFromDefaultFontWhateverCallerLeft) {
  Engine e;
  e.s.Font = FontSpec{"Times New Roman", 22, false, false};
  DrawGlyphRun(e.s, "7");
  ASSERT_EQ(e.Symbols().size(), 1u);
  EXPECT_EQ(e.Symbols()[0].font.face, kGothic);
  EXPECT_FLOAT_EQ(e.Symbols()[0].font.size, 16);
  EXPECT_TRUE(e.Symbols()[0].font.bold);
}

TEST(GlyphRun, RaisedMarkerTakesNoRoom) {
  Engine e;
  e.s.TextX = 0;
  DrawGlyphRun(e.s, "\\2");
  ExpectSymbols(e.Symbols(), {{"2", 0, -10, 6, 3}});
  EXPECT_FLOAT_EQ(e.s.TextX, 24);
}

// =============================================================================
// Markup text
// =============================================================================

// A fraction drawn with DrawMarkupText from (x, y); every value relative to (x, y).
struct FractionCase {
  const char* name;
  const char* text;
  float barWidth;
  float numeratorX, denominatorX, denominatorY;  // of the first symbol of each part
  std::string firstNumerator, firstDenominator;  // first symbol of each part
  float endX;                                    // TextX after the call
};

const FractionCase kFractions[] = {
    // Worked layout: numerator and denominator each 64 wide; "=" from x = 164.
    {"worked_13_50", "ﾀ13/50ﾀ=", 64, 0, 0, 28, "1", "5", 64 + 32},
    {"numerator_narrower", "ﾀ1/30ﾀ=", 64, 16, 0, 28, "1", "3", 64 + 32},
    {"denominator_narrower", "ﾀ86/2ﾀ=", 64, 0, 16, 28, "8", "2", 64 + 32},
    // "2^2" = 32 + 24; the exponent lowers the denominator to y+36.
    {"denominator_with_exponent", "ﾀ1/2^2ﾀ", 56, 12, 0, 36, "1", "2", 56},
    // A "!" anywhere in the content: 8 lower again.
    {"bang_in_numerator", "ﾀ!2ﾝ/3ﾀ", 58, 26, 13, 36, "2", "3", 58},
    {"bang_in_denominator", "ﾀ3/!2ﾝﾀ", 58, 13, 26, 36, "3", "2", 58},
    {"root_in_denominator", "ﾀ3/√2ﾝﾀ", 58, 13, 26, 44, "3", "2", 58},
    {"root_and_exponent", "ﾀ2^2/√2ﾝﾀ", 58, 1, 26, 44, "2", "2", 58},
    // Five numbers and four "+" in the numerator: 10 x 32 + 4 x 32.
    {"long_numerator", "ﾀ72+84+53+33+31/5ﾀ", 448, 0, 208, 28, "7", "5", 448},
    {"decimal_in_fraction", "ﾀ2.5/1ﾀ", 72, 0, 20, 28, "2", "1", 72},
    {"further_slash_is_divide", "ﾀ6/2/3ﾀ", 102, 35, 0, 28, "6", "2", 102},
};

class FractionTest : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FractionTest, Layout) {
  const FractionCase& c = GetParam();
  const float x = 100, y = 200;
  Engine e;
  e.s.PenWidth = 2;
  Markup(e, c.text, x, y);

  const auto lines = e.Lines();
  ASSERT_GE(lines.size(), 1u);
  ExpectLine(lines[0], x, y + 25, x + c.barWidth, y + 25, 4);
  EXPECT_EQ(lines[0].colour, 7);

  // The denominator is drawn first, then the numerator.
  const auto symbols = e.Symbols();
  ASSERT_GE(symbols.size(), 2u);
  EXPECT_EQ(symbols[0].text, c.firstDenominator);
  EXPECT_FLOAT_EQ(symbols[0].x, x + c.denominatorX);
  EXPECT_FLOAT_EQ(symbols[0].y, y + c.denominatorY);
  bool foundNumerator = false;
  for (const SymbolOp& sym : symbols) {
    if (sym.y == y - 10) {
      EXPECT_EQ(sym.text, c.firstNumerator);
      EXPECT_FLOAT_EQ(sym.x, x + c.numeratorX);
      foundNumerator = true;
      break;
    }
  }
  EXPECT_TRUE(foundNumerator);

  EXPECT_FLOAT_EQ(e.s.TextX, x + c.endX);
  EXPECT_FLOAT_EQ(e.s.TextY, y);
  EXPECT_TRUE(e.s.TextLine.empty());
  EXPECT_EQ(e.s.InFraction, 0);
  EXPECT_EQ(e.s.Measuring, 0);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 2);
  EXPECT_FLOAT_EQ(MeasureMarkupText(e.s, c.text), c.endX);
}

INSTANTIATE_TEST_SUITE_P(Layouts, FractionTest, ::testing::ValuesIn(kFractions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Markup, WorkedFractionExactOperations) {
  Engine e;
  Markup(e, "ﾀ13/50ﾀ=", 100, 200);
  ASSERT_EQ(e.host.ops.size(), 6u);  // the bar, four digits and "=": measuring drew nothing
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], 100, 225, 164, 225, 4);
  ExpectSymbols(e.Symbols(), {{"5", 100, 228, 4, 2},
                              {"0", 132, 228, 4, 2},
                              {"1", 100, 190, 4, 2},
                              {"3", 132, 190, 4, 2},
                              {"=", 168, 200, 3, 3}});
  EXPECT_FLOAT_EQ(e.Symbols()[4].font.size, 14);
  EXPECT_FLOAT_EQ(e.s.TextX, 196);
  EXPECT_EQ(e.s.Font.face, kGothic);
  EXPECT_FLOAT_EQ(e.s.Font.size, 16);
  EXPECT_FALSE(e.s.Font.bold);
  EXPECT_FALSE(e.s.Font.italic);
}

TEST(Markup, FullWidthFractionExample) {
  const float x = 50, y = 300;
  Engine e;
  Markup(e, "平均値=ﾀデータの個々の値の合計/データの個数ﾀ", x, y);
  const auto symbols = e.Symbols();
  // 平均値 (34 each), "=", then 6 denominator and 11 numerator characters.
  ASSERT_EQ(symbols.size(), 3u + 1u + 6u + 11u);
  ExpectSymbols({symbols.begin(), symbols.begin() + 4},
                {{"平", x, y, 2, 3}, {"均", x + 34, y, 2, 3}, {"値", x + 68, y, 2, 3}, {"=", x + 106, y, 3, 3}});
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], x + 134, y + 25, x + 552, y + 25, 4);
  EXPECT_EQ(symbols[4].text, "デ");
  EXPECT_FLOAT_EQ(symbols[4].x, x + 134 + 95);
  EXPECT_FLOAT_EQ(symbols[4].y, y + 28);
  EXPECT_FLOAT_EQ(symbols[4].font.size, 11);
  EXPECT_FLOAT_EQ(symbols[9].x, x + 134 + 95 + 5 * 38);  // "数"
  EXPECT_EQ(symbols[10].text, "デ");
  EXPECT_FLOAT_EQ(symbols[10].x, x + 134);
  EXPECT_FLOAT_EQ(symbols[10].y, y - 10);
  EXPECT_EQ(symbols[20].text, "計");
  EXPECT_FLOAT_EQ(symbols[20].x, x + 134 + 10 * 38);
  EXPECT_FLOAT_EQ(e.s.TextX, x + 552);
  EXPECT_FLOAT_EQ(e.s.TextY, y);
}

TEST(Markup, LineContinuesAfterFractionAndCall) {
  Engine e;
  Markup(e, "平均値=ﾀ72+84+53+33+31/5ﾀ", 0, 100);
  EXPECT_FLOAT_EQ(e.s.TextX, 102 + 32 + 448);
  e.s.TextColour = 5;
  e.s.TextLine = "=58.6";
  DrawMarkupText(e.s);
  EXPECT_FLOAT_EQ(e.s.TextX, 582 + 32 + 27 + 27 + 8 + 27);
  EXPECT_EQ(e.Symbols().back().colour, 5);
}

TEST(Markup, TallRadicalOverFraction) {
  const float x = 100, y = 200;
  Engine e;
  e.s.PenWidth = 1;
  Markup(e, "#ﾀ1/30ﾀﾝ=", x, y);

  const auto connects = e.All<ConnectOp>();
  ASSERT_EQ(connects.size(), 1u);
  ExpectPoints(connects[0].points,
               {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}});
  EXPECT_FLOAT_EQ(connects[0].pen, 3);

  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 2u);  // bar, then the overline over the fraction
  ExpectLine(lines[0], x + 32, y + 25, x + 32 + 64, y + 25, 4);
  ExpectLine(lines[1], x + 32, y - 14, x + 32 + 64, y - 14, 3);
  EXPECT_EQ(e.s.OverlineMode, 0);
  EXPECT_FLOAT_EQ(e.s.TextX, x + 32 + 64 + 32);  // the "=" after the "ﾝ" has no overline
  EXPECT_FLOAT_EQ(e.s.PenWidth, 1);
}

TEST(Markup, TallRadicalOverlineFollowsGlyphs) {
  Engine e;
  Markup(e, "#2", 100, 200);
  EXPECT_EQ(e.s.OverlineMode, 22);
  EXPECT_FLOAT_EQ(e.s.OverlineStartX, 132);
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], 132, 186, 159, 186, 3);
  EXPECT_FLOAT_EQ(e.s.TextX, 159);
}

TEST(Markup, UnmatchedMarkerIsDropped) {
  Engine e;
  Markup(e, "12ﾀ34", 0, 0);
  EXPECT_EQ(e.SymbolText(), "1234");
  EXPECT_TRUE(e.Lines().empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 108);

  Engine f;
  Markup(f, "5ﾀ", 0, 0);
  EXPECT_EQ(f.SymbolText(), "5");
  EXPECT_FLOAT_EQ(f.s.TextX, 27);
}

TEST(Markup, TextAfterFractionIsKeptWhileMeasuring) {
  Engine e;
  Markup(e, "ﾀ1/2ﾀ34ﾀ5/6ﾀ7", 0, 100);
  EXPECT_EQ(e.SymbolText(), "21346" "57");
  EXPECT_EQ(e.Lines().size(), 2u);
  EXPECT_FLOAT_EQ(e.s.TextX, 32 + 54 + 32 + 27);
}

TEST(Markup, EmptyLineChangesNothing) {
  Engine e;
  e.s.TextX = 12;
  e.s.TextY = 34;
  e.s.PenWidth = 5;
  e.s.Font = FontSpec{"ｺﾞｼｯｸ", 16, true, false};
  e.s.TextLine.clear();
  DrawMarkupText(e.s);
  EXPECT_TRUE(e.host.ops.empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 12);
  EXPECT_FLOAT_EQ(e.s.TextY, 34);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 5);
  EXPECT_EQ(e.s.Font.face, "ｺﾞｼｯｸ");
}

TEST(Markup, ItalicXThenExponent) {
  Engine e;
  Markup(e, "x^2", 100, 200);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 2u);
  EXPECT_EQ(symbols[0].font.face, kTimes);
  EXPECT_TRUE(symbols[0].font.italic);
  EXPECT_FLOAT_EQ(symbols[0].font.size, 8);
  ExpectSymbols(symbols, {{"x", 104, 178, 10, 7}, {"2", 127, 200, 3, 2}});
  EXPECT_EQ(e.s.ExponentPending, 0);
  EXPECT_FLOAT_EQ(e.s.TextX, 151);
  EXPECT_FALSE(e.s.Font.italic);
  EXPECT_EQ(e.s.Font.face, kGothic);
}

TEST(Markup, DividesAndOtherSubstitutionsAtTopLevel) {
  Engine e;
  Markup(e, "6/3*2@1 90%", 0, 0);
  EXPECT_EQ(e.SymbolText(), "6÷3×2±190°");
  EXPECT_FLOAT_EQ(e.s.TextX, 27 * 10 + 12);
}

// Our choice: a fraction without "/" is its content over an empty denominator.
TEST(Markup, FractionWithoutSlashIsNumeratorOverEmptyDenominator) {
  Engine e;
  Markup(e, "ﾀ12ﾀ=", 100, 200);
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], 100, 225, 164, 225, 4);
  ExpectSymbols(e.Symbols(), {{"1", 100, 190, 4, 2}, {"2", 132, 190, 4, 2}, {"=", 168, 200, 3, 3}});
  EXPECT_FLOAT_EQ(e.s.TextX, 196);
}

TEST(Markup, EmptyPartTakesTheOtherPartsWidth) {
  Engine e;
  Markup(e, "ﾀ/45ﾀ", 100, 200);
  ASSERT_EQ(e.Lines().size(), 1u);
  ExpectLine(e.Lines()[0], 100, 225, 164, 225, 4);
  ExpectSymbols(e.Symbols(), {{"4", 100, 228, 4, 2}, {"5", 132, 228, 4, 2}});
  EXPECT_FLOAT_EQ(e.s.TextX, 164);
}

// Our choice: inside a fraction "#" is the character "#" (rule 19), never a radical.
TEST(Markup, HashInsideFractionIsPlainCharacter) {
  Engine e;
  Markup(e, "ﾀ#2/3ﾀ4", 100, 200);
  EXPECT_TRUE(e.All<ConnectOp>().empty());
  ASSERT_EQ(e.Lines().size(), 1u);  // the bar only: no overline
  ExpectLine(e.Lines()[0], 100, 225, 164, 225, 4);
  ExpectSymbols(e.Symbols(),
                {{"3", 116, 228, 4, 2}, {"#", 100, 190, 4, 2}, {"2", 132, 190, 4, 2}, {"4", 164, 200, 3, 3}});
  EXPECT_EQ(e.s.OverlineMode, 0);
  EXPECT_FLOAT_EQ(MeasureMarkupText(e.s, "ﾀ#2/3ﾀ4"), 64 + 27);
}

// Markup texts for the measuring and pen tests.
const char* const kMarkupSamples[] = {
    "平均値=ﾀ72+84+53+33+31/5ﾀ",
    "ﾀその階級の度数/度数の合計ﾀ=ﾀ13/50ﾀ=0.26",
    "#ﾀ1/30ﾀﾝ+!2ﾝ-x^2",
    "a*c/l@1 90%&＃",
    "\\2ﾀ!x^2ﾝ/√3.5ﾝﾀ",
    "ﾀ12ﾀ",
    "ﾀ",
    "",
};

TEST(Markup, MeasuringDrawsNothingAndEqualsDrawnWidth) {
  for (const char* text : kMarkupSamples) {
    SCOPED_TRACE(text);
    Engine measured;
    measured.s.TextX = 7;
    measured.s.TextY = 8;
    measured.s.TextLine = "kept";
    const float w = MeasureMarkupText(measured.s, text);
    EXPECT_TRUE(measured.host.ops.empty());
    EXPECT_FLOAT_EQ(measured.s.TextX, 7);
    EXPECT_FLOAT_EQ(measured.s.TextY, 8);
    EXPECT_EQ(measured.s.TextLine, "kept");
    EXPECT_EQ(measured.s.Measuring, 0);

    Engine drawn;
    Markup(drawn, text, 300, 400);
    EXPECT_FLOAT_EQ(drawn.s.TextX - 300, w);
  }
}

TEST(Markup, MeasuringTheCallersOwnLineKeepsIt) {
  for (const char* text : {"ﾀ1/2ﾀ", "12", "平均値=ﾀ72+84+53+33+31/5ﾀ"}) {
    Engine e;
    e.s.TextLine = text;
    const float w = MeasureMarkupText(e.s, e.s.TextLine);
    EXPECT_EQ(e.s.TextLine, text);
    e.s.TextX = 0;
    DrawMarkupText(e.s);
    EXPECT_FLOAT_EQ(e.s.TextX, w) << text;
  }
  Engine e;
  e.s.TextLine = "2.78";
  EXPECT_FLOAT_EQ(MeasurePlainText(e.s, e.s.TextLine), 68);
  EXPECT_EQ(e.s.TextLine, "2.78");
}

TEST(Markup, MeasuringUsesCurrentInFraction) {
  Engine e;
  EXPECT_FLOAT_EQ(MeasureMarkupText(e.s, "2.5"), 62);
  e.s.InFraction = 1;
  EXPECT_FLOAT_EQ(MeasureMarkupText(e.s, "2.5"), 72);
  EXPECT_EQ(e.s.InFraction, 1);
}

TEST(Markup, PenWidthRestoredAfterEveryCall) {
  for (float pen : {1.0f, 2.0f, 4.0f}) {
    for (const char* text : kMarkupSamples) {
      SCOPED_TRACE(text);
      Engine e;
      e.s.PenWidth = pen;
      Markup(e, text);
      EXPECT_FLOAT_EQ(e.s.PenWidth, pen);
      e.s.OverlineMode = 0;
      DrawGlyphRun(e.s, text);
      EXPECT_FLOAT_EQ(e.s.PenWidth, pen);
      e.s.TextLine = text;
      DrawPlainText(e.s);
      EXPECT_FLOAT_EQ(e.s.PenWidth, pen);
      e.s.TextLine = text;
      DrawSmallText(e.s);
      EXPECT_FLOAT_EQ(e.s.PenWidth, pen);
    }
  }
}

// =============================================================================
// Small text and number strings
// =============================================================================

TEST(SmallText, PausePromptIsTwelveCellsWide) {
  Engine e;
  e.s.TextX = 128;
  e.s.TextY = 700;
  e.s.TextLine = "何かキーを押して下さい。";
  DrawSmallText(e.s);
  EXPECT_FLOAT_EQ(e.s.TextX, 320);
  EXPECT_FLOAT_EQ(e.s.TextY, 700);
  EXPECT_TRUE(e.s.TextLine.empty());
  EXPECT_TRUE(e.s.Font.bold);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 12u);
  for (size_t i = 0; i < symbols.size(); ++i) {
    EXPECT_FLOAT_EQ(symbols[i].x, 128 + 16 * static_cast<float>(i));
    EXPECT_FLOAT_EQ(symbols[i].y, 700);
    EXPECT_FLOAT_EQ(symbols[i].h, 1);
    EXPECT_FLOAT_EQ(symbols[i].v, 1);
  }
}

TEST(SmallText, EmptyLineDrawsNothing) {
  Engine e;
  e.s.TextX = 5;
  DrawSmallText(e.s);
  EXPECT_TRUE(e.host.ops.empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 5);
}

TEST(SmallText, ConvertsToFullWidthAndKeepsFace) {
  Engine e;
  e.s.TextX = 0;
  e.s.TextY = 10;
  e.s.TextLine = "1-3 Ax";
  DrawSmallText(e.s);
  EXPECT_EQ(e.SymbolText(), "１－３Αχ");
  EXPECT_FLOAT_EQ(e.s.TextX, 80);  // the blank is removed and takes no room
  EXPECT_EQ(e.Symbols()[0].font.face, "ｺﾞｼｯｸ");
  EXPECT_FLOAT_EQ(e.Symbols()[0].font.size, 16);
}

TEST(SmallText, ExponentInLineStaysHalfWidth) {
  Engine e;
  e.s.TextX = 0;
  e.s.TextY = 10;
  e.s.TextLine = "x^2";
  DrawSmallText(e.s);
  ExpectSymbols(e.Symbols(), {{"χ", 0, 10, 1, 1}, {"2", 16, 6, 1, 1}});
  EXPECT_FLOAT_EQ(e.s.TextX, 32);
  EXPECT_EQ(e.s.ExponentPending, 0);
}

// DrawSmallGlyphs from the cursor at (500, 600).
struct SmallGlyphCase {
  const char* name;
  const char* text;
  std::vector<ExpectedSymbol> symbols;
  float end;
};

const SmallGlyphCase kSmallGlyphs[] = {
    {"typed_digit", "5", {{"５", 500, 600, 1, 1}}, 516},
    {"typed_point", ".", {{"．", 496, 600, 1, 1}}, 500},
    {"digit_point_digit", "2.5", {{"２", 500, 600, 1, 1}, {"．", 512, 600, 1, 1}, {"５", 516, 600, 1, 1}}, 532},
    {"exponent", "^2", {{"2", 500, 596, 1, 1}}, 516},
    {"unconverted_half_width", "z", {{"z", 500, 596, 1, 1}}, 516},
    {"blank_removed", " ", {}, 500},
    {"kana", "あ", {{"あ", 500, 600, 1, 1}}, 516},
};

class SmallGlyphTest : public ::testing::TestWithParam<SmallGlyphCase> {};

TEST_P(SmallGlyphTest, DrawsAndReturnsCursor) {
  const SmallGlyphCase& c = GetParam();
  Engine e;
  e.s.TextX = 500;
  e.s.TextY = 600;
  e.s.TextColour = 5;
  const float end = DrawSmallGlyphs(e.s, c.text);
  EXPECT_FLOAT_EQ(end, c.end);
  EXPECT_FLOAT_EQ(e.s.TextX, 500);  // not changed: the caller stores the result
  ExpectSymbols(e.Symbols(), c.symbols);
  for (const SymbolOp& sym : e.Symbols()) EXPECT_EQ(sym.colour, 5);
  EXPECT_TRUE(e.s.Font.bold);
  EXPECT_EQ(e.s.ExponentPending, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, SmallGlyphTest, ::testing::ValuesIn(kSmallGlyphs),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextPair {
  const char* in;
  const char* out;
};

TEST(SmallText, StripSpaces) {
  const TextPair cases[] = {
      {" 12.5", "12.5"}, {"-3", "-3"}, {"   ", ""}, {"", ""}, {"1 2 3", "123"}, {"a　b ", "a　b"}, {" 度数 ", "度数"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripSpaces(c.in), c.out) << '"' << c.in << '"';
}

TEST(SmallText, ToFullWidth) {
  const TextPair cases[] = {
      {"A", "Α"},   // Greek capital alpha, not the full-width Latin A
      {"X", "Ｘ"},  {"B", "Ｂ"},  {"W", "Ｗ"},  {"Z", "Ｚ"},  {" ", "　"},  {"0", "０"},  {"9", "９"},
      {"*", "×"},   {"/", "÷"},   {"+", "＋"},  {"-", "－"},  {"ﾀ", "―"},  {"=", "＝"},  {".", "．"},
      {"?", "∽"},   {"(", "（"},  {")", "）"},  {"!", "√"},   {"$", "≡"},   {"@", "±"},   {"&", "π"},
      {"'", "∠"},   {"[", "≦"},   {"]", "≧"},   {"<", "＜"},  {">", "＞"},  {",", "，"},  {"%", "°"},
      {"x", "χ"},   // Greek chi
      {"y", "ｙ"},  {"a", "ａ"},  {"w", "ｗ"},  {"~", "△"},   {":", "："},
      {"z", "z"},   // not listed
      {"#", "#"},   {"あ", "あ"}, {"度", "度"}, {"５", "５"}, {"Α", "Α"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToFullWidth(c.in), c.out) << '"' << c.in << '"';
}

TEST(SmallText, NumberString) {
  EXPECT_EQ(NumberString(12), "12");
  EXPECT_EQ(NumberString(0.26f), ".26");
  EXPECT_EQ(NumberString(-3.5f), "-3.5");
  EXPECT_EQ(NumberString(0), "0");
}

// =============================================================================
// Plain text
// =============================================================================

// One character drawn alone from (100, 200) with DrawPlainText.
struct PlainRuleCase {
  const char* name;
  const char* text;
  float dx, dy, h, v;
  const char* face;
  float size;
  bool italic;
  float advance;
};

const PlainRuleCase kPlainRules[] = {
    {"r1_point", ".", 0, -3, 3, 2, "ｺﾞｼｯｸ", 15, false, 8},
    {"r2_comma", ",", 0, 0, 3, 2, "ｺﾞｼｯｸ", 15, false, 8},
    {"r3_open_paren", "(", -8, 0, 3, 2, "ｺﾞｼｯｸ", 15, false, 12},
    {"r4_close_paren", ")", 0, 0, 3, 2, "ｺﾞｼｯｸ", 15, false, 8},
    {"r6_check_mark", "レ", 0, 0, 2, 2, "ｺﾞｼｯｸ", 15, false, 30},
    {"r7_italic_x", "x", 4, -12, 7, 4, kTimes, 8, true, 20},
    {"r7_italic_a", "a", 4, -12, 7, 4, kTimes, 8, true, 20},
    {"r8_y", "y", 0, -6, 3, 2, "ｺﾞｼｯｸ", 15, false, 20},
    {"r9_digit", "7", 0, 0, 3, 2, "ｺﾞｼｯｸ", 15, false, 20},
    {"r9_half_width_katakana", "ﾀ", 0, 0, 3, 2, "ｺﾞｼｯｸ", 15, false, 20},
};

class PlainRuleTest : public ::testing::TestWithParam<PlainRuleCase> {};

TEST_P(PlainRuleTest, DrawsAndAdvances) {
  const PlainRuleCase& c = GetParam();
  Engine e;  // the start-up face "ｺﾞｼｯｸ" is in force
  e.s.TextX = 100;
  e.s.TextY = 200;
  e.s.TextColour = 0;
  e.s.TextLine = c.text;
  DrawPlainText(e.s);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 1u);
  const SymbolOp& sym = symbols[0];
  EXPECT_EQ(sym.text, c.text);
  EXPECT_FLOAT_EQ(sym.x, 100 + c.dx);
  EXPECT_FLOAT_EQ(sym.y, 200 + c.dy);
  EXPECT_FLOAT_EQ(sym.h, c.h);
  EXPECT_FLOAT_EQ(sym.v, c.v);
  EXPECT_EQ(sym.font.face, c.face);
  EXPECT_FLOAT_EQ(sym.font.size, c.size);
  EXPECT_TRUE(sym.font.bold);
  EXPECT_EQ(sym.font.italic, c.italic);
  EXPECT_EQ(sym.colour, 0);
  EXPECT_FLOAT_EQ(e.s.TextX, 100 + c.advance);
  EXPECT_FLOAT_EQ(e.s.TextY, 200);
  EXPECT_TRUE(e.s.TextLine.empty());
  EXPECT_FALSE(e.s.Font.bold);
  EXPECT_FALSE(e.s.Font.italic);
  EXPECT_FLOAT_EQ(e.s.Font.size, 16);
}

INSTANTIATE_TEST_SUITE_P(Rules, PlainRuleTest, ::testing::ValuesIn(kPlainRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlainText, Widths) {
  const struct {
    const char* text;
    float width;
  } cases[] = {
      {"2.78", 68},     {" 12", 60},   {"1,000", 88},  {"(3)", 40},  {"度数(人)", 30 + 30 + 12 + 30 + 8},
      {"a+b", 60},      {"レ", 30},    {"", 0},        {"  ", 40},   {"ﾀ13/50ﾀ", 140},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Engine e;
    e.s.TextX = 10;
    e.s.TextLine = c.text;
    DrawPlainText(e.s);
    EXPECT_FLOAT_EQ(e.s.TextX, 10 + c.width);
    EXPECT_FLOAT_EQ(MeasurePlainText(e.s, c.text), c.width);
  }
}

TEST(PlainText, LeadingBlankStartsTwentyFurther) {
  Engine e;
  e.s.TextX = 100;
  e.s.TextLine = " 5";
  DrawPlainText(e.s);
  ExpectSymbols(e.Symbols(), {{"5", 120, 0, 3, 2}});
}

TEST(PlainText, OpenParenOverlapsDigitCell) {
  Engine e;
  e.s.TextX = 100;
  e.s.TextY = 50;
  e.s.TextLine = "3(4)";
  DrawPlainText(e.s);
  ExpectSymbols(e.Symbols(), {{"3", 100, 50, 3, 2}, {"(", 112, 50, 3, 2}, {"4", 132, 50, 3, 2}, {")", 152, 50, 3, 2}});
  EXPECT_FLOAT_EQ(e.s.TextX, 160);
}

TEST(PlainText, ItalicLetterRestoresFaceForNextCharacter) {
  Engine e;
  e.s.TextLine = "x2";
  DrawPlainText(e.s);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 2u);
  EXPECT_EQ(symbols[1].font.face, kGothic);
  EXPECT_FALSE(symbols[1].font.italic);
  EXPECT_FLOAT_EQ(symbols[1].font.size, 15);
  EXPECT_EQ(e.s.Font.face, kGothic);
}

TEST(PlainText, EmptyLineLeavesBoldOffAndSize16) {
  Engine e;
  e.s.TextX = 33;
  e.s.Font.bold = true;
  e.s.Font.size = 12;
  DrawPlainText(e.s);
  EXPECT_TRUE(e.host.ops.empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 33);
  EXPECT_FALSE(e.s.Font.bold);
  EXPECT_FLOAT_EQ(e.s.Font.size, 16);
}

// A malformed byte reaches the host as U+FFFD, one two-byte cell (30) per byte,
// as Characters() splits the text: the canvas and the trace get whole UTF-8.
TEST(PlainText, MalformedBytesAreDrawnAsReplacementCharacters) {
  const std::string kReplacement = "\xEF\xBF\xBD";
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> symbols;
    float width;
  } cases[] = {
      {"stray continuation byte", "\xBA", {kReplacement}, 30},
      {"between digits", "1\xFF" "2", {"1", kReplacement, "2"}, 20 + 30 + 20},
      {"cut-off sequence", "\xE4\xBA", {kReplacement, kReplacement}, 60},  // each byte alone
      {"lead byte before a whole character", "\xE4人", {kReplacement, "人"}, 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Engine e;
    e.s.TextX = 10;
    e.s.TextLine = c.text;
    DrawPlainText(e.s);
    std::vector<std::string> texts;
    for (const auto& sym : e.Symbols()) texts.push_back(sym.text);
    EXPECT_EQ(texts, c.symbols);
    EXPECT_FLOAT_EQ(e.s.TextX, 10 + c.width);
    EXPECT_FLOAT_EQ(MeasurePlainText(e.s, c.text), c.width);
  }
}

TEST(PlainText, MeasuringDrawsNothingAndKeepsFields) {
  Engine e;
  e.s.TextX = 1;
  e.s.TextY = 2;
  e.s.TextLine = "rest";
  EXPECT_FLOAT_EQ(MeasurePlainText(e.s, "12.5レ"), 20 + 20 + 8 + 20 + 30);
  EXPECT_TRUE(e.host.ops.empty());
  EXPECT_FLOAT_EQ(e.s.TextX, 1);
  EXPECT_FLOAT_EQ(e.s.TextY, 2);
  EXPECT_EQ(e.s.TextLine, "rest");
  EXPECT_EQ(e.s.Measuring, 0);
}

}  // namespace
}  // namespace mebuki
