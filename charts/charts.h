// Tables and charts: coloured table cells, graph frames with histograms,
// polygons and centred bars, class counting, five-number summaries and the
// dotted dimension marks of paper figures.
#pragma once

#include <string_view>

#include "shell/state.h"

namespace mebuki {

// Table cells at (TextX, TextY), CellWidth x CellHeight, outlined in
// CellBorderColour with the pen in force and filled with CellFillColour; the text
// centred in TextColour. All leave TextX at the right edge and TextY at the top.
void DrawTableCell(State& s);   // CellText, plain
void DrawTableCell2(State& s);  // CellTextTop over CellTextBottom, plain
void DrawMarkupCell(State& s);  // CellText, markup

// Convenience for lesson pages: sets the cell parameters and draws one cell.
struct CellStyle {
  int border = 3;
  int fill = 15;
  int text = 0;
};
void PlainCell(State& s, float x, float y, float w, float h, std::string_view text, CellStyle style = {});
void PlainCell2(State& s, float x, float y, float w, float h, std::string_view top, std::string_view bottom,
                CellStyle style = {});
void MarkupCell(State& s, float x, float y, float w, float h, std::string_view text, CellStyle style = {});

// Graphs on a ruled grid (GraphLeft, GraphTop, GraphColumns, GraphRows,
// ColumnWidth, RowHeight, RowUnit, ChartColour; labels in AxisTextX/AxisTextY).
void DrawGraphFrame(State& s);        // grid, axes, labels; sets GraphOrigin*, GraphScaleY; pen left at 5
void DrawHistogramBars(State& s);     // columns 1 to GraphColumns - 1 from PointY
void DrawGridLines(State& s);         // grid and axes again, over the bars
void DrawFrequencyPolygon(State& s);  // RangeFirst..RangeLast (both 0: all); then resets them
void DrawCentredBars(State& s);       // bars centred on grid lines RangeFirst..RangeLast; then resets them
void CountClasses(State& s);          // class frequencies of DataValues into PointY, default labels
void SummariseData(State& s);         // sorts DataValues(1..DataCount); Summary(1..6)
void SetGridOrigin(State& s);         // origin of a figure grid (GraphLeft, GraphTop, GridCell, GraphRows)

// A dotted dimension mark from (ArcStartX, ArcStartY) to (ArcEndX, ArcEndY) with
// ArcLabel beside its middle; ArcLabel is "" afterwards.
void DrawArcLabel(State& s);

}  // namespace mebuki
