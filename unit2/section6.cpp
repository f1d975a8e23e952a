// Section 6 "学びを身につけよう": the answers of the review exercise P239.
//
//   Answer 1   four histograms matched to descriptions of their distributions
//   Answer 2   two swimmers compared by frequency table and representative values
#include <array>
#include <string>
#include <string_view>

#include "charts/charts.h"
#include "shell/page.h"
#include "typeset/typeset.h"
#include "unit2/answers.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

constexpr float kMargin = 40;

constexpr CellStyle kHeading{3, 13, 0};
constexpr CellStyle kBody{3, 15, 0};
constexpr CellStyle kLabel{3, 11, 0};

// ---- Answer 1: four histograms -------------------------------------------------------

// Frequencies of the classes 10～20 to 90～100 (columns 1 to 9; column 10 stays
// empty), in the order the graphs are drawn: the left pair top to bottom, then
// the right pair.
struct Histogram {
  std::string_view caption;  // the graph's name with a blank, above the vertical axis
  float left, top;
  std::array<float, 9> frequencies;
};

const std::array<Histogram, 4> kHistograms = {{
    {"ア ", 500, 70, {0, 5, 12, 16, 12, 5, 0, 0, 0}},
    {"ウ ", 500, 340, {1, 2, 5, 10, 14, 10, 5, 2, 1}},
    {"イ ", 890, 70, {0, 0, 6, 18, 12, 6, 4, 3, 1}},
    {"エ ", 890, 340, {0, 0, 0, 2, 4, 6, 10, 12, 16}},
}};

// Under grid lines 1 to 10; grid line 11 has neither label nor caption.
constexpr std::array<std::string_view, 10> kScoreLabels = {"10", "20", "30", "40", "50",
                                                           "60", "70", "80", "90", "100"};
// Rows 1 to 5 in counts of 5. The top line (25) is left unlabelled, like the
// last line of the horizontal axis: no bar reaches it.
constexpr std::array<std::string_view, 5> kCountLabels = {"5", "10", "15", "20", ""};

void DrawHistogram(State& s, const Histogram& h) {
  s.GraphLeft = h.left;
  s.GraphTop = h.top;
  s.GraphColumns = 11;
  s.GraphRows = 5;
  s.ChartColour = 13;
  s.ColumnWidth = 30;
  s.RowHeight = 40;
  s.RowUnit = 5;
  // The frame puts the horizontal caption under the last grid line: these graphs
  // have none, whatever an earlier page left there.
  s.AxisTextX(0) = "";
  for (int i = 1; i <= 10; ++i) s.AxisTextX(i) = std::string(kScoreLabels[i - 1]);
  s.AxisTextY(0) = std::string(h.caption);
  for (int i = 1; i <= 5; ++i) s.AxisTextY(i) = std::string(kCountLabels[i - 1]);
  DrawGraphFrame(s);

  s.PointY(0) = 0;
  for (int i = 1; i <= 9; ++i) s.PointY(i) = h.frequencies[i - 1];
  s.PointY(10) = 0;
  DrawHistogramBars(s);
  DrawGridLines(s);
}

// "①": which graph is wide, which leans to high values, which are symmetric, and
// which has its median in the 40s.
void HistogramAnswerPage(Page& p) {
  constexpr float kIndent = 121;
  DrawAnswerHeading(p, 40, "P239 解答", "1");
  for (const Histogram& h : kHistograms) DrawHistogram(p.s, h);
  p.Pause();

  p.At(3, kMargin, 90, "(1)");
  p.Then(0, "横に広いグラフ");
  p.At(0, kIndent, 140, "だから ");
  p.Then(5, "ウ");
  p.Pause();

  p.At(3, kMargin, 200, "(2)");
  p.Then(0, "度数の多いところの");
  p.At(0, kIndent, 250, "階級値が大きいから");
  p.At(0, kIndent, 300, " ");
  p.Then(5, "エ");
  p.Pause();

  p.At(3, kMargin, 360, "(3)");
  p.Then(0, "対称な分布");
  p.At(0, kIndent, 410, "だから ");
  p.Then(5, "ア,ウ");
  p.Pause();

  p.At(3, kMargin, 470, "(4)");
  p.Then(0, "度数の合計が50");
  p.At(0, kIndent, 520, "だから、中央値は");
  p.At(0, kIndent, 570, "25番目と26番目の");
  p.At(0, kIndent, 620, "平均となるので、");
  p.Then(5, "ア");
}

// ---- Answer 2: swimmers ------------------------------------------------------------------

constexpr int kSwimRows = 9;  // eight classes of half a second and the total

struct SwimRow {
  std::string_view swimClass;
  float a, b;  // A選手, B選手
};

const std::array<SwimRow, kSwimRows> kSwimRecords = {{
    {"53.00～53.50", 0, 4},
    {"53.50～54.00", 2, 1},
    {"54.00～54.50", 2, 4},
    {"54.50～55.00", 4, 6},
    {"55.00～55.50", 6, 5},
    {"55.50～56.00", 14, 8},
    {"56.00～56.50", 8, 13},
    {"56.50～57.00", 4, 9},
    {"計", 40, 50},
}};

// Mean, median and mode of each swimmer.
constexpr std::array<std::string_view, 3> kMeasures = {"平均値", "中央値", "最頻値"};
constexpr std::array<std::string_view, 3> kSwimmerA = {"55.6秒", "55.75秒", "55.75秒"};
constexpr std::array<std::string_view, 3> kSwimmerB = {"55.53秒", "55.75秒", "56.25秒"};

constexpr float kSwimLeft = 720, kSwimClassWidth = 228, kSwimCountWidth = 114;
constexpr float kSwimHeadingTop = 155, kSwimRowTop = 215, kSwimRowHeight = 35;

constexpr std::array<float, 4> kMeasureColumns = {80, 194, 384, 574};
constexpr float kMeasureTop = 450, kMeasureRowHeight = 40;

void DrawSwimTable(Page& p) {
  State& s = p.s;
  const float countsLeft = kSwimLeft + kSwimClassWidth;
  p.Plain(3, kSwimLeft, 125, "100m 自由形の記録");
  PlainCell2(s, kSwimLeft, kSwimHeadingTop, kSwimClassWidth, 60, "階級(秒)", "以上　 未満", kHeading);
  PlainCell(s, countsLeft, kSwimHeadingTop, 2 * kSwimCountWidth, 30, "度数(回)", kHeading);
  PlainCell(s, countsLeft, kSwimHeadingTop + 30, kSwimCountWidth, 30, "A選手", kHeading);
  PlainCell(s, countsLeft + kSwimCountWidth, kSwimHeadingTop + 30, kSwimCountWidth, 30, "B選手", kHeading);
  for (int row = 0; row < kSwimRows; ++row) {
    const SwimRow& r = kSwimRecords[row];
    const float y = kSwimRowTop + kSwimRowHeight * static_cast<float>(row);
    PlainCell(s, kSwimLeft, y, kSwimClassWidth, kSwimRowHeight, r.swimClass, row == kSwimRows - 1 ? kLabel : kBody);
    PlainCell(s, countsLeft, y, kSwimCountWidth, kSwimRowHeight, NumberString(r.a), kBody);
    PlainCell(s, countsLeft + kSwimCountWidth, y, kSwimCountWidth, kSwimRowHeight, NumberString(r.b), kBody);
  }
}

void MeasureCell(State& s, int k, int row, std::string_view text, CellStyle style) {
  PlainCell(s, kMeasureColumns[k], kMeasureTop + kMeasureRowHeight * static_cast<float>(row),
            kMeasureColumns[k + 1] - kMeasureColumns[k], kMeasureRowHeight, text, style);
}

void DrawMeasureTable(State& s) {
  MeasureCell(s, 0, 0, "", kLabel);
  MeasureCell(s, 1, 0, "A選手", kHeading);
  MeasureCell(s, 2, 0, "B選手", kHeading);
  for (int m = 0; m < static_cast<int>(kMeasures.size()); ++m) {
    MeasureCell(s, 0, m + 1, kMeasures[m], kLabel);
    MeasureCell(s, 1, m + 1, kSwimmerA[m], kBody);
    MeasureCell(s, 2, m + 1, kSwimmerB[m], kBody);
  }
}

// "②": what speaks for each swimmer.
void SwimmerAnswerPage(Page& p) {
  DrawAnswerHeading(p, 40, "P239 解答", "2");
  DrawSwimTable(p);
  p.Pause();

  DrawMeasureTable(p.s);
  p.At(7, kMargin, 80, " <A選手>");
  p.At(7, kMargin, 280, " <B選手>");
  p.Pause();

  p.At(0, kMargin, 130, "① 最頻値が小さい。");
  p.Pause();

  p.At(0, kMargin, 180, "② 56.00秒より遅い記録の割合が少ない。");
  p.Pause();

  p.At(0, kMargin, 330, "① 平均値が小さい。");
  p.Pause();

  p.At(0, kMargin, 380, "② 53秒台の記録の割合が多い。");
}

}  // namespace

std::vector<PageEntry> Section6Pages() { return {{&HistogramAnswerPage}, {&SwimmerAnswerPage}}; }

}  // namespace mebuki::unit2
