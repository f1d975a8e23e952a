// Section 1 "グラフや分布のようすの読みとり": reading data displays critically. A bar
// graph with a cut vertical axis beside honest ones, two containers of eggs whose
// mean and median agree but whose spread does not, and the same difference seen
// in two histograms.
//
// Map: data; visitor graphs; egg tables; egg histograms; pages.
#include <array>
#include <string>
#include <string_view>

#include "charts/charts.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "typeset/typeset.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

// --- data ------------------------------------------------------------------------

// Visitors (万人) of the two amusement parks in 2013, 2015 and 2017.
constexpr std::array<std::string_view, 3> kYears = {"2013", "2015", "2017"};
constexpr std::array<float, 3> kParkA = {64, 76, 88};
constexpr std::array<float, 3> kParkB = {74.39f, 76.78f, 79.2f};

constexpr std::array<std::string_view, 5> kFullScaleLabels = {"20", "40", "60", "80", "100"};
constexpr std::array<std::string_view, 5> kCutScaleLabels = {"72", "74", "76", "78", "80"};

// Egg weights (g) of the two containers, and their frequencies in the classes
// 42～44 to 56～58.
constexpr std::array<float, 10> kEggsA = {50.1f, 48.7f, 50.5f, 52.1f, 47.8f, 48.4f, 52.2f, 50.7f, 53.3f, 51.2f};
constexpr std::array<float, 10> kEggsB = {43.2f, 50.3f, 57.1f, 53.7f, 50.2f, 44.9f, 50.9f, 55.3f, 45.8f, 53.6f};
constexpr std::array<float, 8> kClassCountsA = {0, 0, 1, 2, 4, 3, 0, 0};
constexpr std::array<float, 8> kClassCountsB = {1, 2, 0, 0, 3, 2, 1, 1};
constexpr std::array<std::string_view, 9> kEggClasses = {"42～44", "44～46", "46～48", "48～50", "50～52",
                                                          "52～54", "54～56", "56～58", "計"};
constexpr std::array<std::string_view, 9> kClassBoundLabels = {"42", "44", "46", "48", "50",
                                                                "52", "54", "56", "58"};

// Places of the egg data in DataValues: container A from 1, container B from 21;
// each holds ten weights, then eight class frequencies, then their total.
constexpr int kContainerA = 1;
constexpr int kContainerB = 21;
constexpr int kCountsOffset = 10;
constexpr int kTotalOffset = 18;

// Both containers have the same mean and median; only the range tells them apart.
struct SummaryRow {
  std::string_view name, a, b;
};
constexpr std::array<SummaryRow, 3> kEggSummary = {{
    {"平均値", "50.5g", "50.5g"},
    {"中央値", "50.6g", "50.6g"},
    {"範囲", "5.5g", "13.9g"},
}};

// --- visitor graphs --------------------------------------------------------------

constexpr float kVisitorGraphWidth = 4 * 70;
constexpr float kVisitorGraphGap = 80;

struct VisitorGraph {
  float left;
  float rowUnit;                                      // 万人 per grid row
  std::string_view originLabel;
  const std::array<std::string_view, 5>* rowLabels;
  float base;                                         // value at the origin; bars rise from it
  const std::array<float, 3>* visitors;
  std::string_view title;
};

constexpr VisitorGraph kParkAGraph{120, 20, "0", &kFullScaleLabels, 0, &kParkA, "遊園地Aの入場者数"};
// The cut axis: ten times the scale, starting at 70, so park B seems to grow fast.
constexpr VisitorGraph kParkBCutGraph{kParkAGraph.left + kVisitorGraphWidth + kVisitorGraphGap, 2, "70",
                                      &kCutScaleLabels, 70, &kParkB, "遊園地Bの入場者数"};
constexpr VisitorGraph kParkBGraph{kParkBCutGraph.left + kVisitorGraphWidth + kVisitorGraphGap, 20, "0",
                                   &kFullScaleLabels, 0, &kParkB, "遊園地Bの入場者数"};

void DrawVisitorGraph(Page& p, const VisitorGraph& g) {
  State& s = p.s;
  s.GraphLeft = g.left;
  s.GraphTop = 300;
  s.GraphColumns = 4;
  s.GraphRows = 5;
  s.ChartColour = 11;
  s.ColumnWidth = 70;
  s.RowHeight = 40;
  s.RowUnit = g.rowUnit;
  s.AxisTextX(0) = "年";
  for (int i = 1; i <= 3; ++i) s.AxisTextX(i) = std::string(kYears[i - 1]);
  s.AxisTextY(0) = "万人";
  for (int i = 1; i <= 5; ++i) s.AxisTextY(i) = std::string((*g.rowLabels)[i - 1]);
  s.OriginLabel = std::string(g.originLabel);
  DrawGraphFrame(s);
  p.Plain(3, s.GraphLeft, s.GraphTop - 30, g.title);

  s.PointY(0) = 0;
  for (int i = 1; i <= 3; ++i) s.PointY(i) = (*g.visitors)[i - 1] - g.base;
  s.PointY(4) = 0;
  DrawCentredBars(s);
}

// --- egg tables ------------------------------------------------------------------

void LoadEggData(State& s) {
  auto load = [&](int first, const std::array<float, 10>& eggs, const std::array<float, 8>& counts) {
    float total = 0;
    for (int i = 0; i < 10; ++i) s.DataValues(first + i) = eggs[i];
    for (int i = 0; i < 8; ++i) {
      s.DataValues(first + kCountsOffset + i) = counts[i];
      total += counts[i];
    }
    s.DataValues(first + kTotalOffset) = total;
  };
  load(kContainerA, kEggsA, kClassCountsA);
  load(kContainerB, kEggsB, kClassCountsB);
  RefreshDataTexts(s);
}

constexpr float kEggRowHeight = 35;
constexpr CellStyle kWhiteCell{3, 15, 0};

// The weights of both containers, one column each.
void DrawEggWeights(State& s) {
  for (int j = 1; j <= 10; ++j) {
    const float y = 130 + kEggRowHeight * static_cast<float>(j - 1);
    PlainCell(s, 680, y, 105, kEggRowHeight, s.DataTexts(kContainerA + j - 1), kWhiteCell);
    PlainCell(s, 815, y, 105, kEggRowHeight, s.DataTexts(kContainerB + j - 1), kWhiteCell);
  }
}

// Mean and median (and with three rows the range) of both containers, from (x, y).
void DrawEggSummary(State& s, float x, float y, int rows) {
  const float x2 = x + 152, x3 = x2 + 114;
  PlainCell(s, x2, y, 114, kEggRowHeight, "容器A", {3, 11, 0});
  PlainCell(s, x3, y, 114, kEggRowHeight, "容器B", {3, 13, 0});
  for (int j = 0; j < rows; ++j) {
    const float rowY = y + kEggRowHeight * static_cast<float>(j + 1);
    const SummaryRow& row = kEggSummary[static_cast<size_t>(j)];
    PlainCell(s, x, rowY, 152, kEggRowHeight, row.name, {3, 13, 0});
    PlainCell(s, x2, rowY, 114, kEggRowHeight, row.a, {3, 11, 0});
    PlainCell(s, x3, rowY, 114, kEggRowHeight, row.b, {3, 13, 0});
  }
}

// The frequency table of both containers: title at (x, titleY), headings 30
// below it, then eight classes and the total.
void DrawEggFrequencyTable(Page& p, float x, float titleY) {
  State& s = p.s;
  const float x2 = x + 152, x3 = x2 + 114;
  const float headY = titleY + 30;
  p.Plain(7, x, titleY, "卵の重さ(g)");
  PlainCell2(s, x, headY, 152, 60, "階級(g)", "以上 未満", {3, 13, 0});
  PlainCell(s, x2, headY, 228, 30, "度数(個)", {3, 13, 0});
  PlainCell(s, x2, headY + 30, 114, 30, "容器A", {3, 13, 0});
  PlainCell(s, x3, headY + 30, 114, 30, "容器B", {3, 13, 0});
  for (int j = 0; j < 9; ++j) {
    const float y = headY + 60 + kEggRowHeight * static_cast<float>(j);
    PlainCell(s, x, y, 152, kEggRowHeight, kEggClasses[static_cast<size_t>(j)], {3, j == 8 ? 11 : 15, 0});
    PlainCell(s, x2, y, 114, kEggRowHeight, s.DataTexts(kContainerA + kCountsOffset + j), kWhiteCell);
    PlainCell(s, x3, y, 114, kEggRowHeight, s.DataTexts(kContainerB + kCountsOffset + j), kWhiteCell);
  }
}

// --- egg histograms --------------------------------------------------------------

// Column k holds the k-th class; the last column stays empty.
void DrawEggHistogram(Page& p, float left, int colour, int container, std::string_view title) {
  State& s = p.s;
  s.GraphLeft = left;
  s.GraphTop = 400;
  s.GraphColumns = 10;
  s.GraphRows = 5;
  s.ChartColour = colour;
  s.ColumnWidth = 35;
  s.RowHeight = 35;
  s.RowUnit = 1;
  s.AxisTextX(0) = "g";
  for (int i = 1; i <= 9; ++i) s.AxisTextX(i) = std::string(kClassBoundLabels[static_cast<size_t>(i - 1)]);
  s.AxisTextY(0) = "個";
  for (int i = 1; i <= 5; ++i) s.AxisTextY(i) = NumberString(static_cast<float>(i));
  DrawGraphFrame(s);

  for (int k = 1; k <= 8; ++k) s.PointY(k) = s.DataValues(container + kCountsOffset + k - 1);
  s.PointY(9) = 0;
  DrawHistogramBars(s);
  DrawGridLines(s);
  p.At(3, left, 350, title);
}

// --- pages -----------------------------------------------------------------------

// Page 1 "P229話しあおう": the cut axis makes park B's small growth look steep.
void VisitorsPage(Page& p) {
  p.Pen(3);
  p.At(0, 30, 20, "<P229>");
  p.At(7, p.s.LineEndX + 20, 20, "グラフから、遊園地Aより遊園地Bの");
  p.At(7, 66, 70, "入場者数の増え方が大きいといえますか?");

  DrawVisitorGraph(p, kParkAGraph);
  DrawVisitorGraph(p, kParkBCutGraph);
  p.Pause();

  DrawVisitorGraph(p, kParkBGraph);
  p.Pause();

  p.At(5, 30, 120, "いえない　");
  p.Pause();

  p.Then(0, "グラフから判断するときには、主張したいことを強調するために");
  p.At(0, 30, 170, "意図的な整理のしかたがされていないかなどにも注意する。");
}

// Page 2 "ひろげよう": same mean and median, different spread; the ranges.
void EggsPage(Page& p) {
  p.Pen(3);
  p.At(3, 40, 30, "容器AとBの卵の分布のようすは、");
  p.At(3, 40, 80, "ほぼ同じといってよいでしょうか？");

  p.At(7, 680, 30, "卵の重さ(g)");
  p.At(3, 680, 80, "容器A");
  p.At(3, 815, 80, "容器B");
  LoadEggData(p.s);
  DrawEggWeights(p.s);
  DrawEggSummary(p.s, 680, 500, 2);
  p.Pause();

  FilledBox(p.s, 680, 0, 1760, 495, 15, 15);  // the weights go, the summary stays
  DrawEggFrequencyTable(p, 800, 50);
  p.Pause();

  p.At(0, 40, 160, "容器Bの卵は、容器Aの卵に比べ");
  p.At(0, 70, 210, "重さの差が大きく、");
  p.At(0, 70, 260, "重さにばらつきがある。");
  p.Pause();

  p.At(7, 40, 340, "範囲を求めよう");
  p.Pause();

  p.At(3, 40, 390, "容器A");
  p.Then(0, "…");
  p.Pause();
  p.Then(0, "53.3-47.8=");
  p.Pause();
  p.Then(5, "5.5(g)");
  p.Pause();

  p.At(3, 40, 440, "容器B");
  p.Then(0, "…");
  p.Pause();
  p.Then(0, "57.1-43.2=");
  p.Pause();
  p.Then(5, "13.9(g)");
  p.Pause();

  p.At(7, 40, 520, "ヒストグラムでも調べよう");
}

// Page 3 "ヒストグラムで": the two ranges seen as two histograms.
void HistogramsPage(Page& p) {
  p.At(7, 40, 30, "範囲の違いをヒストグラムで見てみよう。");
  LoadEggData(p.s);
  DrawEggFrequencyTable(p, 840, 20);
  DrawEggSummary(p.s, 840, 425, 3);
  p.Pause();

  DrawEggHistogram(p, 60, 3, kContainerA, " 範囲5.5g(容器A)");
  p.Pause();

  DrawEggHistogram(p, 60 + 10 * 35 + 50, 7, kContainerB, " 範囲13.9g(容器B)");
  p.Pause();

  p.At(3, 40, 80, "データの傾向を調べるときには、目的によって、");
  p.At(3, 40, 130, "代表値,範囲,ヒストグラムなどを");
  p.At(3, 40, 180, "組み合わせて考える必要がある。");
}

}  // namespace

std::vector<PageEntry> Section1Pages() { return {{&VisitorsPage}, {&EggsPage}, {&HistogramsPage}}; }

}  // namespace mebuki::unit2
