// Page scripts: a lesson page reads as a storyboard, one visible step a line.
//
// Places of a text item: At is absolute; M and I go d below the line last drawn,
// at the margin or the indent; Then continues the line where the last markup text
// ended. Only markup text items move the cursor (LineY, LineEndX): plain items
// and the captions of tables and graphs leave it where it was.
#pragma once

#include <string_view>

#include "shell/state.h"

namespace mebuki {

class Page {
 public:
  explicit Page(State& state) : s(state) {}

  // Margin, indent and the line the first M or I item counts from.
  void Start(float margin, float indent, float lineY);
  void Pen(float width);

  void At(int colour, float x, float y, std::string_view text);
  void M(int colour, float d, std::string_view text);
  void I(int colour, float d, std::string_view text);
  void Then(int colour, std::string_view text);
  // Plain text (tables' compact style) at (x, y); leaves the cursor alone.
  void Plain(int colour, float x, float y, std::string_view text);
  void Pause();

  State& s;
};

}  // namespace mebuki
