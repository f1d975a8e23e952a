// The typesetter on the real canvas. Kept apart from typeset_test, which needs
// no canvas, so that one also builds with em++ and runs under node.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/headless_host.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {
namespace {

// One line of each kind, drawn onto the headless canvas and written to
// <build>/typeset_sample.png for a person to look at.
TEST(RenderedSample, WritesPng) {
  HeadlessHost host("", "00:00:00");
  State s;
  s.host = &host;
  Cls(s);
  FilledBox(s, 0, 0, 1440, 900, 15, 15);

  auto markup = [&](float x, float y, const std::string& text, int colour = 0) {
    s.TextX = x;
    s.TextY = y;
    s.TextColour = colour;
    s.TextLine = text;
    DrawMarkupText(s);
  };
  auto guide = [&](float y) { Line(s, 20, y + 48, 1420, y + 48, 11, kLineSegment, std::nullopt, kDashed); };

  for (float y : {40.0f, 150.0f, 260.0f, 370.0f}) guide(y);
  markup(40, 40, "平均値=ﾀ72+84+53+33+31/5ﾀ=");
  markup(s.TextX, 40, "58.6", 5);
  markup(800, 40, "ﾀその階級の度数/度数の合計ﾀ=ﾀ13/50ﾀ=0.26", 3);
  markup(40, 150, "#ﾀ1/30ﾀﾝ+!2ﾝ-ﾀ!3ﾝ/2ﾀ=a^2+x^2");
  markup(800, 150, "12l*3/4=9l  30%  5@0.1", 7);
  markup(40, 260, "AB&CD  △ABC＃△DEF  \\1x  2.5*4");

  s.TextColour = 0;
  s.TextX = 40;
  s.TextY = 380;
  s.TextLine = "何かキーを押して下さい。 Ax^2=3.14";
  DrawSmallText(s);
  s.TextX = s.TextX + 40;
  s.TextX = DrawSmallGlyphs(s, ".5");

  // A table-like row of plain text: cells 120 wide, texts centred.
  float x = 40;
  for (const char* cell : {"階級(分)", "2.78", "1,000", "x", "レ", "(12)", " 7", "y"}) {
    Box(s, x, 440, x + 120, 480, 0);
    s.TextX = x + (120 - MeasurePlainText(s, cell)) / 2;
    s.TextY = 448;
    s.TextLine = cell;
    DrawPlainText(s);
    x += 120;
  }

  const std::string path = std::string(MEBUKI_BINARY_DIR) + "/typeset_sample.png";
  EXPECT_TRUE(host.canvas().WritePng(path)) << path;
}

}  // namespace
}  // namespace mebuki
