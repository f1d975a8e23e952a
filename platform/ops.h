// The drawing operations of the host, as plain values.
//
// Conventions, stated once for the whole engine:
// - Coordinates are logical units: the picture is (0,0)-(1440,900), origin at the
//   top left, x to the right, y downwards. Drawing outside it is allowed and unseen.
// - Colours are palette indices 0-15 (platform/palette.h); 15 is the white page.
// - Pen widths are in logical units; every stroke has round caps and joins.
// - A filled box is filled with its fill colour and outlined with its colour.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mebuki {

struct Point {
  float x = 0;
  float y = 0;
};

enum LineMode { kLineSegment = 0, kLineBox = 1, kLineFilledBox = 2 };
enum LineStyle { kSolid = 0, kDashed = 2 };

struct LineOp {
  float x1, y1, x2, y2;  // absolute points
  int colour;
  int mode;              // LineMode
  int fill;              // equals colour where the caller gave none
  int style;             // LineStyle
  float pen;
};

struct CircleOp {
  float x, y, r;
  int colour;
  float pen;
};

struct ConnectOp {
  std::vector<Point> points;
  int colour;
  std::optional<int> fill;  // closed and filled when present
  float pen;
};

struct FontSpec {
  std::string face = "ｺﾞｼｯｸ";  // as the program names it
  float size = 16;
  bool bold = false;
  bool italic = false;
};

struct SymbolOp {
  float x, y;         // top-left of the first character cell
  std::string text;   // UTF-8
  float h, v;         // horizontal and vertical magnification
  int colour;
  FontSpec font;
};

struct ClsOp {};
struct WaitOp {};
struct KeyOp {
  std::string key;
};
struct ClickOp {
  float x, y;  // a left click or touch, in logical units
};

// A finished lesson page (or a section's goal page), as exports name it.
struct PageLabel {
  std::string program;   // "mebuki1"
  std::string section;   // the main-menu item, e.g. "2　度数分布表、ヒストグラム"
  std::string page;      // the sub-menu entry, e.g. "③ヒストグラム"; "めあて" for a goal page
  int sectionNumber = 0;
  int pageNumber = 0;    // 0 for a goal page
};

using Op = std::variant<LineOp, CircleOp, ConnectOp, SymbolOp, ClsOp, WaitOp, KeyOp, ClickOp>;

// One JSON object (without newline) for the trace.
std::string ToJson(const Op& op);

}  // namespace mebuki
