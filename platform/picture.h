// The picture on the screen, kept as the drawing operations that can still be
// seen, so that any host can draw it again (a resize, a new pixel density, a
// handout) and only what is new needs drawing after a flush. Pure C++: the
// Cairo canvas and the browser host keep their pictures with it.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/ops.h"

namespace mebuki {

inline constexpr int kLogicalWidth = 1440;
inline constexpr int kLogicalHeight = 900;

// Everything an operation can touch, in logical units.
struct LogicalBounds {
  float x0, y0, x1, y1;
  bool Inside(const LogicalBounds& o) const { return x0 >= o.x0 && y0 >= o.y0 && x1 <= o.x1 && y1 <= o.y1; }
};

// Everything a drawing operation can touch, in logical units (with room for
// the soft edges of anti-aliasing and the overhang of glyphs).
LogicalBounds InkBounds(const Op& op);

class Picture {
 public:
  // Keeps a drawing operation (waits, keys and clicks are not part of the
  // picture) and forgets every earlier operation that it hides.
  void Keep(const Op& op);

  // Every operation of the picture, oldest first: drawn in order onto a white
  // page they give the picture.
  const std::vector<Op>& Ops() const { return ops_; }
  size_t Size() const { return ops_.size(); }

  // Hands each operation not yet drawn to draw(op), oldest first, and counts
  // them as drawn.
  template <typename Draw>
  void DrawNew(Draw&& draw) {
    for (; drawn_ < ops_.size(); ++drawn_) draw(ops_[drawn_]);
    unchanged_ = ops_.size();
  }
  // The whole picture is on the pixels (after drawing it again from the start).
  void MarkAllDrawn() { drawn_ = unchanged_ = ops_.size(); }

  // How many operations, from the first, are on the pixels (the rest are new).
  size_t Drawn() const { return drawn_; }
  // How many operations, from the first, are the same as at the last DrawNew or
  // MarkAllDrawn: a host that keeps its own copy of the picture (the browser's
  // runtime) cuts its copy to these and appends the rest.
  size_t Unchanged() const { return unchanged_; }

 private:
  std::vector<Op> ops_;               // operations since the page was last wiped
  std::vector<LogicalBounds> bounds_;  // what each of them can touch, worked out once
  size_t drawn_ = 0;                   // how many of them, from the first, are on the pixels
  size_t unchanged_ = 0;               // how many of them, from the first, are as last handed over
};

}  // namespace mebuki
