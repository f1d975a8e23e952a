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

  // Hands every operation of the picture to f, oldest first: drawn in order
  // onto a white page they give the picture.
  template <typename F>
  void ForEach(F&& f) const {
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (live_[i]) f(ops_[i]);
    }
  }
  size_t Size() const { return ops_.size() - hidden_; }

  // Hands each operation not yet drawn to draw(op), oldest first, and counts
  // them as drawn.
  template <typename Draw>
  void DrawNew(Draw&& draw) {
    for (; drawn_ < ops_.size(); ++drawn_) {
      if (live_[drawn_]) draw(ops_[drawn_]);
    }
  }
  // The whole picture is on the pixels (after drawing it again from the start).
  void MarkAllDrawn() { drawn_ = ops_.size(); }

  // For a host that keeps its own copy of the picture (the browser's runtime):
  // what changed since it last asked. forget(wiped, serials) says either that
  // the whole copy is gone (wiped) or which of the operations handed over
  // before are hidden now, by the serial number they were handed over with;
  // then take(serial, op) gets each operation not handed over yet, oldest
  // first. A copy that drops what it is told to and appends what it takes
  // equals the picture, at the cost of what changed, not of the whole picture.
  template <typename Forget, typename Take>
  void HandOver(Forget&& forget, Take&& take) {
    if (wiped_ || !forgotten_.empty()) forget(wiped_, forgotten_);
    for (; handedOver_ < ops_.size(); ++handedOver_) {
      if (live_[handedOver_]) take(serials_[handedOver_], ops_[handedOver_]);
    }
    wiped_ = false;
    forgotten_.clear();
  }

 private:
  // Hides the operation at i; the entries stay until there are many.
  void Hide(size_t i);
  // Drops the hidden entries once they outnumber the rest.
  void Compact();
  // The cell of the grid where bounds begin.
  static size_t GridCell(const LogicalBounds& b);
  static size_t GridColumn(float x);
  static size_t GridRow(float y);

  // Every operation since the page was last wiped, with what it can touch
  // (worked out once) and whether it can still be seen. A hidden operation
  // keeps its place until compaction, so that hiding one costs no moves.
  std::vector<Op> ops_;
  std::vector<LogicalBounds> bounds_;
  std::vector<unsigned long long> serials_;  // in order of keeping, never reused
  std::vector<unsigned char> live_;
  size_t hidden_ = 0;                         // entries not live
  size_t drawn_ = 0;                          // entries, from the first, on the pixels
  size_t handedOver_ = 0;                     // entries, from the first, handed to a copy
  unsigned long long nextSerial_ = 1;
  bool wiped_ = false;                        // since the last hand-over
  std::vector<unsigned long long> forgotten_;  // handed over, hidden since
  // The entries by the cell of a coarse grid where their bounds begin: a box
  // hides only what begins inside it (or a box of its own shape, which begins
  // just outside), so it looks at the cells under it, not at the whole
  // picture, however many thousands of dots the picture holds.
  static constexpr int kGridCell = 32;
  static constexpr size_t kGridColumns = kLogicalWidth / kGridCell + 1;
  static constexpr size_t kGridRows = kLogicalHeight / kGridCell + 1;
  std::vector<std::vector<size_t>> grid_ = std::vector<std::vector<size_t>>(kGridColumns * kGridRows);
};

}  // namespace mebuki
