// The engine state: one plain, copyable value that every routine receives by
// reference as its first argument. A test builds a fresh one over a recording
// host; a page can be snapshotted by copying it.
//
// Callers set the fields a routine reads before calling it; routines return their
// results in fields. Every number is a single-precision float.
#pragma once

#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/numbers.h"
#include "platform/ops.h"

namespace mebuki {

// A run-time error of the engine. Every one ends on the error screen.
struct RuntimeError {
  int code;  // kind of error (codes below)
};

inline constexpr int kErrorIndexOutOfRange = 9;
inline constexpr int kErrorDivisionByZero = 11;
inline constexpr int kErrorIllegalCall = 5;

// What the program waits for when it reads keys; the walk through every page
// answers by it.
enum Waiting { kWaitingForNothing, kWaitingAtMainMenu, kWaitingAtSubMenu, kWaitingAtNextStep, kWaitingAtPause };

// A place on the screen that a click or touch can choose, as if its number
// and Enter had been typed.
struct ClickTarget {
  float x0, y0, x1, y1;
  int number;
};

// A table of size N holds indices 0 to N; any other index is a run-time error.
template <class T>
class Table {
 public:
  explicit Table(int size = 0) : items_(static_cast<size_t>(size) + 1) {}
  T& operator()(int i) { return items_[Check(i)]; }
  const T& operator()(int i) const { return items_[Check(i)]; }
  int Size() const { return static_cast<int>(items_.size()) - 1; }
  void Clear() { items_.assign(items_.size(), T{}); }

 private:
  size_t Check(int i) const {
    if (i < 0 || i >= static_cast<int>(items_.size())) throw RuntimeError{kErrorIndexOutOfRange};
    return static_cast<size_t>(i);
  }
  std::vector<T> items_;
};

struct State {
  Host* host = nullptr;  // where everything is drawn and keys come from
  int Program = 1;       // 1 for mebuki1, 2 for mebuki2 (graph frames differ)

  // Drawing state ---------------------------------------------------------------
  float TextX = 0, TextY = 0;     // top-left of the next text; text routines leave TextX after it
  int TextColour = 4;             // palette index of text
  std::string TextLine;           // the text a text routine draws (consumed)
  float EntryBoxX = 1056;         // anchor of the number entry
  float EntryBoxY = 648;
  std::string EntryText;          // result of ReadNumber: the characters typed
  float EntryValue = 0;           // result of ReadNumber: their value
  std::string LastKey;            // last key read by a wait loop
  std::string ProgramTitle;       // "Mebuki1" or "Mebuki2"
  FontSpec Font;                  // face, size, bold, italic of later text
  float PenWidth = 3;             // pen of later strokes
  int Location = 0;               // where the run is: 100 x section + page, 0 at menus
  int WaitingFor = kWaitingForNothing;  // set by the shell before it reads keys
  int ChoiceCount = 0;            // entries of the menu waited at
  std::vector<ClickTarget> ClickTargets;  // menu entries a click chooses, while a menu waits

  // Stepping back through a page ----------------------------------------------------
  int PauseCount = 0;                      // pauses reached on the current page
  std::vector<std::string> PageKeys;       // keys read on the current page, in order
  std::vector<size_t> KeysBeforePause;     // PageKeys read before each pause began to wait
  std::vector<std::string> ReplayKeys;     // keys to answer at once while the page is drawn again

  // Typesetting state (changed only by the text routines) ----------------------------
  int ExponentPending = 0;        // next glyph is an exponent
  int RaisedPending = 0;          // next glyph is small and raised
  int OverlineMode = 0;           // 0 none, 1 short radical, 11 short radical in a fraction, 22 tall radical
  float OverlineStartX = 0;       // where the current overline begins
  int InFraction = 0;             // 1 while a numerator or denominator is measured or drawn
  int Measuring = 0;              // > 0 while text is measured: nothing reaches the host

  // Shared tables ------------------------------------------------------------------------
  Table<float> DataValues{80};        // data list of the current page
  Table<std::string> DataTexts{80};   // texts of DataValues (RefreshDataTexts)
  Table<float> WorkValues{60};        // further lesson values
  Table<std::string> WorkTexts{60};   // texts of WorkValues
  Table<float> PointX{50}, PointY{50};            // figure points, column edges, row tops, frequencies
  Table<float> AnchorX{40}, AnchorY{40};          // top-left places of tables and figures
  Table<std::string> AxisTextX{40}, AxisTextY{40};  // axis captions (0) and labels (1..n)
  Table<float> Summary{10};           // five-number summary (1-5) and mean (6)
  Table<float> DataSetA{50}, DataSetB{50};  // experiment data (ア), (イ)
  Table<float> DataSetC{30};                // experiment data (ウ)
  float DataCount = 0;                // length of the list in DataValues
  float DataSetACount = 0, DataSetBCount = 0, DataSetCCount = 0;

  // Table-cell parameters ------------------------------------------------------------------
  float CellWidth = 0, CellHeight = 0;
  int CellBorderColour = 0, CellFillColour = 15;
  std::string CellText;                       // DrawTableCell, DrawMarkupCell
  std::string CellTextTop, CellTextBottom;    // DrawTableCell2

  // Graph parameters -------------------------------------------------------------------------
  float GraphLeft = 0, GraphTop = 0;          // top-left of the grid
  float GraphColumns = 0, GraphRows = 0;
  float ColumnWidth = 0, RowHeight = 0;
  float RowUnit = 0;                          // counts per grid row; 0 means one
  int ChartColour = 3;                        // bars and polygon lines
  float RangeFirst = 0, RangeLast = 0;        // columns of polygons and centred bars; both 0: all
  std::string OriginLabel = "0";              // unit 2: label at the origin, back to "0" after each frame
  float GridCell = 0;                         // cell of a figure grid (SetGridOrigin)
  float ClassStart = 0, ClassWidth = 0, LastClassStart = 0;  // CountClasses
  float LabelStart = 0, LabelEnd = 0;

  // Graph results (set by DrawGraphFrame, SetGridOrigin) ---------------------------------------
  float GraphOriginX = 0, GraphOriginY = 0;   // bottom-left corner of the grid
  float GraphScaleY = 0;                      // units per count

  // Dimension-mark parameters ------------------------------------------------------------------
  float ArcStartX = 0, ArcStartY = 0, ArcEndX = 0, ArcEndY = 0;
  float ArcSide = -1;                          // -1 left of P1->P2 on screen, +1 right
  float ArcStep = 10;                          // degrees between dots
  float ArcBulge = 0;                          // 0 straight, 1-15 times 16 units
  int ArcDotColour = 0;
  std::string ArcLabel;

  // Page-script cursor --------------------------------------------------------------------------
  float PageMargin = 0, PageIndent = 0;       // left margin and indented margin
  float LineY = 0;                            // top of the line last drawn
  float LineEndX = 0;                         // x just after the text last drawn

  // Probability experiment ----------------------------------------------------------------------
  int LastOutcome = 0;                        // outcome of the latest throw

  // Random generator (seeded at start-up) ----------------------------------------------------------
  Random Rng;
};

}  // namespace mebuki
