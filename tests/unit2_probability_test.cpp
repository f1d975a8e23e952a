// The shogi-piece experiment of mebuki2 section 3: the draw table, the running
// counts and shares, the dots, the piece figures, and whole runs of the page.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "shell/draw.h"
#include "tests/program_support.h"
#include "unit2/probability.h"
#include "unit2/unit2.h"

namespace mebuki::unit2 {
namespace {

using testing::Engine;

// Keys that open the experiment page: menu entry 3, then page 2.
const std::string kOpenExperiment = "3\r2\r";
// One key for the opening box, 10 for run 1, one each after runs 2 and 3, 9 for
// run 4 and 3 for run 5: the next pause follows the last batch of 500.
constexpr int kKeysToLastBatch = 1 + 10 + 1 + 1 + 9 + 3;
// The pause after the last batch, one more, and the eight of the reading.
constexpr int kKeysToPageEnd = kKeysToLastBatch + 1 + 1 + 8;

// Runs mebuki2 at a fixed time of day (a fixed seed) until the keys run out.
void RunAtTen(Engine& e, const std::string& keys) {
  e.host = RecordingHost(keys, "10:00:00");
  testing::RunProgram(e, Unit2());
}

// The text of the symbols drawn after the last key inside the box x0 <= x < x1 on the line y.
std::string TextAfterLastKey(const Engine& e, float x0, float x1, float y) {
  std::string out;
  for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
    if (const auto* sym = std::get_if<SymbolOp>(&e.host.ops[i])) {
      if (sym->y == y && sym->x >= x0 && sym->x < x1) out += sym->text;
    }
  }
  return out;
}

std::vector<CircleOp> CirclesAfterLastKey(const Engine& e) {
  std::vector<CircleOp> out;
  for (size_t i = testing::AfterLastKey(e); i < e.host.ops.size(); ++i) {
    if (const auto* c = std::get_if<CircleOp>(&e.host.ops[i])) out.push_back(*c);
  }
  return out;
}

// Table rows lie 50 apart from y = 30; cell texts 3 below the top of a 50-high cell.
float CellTextY(int row) { return -20 + 50.0f * row + 3; }

TEST(ShogiPieceDraw, RangesOfTheDrawChooseTheOutcome) {
  struct Case {
    float r;
    int outcome;
  };
  const Case kCases[] = {
      {1, 1},    {1402, 1}, {1403, 2}, {2744, 2}, {2745, 3},
      {2899, 3}, {2900, 4}, {2998, 4}, {2999, 5}, {3000, 5},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.r);
    EXPECT_EQ(OutcomeOf(c.r), c.outcome);
  }
}

TEST(ShogiPieceDraw, SharesOfManyThrowsLieNearTheirChances) {
  // Chances 1402, 1342, 155, 99 and 2 in 3000; five standard errors either side.
  const double kChances[5] = {1402 / 3000.0, 1342 / 3000.0, 155 / 3000.0, 99 / 3000.0, 2 / 3000.0};
  constexpr int kThrows = 300000;
  for (int seed : {0, 77, 141}) {
    SCOPED_TRACE(seed);
    State s;
    s.Rng.Randomize(seed);
    int counts[6] = {};
    for (int i = 0; i < kThrows; ++i) ++counts[DrawOutcome(s)];
    for (int k = 1; k <= 5; ++k) {
      const double p = kChances[k - 1];
      EXPECT_NEAR(counts[k] / double(kThrows), p, 5 * std::sqrt(p * (1 - p) / kThrows)) << "outcome " << k;
    }
  }
}

TEST(ShogiPieceCounts, TableSharesAreRoundedWhileDotsUseTheRatio) {
  struct Case {
    std::vector<int> throws;
    int k;
    const char* count;
    float percent;      // plotted, unrounded
    const char* share;  // shown
  };
  const Case kCases[] = {
      {{3}, 3, "1", 100, "1"},
      {{1, 2, 2, 2, 2, 2, 2, 2}, 1, "1", 12.5f, "0.13"},  // 1/8 = 12.5%: halfway goes up
      {{1, 2, 2, 2, 2, 2, 2, 2}, 2, "7", 87.5f, "0.88"},  // 7/8 = 87.5%
      {{1, 2, 2, 2, 2, 2, 2, 2}, 4, "0", 0, "0"},
      {{1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2}, 1, "7", 700 / 15.0f, "0.47"},  // 7/15 = 46.67%
      {{1, 2, 2, 2, 2, 2, 2, 2, 2, 2}, 1, "1", 10, "0.1"},                             // 1/10, no trailing zero
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::PrintToString(c.throws) + " outcome " + std::to_string(c.k));
    State s;
    for (int k : c.throws) RecordThrow(s, k);
    const int n = static_cast<int>(c.throws.size());
    EXPECT_EQ(s.WorkTexts(1), std::to_string(n));
    EXPECT_EQ(s.LastOutcome, c.throws.back());
    EXPECT_EQ(s.WorkTexts(c.k + 1), c.count);
    EXPECT_FLOAT_EQ(s.DataValues(c.k + 1), c.percent);
    EXPECT_EQ(s.DataTexts(11 + c.k), c.share);
    // A batch counts every throw and writes the texts once, at its end: the
    // same texts.
    State batch;
    for (int k : c.throws) CountThrow(batch, k);
    RefreshThrowTexts(batch);
    for (int i = 1; i <= 80; ++i) EXPECT_EQ(batch.DataTexts(i), s.DataTexts(i)) << i;
    for (int i = 1; i <= 60; ++i) EXPECT_EQ(batch.WorkTexts(i), s.WorkTexts(i)) << i;
    EXPECT_EQ(batch.LastOutcome, s.LastOutcome);
  }
}

TEST(ShogiPieceFigures, PiecePointsFollowTheirStepsAndAngles) {
  // With the box at (800,100) a grid point (u, v) is (800 + 40u, 260 - 40v); a step
  // of L cells at a degrees adds (40L cos a, -40L sin a). Values to one decimal.
  struct Case {
    int k;
    Point points[5];
    Point caption;
  };
  const Case kCases[] = {
      {1, {{820, 260}, {938.2f, 239.2f}, {897.1f, 126.4f}, {857.7f, 119.5f}, {820, 140}}, {848, 160}},
      {2, {{820, 240}, {938.2f, 260.8f}, {938.2f, 140.8f}, {903.5f, 120.8f}, {861, 127.2f}}, {868, 160}},
      {3, {{820, 260}, {940, 260}, {919.2f, 141.8f}, {806.4f, 182.9f}, {799.5f, 222.3f}}, {860, 192}},
      {4, {{820, 260}, {940, 260}, {919.2f, 141.8f}, {881.6f, 128.1f}, {840.8f, 141.8f}}, {860, 180}},
      {5, {{840, 260}, {880, 260}, {940, 156.1f}, {827.2f, 115}, {806.4f, 233.2f}}, {840, 180}},
  };
  const char* kCaptions[5] = {"表", "裏", "横", "上", "下"};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.k);
    Engine e("", 2);
    e.s.GraphLeft = 800;
    e.s.GraphTop = 100;
    DrawPieceFigure(e.s, c.k);

    const auto shapes = e.All<ConnectOp>();
    ASSERT_EQ(shapes.size(), 1u);
    const ConnectOp& piece = shapes[0];
    ASSERT_EQ(piece.points.size(), 6u);  // closed: A again at the end
    for (int i = 0; i < 5; ++i) {
      EXPECT_NEAR(piece.points[i].x, c.points[i].x, 0.05f) << "point " << i;
      EXPECT_NEAR(piece.points[i].y, c.points[i].y, 0.05f) << "point " << i;
    }
    EXPECT_EQ(piece.points[5].x, piece.points[0].x);
    EXPECT_EQ(piece.points[5].y, piece.points[0].y);
    EXPECT_EQ(piece.colour, 0);
    EXPECT_EQ(piece.fill, 11);
    EXPECT_EQ(piece.pen, 5);
    EXPECT_EQ(e.s.PenWidth, 5);

    const auto caption = testing::SymbolsWithText(e, kCaptions[c.k - 1]);
    ASSERT_EQ(caption.size(), 1u);
    EXPECT_NEAR(caption[0].x, c.caption.x, 0.01f);
    EXPECT_NEAR(caption[0].y, c.caption.y, 0.01f);
  }
}

TEST(ShogiPieceFigures, ArrowHeadStrokesMeetAtTheEnd) {
  // From (0,0) to (30,40): d = (0.6, 0.8), p = (-0.8, 0.6); the head strokes start
  // at end - 16d + 8p = (14, 32) and end - 16d - 8p = (26.8, 22.4).
  Engine e("", 2);
  DrawArrow(e.s, {0, 0}, {30, 40}, 7);
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 3u);
  const float kStarts[3][2] = {{0, 0}, {14, 32}, {26.8f, 22.4f}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(lines[i].x1, kStarts[i][0], 1e-4f);
    EXPECT_NEAR(lines[i].y1, kStarts[i][1], 1e-4f);
    EXPECT_EQ(lines[i].x2, 30);
    EXPECT_EQ(lines[i].y2, 40);
    EXPECT_EQ(lines[i].colour, 7);
  }
}

TEST(ShogiPieceFigures, BoardFigureLeavesThePenAtFive) {
  Engine e("", 2);
  e.s.GraphLeft = 880;
  e.s.GraphTop = 20;
  DrawBoardFigure(e.s);
  EXPECT_EQ(e.s.PenWidth, 5);
  // The two start corners: the top-left cell and the bottom-right cell of the 270 board.
  int corners = 0;
  for (const auto& l : e.Lines()) {
    if (l.mode != kLineFilledBox || l.fill == 13) continue;
    ++corners;
    if (l.fill == 7) {
      EXPECT_EQ(l.x1, 880);
      EXPECT_EQ(l.y1, 20);
      EXPECT_EQ(l.x2, 910);
      EXPECT_EQ(l.y2, 50);
    } else {
      EXPECT_EQ(l.fill, 5);
      EXPECT_EQ(l.x1, 1150);
      EXPECT_EQ(l.y1, 290);
      EXPECT_EQ(l.x2, 1120);
      EXPECT_EQ(l.y2, 260);
    }
  }
  EXPECT_EQ(corners, 2);
}

TEST(ShogiPieceExperiment, FirstThrowShowsOneThrowInTableAndDots) {
  Engine e("", 2);
  RunAtTen(e, kOpenExperiment + "x");  // ends at the pause after the first throw
  const State& s = e.s;
  ASSERT_GE(s.LastOutcome, 1);
  ASSERT_LE(s.LastOutcome, 5);

  EXPECT_EQ(TextAfterLastKey(e, 120, 280, CellTextY(1)), "1");  // n
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    const std::string expected = k == s.LastOutcome ? "1" : "0";
    EXPECT_EQ(TextAfterLastKey(e, 120, 280, CellTextY(k + 1)), expected);  // count
    EXPECT_EQ(TextAfterLastKey(e, 280, 480, CellTextY(k + 1)), expected);  // relative frequency
  }

  // n = 1: x = 135 + 1/3; a share of 1 lies 200 above the bottom line at 594.
  const auto dots = CirclesAfterLastKey(e);
  ASSERT_EQ(dots.size(), 5u);
  int top = 0, bottom = 0;
  for (const auto& dot : dots) {
    EXPECT_FLOAT_EQ(dot.x, 135 + 1.0f / 3);
    EXPECT_EQ(dot.r, 1);
    if (dot.y == 394) ++top;
    if (dot.y == 594) ++bottom;
  }
  EXPECT_EQ(top, 1);
  EXPECT_EQ(bottom, 4);
  const int kColours[5] = {7, 3, 5, 9, 0};
  EXPECT_EQ(dots[s.LastOutcome - 1].y, 394);
  EXPECT_EQ(dots[s.LastOutcome - 1].colour, kColours[s.LastOutcome - 1]);
}

TEST(ShogiPieceExperiment, WholeRunThrows3000TimesAndPlotsEveryThrow) {
  Engine e("", 2);
  RunAtTen(e, kOpenExperiment + std::string(kKeysToLastBatch, 'x'));  // ends at the pause after run 5
  const State& s = e.s;

  float total = 0;
  for (int k = 1; k <= 5; ++k) total += s.WorkValues(k + 1);
  EXPECT_EQ(total, 3000);
  EXPECT_EQ(s.WorkValues(1), 3000);
  EXPECT_EQ(TextAfterLastKey(e, 120, 280, CellTextY(1)), "3000");

  // Five dots per throw; only the 50 throws that show the figure wait.
  size_t dots = 0, waits = 0;
  for (const Op& op : e.host.ops) {
    dots += std::holds_alternative<CircleOp>(op) && std::get<CircleOp>(op).r == 1;
    waits += std::holds_alternative<WaitOp>(op);
  }
  EXPECT_EQ(dots, 15000u);
  EXPECT_EQ(waits, 50u);
  // The pen width of the figures stays for the dots.
  EXPECT_EQ(CirclesAfterLastKey(e).back().pen, 5);
}

TEST(ShogiPieceExperiment, ChoosingThePageAgainStartsAfresh) {
  const std::string firstVisit = kOpenExperiment + std::string(kKeysToPageEnd, 'x');
  Engine e("", 2);
  RunAtTen(e, firstVisit + "2\rx");  // the second visit ends after its first throw
  EXPECT_EQ(e.s.WorkValues(1), 1);
  float total = 0;
  for (int k = 1; k <= 5; ++k) total += e.s.WorkValues(k + 1);
  EXPECT_EQ(total, 1);
  EXPECT_EQ(TextAfterLastKey(e, 120, 280, CellTextY(1)), "1");
}

TEST(DiscussionPage, WritesTheUnendingQuotientAsUnending) {
  Engine e("3\r3\r" + std::string(30, 'x'), 2);
  testing::RunProgram(e, Unit2());
  // 0.47 / 0.03 is 15.666..., not 15.6: the page marks it as it marks (0.4473…).
  const std::string text = e.SymbolText();
  EXPECT_NE(text.find("=15.6…"), std::string::npos);
  EXPECT_EQ(text.find("=15.6だ"), std::string::npos);
}

}  // namespace
}  // namespace mebuki::unit2
