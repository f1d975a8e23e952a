// mebuki1 sections 1 and 2 and the experiment data: computations checked
// against hand-worked values, pages run whole with scripted keys and read back
// from what they drew.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/program_support.h"
#include "unit1/data.h"
#include "unit1/unit1.h"

namespace mebuki {
namespace {

using testing::Engine;

std::string Keys(int n) { return std::string(static_cast<size_t>(n), 'x'); }

// Runs mebuki1 on the keys; the run stops where they run out.
void RunUnit1(Engine& e) { testing::RunProgram(e, unit1::Unit1()); }

// Index of the op just after the last whole-surface white fill: the page on show.
size_t PageStart(const Engine& e) {
  size_t at = 0;
  for (size_t i = 0; i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->mode == kLineFilledBox && l->x1 == 0 && l->y1 == 0 && l->x2 == 1760 && l->y2 == 1800) at = i + 1;
  }
  return at;
}

// Text drawn with its top inside the box (x0, y0)-(x1, y1) from op `from` on, in drawing order.
std::string TextIn(const Engine& e, size_t from, float x0, float y0, float x1, float y1) {
  std::string out;
  for (size_t i = from; i < e.host.ops.size(); ++i) {
    const auto* t = std::get_if<SymbolOp>(&e.host.ops[i]);
    if (t && t->x >= x0 && t->x < x1 && t->y >= y0 - 4 && t->y < y1) out += t->text;
  }
  return out;
}

// Filled boxes with their corner at (x, y) from op `from` on.
std::vector<LineOp> CellsAt(const Engine& e, size_t from, float x, float y) {
  std::vector<LineOp> out;
  for (size_t i = from; i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->mode == kLineFilledBox && l->x1 == x && l->y1 == y) out.push_back(*l);
  }
  return out;
}

// Plain line segments in a colour from op `from` on.
std::vector<LineOp> Segments(const Engine& e, size_t from, int colour) {
  std::vector<LineOp> out;
  for (size_t i = from; i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->mode == kLineSegment && l->colour == colour) out.push_back(*l);
  }
  return out;
}

// ---- Data and computations --------------------------------------------------------

TEST(ExperimentData, TallyClassesIncludeLowerBound) {
  struct Case { float value; int tally; };
  const Case kCases[] = {
      {1.94f, 1}, {2.00f, 2}, {2.09f, 2}, {2.38f, 3},
      {2.40f, 4},  // trial 31: a class includes its lower bound
      {2.60f, 5},  // trial 36
      {2.78f, 5}, {2.80f, 6}, {2.95f, 7}, {3.04f, 7},
      {1.70f, 0},  // below 1.80 there is no row to tally into
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(unit1::TallyClass(c.value), c.tally);
  }
}

TEST(ExperimentData, TallyOfPaperAGivesTable1) {
  State s;
  unit1::LoadExperimentData(s);
  std::vector<int> counts(8, 0);
  for (int i = 1; i <= 50; ++i) ++counts[static_cast<size_t>(unit1::TallyClass(s.DataSetA(i)))];
  EXPECT_EQ(counts, (std::vector<int>{0, 1, 11, 22, 12, 4, 0, 0}));
}

TEST(ExperimentData, DataValueTextKeepsTwoDecimals) {
  struct Case { float value; const char* text; };
  const Case kCases[] = {{1.94f, "1.94"}, {2.3f, "2.30"}, {3.2f, "3.20"}, {2.1f, "2.10"}, {2.48f, "2.48"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(unit1::DataValueText(c.value), c.text);
  }
  EXPECT_EQ(unit1::PadDataText(""), "");
}

TEST(ExperimentData, SortLeavesPaperCInTrialOrder) {
  State s;
  unit1::SortExperimentData(s);
  EXPECT_FLOAT_EQ(s.DataSetA(1), 1.94f);
  EXPECT_FLOAT_EQ(s.DataSetA(50), 2.78f);
  EXPECT_FLOAT_EQ(s.DataSetA(25), 2.33f);  // the median's two middle values
  EXPECT_FLOAT_EQ(s.DataSetA(26), 2.35f);
  EXPECT_FLOAT_EQ(s.DataSetB(1), 2.36f);
  EXPECT_FLOAT_EQ(s.DataSetB(50), 3.04f);
  EXPECT_FLOAT_EQ(s.DataSetC(1), 4.05f);
  EXPECT_FLOAT_EQ(s.Summary(3), 2.70f);  // the summary is that of (イ), sorted last
  EXPECT_FLOAT_EQ(s.DataSetACount, 50);
  EXPECT_FLOAT_EQ(s.DataSetCCount, 30);
}

TEST(ExperimentData, SumsAndMeansReadAsDecimals) {
  State s;
  unit1::SortExperimentData(s);  // the sums are taken in trial order all the same
  unit1::ComputeSumsAndMeans(s);
  EXPECT_EQ(s.WorkTexts(1), "115.98");
  EXPECT_EQ(s.WorkTexts(2), "2.3196");  // 115.98 / 50
  EXPECT_EQ(s.WorkTexts(3), "136.11");
  EXPECT_EQ(s.WorkTexts(4), "2.7222");  // 136.11 / 50
}

TEST(ExperimentData, RelativeFrequenciesOfPaperC) {
  State s;
  unit1::ComputeRelativeFrequenciesC(s);
  // Frequencies 1, 1, 5, 5, 9, 3, 3, 1, 2 of 30, each to two decimals (1/30 = .033, 2/30 = .067,
  // 5/30 = .167, 9/30 = .3), then their running sums, and both totals 1.00.
  const char* kTexts[] = {"0.03", "0.03", "0.17", "0.17", "0.30", "0.10", "0.10", "0.03", "0.07", "1.00",
                          "0.03", "0.06", "0.23", "0.40", "0.70", "0.80", "0.90", "0.93", "1.00"};
  for (int i = 11; i <= 29; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.DataTexts(i), kTexts[i - 11]);
  }
}

// ---- Section 1 ---------------------------------------------------------------------------------

// Row r, column c of a 3-column list whose first column starts at x.
float ListX(float left, int c) { return left + 90 * static_cast<float>(c - 1); }
float ListY(int r) { return 70 + 35 * static_cast<float>(r - 1); }

TEST(Section1, RangePageSortsAndP216ShowsTrialOrderAgain) {
  // Range page to its end (23 pauses; spare keys are ignored by the sub-menu), then P216.
  Engine range("1\r3\r" + Keys(30));
  RunUnit1(range);
  size_t page = PageStart(range);
  EXPECT_EQ(TextIn(range, page, 600, ListY(1), 690, ListY(2)), "1.94");
  EXPECT_EQ(TextIn(range, page, ListX(600, 3), ListY(16), ListX(600, 4), ListY(17)), "2.78");  // trial 50
  EXPECT_EQ(TextIn(range, page, 880, ListY(1), 970, ListY(2)), "2.36");

  Engine e("1\r3\r" + Keys(30) + "2\r" + Keys(10));
  RunUnit1(e);
  page = PageStart(e);
  EXPECT_EQ(TextIn(e, page, 600, ListY(1), 690, ListY(2)), "2.48");
  EXPECT_EQ(TextIn(e, page, 880, ListY(1), 970, ListY(2)), "2.36");
  EXPECT_EQ(TextIn(e, page, ListX(600, 2), ListY(1), ListX(600, 3), ListY(2)), "2.71");  // trial 18
  EXPECT_FLOAT_EQ(e.s.DataSetA(1), 2.48f);
}

TEST(Section1, DataListRowsAndTheEmptyFiftyFirstCell) {
  Engine e("1\r2\r" + Keys(10));
  RunUnit1(e);
  const size_t page = PageStart(e);
  struct Case { float left; int listFill; };
  for (const Case& list : {Case{600, 13}, Case{880, 11}}) {
    SCOPED_TRACE(list.left);
    for (int r = 1; r <= 17; ++r) {
      for (int c = 1; c <= 3; ++c) {
        SCOPED_TRACE(r * 10 + c);
        const auto cells = CellsAt(e, page, ListX(list.left, c), ListY(r));
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(cells[0].colour, 15);  // white lines between cells
        const bool beyondData = r == 17 && c == 3;  // trial 51
        const int fill = beyondData ? 15 : (r % 5 == 0 ? 9 : list.listFill);
        EXPECT_EQ(cells[0].fill, fill);
        EXPECT_EQ(TextIn(e, page, ListX(list.left, c), ListY(r), ListX(list.left, c + 1), ListY(r + 1)).empty(),
                  beyondData);
      }
    }
  }
}

// ---- Section 2, page 1: the tally -----------------------------------------------------------------

// Row tops of the tally table: header at 130, 60 high, then rows of 35.
float TallyRowY(int tallyClass) { return 190 + 35 * static_cast<float>(tallyClass - 1); }

// Strokes of 正 (black, pen 5) whose start lies in a class row of the tally column.
std::vector<LineOp> TallyStrokes(const Engine& e, size_t from, int tallyClass) {
  std::vector<LineOp> out;
  for (const auto& l : Segments(e, from, 0)) {
    if (l.pen == 5 && l.x1 >= 306 && l.x1 < 534 && l.y1 >= TallyRowY(tallyClass) &&
        l.y1 < TallyRowY(tallyClass + 1)) {
      out.push_back(l);
    }
  }
  return out;
}

TEST(Section2Tally, EachValueLandsInItsClassRow) {
  // Trial k is checked on key 2k - 1 and tallied on key 2k.
  struct Case { int trial; int tallyClass; };
  const Case kCases[] = {
      {1, 4},   // 2.48
      {15, 1},  // 1.94
      {31, 4},  // 2.40 counts in 2.40～2.60
      {36, 5},  // 2.60 counts in 2.60～2.80
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.trial);
    Engine e("2\r1\r" + Keys(2 * c.trial));
    RunUnit1(e);
    // The stroke drawn after the last key is the one of this trial.
    const size_t after = testing::AfterLastKey(e);
    const auto strokes = Segments(e, after, 0);
    ASSERT_FALSE(strokes.empty());
    EXPECT_GE(strokes.front().y1, TallyRowY(c.tallyClass));
    EXPECT_LT(strokes.front().y1, TallyRowY(c.tallyClass + 1));
  }
}

TEST(Section2Tally, CheckMarkStandsAtTheTrialsCell) {
  // Trial 31 is in column 3 (trials 27-39), row 5 of the list at (640, 130).
  Engine e("2\r1\r" + Keys(61));
  RunUnit1(e);
  const auto marks = testing::SymbolsWithText(e, "レ");
  ASSERT_EQ(marks.size(), 31u);
  EXPECT_FLOAT_EQ(marks.back().x, 820);
  EXPECT_FLOAT_EQ(marks.back().y, 270);
  EXPECT_EQ(marks.back().colour, 7);
}

TEST(Section2Tally, ClassThreeEndsWithFourFullCharactersAndTwoStrokes) {
  Engine e("2\r1\r" + Keys(100));
  RunUnit1(e);
  const size_t page = PageStart(e);
  // 22 values: four 正 of five strokes at x = 306, 341, 376, 411, then two at 446.
  const auto strokes = TallyStrokes(e, page, 3);
  ASSERT_EQ(strokes.size(), 22u);
  std::vector<int> perBox(5, 0);
  for (const auto& l : strokes) ++perBox[static_cast<size_t>((l.x1 - 306) / 35)];
  EXPECT_EQ(perBox, (std::vector<int>{5, 5, 5, 5, 2}));
  // The fifth character so far: the top bar, then the stem.
  const float x = 306 + 4 * 35, y = TallyRowY(3);
  EXPECT_FLOAT_EQ(strokes[20].x1, x + 4);
  EXPECT_FLOAT_EQ(strokes[20].x2, x + 30);
  EXPECT_FLOAT_EQ(strokes[20].y1, y + 5);
  EXPECT_FLOAT_EQ(strokes[21].x1, x + 17);
  EXPECT_FLOAT_EQ(strokes[21].y2, y + 28);
  // Rows of the other classes hold one stroke per value of Table 1.
  const int kCounts[] = {1, 11, 22, 12, 4};
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(TallyStrokes(e, page, j).size(), static_cast<size_t>(kCounts[j - 1]));
}

// ---- Section 2, page 2: cumulative frequency ------------------------------------------------------

TEST(Section2Cumulative, Table2ReachesFiftyAndTable1LeavesTheLastCellsEmpty) {
  Engine e("2\r2\r" + Keys(40));
  RunUnit1(e);
  const size_t page = PageStart(e);
  // Table 2 at (760, -10): header from y 50, rows from 110; cumulative column 1026-1178.
  const float x3 = 760 + 190 + 76, x4 = x3 + 152;
  const char* kTable2[] = {"1", "14", "32", "47", "50"};
  for (int row = 1; row <= 5; ++row) {
    SCOPED_TRACE(row);
    const float y = 110 + 35 * static_cast<float>(row - 1);
    EXPECT_EQ(TextIn(e, page, x3, y, x4, y + 35), kTable2[row - 1]);
  }
  // Table 1 under it, at (760, 320): rows from 440; the fifth and total cells stay empty.
  const char* kTable1[] = {"1", "12", "34", "46", "", ""};
  for (int row = 1; row <= 6; ++row) {
    SCOPED_TRACE(row);
    const float y = 440 + 35 * static_cast<float>(row - 1);
    EXPECT_EQ(TextIn(e, page, x3, y, x4, y + 35), kTable1[row - 1]);
  }
  // Both total cells are struck through, bottom left to top right.
  const auto strikes = Segments(e, page, 0);
  const auto struck = [&](float top) {
    return std::any_of(strikes.begin(), strikes.end(), [&](const LineOp& l) {
      return l.x1 == x3 && l.y1 == top + 35 && l.x2 == x4 && l.y2 == top;
    });
  };
  EXPECT_TRUE(struck(285));
  EXPECT_TRUE(struck(615));
}

// ---- Section 2, pages 3 to 6: histograms and polygons ------------------------------------------

TEST(Section2Histograms, FirstBarIsTheLastClassAlone) {
  // After two keys: the bar of 2.60～2.80 (4 counts, 50 high) alone in column 5 of 図1.
  Engine e("2\r3\r" + Keys(2));
  RunUnit1(e);
  std::vector<LineOp> bars;
  for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->mode == kLineFilledBox && l->fill == 3) bars.push_back(*l);
  }
  ASSERT_EQ(bars.size(), 6u);
  for (const auto& b : bars) {
    const bool last = b.x1 == 599 + 5 * 60;
    EXPECT_FLOAT_EQ(b.y2 - b.y1, last ? 50 : 0);
  }
}

TEST(Section2Histograms, ClassCountsForWidthsTwentyAndFiveHundredths) {
  // Counted by hand from the (ア) list, classes including their lower bound.
  const float kWidth020[] = {1, 11, 22, 12, 4, 0};
  const float kWidth005[] = {1, 0, 1, 2, 3, 5, 6, 5, 2, 9, 7, 4, 1, 0, 2, 0, 1, 1, 0};

  Engine e020("2\r4\r");  // stops at the pause after 図1
  RunUnit1(e020);
  for (int i = 1; i <= 6; ++i) EXPECT_FLOAT_EQ(e020.s.PointY(i), kWidth020[i - 1]) << i;

  Engine e005("2\r4\r" + Keys(1));  // stops after 図2
  RunUnit1(e005);
  for (int i = 1; i <= 19; ++i) EXPECT_FLOAT_EQ(e005.s.PointY(i), kWidth005[i - 1]) << i;
  // 図2: 6 rows of 2 counts reach 12; its highest bar is 9, in column 10 (2.35～2.40).
  EXPECT_FLOAT_EQ(e005.s.GraphRows * e005.s.RowUnit, 12);
  LineOp highest{};
  for (size_t i = testing::AfterLastKey(e005); i < e005.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e005.host.ops[i]);
    if (l && l->mode == kLineFilledBox && l->fill == 11 && l->y2 - l->y1 > highest.y2 - highest.y1) highest = *l;
  }
  EXPECT_FLOAT_EQ(highest.x1, 680 + 10 * 25);
  EXPECT_FLOAT_EQ(highest.y2 - highest.y1, 9 * 12.5f);  // 25 units a row of two counts
}

TEST(Section2Histograms, PaperABarsGoIntoFigure5) {
  Engine e("2\r5\r" + Keys(5));  // stops after the (ア) bars are drawn over 図5
  RunUnit1(e);
  // 図4 starts at 306 + 30 + 25 = 361 and is 280 wide; 図5 starts 50 further right.
  const float left5 = 361 + 280 + 50;
  std::vector<LineOp> bars;
  for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->mode == kLineFilledBox && l->fill == 3) bars.push_back(*l);
  }
  ASSERT_EQ(bars.size(), 8u);
  EXPECT_FLOAT_EQ(bars[2].x1, left5 + 3 * 40);
  EXPECT_FLOAT_EQ(bars[2].y2 - bars[2].y1, 22 * 12.5f);
}

// The texts a page shows, with their places and colours, as it stands when
// its keys run out.
std::vector<std::string> PageTexts(const Engine& e) {
  std::vector<std::string> texts;
  for (size_t i = PageStart(e); i < e.host.ops.size(); ++i) {
    const auto* t = std::get_if<SymbolOp>(&e.host.ops[i]);
    if (t && t->y < 900) {
      texts.push_back(t->text + "@" + std::to_string(t->x) + "," + std::to_string(t->y) + "/" +
                      std::to_string(t->colour));
    }
  }
  return texts;
}

// Page 4 draws the longest count axis, up to 26: the pages after it must not
// keep its top label.
TEST(Section2Pages, LookTheSameWhicheverPageCameBefore) {
  for (const char* page : {"3", "5", "6"}) {
    SCOPED_TRACE(page);
    Engine alone("2\r" + std::string(page) + "\r" + Keys(30));
    RunUnit1(alone);
    Engine after("2\r4\r" + Keys(30) + page + "\r" + Keys(30));
    RunUnit1(after);
    EXPECT_EQ(PageTexts(after), PageTexts(alone));
  }
}

TEST(Section2Polygon, PolygonsCloseOnTheAxisAtTheirEndColumns) {
  Engine e("2\r6\r" + Keys(40));
  RunUnit1(e);
  const size_t page = PageStart(e);
  struct Polygon {
    const char* name;
    int colour;
    float originX, originY;
    size_t index;  // which polygon of that colour on the page
    int firstColumn, lastColumn;
  };
  // First graph at (120, 200), 13 rows of 25: axis at 525. The (イ) graph starts
  // 90 right of the first's edge 480, at (570, 250): axis at 575.
  const Polygon kPolygons[] = {
      {"(ア) grown point by point", 5, 120, 525, 0, 0, 6},
      {"(イ) on its own graph", 7, 570, 575, 0, 2, 8},
      {"(ア) on the shared frame", 3, 120, 525, 0, 0, 6},
      {"(イ) on the shared frame", 7, 120, 525, 0, 2, 8},
  };
  for (const auto& p : kPolygons) {
    SCOPED_TRACE(p.name);
    std::vector<LineOp> all = Segments(e, page, p.colour);
    // Keep segments of this polygon: they join midpoints, 40 apart.
    std::vector<std::vector<LineOp>> polygons;
    for (const auto& l : all) {
      if (l.x2 - l.x1 != 40) continue;
      if (polygons.empty() || polygons.back().back().x2 != l.x1 || polygons.back().back().y2 != l.y1) {
        polygons.push_back({});
      }
      polygons.back().push_back(l);
    }
    std::vector<std::vector<LineOp>> mine;
    for (const auto& poly : polygons) {
      if (poly.front().x1 >= p.originX && poly.front().x1 < p.originX + 360) mine.push_back(poly);
    }
    ASSERT_GT(mine.size(), p.index);
    const auto& poly = mine[p.index];
    ASSERT_EQ(poly.size(), static_cast<size_t>(p.lastColumn - p.firstColumn));
    EXPECT_FLOAT_EQ(poly.front().x1, p.originX + 40 * (static_cast<float>(p.firstColumn) + 0.5f));
    EXPECT_FLOAT_EQ(poly.front().y1, p.originY);
    EXPECT_FLOAT_EQ(poly.back().x2, p.originX + 40 * (static_cast<float>(p.lastColumn) + 0.5f));
    EXPECT_FLOAT_EQ(poly.back().y2, p.originY);
  }
}

}  // namespace
}  // namespace mebuki
