// Tables and figures that several pages of mebuki1 draw: the squares figure,
// the 3-column data lists and the frequency tables of (ア) and (イ).
//
// Map: squares figure / data lists / frequency tables
#include "unit1/tables.h"

#include <array>
#include <string>

#include "charts/charts.h"
#include "shell/draw.h"
#include "typeset/typeset.h"
#include "unit1/data.h"

namespace mebuki::unit1 {

// ---- Squares figure ---------------------------------------------------------

namespace {

struct GridPoint {
  float u, v;
};

// P1-P4 square (ア), P5 its label, P6-P9 square (イ), P10 its label.
constexpr std::array<GridPoint, 10> kSquarePoints = {{
    {1, 4}, {1, 2}, {3, 2}, {3, 4}, {0, 6},  //
    {5, 4}, {5, 0}, {9, 0}, {9, 4}, {4, 6},
}};

// A dotted dimension mark above the top side from point a to point b.
void MarkSide(State& s, int a, int b, const char* label) {
  s.ArcStartX = s.PointX(a);
  s.ArcStartY = s.PointY(a);
  s.ArcEndX = s.PointX(b);
  s.ArcEndY = s.PointY(b);
  s.ArcSide = -1;
  s.ArcStep = 10;
  s.ArcBulge = 0;
  s.ArcDotColour = 0;
  s.TextColour = 3;
  s.ArcLabel = label;
  DrawArcLabel(s);
}

}  // namespace

void DrawSquaresFigure(State& s) {
  for (int i = 1; i <= 10; ++i) {
    const GridPoint& p = kSquarePoints[static_cast<size_t>(i - 1)];
    s.PointX(i) = s.GraphOriginX + s.GridCell * p.u;
    s.PointY(i) = s.GraphOriginY - s.GridCell * p.v;
  }
  Box(s, s.PointX(1), s.PointY(1), s.PointX(3), s.PointY(3), 0);
  Box(s, s.PointX(6), s.PointY(6), s.PointX(8), s.PointY(8), 0);
  MarkSide(s, 1, 4, "1cm");
  MarkSide(s, 6, 9, "2cm");
  DrawMarkupAt(s, 7, s.PointX(5), s.PointY(5), "(ｱ)");
  DrawMarkupAt(s, 7, s.PointX(10), s.PointY(10), "(ｲ)");
}

// ---- Data lists ----------------------------------------------------------------

namespace {

constexpr float kListLeftA = 600;
constexpr float kListLeftB = 880;  // the (ア) list's right edge 870, plus a gap of 10
constexpr float kListTop = 70;
constexpr float kListCellWidth = 90;
constexpr float kListCellHeight = 35;
constexpr int kListRows = 17;  // 3 columns of 17 hold 50 trials; the 51st cell stays empty

}  // namespace

void DrawDataList3(State& s, bool paperB) {
  const Table<float>& list = paperB ? s.DataSetB : s.DataSetA;
  const float count = paperB ? s.DataSetBCount : s.DataSetACount;
  s.AnchorX(1) = paperB ? kListLeftB : kListLeftA;
  s.AnchorY(1) = kListTop;
  for (int c = 1; c <= 4; ++c) s.PointX(c) = s.AnchorX(1) + kListCellWidth * static_cast<float>(c - 1);
  for (int r = 1; r <= 19; ++r) s.PointY(r) = s.AnchorY(1) + kListCellHeight * static_cast<float>(r - 1);

  DrawMarkupAt(s, 3, s.PointX(1), 20, paperB ? "(ｲ)の滞空時間" : "(ｱ)の滞空時間");
  for (int r = 1; r <= kListRows; ++r) {
    // Every fifth row stands out, so that a pupil can count the places.
    const int rowFill = r % 5 == 0 ? 9 : (paperB ? 11 : 13);
    for (int c = 1; c <= 3; ++c) {
      const int trial = r + kListRows * (c - 1);
      if (static_cast<float>(trial) <= count) {
        PlainCell(s, s.PointX(c), s.PointY(r), kListCellWidth, kListCellHeight, DataValueText(list(trial)),
                  {15, rowFill, 0});
      } else {
        PlainCell(s, s.PointX(c), s.PointY(r), kListCellWidth, kListCellHeight, "", {15, 15, 0});
      }
    }
  }
}

// ---- Frequency tables ------------------------------------------------------------

namespace {

struct FrequencyTable {
  const char* caption;
  std::array<const char*, 5> classes;
  std::array<const char*, 5> frequencies;
};

constexpr FrequencyTable kTable1 = {
    "表1 (ｱ)の滞空時間",
    {"1.80～2.00", "2.00～2.20", "2.20～2.40", "2.40～2.60", "2.60～2.80"},
    {"1", "11", "22", "12", "4"},
};

constexpr FrequencyTable kTable2 = {
    "表2 (ｲ)の滞空時間",
    {"2.20～2.40", "2.40～2.60", "2.60～2.80", "2.80～3.00", "3.00～3.20"},
    {"1", "13", "18", "15", "3"},
};

constexpr float kClassWidth = 190;
constexpr float kFrequencyWidth = 76;
constexpr float kHeaderHeight = 60;
constexpr float kRowHeight = 35;
constexpr CellStyle kHeader = {3, 13, 0};
constexpr CellStyle kBody = {3, 15, 0};

void DrawTableAtAnchor(State& s, bool paperB, float thirdWidth) {
  const float x = s.AnchorX(1), y = s.AnchorY(1);
  DrawPlainAt(s, 0, x, y, "");
  LayFrequencyTable(s, x, y + 60, thirdWidth);
  if (!paperB) DrawPlainAt(s, 3, x, y + 30, kTable1.caption);
  DrawClassColumns(s, paperB, true);
}

}  // namespace

void LayFrequencyTable(State& s, float x, float top, float thirdWidth) {
  s.PointX(1) = x;
  s.PointX(2) = s.PointX(1) + kClassWidth;
  s.PointX(3) = s.PointX(2) + kFrequencyWidth;
  s.PointX(4) = s.PointX(3) + thirdWidth;
  s.PointY(1) = top;
  for (int i = 1; i <= 9; ++i) s.PointY(1 + i) = s.PointY(1) + 25 + kRowHeight * static_cast<float>(i);
}

void DrawClassColumns(State& s, bool paperB, bool withFrequencies) {
  const FrequencyTable& table = paperB ? kTable2 : kTable1;
  PlainCell2(s, s.PointX(1), s.PointY(1), kClassWidth, kHeaderHeight, "滞空時間(秒)", "以上　 未満", kHeader);
  for (int i = 1; i <= 5; ++i) {
    PlainCell(s, s.PointX(1), s.PointY(1 + i), kClassWidth, kRowHeight, table.classes[static_cast<size_t>(i - 1)],
              kBody);
  }
  PlainCell(s, s.PointX(1), s.PointY(7), kClassWidth, kRowHeight, "合計", kBody);

  PlainCell2(s, s.PointX(2), s.PointY(1), kFrequencyWidth, kHeaderHeight, "度数", "(回)", kHeader);
  for (int i = 1; i <= 5; ++i) {
    PlainCell(s, s.PointX(2), s.PointY(1 + i), kFrequencyWidth, kRowHeight,
              withFrequencies ? table.frequencies[static_cast<size_t>(i - 1)] : "", kBody);
  }
  PlainCell(s, s.PointX(2), s.PointY(7), kFrequencyWidth, kRowHeight, "50", kBody);
}

void DrawTable1(State& s) { DrawTableAtAnchor(s, false, 228); }

// Its callers write the caption "表2 (ｲ)の滞空時間" where they need it.
void DrawTable2(State& s) { DrawTableAtAnchor(s, true, 152); }

}  // namespace mebuki::unit1
