#include "unit2/answers.h"

#include "charts/charts.h"

namespace mebuki::unit2 {

namespace {

constexpr float kHeadingTop = 30, kHeadingHeight = 50;
constexpr float kTitleWidth = 272, kNumberGap = 40, kNumberWidth = 45;

}  // namespace

void DrawAnswerHeading(Page& p, float x, std::string_view title, std::string_view number) {
  p.Pen(5);
  MarkupCell(p.s, x, kHeadingTop, kTitleWidth, kHeadingHeight, title, {0, 13, 3});
  MarkupCell(p.s, x + kTitleWidth + kNumberGap, kHeadingTop, kNumberWidth, kHeadingHeight, number, {3, 11, 0});
}

}  // namespace mebuki::unit2
