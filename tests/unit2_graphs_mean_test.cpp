// mebuki2, sections 1 and 2: the graphs with a cut axis, the egg histograms, the
// commuting answer and the random practice tables, each run as a whole program
// on the recording host with scripted keys.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "tests/program_support.h"
#include "unit2/unit2.h"

namespace mebuki::unit2 {
namespace {

using mebuki::testing::Engine;
using mebuki::testing::RunProgram;

std::string Repeat(const std::string& keys, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += keys;
  return out;
}

// The symbols drawn with their top-left corner inside [x1, x2) x [y1, y2),
// joined in drawing order.
std::string TextIn(const Engine& e, float x1, float y1, float x2, float y2) {
  std::string out;
  for (const SymbolOp& sym : e.Symbols()) {
    if (sym.x >= x1 && sym.x < x2 && sym.y >= y1 && sym.y < y2) out += sym.text;
  }
  return out;
}

// Filled boxes drawn with fill colour `fill` whose left edge is at x.
std::vector<LineOp> BarsAt(const Engine& e, float x, int fill) {
  std::vector<LineOp> out;
  for (const LineOp& op : e.Lines()) {
    if (op.mode == kLineFilledBox && op.fill == fill && op.x1 == x) out.push_back(op);
  }
  return out;
}

// --- section 1 ------------------------------------------------------------------

// Page 1 up to the honest graph: the cut graph is labelled "70" at its origin and
// is ten times as steep; the graphs on the full scale start at "0".
TEST(VisitorGraphs, CutAxisShowsItsOriginAndExaggerates) {
  Engine e("1\r1\rx", 2);
  RunProgram(e, Unit2());

  // All three grids are 5 rows of 40 from y = 300, so the origin is at y = 500 and
  // its label at 500 - 13; it ends 8 left of the axis.
  struct Graph {
    float left;
    const char* origin;
    float unitsPerVisitor;  // RowHeight 40 / RowUnit
    float visitors2013;     // height of the first bar in counts
  };
  const Graph kGraphs[] = {
      {120, "0", 40.0f / 20, 64},
      {480, "70", 40.0f / 2, 74.39f - 70},  // the bar rises from the label 70
      {840, "0", 40.0f / 20, 74.39f},
  };
  for (const Graph& g : kGraphs) {
    SCOPED_TRACE(g.left);
    EXPECT_EQ(TextIn(e, g.left - 70, 487, g.left, 488), g.origin);
    // The 2013 bar is centred on grid line 1: from half a column (35) past the axis.
    const auto bars = BarsAt(e, g.left + 35, 11);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_NEAR(bars[0].y1, 500 - g.unitsPerVisitor * g.visitors2013, 0.01);
    EXPECT_FLOAT_EQ(bars[0].x2, g.left + 105);
    EXPECT_FLOAT_EQ(bars[0].y2, 500);
  }
  EXPECT_EQ(e.s.OriginLabel, "0");
}

// Page 3 to its end: each column of a histogram holds the frequency of its class,
// and both frames, drawn without an origin label of their own, show "0".
TEST(EggHistograms, BarsFollowTheFrequencyTable) {
  Engine e("1\r3\rxxx", 2);
  RunProgram(e, Unit2());

  // Grids of 5 rows of 35 from y = 400: origin at y = 575, one count is 35 high.
  struct Histogram {
    float left;
    int colour;
    std::vector<float> counts;  // classes 42～44 ... 56～58, then the empty column
  };
  const Histogram kHistograms[] = {
      {60, 3, {0, 0, 1, 2, 4, 3, 0, 0, 0}},
      {460, 7, {1, 2, 0, 0, 3, 2, 1, 1, 0}},
  };
  for (const Histogram& h : kHistograms) {
    SCOPED_TRACE(h.left);
    EXPECT_EQ(TextIn(e, h.left - 70, 562, h.left, 563), "0");
    for (int k = 1; k <= 9; ++k) {
      SCOPED_TRACE(k);
      const auto bars = BarsAt(e, h.left + 35.0f * static_cast<float>(k), h.colour);
      ASSERT_EQ(bars.size(), 1u);
      EXPECT_FLOAT_EQ(bars[0].y1, 575 - 35 * h.counts[static_cast<size_t>(k - 1)]);
    }
  }
  EXPECT_EQ(e.s.Location, 100);  // back at the sub-menu
}

// --- section 2 ------------------------------------------------------------------

// Page 2 to its end: the sum and the mean come from the table, and the given row
// stays in black while the others are revealed in colour 5.
TEST(CommutingAnswer, SumAndMeanAreComputed) {
  Engine e("2\r2\r" + Repeat("x", 22), 2);
  RunProgram(e, Unit2());
  EXPECT_EQ(e.s.Location, 200);

  // 5·5 + 9·15 + 11·25 + 3·35 + 2·45 + 1·55 = 685, in the total row (y 440) of
  // column 4 (x 496 to 648).
  EXPECT_EQ(TextIn(e, 496, 440, 648, 490), "685");
  // The line of the mean at (710,160); the fraction draws its denominator first:
  // 31, then 685, then "=" and 685 / 31 = 22.0967..., to six significant digits.
  EXPECT_EQ(TextIn(e, 700, 140, 1440, 200), "31685=22.0968≒22.1(分)");

  // Column 2 spans x 268 to 382, rows 50 high from y 140.
  for (int row = 1; row <= 6; ++row) {
    SCOPED_TRACE(row);
    const float y = 140 + 50.0f * static_cast<float>(row - 1);
    int last = -1;
    for (const SymbolOp& sym : e.Symbols()) {
      if (sym.x >= 268 && sym.x < 382 && sym.y >= y && sym.y < y + 50) last = sym.colour;
    }
    EXPECT_EQ(last, row == 4 ? 0 : 5);
  }
}

// Nine exercises for each of several start times: every table keeps the rule of
// the frequencies, and the reveals show its working.
TEST(PracticeTables, FollowTheRuleAndShowTheirWorking) {
  // The mean S / 20 for each possible sum, worked by hand.
  const std::map<int, std::string> kMeans = {{380, "19"},   {385, "19.25"}, {390, "19.5"},
                                             {395, "19.75"}, {400, "20"},    {405, "20.25"}};
  const char* kTimes[] = {"00:00:00", "01:02:03", "08:30:17", "12:34:56", "23:59:59"};
  const int kExercises = 9;
  for (const char* time : kTimes) {
    SCOPED_TRACE(time);
    // Four pauses per exercise, then a number other than 1 at the prompt; the run
    // ends at the prompt of the last exercise.
    Engine e("2\r3\r" + Repeat("xxxx2\r", kExercises - 1) + "xxxx", 2, time);
    RunProgram(e, Unit2());
    EXPECT_EQ(e.s.Location, 203);
    const std::string text = e.SymbolText();

    // "② 20-f1-f2-f3-f5-f6=f4": the minus signs are strokes, not symbols.
    const std::regex kSecond("②20(\\d)(\\d)(\\d)(\\d)(\\d)=(\\d)");
    const std::regex kThird("③たせばよいから(\\d+)");
    const std::regex kMean("平均値は20(\\d+)=([\\d.]+)\\(m\\)");
    std::vector<std::smatch> seconds, thirds, means;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kSecond); it != std::sregex_iterator(); ++it)
      seconds.push_back(*it);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kThird); it != std::sregex_iterator(); ++it)
      thirds.push_back(*it);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kMean); it != std::sregex_iterator(); ++it)
      means.push_back(*it);
    ASSERT_EQ(seconds.size(), static_cast<size_t>(kExercises));
    ASSERT_EQ(thirds.size(), static_cast<size_t>(kExercises));
    ASSERT_EQ(means.size(), static_cast<size_t>(kExercises));

    for (size_t n = 0; n < seconds.size(); ++n) {
      SCOPED_TRACE(n);
      const auto digit = [&](int i) { return std::stoi(seconds[n][i].str()); };
      const int f[7] = {0, digit(1), digit(2), digit(3), digit(6), digit(4), digit(5)};
      EXPECT_EQ(f[1] + f[2], 5);
      EXPECT_EQ(f[3] + f[4], 10);
      EXPECT_EQ(f[5] + f[6], 5);
      EXPECT_NE(f[3], f[4]);
      EXPECT_TRUE(f[1] == 1 || f[1] == 2);
      EXPECT_TRUE(f[5] >= 2 && f[5] <= 4);

      // Class i has the class value 2.5 + 5i; ten times the sum stays whole.
      int sum10 = 0;
      for (int i = 1; i <= 6; ++i) sum10 += f[i] * (25 + 50 * i);
      const int sum = std::stoi(thirds[n][1].str());
      EXPECT_EQ(sum * 10, sum10);
      ASSERT_EQ(kMeans.count(sum), 1u);
      EXPECT_EQ(std::stoi(means[n][1].str()), sum);
      EXPECT_EQ(means[n][2].str(), kMeans.at(sum));
    }

    // The last exercise is still in the tables: the reveal listed f1, f2, f3, f5,
    // f6 in the order of the table's rows, and the total is 20.
    const auto& last = seconds.back();
    const int rows[] = {1, 2, 3, 5, 6, 4};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(std::stof(last[i + 1].str()), e.s.WorkValues(rows[i]));
    }
    EXPECT_EQ(e.s.WorkValues(7), 20);
    EXPECT_EQ(e.s.DataValues(2), e.s.WorkValues(27) / 20);
  }
}

// The answer at the next-step prompt: 1 returns to the sub-menu and leaves the
// table on screen; anything else clears the page for a new table.
TEST(PracticeTables, OneAtThePromptReturnsWithThePageShown) {
  struct Case {
    const char* answer;
    bool returns;
  };
  const Case kAnswers[] = {
      {"1", true},
      {"2", false},
      {"", false},  // Enter alone is 0
      {"1.5", false},
  };
  for (const Case& c : kAnswers) {
    SCOPED_TRACE(c.answer);
    Engine e("2\r3\rxxxx" + std::string(c.answer) + "\r", 2);
    RunProgram(e, Unit2());
    EXPECT_EQ(e.s.Location, c.returns ? 200 : 203);

    // What was drawn after the answer: does anything white cover the table
    // (x 600 to 1208, y 180 to 590)?
    bool tableErased = false;
    for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
      const auto* op = std::get_if<LineOp>(&e.host.ops[i]);
      if (op && op->mode == kLineFilledBox && op->fill == 15 && op->x1 < 1208 && op->x2 > 600 && op->y1 < 590 &&
          op->y2 > 180)
        tableErased = true;
    }
    EXPECT_EQ(tableErased, !c.returns);
    const std::string after = [&] {
      std::string out;
      for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
        if (const auto* sym = std::get_if<SymbolOp>(&e.host.ops[i])) out += sym->text;
      }
      return out;
    }();
    EXPECT_EQ(after.find("①平均値") != std::string::npos, c.returns);  // the sub-menu line
  }
}

}  // namespace
}  // namespace mebuki::unit2
