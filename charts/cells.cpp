// Table cells. A table is drawn cell by cell: each cell is a filled box with its
// text centred in it, and leaves the position at its own right edge so that the
// cells of a row chain from left to right. A text wider than its cell starts at
// the left edge and runs over; it never pushes the next cell.
#include <algorithm>
#include <cmath>
#include <string>

#include "charts/charts.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

constexpr std::string_view kFractionMarker = "ﾀ";

// Left margin that centres a text of width w in the cell; never negative.
float CentreOffset(const State& s, float w) { return std::max(0.0f, (s.CellWidth - w) / 2); }

void DrawCellBox(State& s, float x, float y) {
  FilledBox(s, x, y, x + s.CellWidth, y + s.CellHeight, s.CellBorderColour, s.CellFillColour);
}

void DrawPlainAt(State& s, float x, float y, std::string_view text) {
  s.TextX = x;
  s.TextY = y;
  s.TextLine = std::string(text);
  DrawPlainText(s);
}

void SetCell(State& s, float x, float y, float w, float h, const CellStyle& style) {
  s.TextX = x;
  s.TextY = y;
  s.CellWidth = w;
  s.CellHeight = h;
  s.CellBorderColour = style.border;
  s.CellFillColour = style.fill;
  s.TextColour = style.text;
}

}  // namespace

void DrawTableCell(State& s) {
  const float x = s.TextX, y = s.TextY;
  const float dx = CentreOffset(s, MeasurePlainText(s, s.CellText));
  // Plain text is 26 high; a cell lower than that puts it above its top edge.
  const float ty = y + std::floor((s.CellHeight - 26) / 2);
  DrawCellBox(s, x, y);
  DrawPlainAt(s, x + dx, ty, s.CellText);
  s.TextX = x + s.CellWidth;
  s.TextY = y;
}

void DrawTableCell2(State& s) {
  const float x = s.TextX, y = s.TextY;
  const float dx1 = CentreOffset(s, MeasurePlainText(s, s.CellTextTop));
  const float t = y + std::floor((s.CellHeight / 2 - 26) / 2);
  DrawCellBox(s, x, y);
  // A single line moves down to about the middle of the two-line space.
  DrawPlainAt(s, x + dx1, s.CellTextBottom.empty() ? t + 15 : t, s.CellTextTop);
  const float dx2 = CentreOffset(s, MeasurePlainText(s, s.CellTextBottom));
  DrawPlainAt(s, x + dx2, t + 30, s.CellTextBottom);
  s.TextX = x + s.CellWidth;
  s.TextY = y;
}

void DrawMarkupCell(State& s) {
  const float x = s.TextX, y = s.TextY;
  const float dx = CentreOffset(s, MeasureMarkupText(s, s.CellText));
  // A stacked fraction reaches higher and lower than a line of text: centre a
  // taller box.
  const bool fraction = s.CellText.find(kFractionMarker) != std::string::npos;
  const float ty = y + std::floor((s.CellHeight - (fraction ? 50.0f : 44.0f)) / 2);
  DrawCellBox(s, x, y);
  s.TextX = x + dx;
  s.TextY = ty;
  s.TextLine = s.CellText;
  DrawMarkupText(s);
  s.TextX = x + s.CellWidth;
  s.TextY = y;
}

void PlainCell(State& s, float x, float y, float w, float h, std::string_view text, CellStyle style) {
  SetCell(s, x, y, w, h, style);
  s.CellText = std::string(text);
  DrawTableCell(s);
}

void PlainCell2(State& s, float x, float y, float w, float h, std::string_view top, std::string_view bottom,
                CellStyle style) {
  SetCell(s, x, y, w, h, style);
  s.CellTextTop = std::string(top);
  s.CellTextBottom = std::string(bottom);
  DrawTableCell2(s);
}

void MarkupCell(State& s, float x, float y, float w, float h, std::string_view text, CellStyle style) {
  SetCell(s, x, y, w, h, style);
  s.CellText = std::string(text);
  DrawMarkupCell(s);
}

}  // namespace mebuki
