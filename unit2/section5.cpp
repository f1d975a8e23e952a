// Section 5 "学びをたしかめよう": the answers of the review exercise P238, one
// page per answer.
//
//   Answer 1   sorting and range of ten counts
//   Answer 2   grip strength of two schools: relative and cumulative relative
//              frequencies, revealed cell by cell
//   Answer 3   two buttons compared by their relative frequency of face up
#include <array>
#include <string>
#include <string_view>

#include "charts/charts.h"
#include "platform/numbers.h"
#include "shell/page.h"
#include "shell/shell.h"
#include "typeset/typeset.h"
#include "unit2/answers.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

constexpr float kMargin = 40;

constexpr CellStyle kHeading{3, 13, 0};
constexpr CellStyle kBody{3, 15, 0};
constexpr CellStyle kHidden{3, 11, 0};   // a relative frequency the pupils work out
constexpr CellStyle kRevealed{3, 11, 5};
constexpr CellStyle kAnswer{3, 15, 5};

// ---- Answer 1: range ---------------------------------------------------------------

// "①": sort, read off the largest and smallest, subtract.
void RangeAnswerPage(Page& p) {
  DrawAnswerHeading(p, 80, "P238 解答", "1");
  p.At(0, kMargin, 90, "大きい順に並べると、");
  p.Pause();

  p.At(3, kMargin, 140, "18,14,13,11,9,8,7,5,5,2");
  p.Pause();

  p.At(0, kMargin, 210, "最大値は、");
  p.Pause();

  p.Then(5, "18(冊)");
  p.Pause();

  p.At(0, kMargin, 280, "最小値は、");
  p.Pause();

  p.Then(5, "2(冊)");
  p.Pause();

  p.At(7, kMargin, 350, "範囲は、");
  p.Pause();

  p.Then(0, "18-2=");
  p.Then(5, "16冊");
}

// ---- Answer 2: grip strength ----------------------------------------------------------

constexpr int kGripRows = 9;  // eight classes and the total

const std::array<std::string_view, kGripRows> kGripClasses = {
    "15～20", "20～25", "25～30", "30～35", "35～40", "40～45", "45～50", "50～55", "計"};

// Frequencies with their total last; relative frequencies to two places; the
// cumulative ones are running sums of those (hence 0.27 in R's third class). The
// total row has no cumulative value.
struct School {
  std::string_view name;
  std::array<float, kGripRows> frequencies;
  std::array<std::string_view, kGripRows> relative;
  std::array<std::string_view, kGripRows> cumulative;
};

const School kSchoolR = {
    "R中学校",
    {1, 3, 6, 10, 8, 7, 2, 1, 38},
    {"0.03", "0.08", "0.16", "0.26", "0.21", "0.18", "0.05", "0.03", "1.00"},
    {"0.03", "0.11", "0.27", "0.53", "0.74", "0.92", "0.97", "1.00", "／"},
};

const School kSchoolS = {
    "S中学校",
    {8, 27, 48, 59, 45, 14, 7, 2, 210},
    {"0.04", "0.13", "0.23", "0.28", "0.21", "0.07", "0.03", "0.01", "1.00"},
    {"0.04", "0.17", "0.40", "0.68", "0.89", "0.96", "0.99", "1.00", "／"},
};

// R's relative frequencies that the pupils compute (second, fourth and sixth class).
constexpr std::array<int, 3> kHiddenRows = {1, 3, 5};

// Column edges: class; R frequency, relative, cumulative; S the same.
constexpr std::array<float, 8> kGripColumns = {531, 683, 755, 839, 947, 1019, 1103, 1211};
constexpr float kSchoolTop = 50, kSchoolHeight = 30;
constexpr float kGripHeadingTop = 80, kGripHeadingHeight = 60;
constexpr float kGripRowTop = 140, kGripRowHeight = 35;

float GripColumnWidth(int k) { return kGripColumns[k + 1] - kGripColumns[k]; }
float GripRowTop(int row) { return kGripRowTop + kGripRowHeight * static_cast<float>(row); }

void GripHeading(State& s, int k, std::string_view top, std::string_view bottom) {
  PlainCell2(s, kGripColumns[k], kGripHeadingTop, GripColumnWidth(k), kGripHeadingHeight, top, bottom, kHeading);
}

void GripCell(State& s, int k, int row, std::string_view text, CellStyle style) {
  PlainCell(s, kGripColumns[k], GripRowTop(row), GripColumnWidth(k), kGripRowHeight, text, style);
}

bool IsHidden(int row) {
  for (int hidden : kHiddenRows) {
    if (row == hidden) return true;
  }
  return false;
}

void DrawClassColumn(State& s) {
  GripHeading(s, 0, "握力(kg)", "以上 未満");
  for (int row = 0; row < kGripRows; ++row) {
    GripCell(s, 0, row, kGripClasses[row], row == kGripRows - 1 ? kHeading : kBody);
  }
}

// A school's three columns from column k on. Only the first cumulative value and
// the total's stroke are given; R's hidden relative frequencies are left blank.
void DrawSchoolColumns(State& s, const School& school, int k, bool hideRows) {
  const float width = GripColumnWidth(k) + GripColumnWidth(k + 1) + GripColumnWidth(k + 2);
  PlainCell(s, kGripColumns[k], kSchoolTop, width, kSchoolHeight, school.name, kHeading);
  GripHeading(s, k, "度数", "(人)");
  GripHeading(s, k + 1, "相対", "度数");
  GripHeading(s, k + 2, "累積相", "対度数");
  for (int row = 0; row < kGripRows; ++row) {
    const bool last = row == kGripRows - 1;
    GripCell(s, k, row, NumberString(school.frequencies[row]), kBody);
    if (hideRows && IsHidden(row)) {
      GripCell(s, k + 1, row, "", kHidden);
    } else {
      GripCell(s, k + 1, row, school.relative[row], kBody);
    }
    GripCell(s, k + 2, row, row == 0 || last ? school.cumulative[row] : "", kBody);
  }
}

// The worked ratio of one class of R, "ﾀ3/38ﾀ=0.079 だから、": three places, as
// round(1000 × a / total) / 1000 with the zero the number text leaves out.
std::string RatioLine(int row) {
  const float count = kSchoolR.frequencies[row];
  const float total = kSchoolR.frequencies[kGripRows - 1];
  const float ratio = RoundHalfUp(1000 * count / total) / 1000;
  return "ﾀ" + NumberString(count) + "/" + NumberString(total) + "ﾀ=" + "0" + NumberString(ratio) + " だから、";
}

void RevealRelative(State& s, int row) { GripCell(s, 2, row, kSchoolR.relative[row], kRevealed); }

// "②": R's missing relative frequencies worked out, both cumulative columns
// filled in, then the count under 30 kg and the comparison.
void GripAnswerPage(Page& p) {
  State& s = p.s;
  constexpr float kIndent = 94;
  DrawAnswerHeading(p, kIndent, "P238 解答", "2");
  DrawClassColumn(s);
  DrawSchoolColumns(s, kSchoolR, 1, true);
  DrawSchoolColumns(s, kSchoolS, 4, false);
  p.Pause();

  p.At(3, kMargin, 100, "(1)");
  p.Then(0, RatioLine(kHiddenRows[0]));
  RevealRelative(s, kHiddenRows[0]);
  p.Pause();

  p.At(0, kIndent, 170, RatioLine(kHiddenRows[1]));
  RevealRelative(s, kHiddenRows[1]);
  p.Pause();

  p.At(0, kIndent, 240, RatioLine(kHiddenRows[2]));
  RevealRelative(s, kHiddenRows[2]);
  for (int row = 1; row < kGripRows - 1; ++row) {
    p.Pause();
    GripCell(s, 3, row, kSchoolR.cumulative[row], kAnswer);
  }
  for (int row = 1; row < kGripRows - 1; ++row) {
    p.Pause();
    GripCell(s, 6, row, kSchoolS.cumulative[row], kAnswer);
  }
  p.Pause();

  p.At(3, kMargin, 320, "(2)");
  p.Then(0, "8+27+48+59");
  p.At(0, kIndent, 370, "=");
  p.Then(5, "142(人)");
  p.Pause();

  p.At(3, kMargin, 470, "(3)");
  p.Then(0, "累積相対度数で比べると、0.74と0.89 だから、");
  p.Then(5, "S中学校");
}

// ---- Answer 3: buttons -------------------------------------------------------------------

// Throws and faces up of each button; faces down are worked out on the page.
struct Button {
  std::string_view name;
  float facesUp, throws;
};
constexpr std::array<Button, 2> kButtons = {{{"A", 1220, 2800}, {"B", 1403, 3500}}};

constexpr std::array<float, 4> kButtonColumns = {720, 840, 960, 1080};
constexpr std::array<float, 3> kButtonRows = {50, 100, 150};
constexpr float kButtonCellWidth = 120, kButtonCellHeight = 50;

void ButtonCell(State& s, int k, int row, std::string_view text, CellStyle style) {
  MarkupCell(s, kButtonColumns[k], kButtonRows[row], kButtonCellWidth, kButtonCellHeight, text, style);
}

// Button b's counts go to DataValues(3b + 1 to 3b + 3): faces up, faces down
// (throws minus faces up), throws; their texts to DataTexts.
int ButtonIndex(int b, int k) { return 3 * b + k; }

void CountButtons(State& s) {
  for (int b = 0; b < static_cast<int>(kButtons.size()); ++b) {
    s.DataValues(ButtonIndex(b, 1)) = kButtons[b].facesUp;
    s.DataValues(ButtonIndex(b, 2)) = kButtons[b].throws - kButtons[b].facesUp;
    s.DataValues(ButtonIndex(b, 3)) = kButtons[b].throws;
  }
  RefreshDataTexts(s);
}

void DrawButtonTable(State& s) {
  ButtonCell(s, 0, 0, "", kHeading);
  ButtonCell(s, 1, 0, "表", kHeading);
  ButtonCell(s, 2, 0, "裏", kHeading);
  ButtonCell(s, 3, 0, "合計", kHeading);
  for (int b = 0; b < static_cast<int>(kButtons.size()); ++b) {
    ButtonCell(s, 0, b + 1, kButtons[b].name, kHeading);
    for (int k = 1; k <= 3; ++k) ButtonCell(s, k, b + 1, s.DataTexts(ButtonIndex(b, k)), kBody);
  }
}

// "　ﾀ1220/2800ﾀ=": faces up over throws, from the table's texts.
std::string FaceUpFraction(const State& s, int b) {
  return "　ﾀ" + s.DataTexts(ButtonIndex(b, 1)) + "/" + s.DataTexts(ButtonIndex(b, 3)) + "ﾀ=";
}

// "③": both relative frequencies of face up; with this many throws they stand
// for the probabilities, so A lands face up more often.
void ButtonAnswerPage(Page& p) {
  State& s = p.s;
  constexpr float kIndent = 67;
  DrawAnswerHeading(p, kIndent, "P238 解答", "3");
  CountButtons(s);
  DrawButtonTable(s);
  p.At(0, kIndent, 90, "ボタンAの表の出た相対度数は、");
  p.At(0, kIndent, 160, FaceUpFraction(s, 0));
  p.Pause();

  p.Then(0, "0.436");
  p.Pause();

  p.At(0, kIndent, 230, "ボタンBの表の出た相対度数は、");
  p.At(0, kIndent, 300, FaceUpFraction(s, 1));
  p.Pause();

  p.Then(0, "0.401");
  p.Pause();

  p.At(0, kIndent, 370, "投げた回数もかなり多いから、");
  p.Pause();

  p.Then(5, "ボタンAの方が表が出やすい。");
}

}  // namespace

std::vector<PageEntry> Section5Pages() { return {{&RangeAnswerPage}, {&GripAnswerPage}, {&ButtonAnswerPage}}; }

}  // namespace mebuki::unit2
