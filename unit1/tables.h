// Tables and figures shared by the pages of mebuki1.
#pragma once

#include "shell/state.h"

namespace mebuki::unit1 {

// The squares (ア) and (イ) with their dimension marks, on the figure grid set by SetGridOrigin.
void DrawSquaresFigure(State& s);
// The 3-column data list of (ア) (fill 13) or (イ) (fill 11) with its caption.
void DrawDataList3(State& s, bool paperB);
// Frequency tables of (ア) and (イ) at (AnchorX(1), AnchorY(1)); PointX(1..4), PointY(1..10) describe them.
void DrawTable1(State& s);
void DrawTable2(State& s);

}  // namespace mebuki::unit1
