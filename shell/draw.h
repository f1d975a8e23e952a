// The host operations as the engine calls them: with the pen and font of the
// state, and silent while text is being measured.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/state.h"

namespace mebuki {

inline void Line(State& s, float x1, float y1, float x2, float y2, int colour, int mode = kLineSegment,
                 std::optional<int> fill = std::nullopt, int style = kSolid) {
  if (s.Measuring > 0) return;
  s.host->Line(LineOp{x1, y1, x2, y2, colour, mode, fill.value_or(colour), style, s.PenWidth});
}

inline void Box(State& s, float x1, float y1, float x2, float y2, int colour, int style = kSolid) {
  Line(s, x1, y1, x2, y2, colour, kLineBox, std::nullopt, style);
}

inline void FilledBox(State& s, float x1, float y1, float x2, float y2, int border, int fill) {
  Line(s, x1, y1, x2, y2, border, kLineFilledBox, fill);
}

// White filled box from (x, y), w wide and h high: erases.
inline void EraseBox(State& s, float x, float y, float w, float h) {
  FilledBox(s, x, y, x + w, y + h, 15, 15);
}

inline void Circle(State& s, float x, float y, float r, int colour) {
  if (s.Measuring > 0) return;
  s.host->Circle(CircleOp{x, y, r, colour, s.PenWidth});
}

inline void Connect(State& s, std::vector<Point> points, int colour, std::optional<int> fill = std::nullopt) {
  if (s.Measuring > 0) return;
  s.host->Connect(ConnectOp{std::move(points), colour, fill, s.PenWidth});
}

inline void Symbol(State& s, float x, float y, std::string_view text, float h, float v, int colour) {
  if (s.Measuring > 0) return;
  s.host->Symbol(SymbolOp{x, y, std::string(text), h, v, colour, s.Font});
}

inline void Cls(State& s) {
  if (s.Measuring > 0) return;
  s.host->Cls();
}

inline void SetFontName(State& s, std::string_view face) { s.Font.face = std::string(face); }
inline void SetFontSize(State& s, float size) { s.Font.size = size; }
inline void SetFontBold(State& s, bool on) { s.Font.bold = on; }
inline void SetFontItalic(State& s, bool on) { s.Font.italic = on; }
inline void SetDrawWidth(State& s, float w) { s.PenWidth = w; }
inline float GetDrawWidth(const State& s) { return s.PenWidth; }

// While a page is drawn again up to an earlier pause, the keys read the first
// time are answered at once and nothing waits.
inline bool Replaying(const State& s) { return !s.ReplayKeys.empty(); }

inline std::string Inkey(State& s) {
  std::string key;
  if (Replaying(s)) {
    key = s.ReplayKeys.front();
    s.ReplayKeys.erase(s.ReplayKeys.begin());
  } else {
    key = s.host->Inkey();
  }
  if (!key.empty() && s.Location % 100 != 0) s.PageKeys.push_back(key);  // on a page
  return key;
}

inline void Wait(State& s) {
  if (!Replaying(s)) s.host->Wait();
}

// Restores the pen width when it leaves scope.
class PenGuard {
 public:
  explicit PenGuard(State& s) : s_(s), saved_(s.PenWidth) {}
  ~PenGuard() { s_.PenWidth = saved_; }
  PenGuard(const PenGuard&) = delete;
  PenGuard& operator=(const PenGuard&) = delete;

 private:
  State& s_;
  float saved_;
};

// Restores the text colour when it leaves scope.
class ColourGuard {
 public:
  explicit ColourGuard(State& s) : s_(s), saved_(s.TextColour) {}
  ~ColourGuard() { s_.TextColour = saved_; }
  ColourGuard(const ColourGuard&) = delete;
  ColourGuard& operator=(const ColourGuard&) = delete;

 private:
  State& s_;
  int saved_;
};

}  // namespace mebuki
