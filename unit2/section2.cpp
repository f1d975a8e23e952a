// Section 2 "度数分布表での平均値": the mean of grouped data, class value times
// frequency, summed and divided by the total. A worked example, the answer to the
// textbook question, and a practice page that makes a new random table for every
// exercise.
//
// Map: frequency tables; data; page 1 (sleep); page 2 (commuting); page 3 (practice).
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "charts/charts.h"
#include "shell/page.h"
#include "typeset/typeset.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

// --- frequency tables ------------------------------------------------------------

// Every table has the same four columns: class, class value, frequency, and class
// value times frequency. Rows are numbered from 1; the last is the total.
constexpr std::array<float, 4> kColumnWidths = {228, 114, 114, 152};
constexpr float kHeadingHeight = 60;
constexpr float kRowHeight = 50;

struct FrequencyTable {
  float left;  // left edge of column 1
  float top;   // top of the heading row
};

float ColumnX(const FrequencyTable& t, int column) {
  float x = t.left;
  for (int k = 1; k < column; ++k) x += kColumnWidths[static_cast<size_t>(k - 1)];
  return x;
}

float RowY(const FrequencyTable& t, int row) {
  return t.top + kHeadingHeight + kRowHeight * static_cast<float>(row - 1);
}

void DrawCell(State& s, const FrequencyTable& t, int column, int row, std::string_view text, int colour = 0,
              int fill = 15) {
  MarkupCell(s, ColumnX(t, column), RowY(t, row), kColumnWidths[static_cast<size_t>(column - 1)], kRowHeight, text,
             {3, fill, colour});
}

void DrawHeadings(State& s, const FrequencyTable& t, std::string_view classHeading, std::string_view unit) {
  const std::array<std::string_view, 4> tops = {classHeading, "階級値", "度数", "(階級値)"};
  const std::array<std::string_view, 4> bottoms = {"以上　 未満", unit, "(人)", "×(度数)"};
  for (int k = 1; k <= 4; ++k) {
    const size_t i = static_cast<size_t>(k - 1);
    PlainCell2(s, ColumnX(t, k), t.top, kColumnWidths[i], kHeadingHeight, tops[i], bottoms[i], {3, 13, 0});
  }
}

// --- data ------------------------------------------------------------------------

// Page 1: sleep times of 45 pupils.
constexpr FrequencyTable kSleepTable{40, 80};
constexpr std::array<std::string_view, 6> kSleepClasses = {"2～4", "4～6", "6～8", "8～10", "10～12", "計"};
constexpr std::array<std::string_view, 6> kSleepCounts = {"3", "9", "15", "17", "1", "45"};
constexpr std::array<std::string_view, 5> kSleepClassValues = {"3", "5", "7", "9", "11"};
constexpr std::array<std::string_view, 5> kSleepProducts = {"9", "45", "105", "153", "11"};

// Page 2: commuting times of 31 pupils. Row 4 is given in the question.
constexpr FrequencyTable kCommuteTable{40, 80};
constexpr std::array<std::string_view, 7> kCommuteClasses = {"0～10",  "10～20", "20～30", "30～40",
                                                              "40～50", "50～60", "計"};
constexpr std::array<float, 6> kCommuteCounts = {5, 9, 11, 3, 2, 1};
constexpr std::array<float, 6> kCommuteClassValues = {5, 15, 25, 35, 45, 55};
constexpr int kGivenRow = 4;

// Page 3: handball throws of 20 pupils, classes 5～10 to 30～35.
constexpr FrequencyTable kPracticeTable{600, 180};
constexpr std::array<std::string_view, 7> kThrowClasses = {"5～10",  "10～15", "15～20", "20～25",
                                                            "25～30", "30～35", "合計"};

// Where the values live in WorkValues: frequencies from 1 and their total at 7,
// class values from 11, products from 21.
constexpr int kCounts = 1;
constexpr int kTotal = 7;
constexpr int kClassValues = 11;
constexpr int kProducts = 21;
constexpr int kCommuteSum = 30;
constexpr int kCommuteMean = 31;
constexpr int kPracticeSum = 27;
constexpr int kPracticeMean = 2;  // in DataValues

// The three cells the practice table hides, and the value each one hides.
struct HiddenCell {
  int column, row;
  std::string_view mark;
  int work;  // index in WorkTexts
};
constexpr std::array<HiddenCell, 3> kHidden = {{
    {2, 3, "①", kClassValues + 2},
    {3, 4, "②", kCounts + 3},
    {4, 7, "③", kPracticeSum},
}};

// Frequencies, class values, products and their sum from row 1 on; returns the sum.
float FillWorkValues(State& s, const std::array<float, 6>& counts, const std::array<float, 6>& classValues) {
  float total = 0, sum = 0;
  for (int i = 0; i < 6; ++i) {
    const size_t k = static_cast<size_t>(i);
    s.WorkValues(kCounts + i) = counts[k];
    s.WorkValues(kClassValues + i) = classValues[k];
    s.WorkValues(kProducts + i) = counts[k] * classValues[k];
    total += counts[k];
    sum += counts[k] * classValues[k];
  }
  s.WorkValues(kTotal) = total;
  return sum;
}

// Six frequencies in three pairs of sums 5, 10 and 5, so the total is 20; the
// middle pair never splits evenly, so one class clearly holds the most pupils.
std::array<float, 6> DrawPracticeCounts(State& s) {
  std::array<float, 6> f{};
  do {
    f[0] = std::floor(s.Rng.Rnd() * 2) + 1;
    f[1] = 5 - f[0];
    f[2] = std::floor(s.Rng.Rnd() * 4) + 5;
    f[3] = 10 - f[2];
    f[4] = std::floor(s.Rng.Rnd() * 3) + 2;
    f[5] = 5 - f[4];
  } while (f[2] == f[3]);
  return f;
}

void NewPracticeData(State& s) {
  std::array<float, 6> classValues{};
  for (int i = 0; i < 6; ++i) classValues[static_cast<size_t>(i)] = 2.5f + 5 * static_cast<float>(i + 1);
  const float sum = FillWorkValues(s, DrawPracticeCounts(s), classValues);
  s.WorkValues(kPracticeSum) = sum;
  s.DataValues(kPracticeMean) = sum / 20;
  RefreshDataTexts(s);
}

// "20-f1-f2-f3-f5-f6=": the hidden frequency is what the others leave of the total.
std::string MissingCountWorking(const State& s) {
  std::string text = s.WorkTexts(kTotal);
  for (int i : {1, 2, 3, 5, 6}) text += "-" + s.WorkTexts(kCounts + i - 1);
  return text + "=";
}

void DrawHiddenCell(State& s, const HiddenCell& h, std::string_view text) {
  DrawCell(s, kPracticeTable, h.column, h.row, text, 5, 11);
}

// --- page 1 ----------------------------------------------------------------------

// "平均値": the worked example, one cell at a time.
void SleepPage(Page& p) {
  State& s = p.s;
  p.At(3, 40, 30, "度数分布表から平均値を求めよう。");

  DrawHeadings(s, kSleepTable, "睡眠時間(時間)", "(時間)");
  for (int j = 1; j <= 6; ++j) {
    const size_t i = static_cast<size_t>(j - 1);
    DrawCell(s, kSleepTable, 1, j, kSleepClasses[i]);
    DrawCell(s, kSleepTable, 2, j, j == 6 ? "／" : "");
    DrawCell(s, kSleepTable, 3, j, kSleepCounts[i]);
    DrawCell(s, kSleepTable, 4, j, "");
  }
  p.Pause();

  p.At(3, 678, 80, "① 階級値を求める。");
  p.Pause();

  for (int j = 1; j <= 5; ++j) {
    DrawCell(s, kSleepTable, 2, j, kSleepClassValues[static_cast<size_t>(j - 1)], 5);
    p.Pause();
  }
  p.Pause();

  p.At(3, 678, 140, "② (階級値)*(度数)を計算する。");
  p.Pause();
  for (int j = 1; j <= 5; ++j) {
    DrawCell(s, kSleepTable, 4, j, kSleepProducts[static_cast<size_t>(j - 1)], 5);
    p.Pause();
  }
  p.Pause();

  p.At(3, 678, 200, "③ (階級値)*(度数)を合計する。");
  p.Pause();
  DrawCell(s, kSleepTable, 4, 6, "323", 5);
  p.Pause();

  p.At(3, 678, 260, "④ 求めた合計を度数の合計でわる。");
  p.At(0, 678, 310, "(割り切れないときは近似値にする)");
  p.Pause();

  p.At(0, 40, 470, "ﾀ323/45ﾀ=");
  p.Pause();
  p.Then(0, "7.177…≒");
  p.Then(5, "7.2  答 7.2時間");
  p.Pause();

  p.At(7, 40, 540, "教科書P231 問1をやろう");
}

// --- page 2 ----------------------------------------------------------------------

// "問１": the answer, with the sum and the mean computed from the table.
void CommutePage(Page& p) {
  State& s = p.s;
  p.At(3, 40, 30, "教科書P231 問1解答");

  const float sum = FillWorkValues(s, kCommuteCounts, kCommuteClassValues);
  s.WorkValues(kCommuteSum) = sum;
  s.WorkValues(kCommuteMean) = sum / s.WorkValues(kTotal);
  RefreshDataTexts(s);

  DrawHeadings(s, kCommuteTable, "通学時間(分)", "(分)");
  for (int j = 1; j <= 7; ++j) {
    const bool total = j == 7;
    const bool given = j == kGivenRow;
    DrawCell(s, kCommuteTable, 1, j, kCommuteClasses[static_cast<size_t>(j - 1)], 0, total ? 13 : 15);
    DrawCell(s, kCommuteTable, 2, j, total ? "／" : given ? s.WorkTexts(kClassValues + j - 1) : "");
    DrawCell(s, kCommuteTable, 3, j, total ? s.WorkTexts(kTotal) : s.WorkTexts(kCounts + j - 1));
    DrawCell(s, kCommuteTable, 4, j, given ? s.WorkTexts(kProducts + j - 1) : "");
  }
  p.Pause();

  for (int j = 1; j <= 6; ++j) {
    DrawCell(s, kCommuteTable, 2, j, s.WorkTexts(kClassValues + j - 1), j == kGivenRow ? 0 : 5);
    p.Pause();
  }
  p.Pause();

  for (int j = 1; j <= 6; ++j) {
    DrawCell(s, kCommuteTable, 4, j, s.WorkTexts(kProducts + j - 1), j == kGivenRow ? 0 : 5);
    p.Pause();
  }
  p.Pause();
  DrawCell(s, kCommuteTable, 4, 7, s.WorkTexts(kCommuteSum), 5);
  p.Pause();

  p.At(3, 678, 80, "① 平均値");
  p.At(0, 710, 160, "ﾀ" + s.WorkTexts(kCommuteSum) + "/" + s.WorkTexts(kTotal) + "ﾀ");
  p.Pause();
  p.Then(0, "=" + s.WorkTexts(kCommuteMean));
  p.Pause();
  p.Then(5, "≒22.1(分)");
  p.Pause();

  p.At(3, 678, 230, "② 最頻値　");
  p.Pause();
  p.Then(5, "25分");
  p.Pause();

  p.At(3, 678, 300, "③ 中央値がふくまれる階級　");
  p.At(0, 710, 350, "16番目の度数がふくまれる階級");
  p.At(0, 710, 400, "だから、");
  p.Pause();
  p.At(5, 710, 450, "20分以上３０分未満の階級");
}

// --- page 3 ----------------------------------------------------------------------

// "練習": a new random table for every exercise until the pupil enters 1.
void PracticePage(Page& p) {
  State& s = p.s;
  s.EntryValue = 3;
  while (s.EntryValue != 1) {
    ClearSurface(s);
    NewPracticeData(s);

    p.At(0, 40, 30, "右表はハンドボール投げの記録の度数分布表である。");
    p.At(0, 40, 80, "問1　表の①、②、③を求めなさい。");
    p.At(0, 40, 130, "問2　平均値を求めなさい。");

    DrawHeadings(s, kPracticeTable, "記録(m)", "(m)");
    for (int j = 1; j <= 7; ++j) {
      const bool total = j == 7;
      DrawCell(s, kPracticeTable, 1, j, kThrowClasses[static_cast<size_t>(j - 1)]);
      DrawCell(s, kPracticeTable, 2, j, total ? "／" : s.WorkTexts(kClassValues + j - 1));
      DrawCell(s, kPracticeTable, 3, j, total ? s.WorkTexts(kTotal) : s.WorkTexts(kCounts + j - 1));
      DrawCell(s, kPracticeTable, 4, j, total ? s.WorkTexts(kPracticeSum) : s.WorkTexts(kProducts + j - 1));
    }
    for (const HiddenCell& h : kHidden) DrawHiddenCell(s, h, h.mark);
    p.Pause();

    DrawHiddenCell(s, kHidden[0], s.WorkTexts(kHidden[0].work));
    p.At(3, 40, 200, "① ");
    p.Then(0, "ﾀ15+20/2ﾀ=");
    p.Then(3, s.WorkTexts(kHidden[0].work));
    p.Pause();

    DrawHiddenCell(s, kHidden[1], s.WorkTexts(kHidden[1].work));
    p.At(3, 40, 270, "② ");
    p.Then(0, MissingCountWorking(s));
    p.Then(3, s.WorkTexts(kHidden[1].work));
    p.Pause();

    DrawHiddenCell(s, kHidden[2], s.WorkTexts(kHidden[2].work));
    p.At(3, 40, 340, "③ ");
    p.Then(0, "たせばよいから ");
    p.Then(3, s.WorkTexts(kHidden[2].work));
    p.Pause();

    p.At(3, 40, 390, "平均値は");
    p.At(0, 100, 470, "ﾀ" + s.WorkTexts(kPracticeSum) + "/20ﾀ=");
    p.Then(5, s.DataTexts(kPracticeMean) + "(m)");

    AskNextStep(s);
  }
}

}  // namespace

std::vector<PageEntry> Section2Pages() { return {{&SleepPage}, {&CommutePage}, {&PracticePage, false}}; }

}  // namespace mebuki::unit2
