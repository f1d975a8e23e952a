// Section 1 "導入、範囲": the confetti story, the two squares and their 50 flight
// times, and the range.
#include "charts/charts.h"
#include "shell/page.h"
#include "unit1/data.h"
#include "unit1/sections.h"
#include "unit1/tables.h"

namespace mebuki::unit1 {

namespace {

// Page 1, "P214": which paper falls slowest, and how to find out.
void P214Page(Page& p) {
  p.Start(30, 66, 20);
  p.At(7, 30, 20, "P214 "); p.Then(3, "ゆっくり落ちる紙の形や大きさは?");
  p.M(0, 50, "3年生を送る会で、紙ふぶきを降らせます。そこで、1枚1枚が");
  p.M(0, 50, "できるだけゆっくり落ちる紙ふぶきをつくります。");
  p.Pause();

  p.M(7, 60, "① "); p.Then(0, "どんな形や大きさの紙が、滞空時間がより長くなりますか?");
  p.Pause();

  p.I(3, 50, "正方形、長方形、三角形、台形、円…");
  p.Pause();

  p.I(3, 50, "できるだけ小さい紙、できるだけ大きい紙…");
  p.Pause();

  p.M(7, 60, "② "); p.Then(0, "それを調べるには、どうすればよいですか?");
  p.Pause();

  p.I(3, 50, "実験して、結果を比べる。");
  p.Pause();

  p.M(5, 70, "まず、紙の大きさを調べる実験をし、結果を考察しよう。 ");
  p.M(5, 50, "次に、紙の形を調べる実験をし、結果を考察しよう。 ");
}

// Page 2, "P216": the experiment on size and its data in trial order.
void P216Page(Page& p) {
  State& s = p.s;
  p.Start(30, 57, 20);
  p.Pen(5);
  p.At(3, 30, 20, "紙の大きさを調べる実験をしよう");
  p.Pause();

  s.GraphLeft = 40; s.GraphTop = 80; s.GraphRows = 6; s.GridCell = 40;
  SetGridOrigin(s);
  DrawSquaresFigure(s);
  p.Pause();

  p.At(7, 30, s.GraphOriginY + 10, "2枚の正方形の紙の滞空時間");
  p.M(0, 50, "2mの高さから落とし、床に着く");
  p.M(0, 50, "までの時間をはかる実験を");
  p.M(0, 50, "50回行った。");
  p.Pause();

  // A visit to the range page leaves the lists sorted: show the trials again.
  LoadExperimentData(s);
  DrawDataList3(s, false);
  DrawDataList3(s, true);
  p.Pause();

  p.M(7, 60, "(ｱ)の表で、もっとも大きい値");
  p.M(7, 50, "と最も小さい値は?");
}

// Page 3, "範囲": minimum, maximum and range of both papers.
void RangePage(Page& p) {
  State& s = p.s;
  p.Start(30, 57, 20);
  p.Pen(5);
  p.At(7, 30, 20, "散らばりのようすを比べよう");
  p.Pause();

  p.M(3, 50, "最小値"); p.Then(0, "…最も小さい値");
  p.M(3, 50, "最大値"); p.Then(0, "…最も大きい値");
  p.Pause();

  p.M(5, 50, "範囲="); p.Then(3, "最大値-最小値");
  p.Pause();

  // Sorted, the minimum heads the first column and the maximum ends the list.
  SortExperimentData(s);
  DrawDataList3(s, false);
  DrawDataList3(s, true);
  p.Pause();

  p.M(7, 60, "例1"); p.Pause();
  p.Then(0, "(ｱ)の範囲を求めよう"); p.Pause();
  p.M(0, 50, "最大値は"); p.Pause();
  p.Then(3, "2.78,"); p.Pause();
  p.Then(0, "最小値は"); p.Pause();
  p.Then(3, "1.94 "); p.Pause();
  p.M(5, 50, "範囲は"); p.Pause();
  p.Then(0, "2.78-1.94="); p.Pause();
  p.Then(5, "0.84(秒)"); p.Pause();

  p.M(7, 60, "問1"); p.Pause();
  p.Then(0, "(ｲ)の範囲を求めよう"); p.Pause();
  p.M(0, 50, "最大値は"); p.Pause();
  p.Then(3, "3.04,"); p.Pause();
  p.Then(0, "最小値は"); p.Pause();
  p.Then(3, "2.36"); p.Pause();
  p.M(5, 50, "範囲は"); p.Pause();
  p.Then(0, "3.04-2.36="); p.Pause();
  p.Then(5, "0.68(秒)"); p.Pause();

  p.M(7, 60, "範囲を比べていえることは?");
  p.Pause();

  p.M(3, 50, "(ｲ)がちらばりが小さい");
}

}  // namespace

std::vector<PageEntry> Section1Pages() { return {{&P214Page}, {&P216Page}, {&RangePage}}; }

}  // namespace mebuki::unit1
