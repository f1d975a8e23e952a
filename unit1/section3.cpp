// Section 3 "代表値、結論をまとめよう": the mean, the median and the mode (with the
// class value) on small examples, then on the flight times of (ア) and (イ), and
// the conclusion that (イ) stays longer in the air.
//
// Map:
//   data of the pages
//   summary tables (section 4 draws them too)
//   helpers: data cells, the order table, the frequency tables of pages 4 and 5
//   pages ① 代表値 to ⑦ 結論を, and the page table
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

// Game scores of five and of six players.
constexpr std::string_view kScoresOfFive = "72,84,53,33,31 (単位点)";
constexpr std::string_view kScoresOfSix = "72,84,53,15,33,31 (単位点)";
constexpr float kSumOfFive = 273;  // 72 + 84 + 53 + 33 + 31
constexpr float kPlayersOfFive = 5;

// Seven scores with one repeated value (47, twice), and seven all different.
constexpr std::string_view kModeScores1 = "35,47,62,47,28,53,71 (点)";
constexpr std::string_view kModeScores2 = "72,84,15,47,53,33,49 (点)";

// Frequency table of the seven different scores.
constexpr std::array<std::string_view, 6> kScoreClasses = {"0～20", "20～40", "40～60", "60～80", "80～100", "合計"};
constexpr std::array<std::string_view, 6> kScoreFrequencies = {"1", "1", "3", "1", "1", "7"};

// Joint table of (ア) and (イ) for the exercise: classes, class values, frequencies.
constexpr std::array<std::string_view, 8> kJointClasses = {"1.80～2.00", "2.00～2.20", "2.20～2.40", "2.40～2.60",
                                                           "2.60～2.80", "2.80～3.00", "3.00～3.20", "計"};
constexpr std::array<std::string_view, 7> kClassValues = {"1.90", "2.10", "2.30", "2.50", "2.70", "2.90", "3.10"};
constexpr std::array<std::string_view, 8> kJointFrequenciesA = {"1", "11", "22", "12", "4", "0", "0", "50"};
constexpr std::array<std::string_view, 8> kJointFrequenciesB = {"0", "0", "1", "13", "18", "15", "3", "50"};
constexpr int kGivenClassValueRow = 6;  // the textbook gives 2.90; the pupils find the rest

// The places around the middle of a sorted list of 50: the 25th and 26th and three either side.
constexpr int kFirstOrderPlace = 22;
constexpr int kOrderPlaces = 8;

// Representative values of (ア) and (イ).
constexpr std::array<std::string_view, 4> kSummaryLabels3 = {"", "平均値", "中央値", "最頻値"};
constexpr std::array<std::string_view, 7> kSummaryLabels6 = {"", "最小値", "最大値", "範囲", "平均値", "中央値", "最頻値"};
constexpr SummaryColumn kSummaryA = {"(ｱ)", {"1.94秒", "2.78秒", "0.84秒", "2.32秒", "2.34秒", "2.30秒"}};
constexpr SummaryColumn kSummaryB = {"(ｲ)", {"2.36秒", "3.04秒", "0.68秒", "2.72秒", "2.70秒", "2.70秒"}};

// Class counts of (ア) and (イ) on the conclusion graph, columns 0 to 9 (column 1 is 1.80～2.00).
constexpr std::array<float, 10> kPolygonA = {0, 1, 11, 22, 12, 4, 0, 0, 0, 0};
constexpr std::array<float, 10> kPolygonB = {0, 0, 0, 1, 13, 18, 15, 3, 0, 0};
constexpr std::array<std::string_view, 11> kAxisLabelsX = {"(秒)", "  1.8", "", "  2.2", "", "  2.6", "",
                                                           "  3.0", "",     "",      ""};
constexpr std::array<std::string_view, 13> kAxisLabelsY = {"(回)", "2", "", "6", "", "10", "", "14",
                                                           "",     "18", "", "22", ""};

constexpr CellStyle kHeaderCell = {3, 13, 0};
constexpr CellStyle kBodyCell = {3, 15, 0};
constexpr CellStyle kLabelCell = {3, 11, 0};

}  // namespace

// ---- Summary tables ------------------------------------------------------------------

namespace {

constexpr float kSummaryRowHeight = 40;
constexpr float kSummaryLabelWidth = 114;

// Label column, then each value column from the top; the header row holds the
// empty label and the column headers.
template <size_t Rows>
void DrawSummaryTable(State& s, const std::array<std::string_view, Rows>& labels, float columnWidth,
                      const std::array<std::string_view, Rows>& left, const std::array<std::string_view, Rows>& right) {
  const float x = s.AnchorX(2), y = s.AnchorY(2);
  s.PointX(1) = x;
  s.PointX(2) = x + kSummaryLabelWidth;
  s.PointX(3) = s.PointX(2) + columnWidth;
  s.PointX(4) = s.PointX(3) + columnWidth;
  for (int i = 1; i <= 10; ++i) s.PointY(i) = y + kSummaryRowHeight * static_cast<float>(i - 1);

  for (size_t r = 0; r < Rows; ++r) {
    PlainCell(s, s.PointX(1), s.PointY(static_cast<int>(r) + 1), kSummaryLabelWidth, kSummaryRowHeight, labels[r],
              kLabelCell);
  }
  for (int c = 0; c < 2; ++c) {
    const auto& column = c == 0 ? left : right;
    for (size_t r = 0; r < Rows; ++r) {
      PlainCell(s, s.PointX(2 + c), s.PointY(static_cast<int>(r) + 1), columnWidth, kSummaryRowHeight, column[r],
                r == 0 ? kHeaderCell : kBodyCell);
    }
  }
}

// The header and the rows chosen from a six-value column.
template <size_t Rows>
std::array<std::string_view, Rows> ColumnRows(const SummaryColumn& column, const std::array<int, Rows - 1>& picks) {
  std::array<std::string_view, Rows> rows{};
  rows[0] = column.header;
  for (size_t i = 0; i + 1 < Rows; ++i) rows[i + 1] = column.values[static_cast<size_t>(picks[i])];
  return rows;
}

constexpr std::array<int, 3> kMeanMedianMode = {3, 4, 5};
constexpr std::array<int, 6> kAllSix = {0, 1, 2, 3, 4, 5};

}  // namespace

void DrawSummaryTable3(State& s) {
  DrawSummaryTable(s, kSummaryLabels3, 190, ColumnRows<4>(kSummaryA, kMeanMedianMode),
                   ColumnRows<4>(kSummaryB, kMeanMedianMode));
}

void DrawSummaryTable6(State& s) { DrawSummaryTable6(s, kSummaryA, kSummaryB); }

void DrawSummaryTable6(State& s, const SummaryColumn& left, const SummaryColumn& right) {
  DrawSummaryTable(s, kSummaryLabels6, 124, ColumnRows<7>(left, kAllSix), ColumnRows<7>(right, kAllSix));
}

// ---- Helpers ---------------------------------------------------------------------------

namespace {

// A list of numbers in a box, as the textbook prints its data. Its markup text is a
// line of the page: the next line counts from the box's top, so that a line
// placed below the box clears it.
void DataCell(Page& p, float x, float y, std::string_view text) {
  MarkupCell(p.s, x, y, 648, 50, text, {0, 13, 3});
  p.s.LineY = p.s.TextY;
  p.s.LineEndX = p.s.TextX;
}

// Places 22 to 29 of the sorted (ア) and (イ) lists, drawn column by column.
void DrawOrderTable(State& s) {
  constexpr std::array<float, 5> kColumns = {880, 940, 1045, 1105, 1210};
  for (int c = 1; c <= 5; ++c) s.PointX(c) = kColumns[static_cast<size_t>(c - 1)];
  for (int r = 1; r <= 11; ++r) s.PointY(r) = 200 + 35 * static_cast<float>(r - 1);
  for (int i = 1; i <= kOrderPlaces; ++i) s.DataValues(i) = static_cast<float>(kFirstOrderPlace + i - 1);
  RefreshDataTexts(s);

  PlainCell(s, s.PointX(1), s.PointY(1), 165, 35, "(ア)", kHeaderCell);
  PlainCell(s, s.PointX(3), s.PointY(1), 165, 35, "(イ)", kHeaderCell);
  for (int paper = 0; paper < 2; ++paper) {
    const float placeX = s.PointX(1 + 2 * paper), valueX = s.PointX(2 + 2 * paper);
    const Table<float>& sorted = paper == 0 ? s.DataSetA : s.DataSetB;
    PlainCell(s, placeX, s.PointY(2), 60, 35, "番", kHeaderCell);
    for (int i = 1; i <= kOrderPlaces; ++i) PlainCell(s, placeX, s.PointY(2 + i), 60, 35, s.DataTexts(i), kLabelCell);
    PlainCell(s, valueX, s.PointY(2), 105, 35, "秒", kHeaderCell);
    for (int i = 1; i <= kOrderPlaces; ++i) {
      PlainCell(s, valueX, s.PointY(2 + i), 105, 35, DataValueText(sorted(kFirstOrderPlace + i - 1)), kBodyCell);
    }
  }
}

// The scores of the seven players in classes of 20 points, in the layout of Table 1.
void DrawScoreTable(Page& p) {
  State& s = p.s;
  p.Plain(3, 920, 180, "ゲームの得点");
  PlainCell2(s, 920, 210, 190, 60, "得点(点)", "以上　 未満", kHeaderCell);
  for (size_t i = 0; i < kScoreClasses.size(); ++i) {
    PlainCell(s, 920, 270 + 35 * static_cast<float>(i), 190, 35, kScoreClasses[i], kBodyCell);
  }
  PlainCell2(s, 1110, 210, 76, 60, "度数", "(回)", kHeaderCell);
  for (size_t i = 0; i < kScoreFrequencies.size(); ++i) {
    PlainCell(s, 1110, 270 + 35 * static_cast<float>(i), 76, 35, kScoreFrequencies[i], kBodyCell);
  }
}

// Top of row 1 to 8 (the seven classes and the total) of the exercise table.
float JointRowY(int row) { return 190 + 40 * static_cast<float>(row - 1); }

// Exercise table: the classes, a class-value column with only the given value,
// and the frequencies of (ア) and (イ) side by side.
void DrawJointTable(State& s) {
  PlainCell2(s, 80, 130, 190, 60, "階級(秒)", "以上　 未満", kHeaderCell);
  for (int row = 1; row <= 8; ++row) {
    const bool total = row == 8;
    PlainCell(s, 80, JointRowY(row), 190, 40, kJointClasses[static_cast<size_t>(row - 1)],
              total ? kLabelCell : kBodyCell);
  }

  PlainCell2(s, 270, 130, 114, 60, "階級値", "(秒)", kHeaderCell);
  for (int row = 1; row <= 8; ++row) {
    const std::string_view text =
        row == 8 ? "／" : (row == kGivenClassValueRow ? kClassValues[static_cast<size_t>(row - 1)] : "");
    PlainCell(s, 270, JointRowY(row), 114, 40, text, kBodyCell);
  }

  PlainCell(s, 384, 130, 228, 30, "度数(回)", kHeaderCell);
  PlainCell(s, 384, 160, 114, 30, "(ｱ)", kHeaderCell);
  PlainCell(s, 498, 160, 114, 30, "(ｲ)", kHeaderCell);
  for (int row = 1; row <= 8; ++row) {
    PlainCell(s, 384, JointRowY(row), 114, 40, kJointFrequenciesA[static_cast<size_t>(row - 1)], kBodyCell);
    PlainCell(s, 498, JointRowY(row), 114, 40, kJointFrequenciesB[static_cast<size_t>(row - 1)], kBodyCell);
  }
}

template <size_t N>
void SetCounts(State& s, const std::array<float, N>& counts) {
  for (size_t i = 0; i < N; ++i) s.PointY(static_cast<int>(i)) = counts[i];
}

template <size_t N>
void SetLabels(Table<std::string>& labels, const std::array<std::string_view, N>& texts) {
  for (size_t i = 0; i < N; ++i) labels(static_cast<int>(i)) = std::string(texts[i]);
}

std::string Fraction(const std::string& numerator, std::string_view denominator) {
  return "ﾀ" + numerator + "/" + std::string(denominator) + "ﾀ";
}

}  // namespace

// ---- Pages -------------------------------------------------------------------------------

namespace {

// ① The three representative values and their definitions.
void RepresentativeValuesPage(Page& p) {
  p.Start(40, 40, 30);
  p.At(5, 40, 30, "代表値");
  p.Pause();

  p.At(3, p.s.LineEndX + 20, 30, "…データの値全体を代表する値");
  p.At(0, p.s.LineEndX + 20, p.s.LineY + 50, "平均値、中央値、最頻値がある。");
  p.Pause();

  p.I(3, 70, "１　平均値");
  p.At(0, 76, p.s.LineY + 70, "平均値=ﾀデータの個々の値の合計/データの個数ﾀ");
  p.Pause();

  p.I(3, 70, "2　中央値（メジアン）");
  p.At(0, 76, p.s.LineY + 50, "データの値を大きさの順に並べたとき、その中央の値");
  p.Pause();

  p.I(3, 70, "3　最頻値（モード）");
  p.At(0, 76, p.s.LineY + 50, "データの値の中で、最も多く現れる値");
}

// ② The mean of five scores, then the exact and rounded means of (ア) and (イ).
void MeanPage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 20);
  p.At(3, 30, 20, "平均値=ﾀデータの個々の値の合計/データの個数ﾀ");
  p.Pause();

  s.WorkValues(1) = kSumOfFive;
  s.WorkValues(2) = kSumOfFive / kPlayersOfFive;
  RefreshDataTexts(s);
  p.M(3, 70, "例1 ");
  p.Then(0, "次のデータは、5人のゲームの得点です。平均値を求めなさい。");
  DataCell(p, 106, s.LineY + 60, kScoresOfFive);
  p.Pause();

  p.I(0, 70, "平均値=ﾀ72+84+53+33+31/5ﾀ");
  p.Pause();
  p.Then(0, "=" + Fraction(s.WorkTexts(1), "5") + "=");
  p.Pause();
  p.Then(5, s.WorkTexts(2) + "(点)");
  p.Pause();

  // Reloads the lists first: the median page leaves them sorted.
  ComputeSumsAndMeans(s);
  p.M(3, 70, "例2");
  p.Then(0, "(ｱ)の滞空時間の合計は、" + s.WorkTexts(1) + "秒です。");
  p.I(0, 50, " 平均値を小数第2位まで求めなさい。");
  s.AnchorY(1) = s.LineY + 20;
  p.Pause();

  p.I(0, 70, Fraction(s.WorkTexts(1), "50") + "=");
  p.Pause();
  p.Then(3, s.WorkTexts(2));
  p.Pause();
  p.Then(5, "≒2.32(秒)");
  p.Pause();

  p.M(3, 70, "Q");
  p.Then(0, "(ｲ)の滞空時間の合計は、" + s.WorkTexts(3) + "秒です。");
  s.AnchorX(1) = s.TextX + 20;
  p.I(0, 50, " 平均値を小数第2位まで求めなさい。");
  p.Pause();

  p.I(0, 70, Fraction(s.WorkTexts(3), "50") + "=");
  p.Pause();
  p.Then(3, s.WorkTexts(4));
  p.Pause();
  p.Then(5, "≒2.72(秒)");
  p.Pause();

  // The conclusion stands right of the (イ) sentence, level with the (ア) example.
  s.PageIndent = s.AnchorX(1);
  s.LineY = s.AnchorY(1);
  p.At(3, s.PageIndent, s.LineY, "くらべると");
  p.I(5, 50, "(ｲ)の滞空時間の平均値");
  p.I(5, 50, "のほうが大きい。");
}

// ③ The median of five and of six scores, then of (ア) and (イ) from their sorted lists.
void MedianPage(Page& p) {
  State& s = p.s;
  p.Start(40, 40, 30);
  p.At(3, 40, 30, "中央値(メジアン)");
  p.Then(0, "…データの値を大きさの順に並べたとき、その中央の値");
  p.Pause();

  p.I(3, 70, "例1 ");
  p.Then(0, "次の各データの中央値を求めなさい。");
  p.I(0, 70, "(1)");
  DataCell(p, s.LineEndX, s.LineY, kScoresOfFive);
  p.I(0, 70, "(2)");
  DataCell(p, s.LineEndX, s.LineY, kScoresOfSix);
  p.Pause();

  p.I(3, 70, "(1)");
  p.Pause();
  p.Then(0, "大きい順に並べると、");
  p.Pause();
  p.Then(0, "　84,72,53,33,31");
  p.Pause();
  p.At(0, s.PageIndent + 81, s.LineY + 50, "個数が奇数のときは、まん中の値が中央値で、");
  p.Pause();
  p.Then(5, "53点");
  p.Pause();

  p.I(3, 50, "(2)");
  p.Pause();
  p.Then(0, "大きい順に並べると、");
  p.Pause();
  p.Then(0, "　84,72,53,33,31,15");
  p.Pause();
  p.At(0, s.PageIndent + 81, s.LineY + 50, "個数が偶数のときは、まん中の2つの値の平均値が中央値で、");
  p.Pause();
  p.At(0, s.PageIndent + 81, s.LineY + 70, "ﾀ53+33/2ﾀ=");
  p.Pause();
  p.Then(0, "ﾀ86/2ﾀ=");
  p.Pause();
  p.Then(5, "43点");
  p.Pause();

  ClearSurface(s);
  p.Start(30, 30, 30);
  p.At(3, 30, 30, "中央値(メジアン)");
  p.Then(0, "…データの値を大きさの順に並べたとき、その中央の値");
  p.I(3, 70, "例2 ");
  p.Then(0, "右の表は、滞空時間を小さい順に並べた一部である。");
  p.At(0, 66, s.LineY + 50, "(ｱ),(ｲ)の滞空時間の中央値を求めなさい。");
  SortExperimentData(s);
  DrawOrderTable(s);
  p.Pause();

  p.At(7, 66, s.LineY + 50, "個数が50だから、25番と26番の値の平均値");
  p.Pause();

  p.At(3, 66, s.LineY + 60, "(ア)の記録の中央値は、");
  p.At(0, 90, s.LineY + 50, "(2.33+2.35)/2");
  p.Pause();
  p.Then(0, "=4.68/2=");
  p.Pause();
  p.Then(5, "2.34(秒)");
  p.Pause();

  p.At(3, 66, s.LineY + 60, "(イ)の記録の中央値は、");
  p.At(0, 90, s.LineY + 50, "(2.70+2.70)/2=");
  p.Pause();
  p.Then(5, "2.70(秒)");
  p.Pause();

  p.I(3, 60, "くらべると");
  p.Then(5, "(ｱ)の滞空時間の中央値のほうが小さい。");
}

// ④ The mode of a list with a repeated value, and of a list without one through its class values.
void ModePage(Page& p) {
  State& s = p.s;
  p.Start(30, 30, 20);
  p.At(3, 30, 20, "最頻値(モード)");
  p.Then(0, "…データの値の中で、最も多く現れる値");
  p.Pause();

  p.I(3, 50, "例1 ");
  p.Then(0, "次のデータの最頻値を求めなさい。");
  p.I(0, 55, "");
  DataCell(p, s.LineEndX, s.LineY, kModeScores1);
  p.Pause();

  p.I(3, 55, "");
  p.Then(0, "47点が2回で、他は1回だから　");
  p.Then(3, "最頻値は");
  p.Pause();
  p.Then(5, "47点");
  p.Pause();

  p.I(3, 60, "例2 ");
  p.Then(0, "次のデータの最頻値を求めなさい。");
  p.I(0, 55, "");
  DataCell(p, s.LineEndX, s.LineY, kModeScores2);
  p.Pause();

  p.I(0, 55, "全部1回ずつ。");
  p.Pause();
  p.Then(0, "度数分布表に整理し、");
  p.Pause();
  p.I(3, 50, "度数のもっとも多い階級の");
  p.Then(5, "階級値");
  p.Then(3, "を最頻値とする。");
  p.Pause();
  p.I(5, 50, "階級値");
  p.Then(0, "…各階級のまん中の値");

  DrawScoreTable(p);
  p.Pause();

  p.At(0, 111, s.LineY + 50, "度数が最も多い階級は");
  p.Pause();
  p.Then(3, "40点以上60点未満の階級");
  p.Pause();
  p.At(0, 111, s.LineY + 60, "階級値は ﾀ40+60/2ﾀ=");
  p.Pause();
  p.Then(3, "50(点)");
  p.Pause();
  p.Then(0, " だから ");
  p.Pause();
  p.Then(5, "50点");
  p.Pause();

  p.I(7, 55, "教科書P222 問5をやろう");
}

// ⑤ Answers of the exercise: the class values, then the modes of (ア) and (イ).
void Exercise5Page(Page& p) {
  State& s = p.s;
  p.Start(30, 30, 20);
  p.At(3, 30, 20, "教科書P222 問5解答");
  p.Plain(3, 80, 100, "   (ｱ)と(ｲ)の滞空時間");
  DrawJointTable(s);
  p.Pause();

  // The pupils find the class values one by one; the given one keeps its colour.
  for (int row = 1; row <= 7; ++row) {
    const int colour = row == kGivenClassValueRow ? 0 : 5;
    PlainCell(s, 270, JointRowY(row), 114, 40, kClassValues[static_cast<size_t>(row - 1)], {3, 15, colour});
    p.Pause();
  }

  s.PageIndent = 642;
  p.I(3, 50, "<(ｱ)の滞空時間の最頻値>");
  p.Pause();
  p.I(0, 50, "度数の一番大きい階級は、");
  p.I(0, 50, "2.20～2.40 だから、");
  p.I(0, 50, "最頻値は、");
  p.Pause();
  p.Then(5, "2.30秒");
  p.Pause();

  p.I(3, 70, "<(ｲ)の滞空時間の最頻値>");
  p.Pause();
  p.I(0, 50, "度数の一番大きい階級は、");
  p.I(0, 50, "2.60～2.80 だから、");
  p.I(0, 50, "最頻値は、");
  p.Pause();
  p.Then(5, "2.70秒");
}

// ⑥ Which paper stays longer in the air, from the three representative values.
void DiscussionPage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 30);
  p.Pen(3);
  p.At(3, 66, 30, "(ｱ)と(ｲ)のどちらが滞空時間が長いといえる?");
  s.AnchorX(2) = 80;
  s.AnchorY(2) = 350;
  DrawSummaryTable3(s);
  p.Pause();

  p.I(0, 70, "(ｲ)のほうが平均値、中央値、最頻値のどれも大きいから");
  p.I(5, 60, "(ｲ)のほうが滞空時間が長い。");
}

// ⑦ The conclusion, with all values, both polygons and the two squares.
void ConclusionPage(Page& p) {
  State& s = p.s;
  p.Start(30, 66, 10);
  s.AnchorX(2) = 800;
  s.AnchorY(2) = 20;
  DrawSummaryTable6(s);

  SetLabels(s.AxisTextX, kAxisLabelsX);
  SetLabels(s.AxisTextY, kAxisLabelsY);
  s.GraphLeft = 640;
  s.GraphTop = s.PointY(9);  // just below the summary table
  s.GraphColumns = 9;
  s.GraphRows = 12;
  s.ChartColour = 3;
  s.ColumnWidth = 40;
  s.RowHeight = 25;
  s.RowUnit = 2;
  DrawGraphFrame(s);
  SetCounts(s, kPolygonA);
  s.RangeFirst = 1;
  s.RangeLast = 6;
  DrawFrequencyPolygon(s);
  SetCounts(s, kPolygonB);
  s.RangeFirst = 3;
  s.RangeLast = 8;
  s.ChartColour = 7;
  DrawFrequencyPolygon(s);
  p.Plain(3, s.GraphLeft + 120, s.GraphTop, "－(ｱ)");
  p.Plain(7, s.TextX, s.TextY, "－(ｲ)");

  s.GraphLeft = 40;
  s.GraphTop = 400;
  s.GraphRows = 6;
  s.GridCell = 40;
  SetGridOrigin(s);
  DrawSquaresFigure(s);

  p.At(7, 30, 10, "Q ");
  p.Then(3, "滞空時間が長いのは(ｱ)と(ｲ)のどっち?");
  p.I(3, 50, "理由も説明しよう。");
  p.Pause();
  p.I(5, 50, "(ｲ)");
  p.Pause();

  p.M(3, 50, "①");
  p.Then(0, "最小値、最大値、平均値、中央値、最頻値");
  p.I(0, 50, "ともに(ｲ)の方が大きいから");
  p.Pause();

  p.M(3, 50, "②");
  p.Then(0, "(ｲ)の山の方が(ｱ)の山より");
  p.I(0, 50, "全体的に右にあるから");
}

}  // namespace

std::vector<PageEntry> Section3Pages() {
  return {{&RepresentativeValuesPage}, {&MeanPage},      {&MedianPage},    {&ModePage},
          {&Exercise5Page},            {&DiscussionPage}, {&ConclusionPage}};
}

}  // namespace mebuki::unit1
