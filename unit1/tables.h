// Tables and figures shared by the pages of mebuki1.
#pragma once

#include "shell/state.h"

namespace mebuki::unit1 {

// The squares (ア) and (イ) with their dimension marks, on the figure grid set by SetGridOrigin.
// Leaves the ten corner and label points in PointX/PointY(1..10).
void DrawSquaresFigure(State& s);
// The 3-column data list of (ア) (fill 13) or (イ) (fill 11) with its caption, from
// DataSetA or DataSetB as they stand (trial order or sorted).
void DrawDataList3(State& s, bool paperB);
// Frequency tables of (ア) and (イ) at (AnchorX(1), AnchorY(1)); PointX(1..4), PointY(1..10) describe them.
void DrawTable1(State& s);
void DrawTable2(State& s);

// The grid of a frequency table whose header starts at (x, top): column edges
// PointX(1..4), the third column thirdWidth wide; row tops PointY(1..10), the
// header 60 high and the rows 35.
void LayFrequencyTable(State& s, float x, float top, float thirdWidth);
// Class and frequency columns of Table 1 (ア) or Table 2 (イ) on that grid. Without
// frequencies the five frequency cells stay empty and only the total shows.
void DrawClassColumns(State& s, bool paperB, bool withFrequencies);

}  // namespace mebuki::unit1
