// Graphs on a ruled grid, and the two routines that prepare their data.
//
// Columns are counted from 0 at the vertical axis: column i lies between grid
// lines i and i + 1, and column 0 stays empty so that the first class stands one
// column away from the axis. Every fifth grid line is drawn heavier.
//
// Sections: grid geometry; frame and grid; bars and polygons; class counts and
// summaries.
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "charts/charts.h"
#include "platform/text.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

// --- grid geometry -------------------------------------------------------------

struct Grid {
  float x0, yTop, xR, yB;
};

Grid GridOf(const State& s) {
  return {s.GraphLeft, s.GraphTop, s.GraphLeft + s.ColumnWidth * s.GraphColumns,
          s.GraphTop + s.RowHeight * s.GraphRows};
}

// Table index of a count or column number held as a float.
int Index(float i) { return static_cast<int>(i); }

float GridPen(float i) { return std::fmod(i, 5.0f) == 0 ? 3.0f : 2.0f; }

// Grid lines numbered first to the column and row counts; vertical lines span the
// grid's height, horizontal ones its width.
void DrawRuling(State& s, const Grid& g, float first) {
  for (float i = first; i <= s.GraphColumns; ++i) {
    const float x = g.x0 + s.ColumnWidth * i;
    SetDrawWidth(s, GridPen(i));
    Line(s, x, g.yTop, x, g.yB, 0);
  }
  for (float i = first; i <= s.GraphRows; ++i) {
    const float y = g.yB - s.RowHeight * i;
    SetDrawWidth(s, GridPen(i));
    Line(s, g.x0, y, g.xR, y, 0);
  }
}

void DrawAxes(State& s, const Grid& g) {
  SetDrawWidth(s, 5);
  Line(s, g.x0, g.yB, g.xR, g.yB, 0);
  Line(s, g.x0, g.yB, g.x0, g.yTop, 0);
}

void DrawLabel(State& s, float x, float y, const std::string& text) {
  s.TextX = x;
  s.TextY = y;
  s.TextLine = text;
  DrawPlainText(s);
}

// Both range fields 0 stand for every class column.
std::pair<float, float> TakeRange(State& s) {
  if (s.RangeFirst == 0 && s.RangeLast == 0) return {1.0f, s.GraphColumns - 1};
  return {s.RangeFirst, s.RangeLast};
}

void ResetRange(State& s) {
  s.RangeFirst = 0;
  s.RangeLast = 0;
}

float BarTop(const State& s, float i) { return s.GraphOriginY - s.GraphScaleY * s.PointY(Index(i)); }

}  // namespace

// --- frame and grid ----------------------------------------------------------

void DrawGraphFrame(State& s) {
  const Grid g = GridOf(s);
  s.GraphOriginX = g.x0;
  s.GraphOriginY = g.yB;
  s.GraphScaleY = s.RowUnit == 0 ? s.RowHeight : s.RowHeight / std::fabs(s.RowUnit);

  DrawRuling(s, g, 1);
  DrawAxes(s, g);

  ColourGuard colour(s);
  s.TextColour = 0;
  if (s.Program == 1) DrawLabel(s, g.x0 - 30, g.yB, "0");

  // The caption of the horizontal axis stands in place of the last label.
  s.AxisTextX(Index(s.GraphColumns)) = s.AxisTextX(0);
  for (float i = 1; i <= s.GraphColumns; ++i) {
    const std::string& label = s.AxisTextX(Index(i));
    // Odd and even lines alternate between two rows so that long labels of
    // neighbouring lines do not collide.
    const float y = std::fmod(i, 2.0f) != 0 ? g.yB + 4 : g.yB + 26;
    DrawLabel(s, g.x0 + s.ColumnWidth * i - 13 * static_cast<float>(CharacterCount(label)), y, label);
  }
  for (float i = 1; i <= s.GraphRows; ++i) {
    const std::string& label = s.AxisTextY(Index(i));
    const float w = MeasurePlainText(s, label);
    DrawLabel(s, g.x0 - w - 8, g.yB - s.RowHeight * i - 13, label);
  }
  DrawLabel(s, g.x0 - MeasurePlainText(s, s.AxisTextY(0)), g.yTop - 40, s.AxisTextY(0));

  if (s.Program == 2) {
    // A cut axis starts at another value for one frame only.
    DrawLabel(s, g.x0 - MeasurePlainText(s, s.OriginLabel) - 8, g.yB - 13, s.OriginLabel);
    s.OriginLabel = "0";
  }
}

void DrawGridLines(State& s) {
  PenGuard pen(s);
  const Grid g = GridOf(s);
  DrawRuling(s, g, 0);
  DrawAxes(s, g);
}

// --- bars and polygons ---------------------------------------------------------

void DrawHistogramBars(State& s) {
  for (float i = 1; i <= s.GraphColumns - 1; ++i) {
    FilledBox(s, s.GraphOriginX + s.ColumnWidth * i, BarTop(s, i), s.GraphOriginX + s.ColumnWidth * (i + 1),
              s.GraphOriginY, 0, s.ChartColour);
  }
}

void DrawFrequencyPolygon(State& s) {
  const auto [first, last] = TakeRange(s);
  // Each segment joins the middles of the tops of columns i - 1 and i; an empty
  // column puts its middle on the axis, which closes the polygon at both ends.
  for (float i = first; i <= last; ++i) {
    Line(s, s.GraphOriginX + s.ColumnWidth * (i - 0.5f), BarTop(s, i - 1), s.GraphOriginX + s.ColumnWidth * (i + 0.5f),
         BarTop(s, i), s.ChartColour);
  }
  ResetRange(s);
}

void DrawCentredBars(State& s) {
  const auto [first, last] = TakeRange(s);
  for (float i = first; i <= last; ++i) {
    FilledBox(s, s.GraphOriginX + s.ColumnWidth * (i - 0.5f), BarTop(s, i), s.GraphOriginX + s.ColumnWidth * (i + 0.5f),
              s.GraphOriginY, 0, s.ChartColour);
  }
  ResetRange(s);
}

void SetGridOrigin(State& s) {
  s.GraphOriginX = s.GraphLeft;
  s.GraphOriginY = s.GraphTop + s.GridCell * s.GraphRows;
}

// --- class counts and summaries ----------------------------------------------

void CountClasses(State& s) {
  if (s.ClassWidth == 0 || s.RowUnit == 0) throw RuntimeError{kErrorDivisionByZero};
  const float n = (s.LastClassStart - s.ClassStart) / s.ClassWidth + 1;
  const float m = 1 + (s.LabelEnd - s.LabelStart) / s.RowUnit;

  for (float i = 0; i <= n; ++i) s.PointY(Index(i)) = 0;
  // A class holds its lower bound and not its upper one.
  for (float k = 1; k <= s.DataCount; ++k) {
    const float v = s.DataValues(Index(k));
    for (float i = 1; i <= n; ++i) {
      if (s.ClassStart + (i - 1) * s.ClassWidth <= v && v < s.ClassStart + i * s.ClassWidth) {
        s.PointY(Index(i)) += 1;
      }
    }
  }

  for (float i = 1; i <= n - 1; ++i) s.AxisTextX(Index(i)) = NumberString(s.ClassStart + (i - 1) * s.ClassWidth);
  for (float i = 1; i <= m; ++i) s.AxisTextY(Index(i)) = NumberString(s.LabelStart + (i - 1) * s.RowUnit);
  s.GraphColumns = n;
  s.GraphRows = m;
}

void SummariseData(State& s) {
  const int n = Index(s.DataCount);
  Table<float>& d = s.DataValues;
  if (n < 1) {
    for (int i = 1; i <= 6; ++i) s.Summary(i) = 0;
    return;
  }

  for (int i = 1; i <= n - 1; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (d(i) > d(j)) std::swap(d(i), d(j));
    }
  }
  s.Summary(1) = d(1);
  s.Summary(5) = d(n);

  // h is the median's place (the upper one of an even count), m the size of each
  // half; the median itself belongs to neither half.
  int h, m;
  if (n % 2 == 0) {
    h = n / 2;
    m = h;
    s.Summary(3) = (d(h) + d(h + 1)) / 2;
  } else {
    h = n / 2 + 1;
    m = h - 1;
    s.Summary(3) = d(h);
  }
  if (m == 0) {
    // A single value has empty halves: it is its own quartiles.
    s.Summary(2) = d(1);
    s.Summary(4) = d(1);
  } else if (m % 2 == 0) {
    const int k = m / 2;
    s.Summary(2) = (d(k) + d(k + 1)) / 2;
    s.Summary(4) = (d(h + k) + d(h + k + 1)) / 2;
  } else {
    const int k = m / 2 + 1;
    s.Summary(2) = d(k);
    s.Summary(4) = d(h + k);
  }

  float sum = 0;
  for (int i = 1; i <= n; ++i) sum += d(i);
  s.Summary(6) = RoundHalfUp(10 * (sum / static_cast<float>(n))) / 10;
}

}  // namespace mebuki
