// Section 3 "確率の意味": probability as the value that a relative frequency
// settles at over many trials, shown with a shogi piece thrown 3000 times.
//
// Map of this file:
//   tables       outcomes of a throw, piece shapes, the coin table
//   experiment   throwing, counting and plotting
//   figures      pieces, the board and arrows
//   pages        ①P233 ②確率の意味 ③話しあおう ④問２
#include <cmath>
#include <string>

#include "charts/charts.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "typeset/typeset.h"
#include "unit2/probability.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

namespace {

// --- tables -----------------------------------------------------------------------

// The five ways a piece lands. A draw r from 1 to 3000 gives the first row whose
// range reaches r, so the chances are 1402, 1342, 155, 99 and 2 in 3000.
struct Outcome {
  float lastDraw;         // the range of r ends here and starts after the row above
  const char* label;      // table row and dots
  const char* caption;    // inside the figure
  int colour;             // table row, dots
  const char* letter;     // name on the pages
  const char* move;       // squares the player moves
  const char* chance;     // the probability the pages quote
};

constexpr Outcome kOutcomes[5] = {
    {1402, "ｱ表", "表", 7, "ア", "1ます", "0.47"},  {2744, "ｲ裏", "裏", 3, "イ", "0ます", "0.45"},
    {2899, "ｳ横", "横", 5, "ウ", "5ます", "0.05"},  {2998, "ｴ上", "上", 9, "エ", "10ます", "0.03"},
    {3000, "ｵ下", "下", 0, "オ", "20ます", "0.00"},
};

const Outcome& OutcomeAt(int k) {
  if (k < 1 || k > 5) throw RuntimeError{kErrorIllegalCall};
  return kOutcomes[k - 1];
}

// A piece is a pentagon A-B-C-D-E on a grid of 40-unit cells (v upwards). Each
// vertex is a fixed grid point or a step from an earlier vertex: a length in cells
// at an angle in degrees, anticlockwise from the rightward direction.
enum VertexName { kA, kB, kC, kD };

struct Vertex {
  int from;        // the earlier vertex the step starts at; -1 for the fixed point
  float u, v;      // the fixed point
  float length, degrees;
};

constexpr Vertex GridAt(float u, float v) { return {-1, u, v, 0, 0}; }
constexpr Vertex StepFrom(int from, float length, float degrees) { return {from, 0, 0, length, degrees}; }

struct PieceShape {
  Vertex vertex[5];
  float captionU, captionV;  // top-left corner of the caption
};

constexpr PieceShape kPieceShapes[5] = {
    {{GridAt(0.5f, 0), StepFrom(kA, 3, 10), StepFrom(kB, 3, 110), StepFrom(kC, 1, 170), StepFrom(kA, 3, 90)},
     1.2f, 2.5f},
    {{GridAt(0.5f, 0.5f), StepFrom(kA, 3, -10), StepFrom(kB, 3, 90), StepFrom(kC, 1, 150), StepFrom(kA, 3, 70)},
     1.7f, 2.5f},
    {{GridAt(0.5f, 0), GridAt(3.5f, 0), StepFrom(kB, 3, 100), StepFrom(kC, 3, 200), StepFrom(kD, 1, 260)},
     1.5f, 1.7f},
    {{GridAt(0.5f, 0), GridAt(3.5f, 0), StepFrom(kB, 3, 100), StepFrom(kC, 1, 160), StepFrom(kA, 3, 80)},
     1.5f, 2},
    {{GridAt(1, 0), GridAt(2, 0), StepFrom(kB, 3, 60), StepFrom(kC, 3, 160), StepFrom(kD, 3, 260)}, 1, 2},
};

constexpr float kPi = 3.14159f;

// Page 4: the answer table of two coins thrown 3000 times.
struct CoinRow {
  const char* name;
  const char* count;
  const char* share;
};

constexpr CoinRow kCoinRows[4] = {
    {"回数", "3000", "相対度数"},
    {"2枚とも表", "747", "0.249"},
    {"1枚は表で1枚は裏", "1509", "0.503"},
    {"2枚とも裏", "744", "0.248"},
};
constexpr float kCoinColumnX[4] = {40, 364, 544, 724};  // column edges
constexpr float kCoinRowY[4] = {90, 140, 190, 240};     // row tops

// --- experiment ---------------------------------------------------------------------

// The graph: n = 3000 lies 1000 units right of the origin, a relative frequency
// of 1 lies 200 units above it.
constexpr float kGraphLeft = 135, kGraphRight = 1135, kGraphBottom = 594, kGraphTop = 394;
constexpr const char* kFrequencyLabels[4] = {"0.25", "0.50", "0.75", "1.00"};

// The table: rows 50 high from y = 30; row 1 is n, rows 2 to 6 the outcomes.
constexpr const char* kCountRowLabels[6] = {"回数", "ｱ表", "ｲ裏", "ｳ横", "ｴ上", "ｵ下"};

float TableRowTop(int j) { return -20 + 50.0f * j; }

int RowColour(int j) { return j == 1 ? 0 : OutcomeAt(j - 1).colour; }


}  // namespace

int OutcomeOf(float r) {
  for (int k = 1; k < 5; ++k) {
    if (r <= OutcomeAt(k).lastDraw) return k;
  }
  return 5;
}

int DrawOutcome(State& s) { return OutcomeOf(std::floor(s.Rng.Rnd() * 3000) + 1); }

void RecordThrow(State& s, int k) {
  CountThrow(s, k);
  RefreshThrowTexts(s);
}

void CountThrow(State& s, int k) {
  s.LastOutcome = k;
  s.WorkValues(k + 1) += 1;
  float n = 0;
  for (int i = 1; i <= 5; ++i) n += s.WorkValues(i + 1);
  s.WorkValues(1) = n;
  s.DataValues(1) = n;
  for (int i = 1; i <= 5; ++i) {
    const float percent = 100 * s.WorkValues(i + 1) / n;
    s.DataValues(i + 1) = percent;
    s.DataValues(11 + i) = RoundHalfUp(percent) / 100;
  }
}

void RefreshThrowTexts(State& s) {
  RefreshDataTexts(s);
  // The number texts drop the zero before the point; the table shows "0.47".
  for (int i = 12; i <= 16; ++i) {
    if (s.DataTexts(i).starts_with('.')) s.DataTexts(i) = "0" + s.DataTexts(i);
  }
}

void ThrowPiece(State& s) { RecordThrow(s, DrawOutcome(s)); }

void ClearExperiment(State& s) {
  for (int i = 0; i <= 20; ++i) {
    s.WorkValues(i) = 0;
    s.DataValues(i) = 0;
    s.WorkTexts(i) = "";
    s.DataTexts(i) = "";
    s.AxisTextX(i) = "";
    s.PointX(i) = 0;
    s.PointY(i) = 0;
    s.AnchorY(i) = 0;
  }
  s.LastOutcome = 0;
}

void ShowThrowFigure(State& s) {
  s.GraphLeft = 800;
  s.GraphTop = 100;
  DrawPieceFigure(s, s.LastOutcome);
  Wait(s);
}

void PlotThrow(State& s) {
  const float x = kGraphLeft + s.WorkValues(1) / 3;
  for (int k = 1; k <= 5; ++k) Circle(s, x, kGraphBottom - 2 * s.DataValues(k + 1), 1, OutcomeAt(k).colour);
}

void DrawCountTable(State& s) {
  for (int j = 1; j <= 6; ++j) s.AxisTextX(j) = kCountRowLabels[j - 1];
  for (int j = 1; j <= 6; ++j) {
    const CellStyle style{4, 13, RowColour(j)};
    MarkupCell(s, 40, TableRowTop(j), 80, 50, s.AxisTextX(j), style);
    MarkupCell(s, s.TextX, TableRowTop(j), 160, 50, s.WorkTexts(j), style);
  }
}

void DrawFrequencyColumn(State& s) {
  MarkupCell(s, 280, 30, 200, 50, "相対度数", {4, 13, 0});
  for (int j = 2; j <= 6; ++j) MarkupCell(s, 280, TableRowTop(j), 200, 50, s.DataTexts(10 + j), {4, 13, RowColour(j)});
}

void DrawFrequencyAxes(State& s) {
  Box(s, kGraphLeft, 544, kGraphRight, 494, 0, kDashed);
  Box(s, kGraphLeft, 444, kGraphRight, 394, 0, kDashed);
  s.AnchorY(4) = kGraphTop;

  const float x100 = kGraphLeft + 33.3333f;
  Line(s, x100, kGraphBottom, x100, kGraphTop, 0, kLineSegment, std::nullopt, kDashed);
  for (int j = 1; j <= 6; ++j) {
    const float x = kGraphLeft + 166.667f * j;
    Line(s, x, kGraphBottom, x, kGraphTop, 0, kLineSegment, std::nullopt, kDashed);
  }
  Box(s, kGraphLeft, kGraphBottom, kGraphRight, kGraphTop, 0);

  DrawMarkupAt(s, 0, 108, kGraphBottom, "0");
  for (int j = 1; j <= 4; ++j) DrawMarkupAt(s, 0, 27, kGraphBottom - 50.0f * j - 22, kFrequencyLabels[j - 1]);
  for (int j = 1; j <= 6; ++j) {
    const float x = kGraphLeft + 166.667f * j;
    DrawMarkupAt(s, 0, x - (j == 1 ? 54 : 81), kGraphBottom, NumberText(500.0f * j));  // the leading blank stays
  }
  DrawMarkupAt(s, 3, x100 - 27, kGraphBottom, "100");
}

// --- figures ----------------------------------------------------------------------

void DrawPieceFigure(State& s, int k) {
  const Outcome& outcome = OutcomeAt(k);  // checks k
  const PieceShape& shape = kPieceShapes[k - 1];
  s.GridCell = 40;
  s.GraphColumns = 4;
  s.GraphRows = 4;
  SetGridOrigin(s);

  Point grid[5];
  for (int i = 0; i < 5; ++i) {
    const Vertex& v = shape.vertex[i];
    if (v.from < 0) {
      grid[i] = {v.u, v.v};
    } else {
      const float angle = v.degrees * kPi / 180;
      grid[i] = {grid[v.from].x + v.length * std::cos(angle), grid[v.from].y + v.length * std::sin(angle)};
    }
  }
  auto screen = [&s](Point g) { return Point{s.GraphOriginX + s.GridCell * g.x, s.GraphOriginY - s.GridCell * g.y}; };

  SetDrawWidth(s, 5);
  Connect(s, {screen(grid[0]), screen(grid[1]), screen(grid[2]), screen(grid[3]), screen(grid[4]), screen(grid[0])}, 0,
          11);
  const Point caption = screen({shape.captionU, shape.captionV});
  DrawMarkupAt(s, 0, caption.x, caption.y, outcome.caption);
}

void DrawBoardFigure(State& s) {
  s.GridCell = 30;
  s.GraphColumns = 9;
  s.GraphRows = 9;
  SetGridOrigin(s);
  auto screen = [&s](float u, float v) { return Point{s.GraphOriginX + s.GridCell * u, s.GraphOriginY - s.GridCell * v}; };

  const Point topLeft = screen(0, 9), bottomRight = screen(9, 0);
  FilledBox(s, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, 13, 13);
  SetDrawWidth(s, 5);
  for (int i = 0; i <= 9; ++i) {
    Line(s, screen(i, 0).x, bottomRight.y, screen(i, 0).x, topLeft.y, 0);
    Line(s, topLeft.x, screen(0, i).y, bottomRight.x, screen(0, i).y, 0);
  }

  // Each player starts in a corner and goes round the edge.
  FilledBox(s, topLeft.x, topLeft.y, topLeft.x + 30, topLeft.y + 30, 0, 7);
  FilledBox(s, bottomRight.x, bottomRight.y, bottomRight.x - 30, bottomRight.y - 30, 0, 5);
  DrawArrow(s, screen(0.5f, 8), screen(0.5f, 1.5f), 7);
  DrawArrow(s, screen(8.5f, 1), screen(8.5f, 7.5f), 5);
}

void DrawArrow(State& s, Point start, Point end, int colour) {
  const float dx = end.x - start.x, dy = end.y - start.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  Line(s, start.x, start.y, end.x, end.y, colour);
  if (length == 0) return;  // no direction: no head
  const Point d{dx / length, dy / length};
  const Point p{-d.y, d.x};
  Line(s, end.x - 16 * d.x + 8 * p.x, end.y - 16 * d.y + 8 * p.y, end.x, end.y, colour);
  Line(s, end.x - 16 * d.x - 8 * p.x, end.y - 16 * d.y - 8 * p.y, end.x, end.y, colour);
}

// --- pages ------------------------------------------------------------------------

namespace {

void PieceAt(State& s, int k, float left, float top) {
  s.GraphLeft = left;
  s.GraphTop = top;
  DrawPieceFigure(s, k);
}

// A piece with its letter and move written under it.
void PieceWithMove(Page& p, int k, float left, float top) {
  PieceAt(p.s, k, left, top);
  p.At(3, left, top + 160, OutcomeAt(k).letter);
  p.Then(7, OutcomeAt(k).move);
}

// One throw as the first runs show it: the piece, the table, the dots.
void ThrowWithFigure(State& s) {
  EraseBox(s, 800, 100, 160, 160);
  ThrowPiece(s);
  ShowThrowFigure(s);
  DrawCountTable(s);
  DrawFrequencyColumn(s);
  PlotThrow(s);
}

// One throw with the table but no figure and no wait.
void ThrowWithTable(State& s) {
  EraseBox(s, 800, 100, 160, 160);
  ThrowPiece(s);
  DrawCountTable(s);
  DrawFrequencyColumn(s);
  PlotThrow(s);
}

// Many throws, only the dots shown; the table catches up at the end, and so
// do the texts it shows (hundreds of number texts a throw that no one reads).
void ThrowBatch(State& s, int throws) {
  for (int i = 0; i < throws; ++i) {
    CountThrow(s, DrawOutcome(s));
    PlotThrow(s);
  }
  RefreshThrowTexts(s);
  DrawCountTable(s);
  DrawFrequencyColumn(s);
}

void CoinCell(State& s, int column, int row, std::string_view text, int colour) {
  const int fill = row == 0 || column == 0 ? 13 : 15;
  const float width = kCoinColumnX[column + 1] - kCoinColumnX[column];
  MarkupCell(s, kCoinColumnX[column], kCoinRowY[row], width, 50, text, {3, fill, colour});
}

// Page 1 "①P233": the board game whose moves depend on how the piece lands.
void Page1(Page& p) {
  p.At(7, 30, 20, "教科書P233 ");
  p.Then(3, "まわり将棋のルール");
  p.s.GraphLeft = 880;
  p.s.GraphTop = 20;
  DrawBoardFigure(p.s);
  p.Pause();

  p.At(7, 30, 70, "①");
  p.Then(0, "将棋盤のかどのますに、自分の駒を置く");
  p.Pause();

  p.At(7, 30, 120, "②");
  p.Then(0, "別の駒を1枚投げ、次のますの数だけ駒を進める");
  PieceWithMove(p, 1, 40, 170);
  p.Pause();

  PieceWithMove(p, 2, 200, 170);
  p.Pause();

  PieceWithMove(p, 3, 360, 170);
  p.Pause();

  PieceWithMove(p, 4, 520, 170);
  p.Pause();

  PieceWithMove(p, 5, 710, 170);
  p.Pause();

  p.At(7, 30, 380, "③");
  p.Then(0, "先に外周を1周進んだ方が勝ち");
  p.Pause();

  p.At(7, 30, 450, "Q");
  p.Then(3, "ア～オ のうち、もっとも出やすいのはどれだろう?");
  p.Pause();

  p.At(3, 66, 500, "確かめるにはどうすればよいだろう。");
  p.Pause();

  p.At(5, 66, 550, "実験してみよう！");
}

// Page 2 "②確率の意味": 3000 throws; the scatter of the relative frequencies
// shrinks and each settles near its probability.
void Page2(Page& p) {
  State& s = p.s;
  ClearExperiment(s);
  p.At(3, 600, 20, "将棋の駒の実験");
  DrawCountTable(s);
  DrawFrequencyAxes(s);
  DrawFrequencyColumn(s);

  Box(s, 700, 80, 1180, 280, 5);
  p.At(3, 720, 100, "将棋の駒を1枚を投げて、");
  p.At(3, 720, 150, "その出かたを調べます。");
  p.At(3, 720, 200, "何かキーを押して下さい。");
  p.Pause();

  FilledBox(s, 700, 80, 1180, 280, 15, 15);
  DrawFrequencyAxes(s);
  for (int i = 0; i < 10; ++i) {  // run 1: throw by throw
    ThrowWithFigure(s);
    p.Pause();
  }

  for (int i = 0; i < 40; ++i) ThrowWithFigure(s);
  p.Pause();

  for (int i = 0; i < 50; ++i) ThrowWithTable(s);
  p.Pause();

  for (int batch = 0; batch < 9; ++batch) {
    ThrowBatch(s, 100);
    p.Pause();
  }

  for (int batch = 0; batch < 4; ++batch) {
    ThrowBatch(s, 500);
    p.Pause();
  }

  p.Pause();

  // The graph stays; the title, the table and the figure make room for the reading.
  EraseBox(s, 0, 0, 1600, 364);
  p.At(3, 30, 20, "紫色のグラフで、相対度数のばらつきは？また、どんな値に近づく？");
  p.Pause();

  p.At(0, 30, 70, "①投げた回数が少ないと、");
  p.Then(3, "ばらつきは大きい");
  p.Then(0, "が、回数が多くなると");
  p.Then(3, "小さく");
  p.Then(0, "なる。");
  p.Pause();

  p.At(0, 30, 120, "②投げた回数が多くなるにつれて、相対度数は");
  p.Then(3, "0.47");
  p.Then(0, "に近い値になる。");
  p.Pause();

  p.At(5, 30, 170, "確率");
  p.Then(7, "…あることがらが起こると期待される程度を表す数");
  p.At(3, 30, 220, "アである確率は、");
  p.Then(5, "0.47");
  p.Pause();

  p.At(0, s.LineEndX + 40, s.LineY, "P235 問1をやろう");
  p.Pause();

  p.At(3, 30, 280, "イ");
  p.Then(5, "0.45");
  p.Then(0, "(0.4473…)");
  p.Pause();

  p.At(3, s.LineEndX + 30, s.LineY, "ウ");
  p.Then(5, "0.05");
  p.Then(0, "(0.0516…)");
  p.Pause();

  p.At(3, s.LineEndX + 30, s.LineY, "エ");
  p.Then(5, "0.03");
  p.Then(0, "(0.033)");
  p.Pause();

  p.At(7, 146, 330, "多数回の実験での");
  p.Then(5, "相対度数");
  p.Then(7, "は、");
  p.Then(5, "確率");
  p.Then(7, "にかぎりなく近づく。");
}

// Page 3 "③話しあおう": fairer moves from the probabilities.
void Page3(Page& p) {
  p.At(7, 30, 20, "教科書P235 ");
  p.Then(3, "すすむますの数を見なおそう");
  PieceWithMove(p, 1, 120, 90);
  PieceWithMove(p, 2, 280, 90);
  PieceWithMove(p, 3, 440, 90);
  PieceWithMove(p, 4, 600, 90);
  PieceWithMove(p, 5, 790, 90);
  p.At(7, 30, 300, "確率");
  p.At(0, 120, 300, OutcomeAt(1).chance);
  p.At(0, 280, 300, OutcomeAt(2).chance);
  p.At(0, 440, 300, OutcomeAt(3).chance);
  p.At(0, 600, 300, OutcomeAt(4).chance);
  p.At(0, 790, 300, OutcomeAt(5).chance);
  p.Pause();

  p.At(3, 30, 350, "ア,イ");
  p.Then(0, "…そのまま");
  p.Pause();

  p.At(3, 30, 400, "ウ");
  p.Then(0, "…0.47/0.05=9.4 だから ");
  p.Pause();

  p.Then(5, "9ます");
  p.Pause();

  p.At(3, 30, 450, "エ");
  p.Then(0, "…0.47/0.03=15.6… だから ");
  p.Pause();

  p.Then(5, "16ます");
  p.Pause();

  p.At(3, 30, 500, "オ");
  p.Then(0, "…ほとんど出ないから ");
  p.Pause();

  p.Then(5, "81ます(勝ち)");
  p.Pause();

  p.At(7, 30, 570, "教科書P235 問2をやろう");
}

// Page 4 "④問２": two coins; the relative frequencies give the probabilities.
void Page4(Page& p) {
  State& s = p.s;
  p.At(3, 38, 30, "P235 問2解答 ");
  for (int row = 0; row < 4; ++row) {
    CoinCell(s, 0, row, kCoinRows[row].name, 0);
    CoinCell(s, 1, row, kCoinRows[row].count, 0);
  }
  p.Pause();

  p.At(0, 38, 310, "投げた回数3000回の相対度数を求めると、");
  p.Pause();

  CoinCell(s, 2, 0, kCoinRows[0].share, 5);
  p.Pause();

  CoinCell(s, 2, 1, kCoinRows[1].share, 5);
  p.Pause();

  CoinCell(s, 2, 2, kCoinRows[2].share, 5);
  p.Pause();

  CoinCell(s, 2, 3, kCoinRows[3].share, 5);
  p.Pause();

  p.Then(0, "表のようになる。");
  p.At(0, 38, 370, "したがって、");
  p.Pause();

  p.Then(3, "アとなる確率が0.25、イとなる確率が0.50、");
  p.At(3, 38, 430, "ウとなる確率が0.25と考えられ、イとなる場合が最も出やすい。");
}

}  // namespace

std::vector<PageEntry> Section3Pages() { return {{&Page1}, {&Page2}, {&Page3}, {&Page4}}; }

}  // namespace mebuki::unit2
