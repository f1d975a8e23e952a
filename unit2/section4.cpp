// Section 4 "データをもとにした確率": the probability of an event that cannot be
// repeated at will, estimated from a large body of data (ten years of births),
// then two textbook questions. Every value is a fixed text.
//
//   Birth statistics   the girls' and boys' shares, one cell per key press
//   Question 4         a ratio
//   Question 5         travel times with relative and cumulative frequencies
#include <array>
#include <string_view>

#include "charts/charts.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

// ---- Birth statistics ---------------------------------------------------------

struct BirthYear {
  std::string_view year, boys, girls, total;
};

const std::array<BirthYear, 10> kBirths = {{
    {"2007", "559847", "529971", "1089818"},
    {"2008", "559513", "531643", "1091156"},
    {"2009", "548993", "521042", "1070035"},
    {"2010", "550742", "520562", "1071304"},
    {"2011", "538271", "512535", "1050806"},
    {"2012", "531781", "505450", "1037231"},
    {"2013", "527657", "502159", "1029816"},
    {"2014", "515533", "488006", "1003539"},
    {"2015", "515452", "490225", "1005677"},
    {"2016", "501880", "475098", "976978"},
}};

// Every year's girls' share lies between 0.486 and 0.487.
constexpr std::string_view kGirlsShare = "0.49";
constexpr std::string_view kBoysShare = "0.51";

// Column edges: year, boys, girls, total, girls' share, boys' share.
constexpr std::array<float, 7> kBirthColumns = {40, 160, 320, 480, 640, 748, 856};
constexpr float kBirthHeadingTop = 90, kBirthHeadingHeight = 60;
constexpr float kBirthRowTop = 150, kBirthRowHeight = 35;

constexpr CellStyle kHeading{3, 13, 0};
constexpr CellStyle kBody{3, 15, 0};
constexpr CellStyle kShare{3, 15, 5};

float BirthColumnWidth(int k) { return kBirthColumns[k + 1] - kBirthColumns[k]; }
float BirthRowTop(int row) { return kBirthRowTop + kBirthRowHeight * static_cast<float>(row); }

void BirthHeading(State& s, int k, std::string_view top, std::string_view bottom) {
  PlainCell2(s, kBirthColumns[k], kBirthHeadingTop, BirthColumnWidth(k), kBirthHeadingHeight, top, bottom, kHeading);
}

void BirthCell(State& s, int k, int row, std::string_view text, CellStyle style) {
  PlainCell(s, kBirthColumns[k], BirthRowTop(row), BirthColumnWidth(k), kBirthRowHeight, text, style);
}

void DrawBirthTable(State& s) {
  BirthHeading(s, 0, "年次", "");
  BirthHeading(s, 1, "出生男児数", "(人)");
  BirthHeading(s, 2, "出生女児数", "(人)");
  BirthHeading(s, 3, "出生児総数", "(人)");
  BirthHeading(s, 4, "女児の", "割合");
  for (int row = 0; row < static_cast<int>(kBirths.size()); ++row) {
    const BirthYear& b = kBirths[row];
    BirthCell(s, 0, row, b.year, kHeading);
    BirthCell(s, 1, row, b.boys, kBody);
    BirthCell(s, 2, row, b.girls, kBody);
    BirthCell(s, 3, row, b.total, kBody);
    BirthCell(s, 4, row, "", kBody);
  }
}

void DrawBoysColumn(State& s) {
  BirthHeading(s, 5, "男児の", "割合");
  for (int row = 0; row < static_cast<int>(kBirths.size()); ++row) BirthCell(s, 5, row, "", kBody);
}

// "①P236ひろげよう": the girls' share of 2007 worked out, every year's share
// filled in one by one, then the same for the boys.
void BirthStatisticsPage(Page& p) {
  State& s = p.s;
  p.At(3, 38, 30, "教科書P236 多くのデータから確率を求めよう。");
  DrawBirthTable(s);
  p.At(7, 866, 30, " 女児の割合");
  p.At(7, 866, 100, "=ﾀ出生女児数/出生児総数ﾀ");
  p.Pause();

  p.At(0, 866, 160, "2007年次");
  p.At(3, 866, 230, " ﾀ529971/1089818ﾀ");
  p.Pause();

  p.At(0, 866, 290, "=0.486…≒");
  p.Then(5, kGirlsShare);
  p.At(7, 866, 350, "小数第2位まで求めよう。");
  for (int row = 0; row < static_cast<int>(kBirths.size()); ++row) {
    BirthCell(s, 4, row, kGirlsShare, kShare);
    p.Pause();
  }
  p.Pause();

  p.At(0, 40, 520, "すべて0.49 だから、");
  p.Then(5, "日本で女児の生まれる確率は ほぼ0.49");
  p.Pause();

  p.At(7, 40, 570, "問3をやろう。");
  const float afterQuestion3 = s.LineEndX;
  p.Pause();

  DrawBoysColumn(s);
  for (int row = 0; row < static_cast<int>(kBirths.size()); ++row) {
    p.Pause();
    BirthCell(s, 5, row, kBoysShare, kShare);
  }
  p.Pause();

  p.At(5, afterQuestion3, 570, "日本で男児の生まれる確率は ほぼ0.51");
}

// ---- Question 4 ------------------------------------------------------------------

// "②問4": 120 of 160 cases, so a probability of about 0.75.
void Question4Page(Page& p) {
  p.At(3, 38, 30, "教科書P236 問4　解答");
  p.At(0, 38, 120, "　ﾀ120/160ﾀ=");
  p.Pause();

  p.Then(3, "0.75");
  p.Pause();

  p.At(5, 38, 200, "確率は0.75程度と考えられる。");
}

// ---- Question 5 ------------------------------------------------------------------

// Class (minutes), frequency, relative frequency, cumulative relative frequency.
// The cumulative cell of the total row stays empty: it is struck through.
using TravelRow = std::array<std::string_view, 4>;
const std::array<TravelRow, 6> kTravelTimes = {{
    {"20～25", "4", "0.05", "0.05"},
    {"25～30", "40", "0.50", "0.55"},
    {"30～35", "17", "0.21", "0.76"},
    {"35～40", "16", "0.20", "0.96"},
    {"40～45", "3", "0.04", "1.00"},
    {"計", "80", "1.00", ""},
}};

// Column edges: class, frequency, relative, cumulative.
constexpr std::array<float, 5> kTravelColumns = {640, 792, 868, 1020, 1172};
constexpr float kTravelHeadingTop = 60, kTravelHeadingHeight = 60;
constexpr float kTravelRowTop = 120, kTravelRowHeight = 35;

float TravelColumnWidth(int k) { return kTravelColumns[k + 1] - kTravelColumns[k]; }
float TravelRowTop(int row) { return kTravelRowTop + kTravelRowHeight * static_cast<float>(row); }

void TravelHeading(State& s, int k, std::string_view top, std::string_view bottom) {
  PlainCell2(s, kTravelColumns[k], kTravelHeadingTop, TravelColumnWidth(k), kTravelHeadingHeight, top, bottom,
             kHeading);
}

// One column of the table; the total row's first cell is a heading cell.
void TravelColumn(State& s, int k) {
  const int last = static_cast<int>(kTravelTimes.size()) - 1;
  for (int row = 0; row <= last; ++row) {
    const CellStyle style = (k == 0 && row == last) ? kHeading : kBody;
    PlainCell(s, kTravelColumns[k], TravelRowTop(row), TravelColumnWidth(k), kTravelRowHeight,
              kTravelTimes[row][k], style);
  }
}

void DrawTravelTable(Page& p) {
  State& s = p.s;
  TravelHeading(s, 0, "階級(分)", "以上 未満");
  TravelColumn(s, 0);
  TravelHeading(s, 1, "度数", "(回)");
  TravelColumn(s, 1);
  p.Plain(3, 640, 30, "   駅から博物館までの所要時間");
  TravelHeading(s, 2, "相対度数", "");
  TravelColumn(s, 2);
  TravelHeading(s, 3, "累積", "相対度数");
  TravelColumn(s, 3);

  // The total row has no cumulative value: one stroke from corner to corner.
  const float left = kTravelColumns[3], right = kTravelColumns[4];
  const float top = TravelRowTop(static_cast<int>(kTravelTimes.size()) - 1);
  Line(s, left, top + kTravelRowHeight, right, top, 0);
}

// "③問5": which class is most frequent, which more likely, and the cumulative
// share under 35 minutes.
void Question5Page(Page& p) {
  p.At(3, 84, 20, "教科書P237 問5　解答");
  DrawTravelTable(p);
  p.At(3, 30, 80, "(1)");
  p.Pause();

  p.Then(5, "25分以上30分未満");
  p.Pause();

  p.At(0, 84, 130, "相対度数が0.50 で");
  p.At(0, 84, 180, "一番大きいから");
  p.At(3, 30, 240, "(2)");
  p.Pause();

  p.Then(5, "35分以上40分未満");
  p.Pause();

  p.At(0, 84, 290, "相対度数が大きいから");
  p.At(0, 84, 340, "(0.20と0.04)");
  p.At(3, 30, 400, "(3)");
  p.Pause();

  p.Then(5, "0.76");
  p.Pause();

  p.At(0, 84, 450, "30分以上35分未満の累積相対度数が0.76 だから");
}

}  // namespace

std::vector<PageEntry> Section4Pages() { return {{&BirthStatisticsPage}, {&Question4Page}, {&Question5Page}}; }

}  // namespace mebuki::unit2
