// Internal to typeset/: the scope in which a text routine lays text out only to
// learn its width (MeasureMarkupText, MeasurePlainText).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "shell/state.h"

namespace mebuki::typeset_detail {

// Lays text out below the page, at (0, 1800), with s.Measuring raised so that no
// operation reaches the host (shell/draw.h). On leaving it puts back the caller's
// TextX, TextY and TextLine and lowers s.Measuring. Every other field (font,
// typesetting flags) keeps what the layout did to it, as drawing would.
class MeasureScope {
 public:
  MeasureScope(State& s, std::string_view text) : s_(s), x_(s.TextX), y_(s.TextY) {
    std::string laidOut(text);  // copied first: text may view the caller's TextLine
    line_ = std::exchange(s_.TextLine, std::move(laidOut));
    ++s_.Measuring;
    s_.TextX = 0;
    s_.TextY = 1800;
  }
  ~MeasureScope() {
    --s_.Measuring;
    s_.TextX = x_;
    s_.TextY = y_;
    s_.TextLine = std::move(line_);
  }
  MeasureScope(const MeasureScope&) = delete;
  MeasureScope& operator=(const MeasureScope&) = delete;

 private:
  State& s_;
  float x_, y_;
  std::string line_;
};

}  // namespace mebuki::typeset_detail
