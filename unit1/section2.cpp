// Section 2 "度数分布表、ヒストグラム": the 50 flight times of (ア) tallied into a
// frequency table, cumulative frequency, histograms, the class width, (ア)
// against (イ), and the frequency polygon.
//
// Map:
//   shared tables of the section (class counts, axis labels)
//   page 1  度数分布表      tally with check marks and 正 strokes
//   page 2  累積度数        cumulative frequencies of Tables 2 and 1
//   page 3  ヒストグラム    図1 growing bar by bar
//   page 4  話しあって      class widths 0.20, 0.05 and 0.5 s
//   page 5  P220            (ア) and (イ) side by side, then on top of each other
//   page 6  度数分布多角形  the polygon point by point, then both polygons
#include <array>
#include <cmath>
#include <string>

#include "charts/charts.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "shell/shell.h"
#include "unit1/data.h"
#include "unit1/sections.h"
#include "unit1/tables.h"

namespace mebuki::unit1 {

namespace {

// ---- Shared tables of the section ---------------------------------------------------

// Class counts on the axis that starts at 1.8, columns 1 to 9.
constexpr std::array<float, 9> kCountsA = {1, 11, 22, 12, 4, 0, 0, 0, 0};
constexpr std::array<float, 9> kCountsB = {0, 0, 1, 13, 18, 15, 3, 0, 0};

// Labels of the 0.20 s histograms of (ア): every second grid line from 1.8.
constexpr std::array<const char*, 6> kLabelsA = {"  1.8", "", "  2.2", "", "  2.6", ""};
// The axis that reaches (イ), up to 3.2.
constexpr std::array<const char*, 10> kLabelsAB = {"  1.8", "", "  2.2", "", "  2.6", "", "  3.0", "", "", ""};
// Every second row of counts, two counts a row.
constexpr std::array<const char*, 12> kCountLabels = {"2", "", "6", "", "10", "", "14", "", "18", "", "22", ""};
constexpr std::array<const char*, 14> kCountLabels26 = {"2",  "", "6",  "", "10", "", "14",
                                                        "", "18", "", "22", "", "26", ""};

// The labels of one axis, and no others: a longer axis drawn on an earlier page
// must not leave its top label on this one.
template <class T, size_t N>
void SetLabels(Table<std::string>& labels, const std::array<T, N>& texts, const char* caption) {
  labels.Clear();
  labels(0) = caption;
  for (size_t i = 0; i < N; ++i) labels(static_cast<int>(i) + 1) = texts[i];
}

// Class counts into PointY(1..9), PointY(0) = 0 for the polygon's first point.
void SetCounts(State& s, const std::array<float, 9>& counts) {
  s.PointY(0) = 0;
  for (int i = 1; i <= 9; ++i) s.PointY(i) = counts[static_cast<size_t>(i - 1)];
}

void SetGraph(State& s, float left, float top, float columns, float rows, int colour, float columnWidth,
              float rowHeight) {
  s.GraphLeft = left;
  s.GraphTop = top;
  s.GraphColumns = columns;
  s.GraphRows = rows;
  s.ChartColour = colour;
  s.ColumnWidth = columnWidth;
  s.RowHeight = rowHeight;
  s.RowUnit = 2;
}

void Bars(State& s) {
  DrawHistogramBars(s);
  DrawGridLines(s);
}

float GraphRight(const State& s) { return s.GraphLeft + s.ColumnWidth * s.GraphColumns; }

// ---- Page 1, 度数分布表 ------------------------------------------------------------------

constexpr float kTallyBox = 35;  // one 正 character of the tally column

// Start and length of the five strokes of 正, by the class count modulo 5, in its 35 x 35 box.
struct Stroke {
  float dx, dy, right, down;
};
constexpr std::array<Stroke, 5> kTallyStrokes = {{
    {4, 29, 26, 0},   // 0: the bottom bar closes the character
    {4, 5, 26, 0},    // 1: top bar
    {17, 5, 0, 23},   // 2: the stem
    {17, 16, 12, 0},  // 3: the short middle bar
    {10, 16, 0, 12},  // 4: the short left stem
}};

void DrawTallyStroke(State& s, int k, float x, float y) {
  const Stroke& st = kTallyStrokes[static_cast<size_t>(k)];
  Line(s, x + st.dx, y + st.dy, x + st.dx + st.right, y + st.dy + st.down, 0);
}

// The data list beside the tally: 4 columns of 13 trials from (640, 130).
constexpr float kTallyListLeft = 640;
constexpr float kTallyListTop = 130;
constexpr int kTallyListRows = 13;

constexpr std::array<const char*, 6> kFrequenciesA = {"1", "11", "22", "12", "4", "50"};

void DrawTallyTable(State& s) {
  LayFrequencyTable(s, 40, 130, 228);
  DrawClassColumns(s, false, false);
  PlainCell2(s, s.PointX(3), s.PointY(1), 228, 60, "集計", "(正)", {3, 13, 0});
  for (int i = 1; i <= 6; ++i) PlainCell(s, s.PointX(3), s.PointY(1 + i), 228, 35, "");
}

void DrawTallyList(Page& p) {
  State& s = p.s;
  for (int n = 1; n <= 4; ++n) s.PointX(10 + n) = kTallyListLeft + 90 * static_cast<float>(n - 1);
  for (int r = 1; r <= kTallyListRows; ++r) s.PointY(10 + r) = kTallyListTop + 35 * static_cast<float>(r - 1);
  p.At(3, kTallyListLeft, 80, "(ｱ) 滞空時間");

  LoadExperimentData(s);
  for (int i = 1; i <= 50; ++i) s.DataValues(i) = s.DataSetA(i);
  RefreshDataTexts(s);
  for (int i = 1; i <= 50; ++i) s.DataTexts(i) = PadDataText(s.DataTexts(i));
  s.DataTexts(51) = s.DataTexts(52) = "";  // the last column has two empty cells
  s.WorkTexts(51) = s.WorkTexts(52) = "";
  for (int n = 1; n <= 4; ++n) {
    for (int r = 1; r <= kTallyListRows; ++r) {
      PlainCell(s, s.PointX(10 + n), s.PointY(10 + r), 90, 35, s.DataTexts(kTallyListRows * (n - 1) + r));
    }
  }
}

// Page 1, "度数分布表": the pupils watch each value checked off and tallied.
void FrequencyTablePage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.Pen(3);
  p.I(7, -10, "<P218>");
  p.At(0, s.LineEndX + 20, s.LineY, "(ｱ)の滞空時間を表に整理しよう。");
  p.I(3, 60, "(ｱ)の滞空時間");
  DrawTallyTable(s);
  DrawTallyList(p);

  for (int j = 1; j <= 7; ++j) s.WorkValues(j) = 0;
  p.Pen(5);
  for (int k = 1; k <= 50; ++k) {
    p.Pause();
    const int column = (k - 1) / kTallyListRows + 1, row = (k - 1) % kTallyListRows + 1;
    p.Plain(7, s.PointX(10 + column), s.PointY(10 + row), "レ");
    p.Pause();
    const int j = TallyClass(s.DataValues(k));
    if (j == 0) continue;
    s.WorkValues(j) += 1;
    const float count = s.WorkValues(j);
    DrawTallyStroke(s, static_cast<int>(std::fmod(count, 5.0f)),
                    s.PointX(3) + kTallyBox * std::floor((count - 1) / 5), s.PointY(1 + j));
  }

  p.Pen(3);
  for (int i = 1; i <= 6; ++i) {
    p.Pause();
    PlainCell(s, s.PointX(2), s.PointY(1 + i), 76, 35, kFrequenciesA[static_cast<size_t>(i - 1)]);
  }
  p.Pause();

  ClearSurface(s);
  p.Start(40, 40, 30);
  s.AnchorX(1) = 880; s.AnchorY(1) = 50;
  DrawTable1(s);
  p.At(5, 40, 30, "<度数分布表＞");
  p.Pause();

  p.I(3, 50, "階級");
  p.I(0, 50, "…表の一つ一つの区間");
  p.I(3, 50, "度数");
  p.I(0, 50, "…各階級にはいる資料の個数");
  p.I(3, 50, "度数分布表");
  p.I(0, 50, "…各階級ごとに度数を整理した表");
  p.Pause();

  PlainCell(s, s.PointX(1), s.PointY(3), 190, 35, "2.00～2.20", {3, 11, 0});
  PlainCell(s, s.PointX(2), s.PointY(3), 76, 35, "11", {3, 11, 0});
  p.I(7, 50, " ①");
  p.I(0, 50, "水色の階級…"); p.Pause();
  p.Then(7, "2.00秒以上2.20秒未満"); p.Pause();

  p.I(3, 50, "階級の幅");
  p.I(0, 50, "…区間の幅");
  p.I(7, 50, " ②");
  p.I(0, 50, "水色の階級の幅…"); p.Pause();
  p.Then(7, "0.20秒"); p.Pause();

  p.I(7, 50, " ③");
  p.I(0, 50, "水色の度数…"); p.Pause();
  p.Then(7, "11回");
}

// ---- Page 2, 累積度数 ------------------------------------------------------------------------

constexpr CellStyle kCumulativeCell = {3, 15, 5};

// The cumulative column of the table last drawn: header, and the total struck through.
void DrawCumulativeHeader(State& s) {
  PlainCell2(s, s.PointX(3), s.PointY(1), s.PointX(4) - s.PointX(3), 60, "累積度数", "(回)", {3, 13, 0});
}

void CumulativeCell(State& s, int row, const char* text) {
  PlainCell(s, s.PointX(3), s.PointY(1 + row), s.PointX(4) - s.PointX(3), 35, text, kCumulativeCell);
}

void StrikeTotal(State& s) { Line(s, s.PointX(3), s.PointY(8), s.PointX(4), s.PointY(7), 0); }

// What the pupils find for (ア) in 問3; the last two cells are left to them.
constexpr std::array<const char*, 6> kCumulativeA = {"1", "12", "34", "46", "", ""};

// Page 2, "累積度数": running totals down Table 2, then the pupils' turn on Table 1.
void CumulativePage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 20);
  p.At(7, 30, 20, "例2 "); p.Then(5, "累積度数");
  s.AnchorX(1) = 760; s.AnchorY(1) = -10;
  DrawTable2(s);
  p.Plain(3, 760, 20, "表2 (ｲ)の滞空時間");
  p.Pause();

  p.M(0, 50, "最初の階級からその階級までの"); p.Then(3, "度数の合計");
  DrawCumulativeHeader(s);
  for (int row = 1; row <= 6; ++row) CumulativeCell(s, row, "");
  StrikeTotal(s);
  p.Pause();

  p.M(0, 50, "0+1=1"); CumulativeCell(s, 1, "1"); p.Pause();
  p.Then(0, ",1+13="); p.Pause();
  p.Then(0, "14"); CumulativeCell(s, 2, "14"); p.Pause();
  p.Then(0, ",14+18="); p.Pause();
  p.Then(0, "32"); CumulativeCell(s, 3, "32"); p.Pause();

  p.M(7, 50, "問2 をやろう"); p.Pause();
  p.M(0, 50, "32+15="); p.Pause();
  p.Then(0, "47"); CumulativeCell(s, 4, "47"); p.Pause();
  p.Then(0, ",47+3="); p.Pause();
  p.Then(0, "50"); CumulativeCell(s, 5, "50"); p.Pause();

  p.M(7, 50, "問3 をやろう");
  s.AnchorX(1) = 760; s.AnchorY(1) = s.PointY(8);  // under Table 2
  DrawTable1(s);
  s.PointX(4) = s.PointX(3) + 152;
  DrawCumulativeHeader(s);
  p.Pause();
  for (int row = 1; row <= 6; ++row) {
    p.Pause();
    CumulativeCell(s, row, kCumulativeA[static_cast<size_t>(row - 1)]);
  }
  StrikeTotal(s);
  p.Pause();

  p.I(3, 50, "累積度数を見ればよい"); p.Pause();
  p.I(0, 50, "(ｱ)…"); p.Then(5, "46回"); p.Pause();
  p.I(0, 50, "(ｲ)…"); p.Then(5, "14回");
}

// ---- Page 3, ヒストグラム ------------------------------------------------------------------------

void SetHistogramLabels(State& s) {
  SetLabels(s.AxisTextX, kLabelsA, "(秒)");
  SetLabels(s.AxisTextY, kCountLabels, "(回)");
}

// Page 3, "ヒストグラム": Table 1 turned into bars, the last class first.
void HistogramPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  s.AnchorX(1) = 40; s.AnchorY(1) = 50;
  DrawTable1(s);
  p.Pause();

  s.PageIndent = s.PointX(4) + 40;
  s.LineY = 50;
  SetHistogramLabels(s);
  SetGraph(s, 599, 80, 7, 13, 3, 60, 25);
  DrawGraphFrame(s);
  p.Plain(3, 599, 20, " 図1 (ｱ)の滞空時間");
  p.Plain(7, 599, 50, " (階級の幅0.20秒)");
  p.Pause();

  SetCounts(s, {0, 0, 0, 0, 4, 0, 0, 0, 0});
  Bars(s);
  p.Pause();

  SetCounts(s, kCountsA);
  Bars(s);
  p.Pause();

  p.Start(40, 80, s.LineY);
  p.At(5, 40, s.GraphOriginY + 60, "ヒストグラム"); p.Then(7, "(柱状グラフ)");
  p.Pause();

  p.I(0, 50, "階級の幅を横、度数を縦とする長方形を並べたグラフ");
  p.Pause();

  p.I(0, 50, "長方形の面積は、各階級の度数に比例する。");
}

// ---- Page 4, 話しあって ------------------------------------------------------------------------

// Ten times the (ア) data, so that the class bounds are whole numbers and a value
// such as 2.40 lands in the class that starts at 2.40.
void CountScaledA(State& s, float classStart, float classWidth) {
  LoadExperimentData(s);
  for (int i = 1; i <= 50; ++i) s.DataValues(i) = 10 * s.DataSetA(i);
  s.DataCount = 50;
  s.ClassStart = classStart;
  s.ClassWidth = classWidth;
  s.LastClassStart = 28;
  s.LabelStart = 2;
  s.LabelEnd = 20;
  s.RowUnit = 2;
  CountClasses(s);
}

// Labels of 図2: 1.9, 2.1 ... every fourth of its twenty lines.
constexpr std::array<const char*, 20> kLabels005 = {" 1.9", "", "", "", " 2.1", "", "", "", " 2.3", "",
                                                    "",     "", " 2.5", "", "", "", " 2.7", "", "", "(秒)"};
constexpr std::array<const char*, 4> kLabels05 = {"  1.8", "  2.3", "  2.8", ""};

// Page 4, "話しあって": the same data with classes too wide and too narrow.
void ClassWidthPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.At(3, 40, 30, "階級の幅が異なる図1と図2,3を");
  p.I(3, 50, "くらべるとどんなことがいえますか。");

  CountScaledA(s, 18, 2);
  SetHistogramLabels(s);
  SetGraph(s, 320, 300, 7, 13, 3, 40, 25);
  DrawGraphFrame(s);
  p.Plain(7, 320, 240, "図1 (ｱ)の滞空時間");
  p.Plain(3, 320, 270, "階級の幅0.20秒");
  Bars(s);
  p.Pause();

  CountScaledA(s, 19, 0.5f);
  SetLabels(s.AxisTextX, kLabels005, "(秒)");
  SetGraph(s, 680, 50, 20, 6, 11, 25, 25);
  DrawGraphFrame(s);
  p.Plain(3, 680, 20, "図2 階級の幅0.05秒");
  Bars(s);
  p.Pause();

  SetLabels(s.AxisTextX, kLabels05, "(秒)");
  SetLabels(s.AxisTextY, kCountLabels26, "(回)");
  SetGraph(s, s.GraphLeft + 20, s.GraphOriginY + 90, 4, 15, 3, 80, 20);  // under 図2
  DrawGraphFrame(s);
  p.Plain(3, s.GraphLeft, s.GraphTop - 30, "図3 階級の幅0.5秒");
  SetCounts(s, {23, 27, 0, 0, 0, 0, 0, 0, 0});
  Bars(s);
  p.Pause();

  p.I(5, 50, "階級の幅が大きすぎても小さすぎても");
  p.I(5, 50, "資料の傾向が見えない。");
}

// ---- Page 5, P220 ------------------------------------------------------------------------------

// Page 5, "P220": (ア) and (イ) side by side, then on one grid.
void CompareHistogramsPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  s.AnchorX(1) = 40; s.AnchorY(1) = 0;
  DrawTable1(s);
  s.AnchorY(1) = s.PointY(8) - 10;  // under Table 1
  DrawTable2(s);
  p.Plain(3, 40, s.AnchorY(1) + 30, "表2 (ｲ)の滞空時間");
  p.Pause();

  s.PageIndent = s.PointX(3) + 30;
  s.LineY = 20;
  SetHistogramLabels(s);
  SetGraph(s, s.PageIndent + 25, 50, 7, 13, 3, 40, 25);
  DrawGraphFrame(s);
  p.Plain(3, s.GraphLeft, 20, " 図4 (ｱ)の滞空時間");
  SetCounts(s, kCountsA);
  Bars(s);
  p.Pause();

  SetCounts(s, kCountsB);
  SetLabels(s.AxisTextX, kLabelsAB, "(秒)");
  SetGraph(s, GraphRight(s) + 50, s.GraphTop, 9, 13, 7, 40, 25);
  DrawGraphFrame(s);
  p.Plain(7, s.GraphLeft, 20, " 図5 (ｲ)の滞空時間");
  Bars(s);
  p.Pause();

  p.Start(s.PointX(3) + 30, s.PointX(3) + 30 + 36, s.GraphOriginY + 60);
  p.At(3, s.PageIndent, s.LineY, "比べてみよう");
  p.Pause();

  p.I(0, 50, "2つの図を重ねると");
  p.Pause();

  // Bars land in the graph last framed: (ア) goes over (イ) in 図5.
  SetCounts(s, kCountsA);
  s.ChartColour = 3;
  Bars(s);
  p.Pause();

  p.I(7, 50, "見にくい。何かいい方法はないだろうか?");
}

// ---- Page 6, 度数分布多角形 ---------------------------------------------------------------------

constexpr std::array<const char*, 5> kPolygonRemarks = {
    "①どちらも、ほぼ中央に頂上がある山型。",
    "②左右の広がりの範囲もほぼ同じくらい。",
    "③頂上のある階級は、(イ)の方が右側にある。",
    "④資料全体でとらえても、(イ)の山の方が",
    "　(ア)の山よりも右側にある。",
};

// Page 6, "度数分布多角形": the midpoints of the bar tops joined, then both polygons on one grid.
void PolygonPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.At(3, 40, 30, "2つの度数分布表を１つの図に表して、比べやすくするには？");
  SetLabels(s.AxisTextX, kLabelsAB, "(秒)");
  SetLabels(s.AxisTextY, kCountLabels, "(回)");
  SetGraph(s, 120, 200, 9, 13, 3, 40, 25);
  DrawGraphFrame(s);
  p.Plain(3, 120, 170, "   (ｱ)   ");
  p.Pause();

  SetCounts(s, kCountsA);
  Bars(s);
  p.Pause();

  p.Plain(7, 120, 170, "        (ｲ)");
  SetCounts(s, kCountsB);
  s.ChartColour = 7;
  Bars(s);
  p.Pause();

  // The bars and captions vanish; the vertical axis and its labels stay.
  FilledBox(s, s.GraphLeft + 10, s.GraphTop - 30, GraphRight(s), s.GraphOriginY, 15, 15);
  SetCounts(s, kCountsA);
  s.ChartColour = 3;
  Bars(s);
  p.Plain(3, 120, 170, " (ｱ)の滞空時間");
  s.AnchorX(2) = GraphRight(s);
  s.AnchorY(2) = s.GraphOriginY + 50;
  p.Pause();

  // The polygon grows from the axis one midpoint at a time.
  s.PointY(0) = 0;
  Circle(s, s.GraphOriginX + 20, s.GraphOriginY, 6, 5);
  for (int i = 1; i <= 6; ++i) {
    const float x = s.GraphOriginX + 40 * (static_cast<float>(i) + 0.5f);
    const float y = s.GraphOriginY - s.GraphScaleY * s.PointY(i);
    Circle(s, x, y, 6, 5);
    Line(s, x - 40, s.GraphOriginY - s.GraphScaleY * s.PointY(i - 1), x, y, 5);
    p.Pause();
  }
  p.Pause();

  p.I(5, 50, "度数分布多角形"); p.Pause();
  p.Then(0, "…長方形の上の辺の中点を結んだグラフ"); p.Then(3, "(左端と右端は度数0)");
  p.Pause();

  SetCounts(s, kCountsB);
  SetGraph(s, GraphRight(s) + 90, 250, 9, 13, 11, 40, 25);
  DrawGraphFrame(s);
  p.Plain(7, s.GraphLeft, 220, " (ｲ)の滞空時間");
  p.At(3, s.GraphLeft, 170, "問4をやろう");
  p.Pause();

  Bars(s);
  p.Pause();

  s.RangeFirst = 3; s.RangeLast = 8; s.ChartColour = 7;
  DrawFrequencyPolygon(s);
  p.Pause();

  FilledBox(s, 120, 170, s.AnchorX(2) + 20, s.AnchorY(2), 15, 15);
  SetGraph(s, 120, 200, 9, 13, 3, 40, 25);
  DrawGraphFrame(s);
  p.Plain(3, 120, 170, "  (ｱ)");
  p.Plain(7, s.TextX, 170, "  (ｲ)");
  SetCounts(s, kCountsA);
  s.RangeFirst = 1; s.RangeLast = 6;
  DrawFrequencyPolygon(s);
  p.Pause();

  SetCounts(s, kCountsB);
  s.RangeFirst = 3; s.RangeLast = 8; s.ChartColour = 7;
  DrawFrequencyPolygon(s);
  p.Pause();

  // Everything right of the two polygons gives way to the discussion.
  EraseBox(s, GraphRight(s) + 30, s.GraphTop - 38, 1760, 1800);
  p.Start(GraphRight(s) + 20, GraphRight(s) + 20, s.GraphTop - 30);
  p.At(3, s.PageIndent, s.LineY, "どちらの滞空時間が長いといえそうですか？");
  p.Pause();
  p.I(0, 50, kPolygonRemarks[0]); p.Pause();
  p.I(0, 50, kPolygonRemarks[1]); p.Pause();
  p.I(0, 50, kPolygonRemarks[2]); p.Pause();
  p.I(0, 50, kPolygonRemarks[3]);
  p.I(0, 50, kPolygonRemarks[4]);
  p.Pause();

  p.I(5, 50, "(イ)の方が滞空時間が長いといえそう。");
}

}  // namespace

std::vector<PageEntry> Section2Pages() {
  return {{&FrequencyTablePage}, {&CumulativePage}, {&HistogramPage},
          {&ClassWidthPage},     {&CompareHistogramsPage}, {&PolygonPage}};
}

}  // namespace mebuki::unit1
