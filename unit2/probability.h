// The shogi-piece experiment of section 3: a piece thrown at random lands in one
// of five positions; the page keeps a running table of counts and relative
// frequencies and plots the five relative frequencies against the number of
// throws.
//
// Experiment state in the shared tables (k = 1 to 5 is the outcome):
//   WorkValues(1) = throws n, WorkValues(k + 1) = count of outcome k;
//   DataValues(1) = n, DataValues(k + 1) = 100 x count / n (plotted),
//   DataValues(11 + k) = the same ratio to two decimals (shown in the table);
//   WorkTexts, DataTexts = their texts; AxisTextX(1..6) = the row labels.
#pragma once

#include "shell/state.h"

namespace mebuki::unit2 {

// Outcome k (1 to 5) of a draw r = 1 to 3000.
int OutcomeOf(float r);
// One random draw r = INT(RND x 3000) + 1 turned into its outcome.
int DrawOutcome(State& s);
// Counts a throw with outcome k and brings the ratios and their texts up to date.
void RecordThrow(State& s, int k);
// RecordThrow in two halves: the counts and ratios, then their texts.
void CountThrow(State& s, int k);
void RefreshThrowTexts(State& s);
// One throw: DrawOutcome, then RecordThrow.
void ThrowPiece(State& s);
// Sets indices 0 to 20 of the experiment's tables to 0 or "", and LastOutcome to 0.
void ClearExperiment(State& s);

void ShowThrowFigure(State& s);      // figure of LastOutcome at (800,100), then WAIT
void PlotThrow(State& s);            // the five dots for the current n
void DrawCountTable(State& s);       // labels, n and counts
void DrawFrequencyColumn(State& s);  // relative frequencies
void DrawFrequencyAxes(State& s);    // frame, grid and labels of the graph

// A piece lying in position k in its 160 x 160 box at (GraphLeft, GraphTop).
// Leaves the pen width at 5.
void DrawPieceFigure(State& s, int k);
// The 9 x 9 board with both start corners and the direction of play, at
// (GraphLeft, GraphTop). Leaves the pen width at 5.
void DrawBoardFigure(State& s);
// A line from start to end with a two-stroke head at end.
void DrawArrow(State& s, Point start, Point end, int colour);

}  // namespace mebuki::unit2
