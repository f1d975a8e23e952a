// Table cells, graph frames, bars, polygons, class counts, summaries and
// dimension marks, checked against positions worked out from the layout rules.
//
// Plain text advances: half-width 20, full-width 30, "." 8. Markup text outside a
// fraction: half-width 27, full-width 34; inside a fraction half-width 32.
//
// Sections: table cells; graph frame; bars and polygons; class counts;
// summaries; dimension marks.
#include "charts/charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "shell/draw.h"
#include "tests/test_support.h"

namespace mebuki {
namespace {

using testing::Engine;

// The first symbol drawn with exactly this text.
SymbolOp FirstSymbol(const Engine& e, std::string_view text) {
  for (const auto& sym : e.Symbols()) {
    if (sym.text == text) return sym;
  }
  ADD_FAILURE() << "no symbol " << text;
  return {};
}

std::vector<LineOp> LinesOfMode(const Engine& e, int mode) {
  std::vector<LineOp> out;
  for (const auto& l : e.Lines()) {
    if (l.mode == mode) out.push_back(l);
  }
  return out;
}

// --- table cells ---------------------------------------------------------------

TEST(TableCell, CentresPlainTextAndChainsToRightEdge) {
  struct Case {
    const char* text;
    float width, height;
    float textX, textY;  // where the first character lands, cell at (100, 200)
  };
  const Case kCases[] = {
      {"12", 100, 35, 130, 204},    // w 40: (100 - 40) / 2 = 30; INT(9 / 2) = 4
      {"2.78", 100, 35, 116, 204},  // w 20 + 8 + 20 + 20 = 68: dx 16
      {"レ", 100, 36, 135, 205},    // full-width 30: dx 35; INT(10 / 2) = 5
      {"12345", 60, 35, 100, 204},  // w 100 > 60: dx clamped to 0, runs past the edge
      {"1", 60, 20, 120, 197},      // lower than the text: INT(-6 / 2) = -3, above the top
      {"1", 60, 21, 120, 197},      // INT(-5 / 2) = INT(-2.5) = -3, not -2
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    Engine e;
    e.s.TextColour = 7;
    e.s.PenWidth = 4;
    e.s.TextX = 100;
    e.s.TextY = 200;
    e.s.CellWidth = c.width;
    e.s.CellHeight = c.height;
    e.s.CellBorderColour = 3;
    e.s.CellFillColour = 13;
    e.s.CellText = c.text;
    DrawTableCell(e.s);

    const auto boxes = LinesOfMode(e, kLineFilledBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FLOAT_EQ(boxes[0].x1, 100);
    EXPECT_FLOAT_EQ(boxes[0].y1, 200);
    EXPECT_FLOAT_EQ(boxes[0].x2, 100 + c.width);
    EXPECT_FLOAT_EQ(boxes[0].y2, 200 + c.height);
    EXPECT_EQ(boxes[0].colour, 3);
    EXPECT_EQ(boxes[0].fill, 13);
    EXPECT_FLOAT_EQ(boxes[0].pen, 4);

    const auto first = e.Symbols().at(0);
    EXPECT_FLOAT_EQ(first.x, c.textX);
    EXPECT_FLOAT_EQ(first.y, c.textY);
    EXPECT_EQ(first.colour, 7);

    EXPECT_FLOAT_EQ(e.s.TextX, 100 + c.width);
    EXPECT_FLOAT_EQ(e.s.TextY, 200);
    EXPECT_EQ(e.s.TextLine, "");
    EXPECT_EQ(e.s.TextColour, 7);
    EXPECT_FLOAT_EQ(e.s.PenWidth, 4);
  }
}

TEST(TableCell, NextCellOfRowStartsAtRightEdgeOfOverfullCell) {
  Engine e;
  PlainCell(e.s, 100, 200, 60, 35, "12345");  // 100 wide text in a 60 wide cell
  e.s.CellText = "9";
  DrawTableCell(e.s);
  const auto boxes = LinesOfMode(e, kLineFilledBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_FLOAT_EQ(boxes[1].x1, 160);
  EXPECT_FLOAT_EQ(FirstSymbol(e, "9").x, 180);  // 160 + (60 - 20) / 2
  EXPECT_FLOAT_EQ(e.s.TextX, 220);
}

TEST(TableCell, TwoLineCellDropsLoneLineBy15) {
  struct Case {
    const char* top;
    const char* bottom;
    float height;
    float topY, bottomY;  // cell top at 80; bottomY < 0 where nothing is drawn
  };
  const Case kCases[] = {
      {"12", "34", 60, 82, 112},  // t = 80 + INT((30 - 26) / 2) = 82; bottom at t + 30
      {"12", "", 60, 97, -1},     // alone: t + 15
      {"12", "34", 35, 75, 105},  // INT((17.5 - 26) / 2) = INT(-4.25) = -5
      {"12", "", 35, 90, -1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.bottom) + " " + std::to_string(c.height));
    Engine e;
    e.s.TextColour = 0;
    PlainCell2(e.s, 800, 80, 152, c.height, c.top, c.bottom, {3, 13, 0});
    EXPECT_FLOAT_EQ(FirstSymbol(e, "1").x, 856);  // (152 - 40) / 2 = 56
    EXPECT_FLOAT_EQ(FirstSymbol(e, "1").y, c.topY);
    if (c.bottomY >= 0) {
      EXPECT_FLOAT_EQ(FirstSymbol(e, "3").x, 856);
      EXPECT_FLOAT_EQ(FirstSymbol(e, "3").y, c.bottomY);
    } else {
      EXPECT_EQ(e.Symbols().size(), 2u);
    }
    EXPECT_FLOAT_EQ(e.s.TextX, 952);
    EXPECT_FLOAT_EQ(e.s.TextY, 80);
    EXPECT_EQ(e.s.TextLine, "");
  }
}

TEST(TableCell, TwoLineCellCentresEachLineOnItsOwn) {
  Engine e;
  // "階級(g)": 30 + 30 + 12 + 20 + 8 = 100, dx 26; "以上 未満": 4 x 30 + 20 = 140, dx 6.
  PlainCell2(e.s, 800, 80, 152, 60, "階級(g)", "以上 未満");
  EXPECT_FLOAT_EQ(FirstSymbol(e, "階").x, 826);
  EXPECT_FLOAT_EQ(FirstSymbol(e, "以").x, 806);
}

TEST(TableCell, MarkupCellSetsFractionThreeHigher) {
  struct Case {
    const char* text;
    float width, height;
    float x, y;  // cell at (40, 100): first glyph, or for a fraction the start of its bar
    bool fraction;
  };
  const Case kCases[] = {
      {"12", 100, 50, 63, 103, false},        // w 54: dx 23; INT((50 - 44) / 2) = 3
      {"ﾀ1/2ﾀ", 100, 50, 74, 125, true},      // W 32: dx 34; INT((50 - 50) / 2) = 0; bar 25 down
      {"12", 100, 45, 63, 100, false},        // INT(0.5) = 0
      {"ﾀ1/2ﾀ", 100, 45, 74, 122, true},      // INT(-2.5) = -3
      {"ﾀ13/50ﾀ=", 120, 120, 52, 160, true},  // 64 + 32 = 96: dx 12; INT(70 / 2) = 35
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    Engine e;
    e.s.TextColour = 5;
    e.s.PenWidth = 2;
    MarkupCell(e.s, 40, 100, c.width, c.height, c.text, {0, 13, 3});
    if (c.fraction) {
      const auto bars = LinesOfMode(e, kLineSegment);
      ASSERT_FALSE(bars.empty());
      EXPECT_FLOAT_EQ(bars[0].x1, c.x);
      EXPECT_FLOAT_EQ(bars[0].y1, c.y);
    } else {
      EXPECT_FLOAT_EQ(e.Symbols().at(0).x, c.x);
      EXPECT_FLOAT_EQ(e.Symbols().at(0).y, c.y);
    }
    EXPECT_EQ(e.Symbols().at(0).colour, 3);
    EXPECT_EQ(e.s.TextColour, 3);  // the helper sets the cell's text colour
    EXPECT_FLOAT_EQ(e.s.PenWidth, 2);
    EXPECT_FLOAT_EQ(e.s.TextX, 40 + c.width);
    EXPECT_FLOAT_EQ(e.s.TextY, 100);
    EXPECT_EQ(e.s.TextLine, "");
  }
}

TEST(TableCell, MarkupCellKeepsTextColourAndPen) {
  Engine e;
  e.s.TextColour = 9;
  e.s.PenWidth = 5;
  e.s.TextX = 10;
  e.s.TextY = 20;
  e.s.CellWidth = 80;
  e.s.CellHeight = 50;
  e.s.CellText = "ﾀ1/2ﾀ";
  DrawMarkupCell(e.s);
  EXPECT_EQ(e.s.TextColour, 9);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 5);
  EXPECT_FLOAT_EQ(e.s.TextX, 90);
  EXPECT_FLOAT_EQ(e.s.TextY, 20);
  EXPECT_EQ(e.s.CellText, "ﾀ1/2ﾀ");
}

// --- graph frame -----------------------------------------------------------------

// A 6 x 5 grid of 10-unit cells at (0, 0): bottom at 50, right edge at 60.
void SmallGrid(State& s) {
  s.GraphLeft = 0;
  s.GraphTop = 0;
  s.GraphColumns = 6;
  s.GraphRows = 5;
  s.ColumnWidth = 10;
  s.RowHeight = 10;
  s.RowUnit = 0;
}

struct Stroke {
  float x1, y1, x2, y2, pen;
};

void ExpectStrokes(const std::vector<LineOp>& lines, const std::vector<Stroke>& expected) {
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FLOAT_EQ(lines[i].x1, expected[i].x1);
    EXPECT_FLOAT_EQ(lines[i].y1, expected[i].y1);
    EXPECT_FLOAT_EQ(lines[i].x2, expected[i].x2);
    EXPECT_FLOAT_EQ(lines[i].y2, expected[i].y2);
    EXPECT_FLOAT_EQ(lines[i].pen, expected[i].pen);
    EXPECT_EQ(lines[i].colour, 0);
  }
}

TEST(GraphFrame, RulesEveryFifthLineHeavierAndLeavesPenAtFive) {
  Engine e;
  SmallGrid(e.s);
  e.s.PenWidth = 1;
  DrawGraphFrame(e.s);
  ExpectStrokes(e.Lines(), {
                               {10, 0, 10, 50, 2},
                               {20, 0, 20, 50, 2},
                               {30, 0, 30, 50, 2},
                               {40, 0, 40, 50, 2},
                               {50, 0, 50, 50, 3},
                               {60, 0, 60, 50, 2},
                               {0, 40, 60, 40, 2},
                               {0, 30, 60, 30, 2},
                               {0, 20, 60, 20, 2},
                               {0, 10, 60, 10, 2},
                               {0, 0, 60, 0, 3},  // row 5 at the top
                               {0, 50, 60, 50, 5},  // axes
                               {0, 50, 0, 0, 5},
                           });
  EXPECT_FLOAT_EQ(e.s.PenWidth, 5);
  EXPECT_FLOAT_EQ(e.s.GraphOriginX, 0);
  EXPECT_FLOAT_EQ(e.s.GraphOriginY, 50);
  EXPECT_FLOAT_EQ(e.s.GraphScaleY, 10);
}

TEST(GraphFrame, GridLinesAgainIncludeLineZeroAndKeepThePen) {
  Engine e;
  SmallGrid(e.s);
  e.s.PenWidth = 4;
  DrawGridLines(e.s);
  ExpectStrokes(e.Lines(), {
                               {0, 0, 0, 50, 3},
                               {10, 0, 10, 50, 2},
                               {20, 0, 20, 50, 2},
                               {30, 0, 30, 50, 2},
                               {40, 0, 40, 50, 2},
                               {50, 0, 50, 50, 3},
                               {60, 0, 60, 50, 2},
                               {0, 50, 60, 50, 3},
                               {0, 40, 60, 40, 2},
                               {0, 30, 60, 30, 2},
                               {0, 20, 60, 20, 2},
                               {0, 10, 60, 10, 2},
                               {0, 0, 60, 0, 3},
                               {0, 50, 60, 50, 5},
                               {0, 50, 0, 0, 5},
                           });
  EXPECT_FLOAT_EQ(e.s.PenWidth, 4);
}

TEST(GraphFrame, PlacesStaggeredLabelsRowLabelsAndCaptions) {
  Engine e;
  e.s.TextColour = 4;
  e.s.GraphLeft = 100;
  e.s.GraphTop = 100;
  e.s.GraphColumns = 7;
  e.s.GraphRows = 4;
  e.s.ColumnWidth = 40;
  e.s.RowHeight = 25;  // bottom at 200, right edge at 380
  e.s.AxisTextX(0) = "秒";
  e.s.AxisTextX(1) = "18";
  e.s.AxisTextX(2) = "2";
  e.s.AxisTextX(3) = "";
  e.s.AxisTextX(4) = "777";
  e.s.AxisTextX(7) = "old";
  e.s.AxisTextY(0) = "度数";
  e.s.AxisTextY(1) = "5";
  e.s.AxisTextY(2) = "";
  e.s.AxisTextY(4) = "10";
  DrawGraphFrame(e.s);

  struct Label {
    const char* text;
    float x, y;
  };
  const Label kLabels[] = {
      {"0", 70, 200},    // unit 1: 30 left of the origin
      {"1", 114, 204},   // line 1 (odd): 140 - 2 x 13, 4 below the axis
      {"2", 167, 226},   // line 2 (even): 180 - 13, 26 below the axis
      {"7", 221, 226},   // line 4: 260 - 3 x 13
      {"秒", 367, 204},  // caption in place of line 7: 380 - 13
      {"5", 72, 162},    // row 1: 100 - 20 - 8, 200 - 25 - 13
      {"度", 40, 60},    // caption: 100 - 60, 100 - 40
  };
  for (const auto& l : kLabels) {
    SCOPED_TRACE(l.text);
    const auto sym = FirstSymbol(e, l.text);
    EXPECT_FLOAT_EQ(sym.x, l.x);
    EXPECT_FLOAT_EQ(sym.y, l.y);
    EXPECT_EQ(sym.colour, 0);
  }
  // Row 4 "10": 100 - 40 - 8, 200 - 100 - 13; "1" of line 1 came first.
  const auto symbols = e.Symbols();
  const auto ten = std::find_if(symbols.begin(), symbols.end(), [](const SymbolOp& s) { return s.y == 87; });
  ASSERT_NE(ten, symbols.end());
  EXPECT_EQ(ten->text, "1");
  EXPECT_FLOAT_EQ(ten->x, 52);

  EXPECT_EQ(e.s.AxisTextX(7), "秒");
  EXPECT_TRUE(std::none_of(symbols.begin(), symbols.end(), [](const SymbolOp& s) { return s.text == "o"; }));
  EXPECT_EQ(e.s.TextColour, 4);
  EXPECT_FLOAT_EQ(e.s.PenWidth, 5);
}

TEST(GraphFrame, OriginLabelOfUnitTwoIsUsedOnceThenZero) {
  Engine e("", 2);
  SmallGrid(e.s);
  e.s.GraphLeft = 100;  // origin at (100, 50)
  e.s.OriginLabel = "70";
  DrawGraphFrame(e.s);
  EXPECT_EQ(e.s.OriginLabel, "0");
  EXPECT_FLOAT_EQ(FirstSymbol(e, "7").x, 52);  // 100 - 40 - 8
  EXPECT_FLOAT_EQ(FirstSymbol(e, "7").y, 37);  // 50 - 13
  EXPECT_FLOAT_EQ(FirstSymbol(e, "0").x, 72);  // the "0" of "70"

  e.Clear();
  DrawGraphFrame(e.s);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 1u);  // no labels set: only the origin
  EXPECT_EQ(symbols[0].text, "0");
  EXPECT_FLOAT_EQ(symbols[0].x, 72);  // 100 - 20 - 8
  EXPECT_FLOAT_EQ(symbols[0].y, 37);
}

TEST(GraphFrame, UnitOneShowsZeroAtOriginAndNoOriginLabel) {
  Engine e("", 1);
  SmallGrid(e.s);
  e.s.GraphLeft = 100;
  e.s.OriginLabel = "70";
  DrawGraphFrame(e.s);
  const auto symbols = e.Symbols();
  ASSERT_EQ(symbols.size(), 1u);
  EXPECT_EQ(symbols[0].text, "0");
  EXPECT_FLOAT_EQ(symbols[0].x, 70);
  EXPECT_FLOAT_EQ(symbols[0].y, 50);
  EXPECT_EQ(e.s.OriginLabel, "70");
}

// --- bars and polygons -------------------------------------------------------

TEST(Histogram, SevenColumnsFillColumnsOneToSixAndLeaveColumnZero) {
  Engine e;
  e.s.GraphLeft = 320;
  e.s.GraphTop = 300;
  e.s.GraphColumns = 7;
  e.s.GraphRows = 13;
  e.s.ColumnWidth = 40;
  e.s.RowHeight = 25;
  e.s.RowUnit = 2;
  e.s.ChartColour = 3;
  DrawGraphFrame(e.s);
  const float counts[] = {0, 1, 11, 22, 12, 4, 0};
  for (int i = 0; i <= 6; ++i) e.s.PointY(i) = counts[i];
  e.Clear();
  DrawHistogramBars(e.s);

  const auto bars = LinesOfMode(e, kLineFilledBox);
  ASSERT_EQ(bars.size(), 6u);
  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    const auto& b = bars[static_cast<size_t>(i - 1)];
    EXPECT_FLOAT_EQ(b.x1, 320 + 40 * static_cast<float>(i));
    EXPECT_FLOAT_EQ(b.x2, 360 + 40 * static_cast<float>(i));
    EXPECT_FLOAT_EQ(b.y1, 625 - 12.5f * counts[i]);  // bottom 300 + 13 x 25; 25 / 2 per count
    EXPECT_FLOAT_EQ(b.y2, 625);
    EXPECT_EQ(b.colour, 0);
    EXPECT_EQ(b.fill, 3);
    EXPECT_FLOAT_EQ(b.pen, 5);
  }
}

TEST(Histogram, RowUnitSetsUnitsPerCount) {
  struct Case {
    float rowHeight, rowUnit, scale;
  };
  const Case kCases[] = {
      {25, 2, 12.5f},   // a count of 4 stands 50 high
      {25, -2, 12.5f},  // the sign of the step does not matter
      {35, 0, 35},      // 0: one row per count
      {35, 1, 35},     {40, 20, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.rowUnit);
    Engine e;
    e.s.GraphColumns = 2;
    e.s.GraphRows = 8;
    e.s.ColumnWidth = 40;
    e.s.RowHeight = c.rowHeight;
    e.s.RowUnit = c.rowUnit;
    DrawGraphFrame(e.s);
    EXPECT_FLOAT_EQ(e.s.GraphScaleY, c.scale);
    e.s.PointY(1) = 4;
    e.Clear();
    DrawHistogramBars(e.s);
    const auto bars = LinesOfMode(e, kLineFilledBox);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_FLOAT_EQ(bars[0].y2 - bars[0].y1, 4 * c.scale);
  }
  Engine e;
  e.s.RowHeight = 40;
  e.s.RowUnit = 0.05f;
  DrawGraphFrame(e.s);
  EXPECT_NEAR(e.s.GraphScaleY, 800, 0.001);  // 800 units per 1.00 of relative frequency
}

// The polygon of a 5-column graph at (100, 100), 40 x 10 cells, 10 rows: bottom at 200.
void PolygonGraph(State& s) {
  s.GraphLeft = 100;
  s.GraphTop = 100;
  s.GraphColumns = 5;
  s.GraphRows = 10;
  s.ColumnWidth = 40;
  s.RowHeight = 10;
  s.RowUnit = 0;
  s.ChartColour = 7;
  DrawGraphFrame(s);
  const float counts[] = {0, 3, 5, 2, 0};
  for (int i = 0; i <= 4; ++i) s.PointY(i) = counts[i];
}

TEST(Polygon, WithoutRangeJoinsAllColumnMiddlesEachTime) {
  Engine e;
  PolygonGraph(e.s);
  e.s.PenWidth = 3;
  // Middles of columns 0 to 4 at x = 120, 160, 200, 240, 280, tops 200 - 10 x count.
  const std::vector<Stroke> kFull = {
      {120, 200, 160, 170, 3}, {160, 170, 200, 150, 3}, {200, 150, 240, 180, 3}, {240, 180, 280, 200, 3}};
  for (int call = 0; call < 2; ++call) {
    SCOPED_TRACE(call);
    e.Clear();
    DrawFrequencyPolygon(e.s);
    const auto lines = e.Lines();
    ASSERT_EQ(lines.size(), kFull.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_FLOAT_EQ(lines[i].x1, kFull[i].x1);
      EXPECT_FLOAT_EQ(lines[i].y1, kFull[i].y1);
      EXPECT_FLOAT_EQ(lines[i].x2, kFull[i].x2);
      EXPECT_FLOAT_EQ(lines[i].y2, kFull[i].y2);
      EXPECT_EQ(lines[i].colour, 7);
      EXPECT_FLOAT_EQ(lines[i].pen, 3);
    }
    EXPECT_FLOAT_EQ(e.s.RangeFirst, 0);
    EXPECT_FLOAT_EQ(e.s.RangeLast, 0);
  }
}

TEST(Polygon, RangeLimitsSegmentsAndIsReset) {
  Engine e;
  PolygonGraph(e.s);
  e.s.RangeFirst = 2;
  e.s.RangeLast = 3;
  e.Clear();
  DrawFrequencyPolygon(e.s);
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].x1, 160);  // column 1 to column 2
  EXPECT_FLOAT_EQ(lines[1].x2, 240);  // column 2 to column 3
  EXPECT_FLOAT_EQ(e.s.RangeFirst, 0);
  EXPECT_FLOAT_EQ(e.s.RangeLast, 0);
}

TEST(CentredBars, StandOnGridLinesAndResetRange) {
  Engine e("", 2);
  e.s.GraphLeft = 120;
  e.s.GraphTop = 300;
  e.s.GraphColumns = 4;
  e.s.GraphRows = 5;
  e.s.ColumnWidth = 70;
  e.s.RowHeight = 40;
  e.s.RowUnit = 20;  // 2 units per count, bottom at 500
  e.s.ChartColour = 11;
  DrawGraphFrame(e.s);
  const float counts[] = {0, 64, 76, 88, 0};
  for (int i = 0; i <= 4; ++i) e.s.PointY(i) = counts[i];
  e.Clear();
  DrawCentredBars(e.s);

  const auto bars = LinesOfMode(e, kLineFilledBox);
  ASSERT_EQ(bars.size(), 3u);
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    const auto& b = bars[static_cast<size_t>(i - 1)];
    EXPECT_FLOAT_EQ(b.x1, 85 + 70 * static_cast<float>(i));  // 120 + 70 (i - 0.5)
    EXPECT_FLOAT_EQ(b.x2, 155 + 70 * static_cast<float>(i));
    EXPECT_FLOAT_EQ(b.y1, 500 - 2 * counts[i]);
    EXPECT_FLOAT_EQ(b.y2, 500);
    EXPECT_EQ(b.fill, 11);
    EXPECT_EQ(b.colour, 0);
  }

  e.s.RangeFirst = 2;
  e.s.RangeLast = 2;
  e.Clear();
  DrawCentredBars(e.s);
  ASSERT_EQ(LinesOfMode(e, kLineFilledBox).size(), 1u);
  EXPECT_FLOAT_EQ(LinesOfMode(e, kLineFilledBox)[0].x1, 225);
  EXPECT_FLOAT_EQ(e.s.RangeFirst, 0);
  EXPECT_FLOAT_EQ(e.s.RangeLast, 0);
}

TEST(GridOrigin, IsBottomLeftOfFigureGridWithoutDrawing) {
  Engine e;
  e.s.GraphLeft = 40;
  e.s.GraphTop = 80;
  e.s.GraphRows = 6;
  e.s.GridCell = 40;
  SetGridOrigin(e.s);
  EXPECT_FLOAT_EQ(e.s.GraphOriginX, 40);
  EXPECT_FLOAT_EQ(e.s.GraphOriginY, 320);
  EXPECT_TRUE(e.host.ops.empty());
}

// --- class counts ----------------------------------------------------------------

// Flight times in hundredths of a second, trial order: papers (ア), (イ), (ウ).
const std::vector<int> kPaperA = {248, 236, 217, 216, 209, 236, 248, 238, 235, 210, 228, 244, 222, 251, 194, 241, 262,
                                  271, 223, 238, 216, 236, 233, 236, 244, 221, 230, 225, 208, 278, 240, 204, 211, 225,
                                  245, 260, 228, 211, 216, 224, 221, 224, 243, 227, 235, 219, 242, 243, 249, 237};
const std::vector<int> kPaperB = {236, 258, 287, 272, 263, 292, 268, 272, 304, 282, 277, 270, 249, 270, 275, 283, 276,
                                  264, 267, 250, 304, 257, 291, 294, 259, 270, 286, 268, 257, 280, 284, 301, 259, 254,
                                  281, 286, 289, 292, 274, 253, 242, 250, 251, 298, 250, 269, 294, 269, 270, 264};
const std::vector<int> kPaperC = {405, 297, 304, 336, 303, 401, 272, 353, 365, 334, 342, 326, 306, 339, 320,
                                  338, 304, 333, 331, 251, 343, 290, 294, 311, 381, 371, 327, 373, 299, 280};

// Loads seconds x 10, as the lessons do to put the class bounds on whole numbers.
void LoadTenfold(State& s, const std::vector<int>& hundredths) {
  for (size_t i = 0; i < hundredths.size(); ++i) {
    s.DataValues(static_cast<int>(i) + 1) = 10 * (static_cast<float>(hundredths[i]) / 100);
  }
  s.DataCount = static_cast<float>(hundredths.size());
}

// Class counts worked out in whole hundredths: class i holds [start + (i-1) w, start + i w).
std::vector<float> CountByHundredths(const std::vector<int>& data, int start, int width, int classes) {
  std::vector<float> counts(static_cast<size_t>(classes), 0);
  for (int v : data) {
    if (v < start) continue;
    const int i = (v - start) / width;
    if (i < classes) counts[static_cast<size_t>(i)] += 1;
  }
  return counts;
}

TEST(CountClasses, CountsFlightTimesIntoClasses) {
  struct Case {
    const char* name;
    const std::vector<int>* data;
    float classStart, classWidth, lastClassStart;  // in tenths of a second
    std::vector<float> counts;
  };
  const Case kCases[] = {
      {"(ア) by 0.20", &kPaperA, 18, 2, 28, {1, 11, 22, 12, 4, 0}},
      {"(ア) by 0.05", &kPaperA, 19, 0.5f, 28, {1, 0, 1, 2, 3, 5, 6, 5, 2, 9, 7, 4, 1, 0, 2, 0, 1, 1, 0}},
      {"(ア) by 0.50", &kPaperA, 18, 5, 23, {23, 27}},
      {"(イ) by 0.20", &kPaperB, 22, 2, 30, {1, 13, 18, 15, 3}},
      {"(ウ) by 0.20", &kPaperC, 24, 2, 40, {1, 1, 5, 5, 9, 3, 3, 1, 2}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Engine e;
    LoadTenfold(e.s, *c.data);
    e.s.ClassStart = c.classStart;
    e.s.ClassWidth = c.classWidth;
    e.s.LastClassStart = c.lastClassStart;
    e.s.LabelStart = 2;
    e.s.LabelEnd = 20;
    e.s.RowUnit = 2;
    e.s.PointY(0) = 99;
    CountClasses(e.s);

    const int n = static_cast<int>(c.counts.size());
    EXPECT_EQ(c.counts,
              CountByHundredths(*c.data, static_cast<int>(c.classStart * 10), static_cast<int>(c.classWidth * 10), n));
    EXPECT_FLOAT_EQ(e.s.PointY(0), 0);
    for (int i = 1; i <= n; ++i) EXPECT_FLOAT_EQ(e.s.PointY(i), c.counts[static_cast<size_t>(i - 1)]) << i;
    EXPECT_FLOAT_EQ(e.s.GraphColumns, static_cast<float>(n));
    EXPECT_FLOAT_EQ(e.s.GraphRows, 10);  // labels 2, 4, ..., 20
  }
}

TEST(CountClasses, ClassHoldsLowerBoundButNotUpper) {
  Engine e;
  const float kValues[] = {17.9f, 18, 19.99f, 20, 27.9f, 28, 30, 31};
  for (int i = 0; i < 8; ++i) e.s.DataValues(i + 1) = kValues[i];
  e.s.DataCount = 8;
  e.s.ClassStart = 18;
  e.s.ClassWidth = 2;
  e.s.LastClassStart = 28;  // six classes, 18 to 30
  e.s.LabelStart = 2;
  e.s.LabelEnd = 20;
  e.s.RowUnit = 2;
  for (int i = 0; i <= 7; ++i) e.s.PointY(i) = 5;
  CountClasses(e.s);
  // 17.9 below the first class, 30 and 31 above the last: not counted.
  const float kCounts[] = {0, 2, 1, 0, 0, 1, 1, 5};
  for (int i = 0; i <= 7; ++i) EXPECT_FLOAT_EQ(e.s.PointY(i), kCounts[i]) << i;
}

TEST(CountClasses, WritesDefaultLabels) {
  Engine e;
  e.s.DataCount = 0;
  e.s.ClassStart = 19;
  e.s.ClassWidth = 0.5f;
  e.s.LastClassStart = 21;  // 5 classes
  e.s.LabelStart = 2;
  e.s.LabelEnd = 8;
  e.s.RowUnit = 2;  // 4 labels
  e.s.AxisTextX(5) = "keep";
  CountClasses(e.s);
  const char* kX[] = {"19", "19.5", "20", "20.5"};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(e.s.AxisTextX(i), kX[i - 1]);
  EXPECT_EQ(e.s.AxisTextX(5), "keep");
  const char* kY[] = {"2", "4", "6", "8"};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(e.s.AxisTextY(i), kY[i - 1]);
  EXPECT_FLOAT_EQ(e.s.GraphColumns, 5);
  EXPECT_FLOAT_EQ(e.s.GraphRows, 4);
}

TEST(CountClasses, ZeroStepIsARuntimeError) {
  // A zero class width or label step would divide by zero.
  Engine e;
  e.s.ClassStart = 18;
  e.s.LastClassStart = 28;
  e.s.LabelEnd = 20;
  e.s.ClassWidth = 0;
  e.s.RowUnit = 2;
  EXPECT_THROW(CountClasses(e.s), RuntimeError);
  e.s.ClassWidth = 2;
  e.s.RowUnit = 0;
  EXPECT_THROW(CountClasses(e.s), RuntimeError);
}

// --- summaries -------------------------------------------------------------------

TEST(SummariseData, FiveNumbersAndMeanOfSmallLists) {
  struct Case {
    std::vector<float> data;
    float min, q1, median, q3, max, mean;
  };
  const Case kCases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, 3, 5.5f, 8, 10, 5.5f},  // halves of 5: 3rd and 8th
      {{9, 1, 8, 2, 7, 3, 6, 4, 5}, 1, 2.5f, 5, 7.5f, 9, 5},       // halves of 4: (2+3)/2, (7+8)/2
      {{7, 3, 5, 1, 6, 2, 4}, 1, 2, 4, 6, 7, 4},                   // halves of 3: 2nd and 6th
      {{8, 1, 7, 2, 6, 3, 5, 4}, 1, 2.5f, 4.5f, 6.5f, 8, 4.5f},    // halves of 4: (2+3)/2, (6+7)/2
      {{3, 1, 2}, 1, 1, 2, 3, 3, 2},                               // halves of 1
      {{5, 2}, 2, 2, 3.5f, 5, 5, 3.5f},
      {{1, 2, 2, 2}, 1, 1.5f, 2, 2, 2, 1.8f},  // mean 1.75 to one decimal: 1.8
      {{4}, 4, 4, 4, 4, 4, 4},                 // a single value is every figure
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.data.size());
    Engine e;
    for (size_t i = 0; i < c.data.size(); ++i) e.s.DataValues(static_cast<int>(i) + 1) = c.data[i];
    e.s.DataValues(static_cast<int>(c.data.size()) + 1) = -1;
    e.s.DataCount = static_cast<float>(c.data.size());
    SummariseData(e.s);
    const float kExpected[] = {c.min, c.q1, c.median, c.q3, c.max, c.mean};
    for (int i = 1; i <= 6; ++i) EXPECT_FLOAT_EQ(e.s.Summary(i), kExpected[i - 1]) << i;
    for (size_t i = 1; i < c.data.size(); ++i) {
      EXPECT_LE(e.s.DataValues(static_cast<int>(i)), e.s.DataValues(static_cast<int>(i) + 1));
    }
    EXPECT_FLOAT_EQ(e.s.DataValues(static_cast<int>(c.data.size()) + 1), -1);  // beyond the list: untouched
  }
}

TEST(SummariseData, EmptyListGivesZeros) {
  Engine e;
  e.s.DataValues(0) = 7;
  e.s.DataValues(1) = 7;
  e.s.DataCount = 0;
  SummariseData(e.s);
  for (int i = 1; i <= 6; ++i) EXPECT_FLOAT_EQ(e.s.Summary(i), 0) << i;
}

TEST(SummariseData, MatchesFlightTimeFigures) {
  struct Case {
    const char* name;
    const std::vector<int>* data;
  };
  const Case kCases[] = {{"(ア)", &kPaperA}, {"(イ)", &kPaperB}, {"(ウ)", &kPaperC}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Engine e;
    std::vector<float> values;
    for (int v : *c.data) values.push_back(static_cast<float>(v) / 100);
    for (size_t i = 0; i < values.size(); ++i) e.s.DataValues(static_cast<int>(i) + 1) = values[i];
    e.s.DataCount = static_cast<float>(values.size());
    SummariseData(e.s);

    // Both lists have an even count n: median of places n/2, n/2 + 1; halves of
    // n/2 values, odd for 50 and 30, so the quartiles stand at (n/2 + 1) / 2 and
    // n/2 + (n/2 + 1) / 2 (places 13 and 38 of 50, 8 and 23 of 30).
    std::vector<float> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t half = sorted.size() / 2;
    const size_t k = (half + 1) / 2;
    EXPECT_FLOAT_EQ(e.s.Summary(1), sorted.front());
    EXPECT_FLOAT_EQ(e.s.Summary(2), sorted[k - 1]);
    EXPECT_FLOAT_EQ(e.s.Summary(3), (sorted[half - 1] + sorted[half]) / 2);
    EXPECT_FLOAT_EQ(e.s.Summary(4), sorted[half + k - 1]);
    EXPECT_FLOAT_EQ(e.s.Summary(5), sorted.back());
    int sum = 0;
    for (int v : *c.data) sum += v;
    // Mean to one decimal from the exact sum in hundredths: INT(sum / (10 n) + 1/2) / 10.
    const int n = static_cast<int>(values.size());
    const float mean = static_cast<float>((2 * sum + 10 * n) / (20 * n)) / 10;
    EXPECT_FLOAT_EQ(e.s.Summary(6), mean);
    for (size_t i = 0; i < sorted.size(); ++i) EXPECT_FLOAT_EQ(e.s.DataValues(static_cast<int>(i) + 1), sorted[i]);
  }
}

TEST(SummariseData, KnownFiguresOfThePapers) {
  // Minimum, median, maximum and mean to one decimal of (ア) and (イ).
  struct Case {
    const std::vector<int>* data;
    float min, median, max, mean;
  };
  const Case kCases[] = {{&kPaperA, 1.94f, 2.34f, 2.78f, 2.3f}, {&kPaperB, 2.36f, 2.70f, 3.04f, 2.7f}};
  for (const auto& c : kCases) {
    Engine e;
    for (size_t i = 0; i < c.data->size(); ++i) {
      e.s.DataValues(static_cast<int>(i) + 1) = static_cast<float>((*c.data)[i]) / 100;
    }
    e.s.DataCount = static_cast<float>(c.data->size());
    SummariseData(e.s);
    EXPECT_FLOAT_EQ(e.s.Summary(1), c.min);
    EXPECT_NEAR(e.s.Summary(3), c.median, 1e-6);
    EXPECT_FLOAT_EQ(e.s.Summary(5), c.max);
    EXPECT_FLOAT_EQ(e.s.Summary(6), c.mean);
  }
}

// --- dimension marks -------------------------------------------------------------

struct Mark {
  float x1, y1, x2, y2;
  float side;
  float bulge;
  const char* label;
};

Engine DrawMark(const Mark& m) {
  Engine e;
  e.s.TextColour = 3;
  e.s.PenWidth = 2;
  e.s.ArcStartX = m.x1;
  e.s.ArcStartY = m.y1;
  e.s.ArcEndX = m.x2;
  e.s.ArcEndY = m.y2;
  e.s.ArcSide = m.side;
  e.s.ArcStep = 10;
  e.s.ArcBulge = m.bulge;
  e.s.ArcDotColour = 0;
  e.s.ArcLabel = m.label;
  DrawArcLabel(e.s);
  return e;
}

TEST(ArcLabel, StraightMarkDotsTheSegmentAndLabelsItsMiddle) {
  struct Case {
    Mark mark;
    float labelX, labelY;  // first glyph of the label
  };
  // "2cm" is 3 x 27 = 81 wide and its box 2 x 22 = 44 high.
  const Case kCases[] = {
      {{100, 300, 300, 300, -1, 0, "2cm"}, 159.5f, 256},  // above: centred, top 44 over the segment
      {{100, 300, 300, 300, +1, 0, "2cm"}, 159.5f, 300},  // below: hangs from the middle
      {{300, 300, 100, 300, -1, 0, "2cm"}, 159.5f, 300},  // right to left: its left is below
      {{100, 400, 100, 200, -1, 0, "2cm"}, 19, 278},      // upwards: left of it, ending at the middle
      {{100, 400, 100, 200, +1, 0, "2cm"}, 100, 278},     // upwards, right side: starting at the middle
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.mark.x2) + " " + std::to_string(c.mark.side));
    const Engine e = DrawMark(c.mark);
    const auto dots = e.All<CircleOp>();
    ASSERT_EQ(dots.size(), 19u);  // 0 to 180 degrees in steps of 10
    // Dots at r (1 + cos a) from P1 along the segment, r = 100.
    const float dx = (c.mark.x2 - c.mark.x1) / 200, dy = (c.mark.y2 - c.mark.y1) / 200;
    for (size_t i = 0; i < dots.size(); ++i) {
      const double a = static_cast<double>(i) * 10 * std::numbers::pi / 180;
      const double along = 100 * (1 + (c.mark.side == -1 ? std::cos(a) : std::cos(std::numbers::pi + a)));
      EXPECT_NEAR(dots[i].x, c.mark.x1 + along * dx, 1e-2) << i;
      EXPECT_NEAR(dots[i].y, c.mark.y1 + along * dy, 1e-2) << i;
      EXPECT_FLOAT_EQ(dots[i].r, 0.5f);
      EXPECT_EQ(dots[i].colour, 0);
    }
    const auto first = FirstSymbol(e, "2");
    EXPECT_NEAR(first.x, c.labelX, 1e-2);
    EXPECT_NEAR(first.y, c.labelY, 1e-2);
    EXPECT_EQ(first.colour, 3);
    EXPECT_EQ(e.s.ArcLabel, "");
    EXPECT_EQ(e.s.TextColour, 3);
    EXPECT_FLOAT_EQ(e.s.PenWidth, 2);
  }
}

TEST(ArcLabel, BulgeRaisesHalfEllipse) {
  struct Case {
    float side, bulge;
    float peakY, labelY;  // dot at 90 or 270 degrees; label box
  };
  const Case kCases[] = {
      {-1, 2, 268, 224},   // 2 x 16 = 32 above; the box sits on the peak
      {-1, -2, 268, 224},  // a negative bulge counts as its size
      {+1, 2, 332, 332},   // below; the box hangs from the peak
      {-1, 15, 60, 16},    // 15 x 16 = 240
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.bulge);
    const Engine e = DrawMark({100, 300, 300, 300, c.side, c.bulge, "1cm"});
    const auto dots = e.All<CircleOp>();
    ASSERT_EQ(dots.size(), 19u);
    EXPECT_NEAR(dots[9].x, 200, 1e-2);
    EXPECT_NEAR(dots[9].y, c.peakY, 1e-2);
    float top = dots[0].y, bottom = dots[0].y;
    for (const auto& d : dots) {
      top = std::min(top, d.y);
      bottom = std::max(bottom, d.y);
    }
    const float extreme = c.side == -1 ? top : bottom;
    EXPECT_NEAR(extreme, c.peakY, 1e-2);
    EXPECT_NEAR(FirstSymbol(e, "1").x, 159.5f, 1e-2);
    EXPECT_NEAR(FirstSymbol(e, "1").y, c.labelY, 1e-2);
  }
}

TEST(ArcLabel, FractionLabelHasTallerBox) {
  // "ﾀ1/2ﾀcm": a fraction 32 wide, then 27 + 27: 86 wide; box 2 x 40 = 80 high,
  // so its top is 80 above the segment and the fraction bar 25 below that.
  const Engine e = DrawMark({100, 300, 300, 300, -1, 0, "ﾀ1/2ﾀcm"});
  const auto lines = e.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NEAR(lines[0].x1, 157, 1e-2);
  EXPECT_NEAR(lines[0].y1, 245, 1e-2);
}

TEST(ArcLabel, NonPositiveStepDrawsLabelWithoutDots) {
  // A step of 0 would never reach the end of the sweep.
  Engine e;
  e.s.ArcStartX = 100;
  e.s.ArcStartY = 300;
  e.s.ArcEndX = 300;
  e.s.ArcEndY = 300;
  e.s.ArcStep = 0;
  e.s.ArcLabel = "1";
  DrawArcLabel(e.s);
  EXPECT_TRUE(e.All<CircleOp>().empty());
  EXPECT_EQ(e.Symbols().size(), 1u);
  EXPECT_EQ(e.s.ArcLabel, "");
}

}  // namespace
}  // namespace mebuki
