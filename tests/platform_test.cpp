// The host's pure helpers: number texts, VAL, the generator, keys, the trace,
// the kept picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>  // IWYU pragma: keep
#include <utility>
#if !defined(__EMSCRIPTEN__)  // the browser build has no Cairo canvas
#include <cairo.h>
#endif
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/float_text.h"
#if !defined(__EMSCRIPTEN__)
#include "platform/canvas.h"
#endif
#include "platform/glyph_cell.h"
#include "platform/keys.h"
#include "platform/numbers.h"
#include "platform/output_file.h"
#include "platform/palette.h"
#include "platform/picture.h"
#include "platform/recording_host.h"
#include "platform/text.h"
#include "platform/trace_host.h"

namespace mebuki {
namespace {

TEST(NumberText, WritesSixSignificantDigitsWithoutLeadingZero) {
  struct Case {
    float value;
    const char* text;
  };
  const Case kCases[] = {
      {0, " 0"},
      {12, " 12"},
      {-3, "-3"},
      {0.26f, " .26"},           // 0.2599999905 rounds to .260000
      {-0.5f, "-.5"},
      {115.97999f, " 115.98"},   // the (ア) sum as single precision adds it
      {273.0f / 5, " 54.6"},     // 54.5999985 to six digits
      {2.3196f, " 2.3196"},
      {685.0f / 31, " 22.0968"}, // 22.096774 rounded at the sixth digit
      {999999, " 999999"},
      {0.00001f, " .00001"},
      {1234567, " 1.23457E+06"},  // past six digits: exponent form
      {1e7f, " 1E+07"},
      {1e-7f, " 1E-07"},
      {-2.5e-7f, "-2.5E-07"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.value), c.text);
  }
}

TEST(Val, ReadsTheLongestLeadingDecimalNumber) {
  struct Case {
    const char* text;
    float value;
  };
  const Case kCases[] = {
      {"12", 12}, {"-3", -3}, {".5", 0.5f}, {"-.5", -0.5f}, {"5.", 5}, {"1-2", 1},
      {" 3.5x", 3.5f},  // leading blanks are skipped, the rest after the number ignored
      {"2/4", 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Val(c.text), c.value);
  }
  // Texts that hold no decimal number at their start.
  const char* kNothing[] = {"", "--", "-", ".", "abc", "/3", "+4"};
  for (const char* text : kNothing) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Val(text), 0);
  }
}

TEST(RoundHalfUp, GoesUpAtHalfway) {
  EXPECT_EQ(RoundHalfUp(2.5f), 3);
  EXPECT_EQ(RoundHalfUp(2.49f), 2);
  EXPECT_EQ(RoundHalfUp(-2.5f), -2);
  EXPECT_EQ(RoundHalfUp(12.5f), 13);
}

TEST(Random, SameSeedSameSequenceInRange) {
  Random a, b, c;
  a.Randomize(42);
  b.Randomize(42);
  c.Randomize(43);
  bool differs = false;
  double sum = 0;
  for (int i = 0; i < 20000; ++i) {
    float x = a.Rnd();
    ASSERT_EQ(x, b.Rnd());
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    differs |= x != c.Rnd();
    sum += x;
  }
  EXPECT_TRUE(differs);
  EXPECT_NEAR(sum / 20000, 0.5, 0.01);  // a uniform mean, well within its spread
}

TEST(Random, EverySeedOfTheDayStartsDifferently) {
  std::set<float> firsts;
  for (int seed = 0; seed <= 141; ++seed) {
    Random r;
    r.Randomize(seed);
    firsts.insert(r.Rnd());
  }
  EXPECT_EQ(firsts.size(), 142u);
}

TEST(Keys, ScriptEscapes) {
  EXPECT_EQ(keys::DecodeScript("1\\n"), "1\r");
  EXPECT_EQ(keys::DecodeScript("\\r\\b\\f\\\\x"), std::string("\r\b\f\\x"));
  EXPECT_EQ(keys::DecodeScript("a\\"), "a\\");
}

TEST(Keys, FullWidthEntryCharactersCountAsHalfWidth) {
  struct Case {
    const char* typed;
    const char* key;
  };
  const Case kCases[] = {{"１", "1"}, {"９", "9"}, {"－", "-"}, {"．", "."}, {"／", "/"}, {"a", "a"}, {"あ", "あ"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(keys::FromTypedText(c.typed).value_or("?"), c.key);
  }
  EXPECT_FALSE(keys::FromTypedText("").has_value());
  EXPECT_FALSE(keys::FromTypedText("12").has_value());
}

TEST(Text, ByteLengthIsTheOriginalEncodingLength) {
  struct Case {
    const char* ch;
    int length;
  };
  const Case kCases[] = {{"a", 1}, {" ", 1}, {"ﾀ", 1}, {"ｱ", 1}, {"ﾟ", 1}, {"あ", 2}, {"　", 2}, {"①", 2}, {"√", 2}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ch);
    EXPECT_EQ(ByteLength(c.ch), c.length);
  }
  EXPECT_EQ(Characters("ﾀ13/50ﾀ=").size(), 8u);  // the markers are one character each
}

// The ink of the point, the comma, the plain parentheses and the script ell,
// as placed for every host, stays inside the advance its text style gives it.
TEST(GlyphPlace, NarrowGlyphsKeepTheirInkInsideTheirAdvance) {
  struct Case {
    const char* ch;
    const char* face;
    float size, h, v, dx;  // SYMBOL size, magnification and offset from the pen
    float from, to;        // the advance, from the pen
    double left, right;    // the face's ink, in ems from the origin
  };
  const Case kCases[] = {
      {".", "ゴシック", 15, 3, 2, 0, 0, 8, 143 / 2048.0, 479 / 2048.0},    // plain: takes 8
      {".", "ゴシック", 16, 3, 2, -3, 0, 8, 143 / 2048.0, 479 / 2048.0},   // markup: 3 left, takes 8
      {",", "ゴシック", 15, 3, 2, 0, 0, 8, 125 / 2048.0, 479 / 2048.0},    // plain comma
      {")", "ゴシック", 15, 3, 2, 0, 0, 8, 143 / 2048.0, 782 / 2048.0},    // plain: takes 8
      {"(", "ゴシック", 15, 3, 2, -8, 0, 12, 242 / 2048.0, 881 / 2048.0},  // plain: 8 left, takes 12
      {"ℓ", "MT Extra", 16, 6, 3, 0, 0, 32, 29 / 2048.0, 967 / 2048.0},   // takes 32
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.ch) + " at size " + std::to_string(c.size));
    const float pen = 100;
    const SymbolOp op{pen + c.dx, 200, c.ch, c.h, c.v, 0, FontSpec{c.face, c.size, true, false}};
    const std::vector<PlacedGlyph> glyphs = PlaceSymbol(op);
    ASSERT_EQ(glyphs.size(), 1u);
    const GlyphPlace& g = glyphs[0].place;
    EXPECT_GE(g.x + g.emX * c.left, pen + c.from);
    EXPECT_LE(g.x + g.emX * c.right, pen + c.to);
    EXPECT_DOUBLE_EQ(g.emX, g.emY);  // as round as the face draws it
  }
}

// A glyph's em square stands inside its cell, centred across it, with room
// below for descenders; a half-width glyph (half an em) in a half-width cell.
TEST(GlyphPlace, EmSquareStaysInsideItsCell) {
  struct Case {
    const char* ch;
    const char* face;
    float size, h, v;
    double advance;          // of the glyph, in ems
    double ascent, descent;  // of the face's em, in ems
    double most;             // share of the cell the em may take
  };
  const Case kCases[] = {
      {"中", "ゴシック", 16, 2, 3, 1, 0.88, 0.12, 0.88},
      {"中", "ゴシック", 15, 2, 2, 1, 0.88, 0.12, 0.88},
      {"2", "ゴシック", 15, 3, 2, 0.5, 0.88, 0.12, 0.88},
      {"2", "ゴシック", 16, 3, 3, 0.5, 0.88, 0.12, 0.88},
      {"ℓ", "MT Extra", 16, 3, 3, 0.5, 0.88, 0.12, 0.88},
      {"x", "Times New Roman", 8, 10, 7, 0.5, 0.891, 0.216, 0.91},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.ch) + " " + c.face);
    SymbolOp op{10, 20, c.ch, c.h, c.v, 0, FontSpec{c.face, c.size, true, false}};
    const GlyphPlace g = PlaceSymbol(op).at(0).place;
    const double cellW = c.size * c.h * (c.advance < 1 ? 0.5 : 1), cellH = c.size * c.v;
    EXPECT_NEAR(g.x - 10, 10 + cellW - (g.x + g.emX * c.advance), 1e-9);  // centred across
    EXPECT_GT(g.x, 10);
    EXPECT_GE(g.baseline - c.ascent * g.emY, 20 - 1e-9);
    EXPECT_LE(g.baseline + c.descent * g.emY, 20 + cellH + 1e-9);
    EXPECT_LE(g.emY, c.most * cellH);
  }
}

// WCAG 2 relative luminance and contrast ratio.
double Luminance(Rgb c) {
  auto channel = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}
double Contrast(int a, int b) {
  const double la = Luminance(PaletteColour(a)), lb = Luminance(PaletteColour(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every text and dot colour against every fill the lessons draw it on.
TEST(Palette, TextAndDotsStandOutFromTheirFills) {
  struct Case {
    int colour, fill;
    double least;
  };
  const Case kCases[] = {
      // Running text on the white page, and black on every cell fill.
      {0, 15, 4.5}, {3, 15, 4.5}, {5, 15, 4.5}, {7, 15, 4.5},
      {0, 13, 4.5}, {0, 11, 4.5}, {0, 9, 4.5},
      // Coloured text in cream and light blue cells.
      {3, 13, 3}, {5, 13, 3}, {7, 13, 3}, {5, 11, 3},
      // Orange: the fourth outcome's row, count and dots; the pause and
      // next-step prompts on their dark boxes, as clear as they were before
      // the orange had to darken.
      {9, 15, 3}, {9, 13, 3}, {9, 4, 4.5}, {9, 12, 4.5},
      // The main-menu panel's heading and items, and the error message.
      {15, 10, 4.5}, {13, 10, 4.5},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.colour) + " on " + std::to_string(c.fill));
    EXPECT_GE(Contrast(c.colour, c.fill), c.least);
  }
}

// Hue in degrees, as the eye names colours.
double Hue(Rgb c) {
  const double r = c.r, g = c.g, b = c.b, hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (hi == lo) return 0;
  double h = hi == r ? (g - b) / (hi - lo) : hi == g ? 2 + (b - r) / (hi - lo) : 4 + (r - g) / (hi - lo);
  return std::fmod(h * 60 + 360, 360);
}

// Pages name some colours: each must still look like its name.
TEST(Palette, NamedColoursKeepTheirRoles) {
  EXPECT_EQ(PaletteColour(15).r + PaletteColour(15).g + PaletteColour(15).b, 3 * 255);  // white
  EXPECT_EQ(PaletteColour(0).r + PaletteColour(0).g + PaletteColour(0).b, 0);            // black
  const double purple = Hue(PaletteColour(7)), lightBlue = Hue(PaletteColour(11));
  EXPECT_TRUE(purple > 260 && purple < 300) << purple;          // "紫色のグラフ"
  EXPECT_TRUE(lightBlue > 180 && lightBlue < 220) << lightBlue;  // "水色"
  EXPECT_GT(Luminance(PaletteColour(11)), 0.5);                   // light
  const double orange = Hue(PaletteColour(9)), red = Hue(PaletteColour(5));
  EXPECT_TRUE(orange > 20 && orange < 45) << orange;
  EXPECT_TRUE(red < 8 || red > 352) << red;
}

// An output is written under NAME.part and is there under its own name only
// once complete; one never completed leaves nothing.
TEST(OutputFile, IsWholeUnderItsNameOrAbsent) {
  const std::string path = ::testing::TempDir() + "output_file_test.txt";
  auto exists = [](const std::string& p) { return std::ifstream(p).good(); };
  std::remove(path.c_str());
  {
    OutputFile out(path);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.writingPath(), path + ".part");
    EXPECT_TRUE(out.Write("half"));
    EXPECT_TRUE(out.Flush());
    EXPECT_TRUE(exists(path + ".part"));
    EXPECT_FALSE(exists(path));
  }
  EXPECT_FALSE(exists(path + ".part"));
  EXPECT_FALSE(exists(path));
  {
    OutputFile out(path);
    EXPECT_TRUE(out.Write("whole\n"));
    EXPECT_TRUE(out.Commit());
  }
  EXPECT_FALSE(exists(path + ".part"));
  std::ifstream in(path);
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "whole");
  std::remove(path.c_str());

  // A device is written as it is, and a full one fails with the system's reason.
  OutputFile null("/dev/null");
  EXPECT_EQ(null.writingPath(), "/dev/null");
  EXPECT_TRUE(null.Write("x") && null.Commit());
  OutputFile full("/dev/full");
  full.Write(std::string(1 << 16, 'x'));
  EXPECT_FALSE(full.Commit());
  EXPECT_EQ(full.error(), "No space left on device");
}

TEST(Trace, WritesOneJsonObjectPerCallInOrder) {
  const std::string path = ::testing::TempDir() + "trace_test.jsonl";
  {
    RecordingHost inner("7");
    TraceHost trace(inner, path);
    trace.Line({10, 20, 30.5f, 40, 3, 2, 15, 0, 3});
    trace.Circle({1, 2, 4, 5, 3});
    trace.Connect({{{0, 0}, {1, 2}}, 0, std::nullopt, 5});
    trace.Connect({{{0, 0}, {1, 2}, {3, 0}}, 0, 11, 5});
    trace.Symbol({128, 666, "何\"か", 1, 1, 9, {"ゴシック", 16, true, false}});
    trace.Cls();
    trace.Wait();
    EXPECT_EQ(trace.Inkey(), "7");
    EXPECT_TRUE(trace.Commit());
  }
  std::ifstream in(path);
  std::string line;
  const char* kExpected[] = {
      R"({"op":"line","x1":10,"y1":20,"x2":30.5,"y2":40,"colour":3,"mode":2,"fill":15,"style":0,"pen":3})",
      R"({"op":"circle","x":1,"y":2,"r":4,"colour":5,"pen":3})",
      R"({"op":"connect","points":[[0,0],[1,2]],"colour":0,"fill":null,"pen":5})",
      R"({"op":"connect","points":[[0,0],[1,2],[3,0]],"colour":0,"fill":11,"pen":5})",
      R"({"op":"symbol","x":128,"y":666,"text":"何\"か","h":1,"v":1,"colour":9,"face":"ゴシック","size":16,"bold":true,"italic":false})",
      R"({"op":"cls"})",
      R"({"op":"wait"})",
      R"({"op":"key","key":"7"})",
  };
  for (const char* expected : kExpected) {
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, expected);
  }
  EXPECT_FALSE(std::getline(in, line));
  std::remove(path.c_str());
}

// The kept picture as the trace would show it, one JSON object per operation.
std::vector<std::string> Kept(const Picture& picture) {
  std::vector<std::string> out;
  picture.ForEach([&out](const Op& op) { out.push_back(ToJson(op)); });
  return out;
}

TEST(Picture, KeepsOnlyWhatCanStillBeSeen) {
  const LineOp segment{100, 100, 200, 100, 0, kLineSegment, 0, kSolid, 2};
  const SymbolOp word{110, 300, "度数", 1, 1, 0, {}};
  const LineOp frame{500, 500, 510, 520, 5, kLineBox, 5, kSolid, 1};
  const LineOp frameOff{500, 500, 510, 520, 15, kLineBox, 15, kSolid, 1};
  const LineOp dashedFrame{500, 500, 510, 520, 5, kLineBox, 5, kDashed, 1};
  const LineOp boxOverWord{100, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1};
  const LineOp wipe{0, 0, 1440, 900, 15, kLineFilledBox, 15, kSolid, 1};
  const LineOp partWipe{0, 0, 1440, 899, 15, kLineFilledBox, 15, kSolid, 1};
  const CircleOp dot{300, 300, 4, 3, 1};
  const CircleOp dotRed{300, 300, 4, 5, 1};
  // A table cell written again: the same box, a new number in it.
  const LineOp cell{280, 80, 480, 130, 4, kLineFilledBox, 13, kSolid, 5};
  const LineOp cellFrame{280, 80, 480, 130, 4, kLineBox, 4, kSolid, 5};
  const SymbolOp number{335.5f, 83, "0.44", 3, 3, 7, FontSpec{"ゴシック", 16, true, false}};
  const SymbolOp wideNumber{250, 83, "123456", 3, 3, 7, FontSpec{"ゴシック", 16, true, false}};
  const SymbolOp serifNumber{335.5f, 83, "0.44", 3, 3, 7, FontSpec{"Times New Roman", 16, false, true}};
  const LineOp widerCell{280, 80, 481, 130, 4, kLineFilledBox, 13, kSolid, 5};
  const LineOp cellRed{280, 80, 480, 130, 5, kLineFilledBox, 12, kSolid, 5};
  const LineOp cellWhite{280, 80, 480, 130, 15, kLineFilledBox, 13, kSolid, 5};
  const LineOp dashedCell{280, 80, 480, 130, 4, kLineFilledBox, 13, kDashed, 5};
  const LineOp across{270, 100, 300, 100, 0, kLineSegment, 0, kSolid, 1};
  // A large box, and what lies far from its corner or partly off the picture.
  const LineOp bigBox{-60, 10, 1000, 800, 0, kLineFilledBox, 13, kSolid, 1};
  const CircleOp farDot{950, 760, 1, 5, 1}, offDot{-2, 400, 3, 5, 1};
  struct Case {
    const char* what;
    std::vector<Op> drawn;
    std::vector<Op> kept;
  };
  const Case kCases[] = {
      {"nothing hides", {segment, word, dot}, {segment, word, dot}},
      {"a filled box hides what lies inside it", {segment, word, boxOverWord}, {segment, boxOverWord}},
      {"a large box hides what lies anywhere under it", {farDot, offDot, word, bigBox, dot}, {bigBox, dot}},
      {"a box that only overlaps hides nothing", {word, LineOp{120, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1}},
       {word, LineOp{120, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1}}},
      {"a frame drawn again stays one operation", {segment, frame, frameOff, frame}, {segment, frame}},
      {"a dashed frame does not hide the frame under it", {frame, dashedFrame}, {frame, dashedFrame}},
      {"a blinking dot stays one operation", {dot, dotRed, dot, dotRed}, {dotRed}},
      // A solid cell's pixels do not depend on what lies under it.
      {"a cell written again hides the cell and the text in it", {cell, number, dot, cell, number}, {dot, cell, number}},
      {"a cell written again and again stays one", {cell, number, cell, number, dot, cell, number}, {dot, cell, number}},
      {"a cell in other colours hides the old one", {cell, number, cellRed, number}, {cellRed, number}},
      {"a cell with a white border is drawn wider", {cell, cellWhite}, {cell, cellWhite}},
      {"a line across the cell's edge goes under the new cell", {cell, across, cell}, {across, cell}},
      {"a dashed cell leaves the cell under it", {dashedCell, number, dashedCell}, {dashedCell, dashedCell}},
      {"a filled box leaves the soft edge of a frame of its shape", {cellFrame, dot, cell}, {cellFrame, dot, cell}},
      {"a box of another shape leaves the cell", {cell, widerCell}, {cell, widerCell}},
      {"text reaching past the cell stays", {cell, wideNumber, cell}, {wideNumber, cell}},
      {"italics of the serif face are given room", {cell, serifNumber, cell}, {serifNumber, cell}},
      {"a white box over the page wipes it", {segment, word, dot, wipe, word}, {wipe, word}},
      {"a box one unit short of the page leaves the edge", {segment, partWipe}, {segment, partWipe}},
      {"clearing the screen wipes it", {segment, ClsOp{}, dot}, {ClsOp{}, dot}},
      {"waits, keys and clicks are no part of it", {dot, WaitOp{}, KeyOp{"1"}, ClickOp{1, 2}}, {dot}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Picture picture;
    for (const Op& op : c.drawn) picture.Keep(op);
    Picture expected;
    for (const Op& op : c.kept) expected.Keep(op);
    EXPECT_EQ(Kept(picture), Kept(expected));
  }
}

#if !defined(__EMSCRIPTEN__)
// A plotted dot, drawn from its cached mask, against the same disc drawn by
// Cairo as a path: the same pixels where the centre falls on the masks'
// quarter-pixel grid, and the same ink (to a rounding) anywhere else.
TEST(Canvas, DotsLookAsCairoDrawsThem) {
  struct Case {
    double scale;
    float x, y;  // logical centre
    bool onGrid;
  };
  const Case kCases[] = {
      {1, 300.25f, 200.5f, true},          {4.0 / 3, 300.75f, 200.25f, true}, {8.0 / 3, 300.375f, 200.25f, true},
      {4.0 / 3, 301.1f, 203.37f, false},   {8.0 / 3, 299.93f, 201.61f, false},
  };
  for (const Case& c : kCases) {
    for (const CircleOp& dot : {CircleOp{c.x, c.y, 1, 3, 5}, CircleOp{c.x, c.y, 4, 9, 3}}) {
      SCOPED_TRACE("scale " + std::to_string(c.scale) + " at " + std::to_string(c.x) + "," + std::to_string(c.y) +
                   " r " + std::to_string(dot.r));
      const int w = static_cast<int>(std::lround(kLogicalWidth * c.scale));
      const int h = static_cast<int>(std::lround(kLogicalHeight * c.scale));
      Canvas canvas(w, h);
      canvas.Draw(dot);
      canvas.Flush();
      cairo_surface_flush(canvas.Surface());

      cairo_surface_t* ref = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
      cairo_t* cr = cairo_create(ref);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_paint(cr);
      cairo_scale(cr, c.scale, c.scale);
      const Rgb colour = PaletteColour(dot.colour);
      cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
      cairo_arc(cr, dot.x, dot.y, dot.r + dot.pen / 2, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_destroy(cr);
      cairo_surface_flush(ref);

      int worst = 0;
      long inkCanvas = 0, inkRef = 0;
      const auto* a = cairo_image_surface_get_data(canvas.Surface());
      const auto* b = cairo_image_surface_get_data(ref);
      const int strideA = cairo_image_surface_get_stride(canvas.Surface()), strideB = cairo_image_surface_get_stride(ref);
      const int x0 = static_cast<int>(c.x * c.scale) - 40, y0 = static_cast<int>(c.y * c.scale) - 40;
      for (int y = y0; y < y0 + 80; ++y) {
        for (int x = x0; x < x0 + 80; ++x) {
          for (int k = 0; k < 3; ++k) {
            const int pa = a[y * strideA + 4 * x + k], pb = b[y * strideB + 4 * x + k];
            worst = std::max(worst, std::abs(pa - pb));
            inkCanvas += 255 - pa;
            inkRef += 255 - pb;
          }
        }
      }
      cairo_surface_destroy(ref);
      EXPECT_GT(inkRef, 0);
      EXPECT_LE(worst, c.onGrid ? 1 : 64);
      EXPECT_NEAR(static_cast<double>(inkCanvas), static_cast<double>(inkRef), 0.03 * inkRef);
    }
  }
}

// Table cells written again and again, their picture drawn after every
// operation, only at the end, or again from the start after a resize: the
// same pixels as each cell drawn once with its last number.
TEST(Canvas, ACellWrittenAgainGivesTheSamePixelsWhenEverDrawn) {
  const LineOp cell{280, 80, 480, 130, 4, kLineFilledBox, 13, kSolid, 5};
  const LineOp thinCell{40, 170, 200, 240, 0, kLineFilledBox, 15, kSolid, 1};
  const CircleOp dot{600, 300, 1, 3, 1};
  auto number = [](float x, float y, const char* text) {
    return SymbolOp{x, y, text, 3, 3, 7, FontSpec{"ゴシック", 16, true, false}};
  };
  std::vector<Op> ops{dot};
  const char* kTexts[] = {"0.44", "0.51", "8", "0.50"};
  for (const char* text : kTexts) {
    ops.insert(ops.end(), {cell, number(335.5f, 83, text), thinCell, number(70, 180, text)});
  }
  // Each of the cells once, with the last text in it.
  const std::vector<Op> once{dot, cell, thinCell, number(335.5f, 83, "0.50"), number(70, 180, "0.50")};
  auto pixels = [](Canvas& canvas) {
    cairo_surface_flush(canvas.Surface());
    const auto* data = cairo_image_surface_get_data(canvas.Surface());
    return std::vector<unsigned char>(data, data + cairo_image_surface_get_stride(canvas.Surface()) * canvas.Height());
  };
  for (const double scale : {1.0, 4.0 / 3, 8.0 / 3, 0.3}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    const int w = static_cast<int>(std::lround(kLogicalWidth * scale));
    const int h = static_cast<int>(std::lround(kLogicalHeight * scale));
    Canvas eachStep(w, h), atEnd(w, h), fresh(w, h);
    for (const Op& op : ops) {
      eachStep.Draw(op);
      eachStep.Flush();
      atEnd.Draw(op);
    }
    atEnd.Flush();
    for (const Op& op : once) fresh.Draw(op);
    fresh.Flush();
    const std::vector<unsigned char> drawn = pixels(eachStep);
    EXPECT_TRUE(drawn == pixels(atEnd));
    EXPECT_TRUE(drawn == pixels(fresh));
    EXPECT_EQ(eachStep.PictureSize(), once.size());
    eachStep.Resize(w, h);
    EXPECT_TRUE(drawn == pixels(eachStep));
  }
}

// The changed area as a few rectangles: far apart they stay apart, near or
// overlapping they become one, never more than a handful, never overlapping,
// and every changed pixel inside one of them.
TEST(DirtyArea, KeepsAFewDisjointRectanglesAroundEveryChange) {
  struct Case {
    const char* what;
    std::vector<DeviceRect> added;
    size_t rects;
  };
  const Case kCases[] = {
      {"nothing", {}, 0},
      {"far apart", {{0, 0, 10, 10}, {500, 500, 520, 520}}, 2},
      {"overlapping", {{0, 0, 100, 100}, {50, 50, 150, 150}}, 1},
      {"near each other", {{0, 0, 100, 100}, {100 + DirtyArea::kJoin - 1, 0, 300, 100}}, 1},
      {"joined through a third", {{0, 0, 10, 10}, {400, 0, 410, 10}, {5, 0, 405, 10}}, 1},
      {"empty ones", {{10, 10, 10, 20}, {5, 5, 4, 9}}, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    DirtyArea area;
    for (const DeviceRect& r : c.added) area.Add(r);
    EXPECT_EQ(area.Clipped(4000, 4000).size(), c.rects);
  }
  // Dots scattered over a 4K screen: a handful of rectangles, disjoint, and
  // every dot inside one.
  DirtyArea area;
  std::vector<DeviceRect> dots;
  unsigned seed = 7;
  for (int i = 0; i < 500; ++i) {
    seed = seed * 1103515245 + 12345;
    const int x = static_cast<int>(seed >> 8) % 3800, y = static_cast<int>(seed >> 4) % 2100;
    dots.push_back({x, y, x + 9, y + 9});
    area.Add(dots.back());
  }
  const std::vector<DeviceRect> rects = area.Clipped(3840, 2160);
  EXPECT_LE(rects.size(), static_cast<size_t>(DirtyArea::kMaxRects));
  auto inside = [](const DeviceRect& a, const DeviceRect& b) {
    return a.x0 >= b.x0 && a.y0 >= b.y0 && a.x1 <= b.x1 && a.y1 <= b.y1;
  };
  for (const DeviceRect& d : dots) {
    EXPECT_TRUE(std::any_of(rects.begin(), rects.end(), [&](const DeviceRect& r) { return inside(d, r); }));
  }
  for (size_t i = 0; i < rects.size(); ++i) {
    for (size_t j = i + 1; j < rects.size(); ++j) {
      const DeviceRect& a = rects[i];
      const DeviceRect& b = rects[j];
      EXPECT_FALSE(a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1);
    }
  }
}

// A cell at the top left and a dot at the bottom right of a 4K picture: two
// small rectangles to show, not the screen between them.
TEST(Canvas, ShowsChangesFarApartAsRectanglesOfTheirOwn) {
  Canvas canvas(3840, 2400);
  canvas.TakeDirty();
  canvas.Draw(LineOp{40, 30, 120, 80, 4, kLineFilledBox, 13, kSolid, 5});
  canvas.Draw(CircleOp{1300, 800, 1, 3, 5});
  const std::vector<DeviceRect> rects = canvas.TakeDirty();
  ASSERT_EQ(rects.size(), 2u);
  long area = 0;
  for (const DeviceRect& r : rects) area += r.Area();
  EXPECT_LT(area, 3840L * 2400 / 100);
  EXPECT_TRUE(canvas.TakeDirty().empty());
}
#endif

TEST(Picture, DrawsEachKeptOperationOnceUntilDrawnAgain) {
  Picture picture;
  std::vector<std::string> drawn;
  auto draw = [&](const Op& op) { drawn.push_back(ToJson(op)); };
  const CircleOp a{10, 10, 2, 0, 1}, b{50, 50, 2, 0, 1}, bRed{50, 50, 2, 5, 1};
  picture.Keep(a);
  picture.DrawNew(draw);
  picture.Keep(b);
  picture.DrawNew(draw);
  picture.DrawNew(draw);
  EXPECT_EQ(drawn, (std::vector<std::string>{ToJson(a), ToJson(b)}));
  // Replacing a drawn operation draws only its replacement.
  drawn.clear();
  picture.Keep(bRed);
  picture.DrawNew(draw);
  EXPECT_EQ(drawn, std::vector<std::string>{ToJson(bRed)});
  // A box that hides drawn operations leaves nothing of them to draw.
  drawn.clear();
  const LineOp box{0, 0, 100, 100, 0, kLineFilledBox, 13, kSolid, 1};
  picture.Keep(CircleOp{200, 200, 2, 0, 1});
  picture.Keep(box);
  picture.DrawNew(draw);
  EXPECT_EQ(drawn, (std::vector<std::string>{ToJson(CircleOp{200, 200, 2, 0, 1}), ToJson(box)}));
  EXPECT_EQ(Kept(picture), (std::vector<std::string>{ToJson(CircleOp{200, 200, 2, 0, 1}), ToJson(box)}));
}


// The browser's runtime keeps a copy of the picture: at each flush it drops
// the operations it is told are hidden, appends the new ones and draws them.
// Copy and picture must stay equal, whatever was hidden, replaced or wiped and
// however many flushes apart, and the copy is told only what changed.
TEST(Picture, ACopyToldWhatChangedStaysEqual) {
  const CircleOp dot{300, 300, 4, 3, 1}, dotRed{300, 300, 4, 5, 1}, other{20, 20, 2, 0, 1};
  const SymbolOp word{110, 300, "度数", 1, 1, 0, {}};
  const LineOp box{100, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1};
  const LineOp wipe{0, 0, 1440, 900, 15, kLineFilledBox, 15, kSolid, 1};
  const LineOp cell{280, 80, 480, 130, 4, kLineFilledBox, 13, kSolid, 5};
  const SymbolOp number{335.5f, 83, "0.44", 3, 3, 7, FontSpec{"ゴシック", 16, true, false}};
  std::vector<std::vector<Op>> flushes = {
      {other, word, dot},         {dotRed},          {dot},    {dotRed, dot}, {box},
      {word, other, box, dotRed}, {wipe, word, dot}, {dotRed}, {ClsOp{}},    {other, dot, dotRed, word},
      {cell, number},             {other},           {cell, number, cell, number}};
  // Many cells written again and again, so that the hidden ones are dropped
  // from the picture's own list in between.
  std::vector<Op> table;
  for (int round = 0; round < 6; ++round) {
    for (int i = 0; i < 30; ++i) {
      const float y = 100 + 40 * static_cast<float>(i % 15);
      const float x = i < 15 ? 600.f : 800.f;
      table.push_back(LineOp{x, y, x + 150, y + 35, 4, kLineFilledBox, 13, kSolid, 2});
      table.push_back(SymbolOp{x + 10, y + 5, std::to_string(round * 30 + i), 2, 2, 0, {}});
      table.push_back(CircleOp{50 + 3.f * static_cast<float>(round * 30 + i), 700, 1, 5, 1});
    }
    flushes.push_back(table);
    table.clear();
  }
  Picture picture;
  std::vector<std::pair<unsigned long long, std::string>> copy;
  for (const auto& ops : flushes) {
    for (const Op& op : ops) picture.Keep(op);
    const size_t before = copy.size();
    size_t forgotten = 0, taken = 0;
    picture.HandOver(
        [&](bool wiped, const std::vector<unsigned long long>& serials) {
          if (wiped) copy.clear();
          forgotten = serials.size();
          for (unsigned long long serial : serials) {
            const auto at = std::find_if(copy.begin(), copy.end(), [&](const auto& e) { return e.first == serial; });
            ASSERT_NE(at, copy.end()) << "the copy never had " << serial;
            copy.erase(at);
          }
        },
        [&](unsigned long long serial, const Op& op) {
          ASSERT_TRUE(copy.empty() || copy.back().first < serial);
          copy.emplace_back(serial, ToJson(op));
          ++taken;
        });
    std::vector<std::string> copied;
    for (const auto& e : copy) copied.push_back(e.second);
    EXPECT_EQ(copied, Kept(picture));
    EXPECT_LE(taken, ops.size());
    EXPECT_LE(forgotten, before);
  }
  // Nothing new: nothing to tell.
  bool told = false;
  picture.HandOver([&](bool, const std::vector<unsigned long long>&) { told = true; },
                   [&](unsigned long long, const Op&) { told = true; });
  EXPECT_FALSE(told);
}

// The trace's numbers, on every build: the shortest text that reads back,
// fixed or exponent form, whichever is shorter.
TEST(FloatText, WritesTheShortestTextThatReadsBack) {
  const std::pair<float, const char*> kCases[] = {
      {0.1f, "0.1"},         {1e20f, "1e+20"},       {-7467472896.f, "-7467472896"}, {123456792.f, "123456792"},
      {1e-5f, "1e-05"},      {0.3333333f, "0.3333333"}, {1440.f, "1440"},          {-0.0f, "-0"},
      {3e-39f, "3e-39"},     {16777216.f, "16777216"}, {2.5e-7f, "2.5e-07"},       {1234567.8f, "1234567.8"}};
  for (const auto& [v, text] : kCases) {
    EXPECT_EQ(ShortestFloatText(v), text);
    EXPECT_EQ(ShortestFloatTextPortable(v), text);
  }
}

#if !defined(__EMSCRIPTEN__)
// The page's own conversion (the browser's library has no float to_chars)
// must write every float as the standard library does.
TEST(FloatText, MatchesTheStandardLibraryShortestForm) {
  auto check = [](float v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    const std::string expected(buf, end);
    const std::string got = ShortestFloatTextPortable(v);
    if (got != expected) ADD_FAILURE() << "bits " << std::hex << [&] {
        std::uint32_t b;
        std::memcpy(&b, &v, 4);
        return b;
      }() << ": " << got << " instead of " << expected;
    return got == expected;
  };
  for (float v : {0.0f, -0.0f, 1.0f, 0.5f, 1440.0f, 0.1f, 1e-5f, 123456792.0f, 1e20f, 3e-39f, 16777216.0f,
                  3.4028235e38f, 1.4e-45f, -2.5f}) {
    check(v);
  }
  // Every coordinate the lessons can use on a grid of hundredths, and powers
  // of two, whose neighbours lie unevenly far.
  for (int k = -200000; k <= 200000; ++k) check(static_cast<float>(k) / 100);
  // Whole numbers, which take a shorter way, up to where floats leave gaps.
  for (long k = 0; k <= (1L << 24) + 8; k += k < 200000 ? 1 : 997) check(static_cast<float>(k)), check(-static_cast<float>(k));
  for (float p = 1; p < 1e9f; p *= 10) {
    for (int d = 1; d <= 9; ++d) check(p * static_cast<float>(d));
  }
  for (int e = -149; e < 128; ++e) {
    const float p = std::ldexp(1.0f, e);
    check(p), check(std::nextafter(p, 0.0f)), check(std::nextafter(p, INFINITY));
  }
  // And a million floats of any bit pattern.
  std::mt19937 rng(12345);
  int failures = 0;
  for (int i = 0; i < 1000000 && failures < 10; ++i) {
    std::uint32_t bits = rng();
    float v;
    std::memcpy(&v, &bits, 4);
    if (std::isfinite(v) && !check(v)) ++failures;
  }
}
#endif

}  // namespace
}  // namespace mebuki
