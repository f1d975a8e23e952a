// The host's pure helpers: number texts, VAL, the generator, keys, the trace,
// the kept picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/keys.h"
#include "platform/numbers.h"
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
  for (const Op& op : picture.Ops()) out.push_back(ToJson(op));
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
  struct Case {
    const char* what;
    std::vector<Op> drawn;
    std::vector<Op> kept;
  };
  const Case kCases[] = {
      {"nothing hides", {segment, word, dot}, {segment, word, dot}},
      {"a filled box hides what lies inside it", {segment, word, boxOverWord}, {segment, boxOverWord}},
      {"a box that only overlaps hides nothing", {word, LineOp{120, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1}},
       {word, LineOp{120, 290, 160, 330, 0, kLineFilledBox, 13, kSolid, 1}}},
      {"a frame drawn again stays one operation", {segment, frame, frameOff, frame}, {segment, frame}},
      {"a dashed frame does not hide the frame under it", {frame, dashedFrame}, {frame, dashedFrame}},
      {"a blinking dot stays one operation", {dot, dotRed, dot, dotRed}, {dotRed}},
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

}  // namespace
}  // namespace mebuki
