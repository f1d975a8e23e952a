// The tables of representative values that close sections 3 and 4: a label
// column and two value columns, at the anchor (AnchorX(2), AnchorY(2)), rows 40
// high with their tops in PointY(1...). Drawn at once, without pauses.
#pragma once

#include <array>
#include <string_view>

#include "shell/state.h"

namespace mebuki::unit1 {

// One value column of the six-row table: header and the values of 最小値, 最大値,
// 範囲, 平均値, 中央値, 最頻値.
struct SummaryColumn {
  std::string_view header;
  std::array<std::string_view, 6> values;
};

// Mean, median and mode of (ア) and (イ).
void DrawSummaryTable3(State& s);
// All six values of (ア) and (イ).
void DrawSummaryTable6(State& s);
// All six values of two other papers, in the layout of the table above.
void DrawSummaryTable6(State& s, const SummaryColumn& left, const SummaryColumn& right);

}  // namespace mebuki::unit1
