// Section 4 "相対度数": the square (イ), dropped 50 times, against the rectangle
// (ウ) of the same area, dropped 30 times. Totals that differ call for relative
// and cumulative relative frequencies, and their polygons show that (ウ) stays
// longer in the air.
//
// Map:
//   data of the pages
//   figure and tables: DrawSquareRectFigure, DrawTableC, DrawTable3Relative, DrawSummaryTableBC
//   relative-frequency graphs
//   pages ① P224 to ⑥ まとめ, and the page table
#include <array>
#include <string>
#include <string_view>

#include "charts/charts.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "shell/shell.h"
#include "typeset/typeset.h"
#include "unit1/data.h"
#include "unit1/sections.h"
#include "unit1/summary_tables.h"
#include "unit1/tables.h"

namespace mebuki::unit1 {

namespace {

// ---- Data of the pages ------------------------------------------------------------

struct GridPoint {
  float u, v;
};

// P1-P4 the square (イ), P5 its label, P6-P9 the rectangle (ウ), P10 its label.
constexpr std::array<GridPoint, 10> kSquareRectPoints = {{
    {1, 2}, {1, 0}, {3, 0}, {3, 2}, {0, 3},  //
    {5, 2}, {5, 1}, {9, 1}, {9, 2}, {4, 3},
}};

// (ウ) in classes of 0.20 s from 2.40.
constexpr std::array<std::string_view, 10> kClassesC = {"2.40～2.60", "2.60～2.80", "2.80～3.00", "3.00～3.20",
                                                        "3.20～3.40", "3.40～3.60", "3.60～3.80", "3.80～4.00",
                                                        "4.00～4.20", "合計"};
constexpr std::array<std::string_view, 10> kFrequenciesC = {"1", "1", "5", "5", "9", "3", "3", "1", "2", "30"};

// (イ) and (ウ) on the common classes from 2.20.
constexpr std::array<std::string_view, 11> kJointClasses = {"2.20～2.40", "2.40～2.60", "2.60～2.80", "2.80～3.00",
                                                            "3.00～3.20", "3.20～3.40", "3.40～3.60", "3.60～3.80",
                                                            "3.80～4.00", "4.00～4.20", "合計"};
constexpr std::array<std::string_view, 11> kJointFrequenciesB = {"1", "13", "18", "15", "3", "0",
                                                                 "0", "0",  "0",  "0",  "50"};
constexpr std::array<std::string_view, 11> kJointFrequenciesC = {"0", "1", "1", "5", "5", "9",
                                                                 "3", "3", "1", "2", "30"};
constexpr int kShadedJointRow = 2;  // 2.40～2.60: 13 of 50 against 1 of 30

// Relative and cumulative relative frequencies of (イ), as the textbook gives them.
constexpr std::array<std::string_view, 6> kRelativeB = {"0.02", "0.26", "0.36", "0.30", "0.06", "1.00"};
constexpr std::array<std::string_view, 6> kCumulativeB = {"0.02", "0.28", "0.64", "0.94", "1.00", ""};
constexpr float kShareOfThirteen = 0.26f;  // 13 / 50

// Summaries of (イ) and (ウ).
constexpr SummaryColumn kSummaryB = {"(ｲ)", {"2.36秒", "3.04秒", "0.68秒", "2.72秒", "2.70秒", "2.70秒"}};
constexpr SummaryColumn kSummaryC = {"(ｳ)", {"2.51秒", "4.05秒", "1.54秒", "3.28秒", "3.29秒", "3.30秒"}};

// Relative-frequency polygons, columns 0 to 11 (column 1 is 2.20～2.40).
constexpr std::array<float, 12> kPolygonB = {0, 0.02f, 0.26f, 0.36f, 0.3f, 0.06f, 0, 0, 0, 0, 0, 0};
constexpr std::array<float, 12> kPolygonC = {0, 0, 0.03f, 0.03f, 0.17f, 0.17f, 0.3f, 0.1f, 0.1f, 0.03f, 0.07f, 0};
constexpr std::array<std::string_view, 12> kAxisLabelsX = {"秒",     "  2.20", "", "  2.60", "", "  3.00",
                                                           "",       "  3.40", "", "  3.80", "", "  4.20"};
constexpr std::array<std::string_view, 10> kAxisLabelsY = {"相対度数", "0.05", "0.10", "0.15", "0.20",
                                                           "0.25",     "0.30", "0.35", "0.40", ""};

constexpr CellStyle kHeaderCell = {3, 13, 0};
constexpr CellStyle kBodyCell = {3, 15, 0};
constexpr float kClassWidth = 190;
constexpr float kFrequencyWidth = 76;
constexpr float kRelativeWidth = 152;
constexpr float kHeaderHeight = 60;
constexpr float kRowHeight = 35;

// Row tops of a frequency table whose header starts at top: a 60-high header, then rows of 35.
void LayRows(State& s, float top, int rows) {
  s.PointY(1) = top;
  for (int i = 1; i <= rows; ++i) s.PointY(1 + i) = s.PointY(1) + 25 + kRowHeight * static_cast<float>(i);
}

// A column of cells under a two-line header, from PointY(2) down.
template <size_t N>
void DrawColumn(State& s, float x, float width, std::string_view top, std::string_view bottom,
                const std::array<std::string_view, N>& cells) {
  PlainCell2(s, x, s.PointY(1), width, kHeaderHeight, top, bottom, kHeaderCell);
  for (size_t i = 0; i < N; ++i) PlainCell(s, x, s.PointY(static_cast<int>(i) + 2), width, kRowHeight, cells[i]);
}

// An empty column under a two-line header, rows cells long.
void DrawEmptyColumn(State& s, float x, std::string_view top, std::string_view bottom, int rows) {
  PlainCell2(s, x, s.PointY(1), kRelativeWidth, kHeaderHeight, top, bottom, kHeaderCell);
  for (int row = 1; row <= rows; ++row) PlainCell(s, x, s.PointY(1 + row), kRelativeWidth, kRowHeight, "");
}

// The total of cumulative values means nothing: its cell (row `row`) is struck through.
void StrikeTotal(State& s, int row) { Line(s, s.PointX(4), s.PointY(2 + row), s.PointX(5), s.PointY(1 + row), 0); }

// One relative or cumulative cell of row `row` in the column at x.
void RelativeCell(State& s, float x, int row, std::string_view text, int colour, int fill = 15) {
  PlainCell(s, x, s.PointY(1 + row), kRelativeWidth, kRowHeight, text, {3, fill, colour});
}

}  // namespace

// ---- Figure and tables -------------------------------------------------------------

namespace {

// The square (イ) and the rectangle (ウ) of the same area, on the figure grid set
// by SetGridOrigin; the ten points stay in PointX/PointY(1..10).
void DrawSquareRectFigure(State& s) {
  for (int i = 1; i <= 10; ++i) {
    const GridPoint& p = kSquareRectPoints[static_cast<size_t>(i - 1)];
    s.PointX(i) = s.GraphOriginX + s.GridCell * p.u;
    s.PointY(i) = s.GraphOriginY - s.GridCell * p.v;
  }
  Box(s, s.PointX(1), s.PointY(1), s.PointX(3), s.PointY(3), 0);
  Box(s, s.PointX(6), s.PointY(6), s.PointX(8), s.PointY(8), 0);

  auto mark = [&s](int a, int b, float side, const char* label) {
    s.ArcStartX = s.PointX(a);
    s.ArcStartY = s.PointY(a);
    s.ArcEndX = s.PointX(b);
    s.ArcEndY = s.PointY(b);
    s.ArcSide = side;
    s.ArcStep = 10;
    s.ArcBulge = 0;
    s.ArcDotColour = 0;
    s.TextColour = 3;
    s.ArcLabel = label;
    DrawArcLabel(s);
  };
  mark(1, 4, -1, "2cm");  // above the square
  mark(6, 9, -1, "4cm");  // above the rectangle
  mark(6, 7, +1, "1cm");  // left of the rectangle
  DrawMarkupAt(s, 7, s.PointX(5), s.PointY(5), "(ｲ)");
  DrawMarkupAt(s, 7, s.PointX(10), s.PointY(10), "(ｳ)");
}

// Frequency table of (ウ) at (AnchorX(1), AnchorY(1)), without caption.
void DrawTableC(State& s) {
  const float x = s.AnchorX(1), y = s.AnchorY(1);
  DrawPlainAt(s, 0, x, y, "");
  s.PointX(1) = x;
  s.PointX(2) = x + kClassWidth;
  s.PointX(3) = s.PointX(2) + kFrequencyWidth;
  s.PointX(4) = s.PointX(3) + 228;
  LayRows(s, y + 60, 11);
  DrawColumn(s, s.PointX(1), kClassWidth, "滞空時間(秒)", "以上　 未満", kClassesC);
  DrawColumn(s, s.PointX(2), kFrequencyWidth, "度数", "(回)", kFrequenciesC);
}

// Table 3 of (イ) at the anchor: Table 2 with its caption, an empty relative column,
// and the (イ) relative and cumulative texts in DataTexts(1..6) and (11..16).
void DrawTable3Relative(State& s) {
  DrawTable2(s);
  DrawPlainAt(s, 3, s.AnchorX(1), s.AnchorY(1) + 30, "表3 (ｲ)の滞空時間");
  s.PointX(4) = s.PointX(3) + kRelativeWidth;
  s.PointX(5) = s.PointX(4) + kRelativeWidth;
  for (int i = 1; i <= 6; ++i) {
    s.DataTexts(i) = std::string(kRelativeB[static_cast<size_t>(i - 1)]);
    s.DataTexts(10 + i) = std::string(kCumulativeB[static_cast<size_t>(i - 1)]);
  }
  DrawEmptyColumn(s, s.PointX(3), "相対度数", "", 6);
}

void DrawSummaryTableBC(State& s) { DrawSummaryTable6(s, kSummaryB, kSummaryC); }

}  // namespace

// ---- Relative-frequency graphs ---------------------------------------------------------

namespace {

template <size_t N>
void SetLabels(Table<std::string>& labels, const std::array<std::string_view, N>& texts) {
  for (size_t i = 0; i < N; ++i) labels(static_cast<int>(i)) = std::string(texts[i]);
}

// Frame of a relative-frequency graph, 12 columns from 2.00 and 9 rows of 0.05.
void DrawRelativeFrame(State& s, float left, float top, float columnWidth, float rowHeight) {
  SetLabels(s.AxisTextX, kAxisLabelsX);
  SetLabels(s.AxisTextY, kAxisLabelsY);
  s.GraphLeft = left;
  s.GraphTop = top;
  s.GraphColumns = 12;
  s.GraphRows = 9;
  s.ChartColour = 3;
  s.ColumnWidth = columnWidth;
  s.RowHeight = rowHeight;
  s.RowUnit = 0.05f;
  DrawGraphFrame(s);
}

void DrawPolygon(State& s, const std::array<float, 12>& shares, float first, float last, int colour) {
  for (size_t i = 0; i < shares.size(); ++i) s.PointY(static_cast<int>(i)) = shares[i];
  s.RangeFirst = first;
  s.RangeLast = last;
  s.ChartColour = colour;
  DrawFrequencyPolygon(s);
}

void DrawPolygonB(State& s) { DrawPolygon(s, kPolygonB, 1, 6, 3); }
void DrawPolygonC(State& s) { DrawPolygon(s, kPolygonC, 2, 11, 7); }

}  // namespace

// ---- Pages ---------------------------------------------------------------------------------

namespace {

// ① The experiment on shape: (ウ) and its 30 flight times.
void P224Page(Page& p) {
  State& s = p.s;
  p.Start(30, 57, 20);
  p.Pen(5);
  p.At(3, 30, 20, "面積が同じ正方形と長方形の");
  p.M(3, 50, "紙の滞空時間を調べよう。");
  s.GraphLeft = 40;
  s.GraphTop = 130;
  s.GraphRows = 3;
  s.GridCell = 60;
  SetGridOrigin(s);
  DrawSquareRectFigure(s);
  p.Pause();

  p.At(0, 30, 360, "2mの高さから落とし、床に着く");
  p.M(0, 50, "までの時間をはかる実験結果の");
  p.M(0, 50, "データ");
  p.Pause();

  // The (ウ) list in trial order, three columns of ten; every fifth row stands out.
  LoadExperimentData(s);
  for (int c = 1; c <= 4; ++c) s.PointX(c) = 600 + 90 * static_cast<float>(c - 1);
  for (int r = 1; r <= 11; ++r) s.PointY(r) = 70 + 35 * static_cast<float>(r - 1);
  DrawMarkupAt(s, 3, 600, 20, "(ｳ)の滞空時間");
  for (int r = 1; r <= 10; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const int trial = r + 10 * (c - 1);
      PlainCell(s, s.PointX(c), s.PointY(r), 90, 35, DataValueText(s.DataSetC(trial)), {15, r % 5 == 0 ? 9 : 13, 0});
    }
  }
  s.AnchorX(1) = 880;
  s.AnchorY(1) = 70;
  DrawTableC(s);
  p.Plain(3, 880, 100, "表2 (ｳ)の滞空時間");
  p.Pause();

  p.M(7, 60, "(ｲ)の実験結果は50回、(ｳ)の実験結果は30回");
  p.M(7, 50, "合計回数が違うときに比べる方法は?");
}

// ② Relative frequency: the share of a class in the total.
void RelativeFrequencyPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.At(0, 40, 20, "<P225>");
  p.At(7, s.LineEndX + 20, 20, "合計が違うとき、同じ階級の度数をくらべるには？");

  p.Plain(0, 800, 100, "");
  p.Plain(3, 800, 130, " (ｲ),(ｳ)の滞空時間");
  constexpr std::array<float, 5> kColumns = {800, 990, 1066, 1142, 1218};
  for (int c = 1; c <= 5; ++c) s.PointX(c) = kColumns[static_cast<size_t>(c - 1)];
  LayRows(s, 160, 12);
  DrawColumn(s, s.PointX(1), kClassWidth, "滞空時間(秒)", "以上　 未満", kJointClasses);
  PlainCell(s, s.PointX(2), 160, 2 * kFrequencyWidth, 30, "度数(回)", kHeaderCell);
  PlainCell(s, s.PointX(2), 190, kFrequencyWidth, 30, "(ｲ)", kHeaderCell);
  PlainCell(s, s.PointX(3), 190, kFrequencyWidth, 30, "(ｳ)", kHeaderCell);
  for (size_t i = 0; i < kJointClasses.size(); ++i) {
    const float y = s.PointY(static_cast<int>(i) + 2);
    PlainCell(s, s.PointX(2), y, kFrequencyWidth, kRowHeight, kJointFrequenciesB[i]);
    PlainCell(s, s.PointX(3), y, kFrequencyWidth, kRowHeight, kJointFrequenciesC[i]);
  }
  p.Pause();

  p.I(0, 50, "割合で考えればよい。");
  p.Pause();
  p.I(5, 70, "相対度数=");
  p.Then(3, "ﾀその階級の度数/度数の合計ﾀ");
  p.Pause();

  const float shadedY = s.PointY(1 + kShadedJointRow);
  p.I(7, 70, "水色の部分の相対度数を小数第2位まで求めると");
  PlainCell(s, s.PointX(2), shadedY, kFrequencyWidth, kRowHeight, "13", {3, 11, 0});
  p.Pause();

  p.I(3, 50, "2.40秒以上2.60秒未満 ");
  p.At(0, s.PageIndent + 160, s.LineY + 60, "ﾀ13/50ﾀ=");
  p.Pause();
  // The number text writes 0.26 as ".26": the zero goes in front by hand.
  p.Then(3, "0" + NumberString(kShareOfThirteen));
  p.Pause();

  p.I(7, 60, "問6をやろう");
  PlainCell(s, s.PointX(3), shadedY, kFrequencyWidth, kRowHeight, "1", {3, 13, 0});
  p.Pause();

  p.I(3, 60, "2.40秒以上2.60秒未満 ");
  p.At(0, s.PageIndent + 160, s.LineY + 60, "ﾀ1/30ﾀ=");
  p.Pause();
  p.Then(0, "0.033…");
  p.Pause();
  p.At(3, s.LineEndX + 50, s.LineY, "0.03");
}

// ③ The relative frequencies of (イ) worked out, then cumulative relative frequency.
void CumulativeRelativePage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 20);
  p.At(7, 30, 20, "Q ");
  p.Then(0, "相対度数を求めよう");
  s.AnchorX(1) = 640;
  s.AnchorY(1) = -10;
  DrawTable3Relative(s);
  p.Pause();

  p.Start(640, 676, s.PointY(8));  // under Table 3
  p.I(0, 60, "ﾀ1/50ﾀ=");
  p.Pause();
  p.Then(3, "0.02");
  RelativeCell(s, s.PointX(3), 1, s.DataTexts(1), 0);
  p.Pause();
  p.I(0, 60, "0.02*13=");
  p.Pause();
  p.Then(3, "0.26");
  RelativeCell(s, s.PointX(3), 2, s.DataTexts(2), 0);
  for (int row = 3; row <= 6; ++row) {
    p.Pause();
    RelativeCell(s, s.PointX(3), row, s.DataTexts(row), 0);
  }
  p.Pause();

  p.Start(30, 66, 30);
  p.M(7, 60, "例4 ");
  p.Then(5, "累積相対度数");
  p.Pause();
  p.M(0, 50, "最初の階級からその階級までの");
  p.M(3, 50, "相対度数の合計");
  DrawEmptyColumn(s, s.PointX(4), "累積", "相対度数", 6);
  StrikeTotal(s, 6);
  p.Pause();

  for (int row = 1; row <= 5; ++row) {
    RelativeCell(s, s.PointX(4), row, s.DataTexts(10 + row), 5);
    p.Pause();
  }

  p.M(7, 70, "問7 をやろう");
}

// ④ Answers: the relative and cumulative relative frequencies of (ウ), then
// how much of each paper fell within 3.00 s.
void Exercise78Page(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  ComputeRelativeFrequenciesC(s);
  p.At(0, 40, 20, "<問7解答>");

  s.AnchorX(1) = 640;
  s.AnchorY(1) = 150;
  DrawTableC(s);
  p.Plain(3, 640, 180, "   (ｳ)の滞空時間");
  s.PointX(4) = s.PointX(3) + kRelativeWidth;
  s.PointX(5) = s.PointX(4) + kRelativeWidth;
  DrawEmptyColumn(s, s.PointX(3), "相対度数", "", 10);
  RelativeCell(s, s.PointX(3), 3, "0.17", 0);
  RelativeCell(s, s.PointX(3), 4, "0.17", 0);
  DrawEmptyColumn(s, s.PointX(4), "累積", "相対度数", 10);
  StrikeTotal(s, 10);
  p.Pause();

  // The two classes the textbook fills in keep the colour of the given values.
  for (int row = 1; row <= 10; ++row) {
    RelativeCell(s, s.PointX(3), row, s.DataTexts(10 + row), row == 3 || row == 4 ? 0 : 5);
    p.Pause();
  }
  for (int row = 1; row <= 9; ++row) {
    RelativeCell(s, s.PointX(4), row, s.DataTexts(20 + row), 5);
    p.Pause();
  }

  p.At(7, s.LineEndX + 30, s.LineY, "教科書P207 問8をやろう");
  const int rowC = 3;  // 2.80～3.00
  const float yC = s.PointY(1 + rowC);
  PlainCell(s, s.PointX(1), yC, kClassWidth, kRowHeight, kClassesC[rowC - 1], {3, 11, 0});
  PlainCell(s, s.PointX(2), yC, kFrequencyWidth, kRowHeight, kFrequenciesC[rowC - 1], {3, 11, 0});
  RelativeCell(s, s.PointX(3), rowC, s.DataTexts(10 + rowC), 0, 11);
  RelativeCell(s, s.PointX(4), rowC, s.DataTexts(20 + rowC), 5, 11);

  s.AnchorX(1) = 40;
  s.AnchorY(1) = 250;
  DrawTable3Relative(s);
  for (int row = 1; row <= 6; ++row) RelativeCell(s, s.PointX(3), row, s.DataTexts(row), 0);
  PlainCell2(s, s.PointX(4), s.PointY(1), kRelativeWidth, kHeaderHeight, "累積", "相対度数", kHeaderCell);
  for (int row = 1; row <= 6; ++row) RelativeCell(s, s.PointX(4), row, s.DataTexts(10 + row), 0);
  StrikeTotal(s, 6);
  const int rowB = 4;  // 2.80～3.00
  const float yB = s.PointY(1 + rowB);
  PlainCell(s, s.PointX(1), yB, kClassWidth, kRowHeight, kJointClasses[rowB - 1], {3, 11, 0});
  PlainCell(s, s.PointX(2), yB, kFrequencyWidth, kRowHeight, kJointFrequenciesB[rowB - 1], {3, 11, 0});
  RelativeCell(s, s.PointX(3), rowB, s.DataTexts(rowB), 0, 11);
  RelativeCell(s, s.PointX(4), rowB, s.DataTexts(10 + rowB), 0, 11);
  p.Pause();

  p.I(3, 50, "累積相対度数から");
  p.I(0, 50, "(ｲ)の滞空時間の割合…");
  p.Pause();
  p.Then(5, "94％");
  p.I(0, 50, "(ｳ)の滞空時間の割合…");
  p.Pause();
  p.Then(5, "23％");
}

// ⑤ The two relative-frequency polygons on one graph.
void Exercise9Page(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.At(7, 40, 20, "<問9解答>");
  DrawRelativeFrame(s, 160, 125, 50, 40);
  p.Plain(3, 160, 95, "   －(ｲ)   ");
  p.Pause();

  DrawPolygonB(s);
  p.Pause();

  p.Plain(7, 160, 95, "        －(ｳ)");
  DrawPolygonC(s);
}

// ⑥ Summary: all values, both polygons and the two papers.
void SummaryPage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 10);
  s.AnchorX(2) = 800;
  s.AnchorY(2) = 20;
  DrawSummaryTableBC(s);

  DrawRelativeFrame(s, 680, s.PointY(9), 40, 25);  // just below the summary table
  p.Plain(3, 680, 310, "   －(ｲ)   ");
  DrawPolygonB(s);
  p.Plain(7, 680, 310, "        －(ｳ)");
  DrawPolygonC(s);

  s.GraphLeft = 30;
  s.GraphTop = 250;
  s.GraphRows = 6;
  s.GridCell = 60;
  SetGridOrigin(s);
  DrawSquareRectFigure(s);

  p.At(7, 30, 10, "Q ");
  p.Then(3, "滞空時間が長いのは(ｲ)と(ｳ)のどっち?");
  p.I(3, 50, "理由も説明しよう。");
  p.Pause();
  p.I(5, 50, "(ｳ)");
  p.Pause();

  p.M(3, 50, "①");
  p.Then(0, "最小値、最大値、平均値、中央値、最頻値");
  p.I(0, 50, "ともに(ｳ)の方が大きいから");
  p.Pause();

  p.M(3, 50, "②");
  p.Then(0, "(ｳ)の山の方が(ｲ)の山より");
  p.I(0, 50, "全体的に右にあるから");
}

}  // namespace

std::vector<PageEntry> Section4Pages() {
  return {{&P224Page}, {&RelativeFrequencyPage}, {&CumulativeRelativePage}, {&Exercise78Page}, {&Exercise9Page},
          {&SummaryPage}};
}

}  // namespace mebuki::unit1
