// The values that sections 3 and 4 of mebuki1 compute at run time and show:
// sums and means, the order table of the sorted lists, and the relative and
// cumulative relative frequencies of (ウ). Each test runs the whole program
// with scripted keys and reads what the page drew.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/numbers.h"
#include "tests/program_support.h"
#include "typeset/typeset.h"
#include "unit1/unit1.h"

namespace mebuki {
namespace {

using testing::Engine;
using testing::RunProgram;

// Menu number, Enter, page number, Enter, then one key per pause.
std::string Keys(int section, int page, int pauses) {
  return std::to_string(section) + "\r" + std::to_string(page) + "\r" + std::string(static_cast<size_t>(pauses), 'x');
}

// What each step of the run drew on the page (above the strip of the sub-menu
// and the pause prompt), as the joined texts of its symbols: entry k holds what
// was drawn after the k-th key.
std::vector<std::string> StepTexts(const Engine& e) {
  std::vector<std::string> steps(1);
  for (const Op& op : e.host.ops) {
    if (std::holds_alternative<KeyOp>(op)) steps.emplace_back();
    if (const auto* sym = std::get_if<SymbolOp>(&op); sym && sym->y < 640) steps.back() += sym->text;
  }
  return steps;
}

// The step of a page chosen with Keys() that ends at its first pause: after the
// menu digit, Enter, the page digit and Enter. Step kFirstStep + k follows the
// k-th key at the page's pauses.
constexpr size_t kFirstStep = 4;

TEST(MeanPage, ShowsExactQuotientsBeforeRoundedMeans) {
  Engine e(Keys(3, 2, 30));
  RunProgram(e, unit1::Unit1());
  const std::string text = e.SymbolText();

  // 72 + 84 + 53 + 33 + 31 = 273, and 273 / 5 = 54.6.
  EXPECT_NE(text.find("273"), std::string::npos);
  EXPECT_NE(text.find("54.6(点)"), std::string::npos);

  // Single-precision sums of the 50 times in trial order, written to 6 digits,
  // and the quotients by 50 to the same number of digits.
  struct Case {
    const char* sum;
    const char* quotient;
    const char* rounded;
  };
  const Case kMeans[] = {{"115.98", "2.3196", "≒2.32(秒)"}, {"136.11", "2.7222", "≒2.72(秒)"}};
  for (const auto& c : kMeans) {
    SCOPED_TRACE(c.sum);
    const size_t sum = text.find(c.sum);
    const size_t quotient = text.find(c.quotient, sum);
    const size_t rounded = text.find(c.rounded, quotient);
    ASSERT_NE(sum, std::string::npos);
    ASSERT_NE(quotient, std::string::npos);
    EXPECT_NE(rounded, std::string::npos);
  }
}

TEST(MeanPage, WorkedLineStandsBelowTheDataBox) {
  Engine e(Keys(3, 2, 30));
  RunProgram(e, unit1::Unit1());
  // The box of the five scores (outline 0, fill 13), then the first line worked under it.
  size_t i = 0;
  float boxBottom = -1;
  for (; i < e.host.ops.size() && boxBottom < 0; ++i) {
    const auto* box = std::get_if<LineOp>(&e.host.ops[i]);
    if (box && box->mode == kLineFilledBox && box->colour == 0 && box->fill == 13) boxBottom = box->y2;
  }
  ASSERT_GE(boxBottom, 0);
  for (; i < e.host.ops.size(); ++i) {
    const auto* sym = std::get_if<SymbolOp>(&e.host.ops[i]);
    if (sym && sym->text == "平") break;
  }
  ASSERT_LT(i, e.host.ops.size());
  EXPECT_GE(std::get<SymbolOp>(e.host.ops[i]).y, boxBottom);
}

TEST(MeanPage, ShowsTheSameSumsAfterTheMedianPageSortedTheLists) {
  // Page 3 takes fewer than 40 keys; the rest wait at the sub-menu, which ignores them.
  Engine e(Keys(3, 3, 40) + "2\r" + std::string(30, 'x'));
  RunProgram(e, unit1::Unit1());
  const std::string text = e.SymbolText();
  for (const char* shown : {"115.98", "2.3196", "136.11", "2.7222"}) {
    SCOPED_TRACE(shown);
    EXPECT_NE(text.find(shown), std::string::npos);
  }
  EXPECT_FLOAT_EQ(e.s.DataSetA(1), 2.48f);  // trial order again
  EXPECT_FLOAT_EQ(e.s.DataSetB(1), 2.36f);
}

TEST(MedianPage, OrderTableShowsPlaces22To29OfBothSortedLists) {
  Engine e(Keys(3, 3, 40));
  RunProgram(e, unit1::Unit1());
  const std::string text = e.SymbolText();
  // Counted in the sorted lists; the 25th and 26th give the medians
  // (2.33 + 2.35) / 2 = 2.34 and (2.70 + 2.70) / 2 = 2.70.
  const char* kPlaces = "番2223242526272829";
  const char* kColumnA = "秒2.282.282.302.332.352.352.362.36";
  const char* kColumnB = "秒2.692.702.702.702.702.722.722.74";
  const size_t a = text.find(kColumnA);
  ASSERT_NE(a, std::string::npos);
  EXPECT_NE(text.find(kColumnB, a), std::string::npos);
  EXPECT_NE(text.find(kPlaces), std::string::npos);
}

TEST(RelativeFrequencyPage, WritesTheShareOfThirteenWithALeadingZero) {
  // The number text writes a fraction without its zero; the page puts it back.
  EXPECT_EQ(NumberText(0.26f), " .26");
  EXPECT_EQ("0" + StripSpaces(NumberText(0.26f)), "0.26");

  Engine e(Keys(4, 2, 20));
  RunProgram(e, unit1::Unit1());
  const std::vector<std::string> steps = StepTexts(e);
  // Steps: table, "割合で…", the formula, the shaded cell, "2.40秒…13/50=", then the share.
  ASSERT_GT(steps.size(), kFirstStep + 5);
  EXPECT_EQ(steps[kFirstStep + 5], "0.26");
}

TEST(CumulativeRelativePage, DefinesTheSumOfRelativeFrequencies) {
  Engine e(Keys(4, 3, 20));
  RunProgram(e, unit1::Unit1());
  std::string page;
  for (const std::string& step : StepTexts(e)) page += step;
  // Summing the frequencies themselves would give the cumulative frequency.
  EXPECT_NE(page.find("最初の階級からその階級までの相対度数の合計"), std::string::npos);
}

TEST(Exercise78Page, FillsRelativeAndCumulativeFrequenciesOfPaperC) {
  Engine e(Keys(4, 4, 25));
  RunProgram(e, unit1::Unit1());
  const std::vector<std::string> steps = StepTexts(e);

  // Frequencies 1, 1, 5, 5, 9, 3, 3, 1, 2 of 30, each share rounded to two
  // decimals (1/30 = 0.033, 5/30 = 0.167, 9/30 = 0.3, 3/30 = 0.1, 2/30 = 0.067);
  // the total is written as 1.00.
  const char* kRelative[] = {"0.03", "0.03", "0.17", "0.17", "0.30", "0.10", "0.10", "0.03", "0.07", "1.00"};
  // Running sums of the rounded shares; the last one is written as 1.00 too.
  const char* kCumulative[] = {"0.03", "0.06", "0.23", "0.40", "0.70", "0.80", "0.90", "0.93", "1.00"};

  // After the table, one cell per key: ten relative cells, then nine cumulative.
  ASSERT_GT(steps.size(), kFirstStep + 19);
  for (size_t row = 0; row < 10; ++row) {
    SCOPED_TRACE(row + 1);
    EXPECT_EQ(steps[kFirstStep + 1 + row], kRelative[row]);
  }
  for (size_t row = 0; row < 9; ++row) {
    SCOPED_TRACE(row + 1);
    EXPECT_EQ(steps[kFirstStep + 11 + row], kCumulative[row]);
  }
}

TEST(Exercise9Page, RelativePolygonsCloseOnTheAxis) {
  Engine e(Keys(4, 5, 5));
  RunProgram(e, unit1::Unit1());
  // Graph from x 160, columns 50 wide, axis at y 125 + 9 x 40 = 485, 800 units per 1.00.
  struct Case {
    int colour;
    float peakX, peak;  // middle of the highest column and its share
    float endX;         // middle of the column where the polygon meets the axis again
  };
  const Case kPolygons[] = {
      {3, 160 + 50 * 3.5f, 0.36f, 160 + 50 * 6.5f},   // (イ): 2.60～2.80 highest, back at 3.20～3.40
      {7, 160 + 50 * 6.5f, 0.30f, 160 + 50 * 11.5f},  // (ウ): 3.20～3.40 highest, back at 4.20～4.40
  };
  for (const auto& c : kPolygons) {
    SCOPED_TRACE(c.colour);
    std::vector<LineOp> segments;
    for (const auto& line : e.Lines()) {
      if (line.colour == c.colour && line.mode == kLineSegment) segments.push_back(line);
    }
    ASSERT_FALSE(segments.empty());
    float top = 485;
    float topX = 0;
    for (const auto& seg : segments) {
      if (seg.y2 < top) top = seg.y2, topX = seg.x2;
    }
    EXPECT_NEAR(topX, c.peakX, 0.01f);
    EXPECT_NEAR(top, 485 - 800 * c.peak, 0.01f);
    EXPECT_NEAR(segments.back().x2, c.endX, 0.01f);
    EXPECT_NEAR(segments.back().y2, 485, 0.01f);
  }
}

TEST(SummaryTables, AppearWithThePageBeforeItsFirstPause) {
  struct Case {
    int section, page;
    std::vector<std::string> values;  // header, then values down each column
  };
  const Case kTables[] = {
      {3, 6, {"(ｱ)2.32秒2.34秒2.30秒", "(ｲ)2.72秒2.70秒2.70秒"}},
      {3, 7, {"(ｱ)1.94秒2.78秒0.84秒2.32秒2.34秒2.30秒", "(ｲ)2.36秒3.04秒0.68秒2.72秒2.70秒2.70秒"}},
      {4, 6, {"(ｲ)2.36秒3.04秒0.68秒2.72秒2.70秒2.70秒", "(ｳ)2.51秒4.05秒1.54秒3.28秒3.29秒3.30秒"}},
  };
  for (const auto& c : kTables) {
    SCOPED_TRACE(c.page);
    Engine e(Keys(c.section, c.page, 0));
    RunProgram(e, unit1::Unit1());
    const std::vector<std::string> steps = StepTexts(e);
    ASSERT_GT(steps.size(), kFirstStep);
    for (const auto& column : c.values) EXPECT_NE(steps[kFirstStep].find(column), std::string::npos) << column;
  }
}

}  // namespace
}  // namespace mebuki
