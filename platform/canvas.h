// The Cairo canvas behind every host that shows pictures: it draws the host
// operations at a device scale (so text and lines stay crisp at any size) and
// keeps the operations of the current picture, so that a resize can draw the
// picture again at the new size.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ops.h"
#include "platform/picture.h"

namespace mebuki {

struct DeviceRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // half-open
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
  long Area() const { return Empty() ? 0 : static_cast<long>(x1 - x0) * (y1 - y0); }
};

// The device area changed since it was last shown, as a few rectangles: the
// table, the figure and the graph of a step go to the window as three small
// copies rather than one that spans the screen.
class DirtyArea {
 public:
  static constexpr int kMaxRects = 8;
  // Rectangles this close (device pixels) are shown as one.
  static constexpr int kJoin = 32;

  void Add(const DeviceRect& r);
  void Clear() { rects_.clear(); }
  bool Empty() const { return rects_.empty(); }
  // The rectangles, disjoint, clipped to width x height.
  std::vector<DeviceRect> Clipped(int width, int height) const;
  // One rectangle around them all.
  DeviceRect Bounds() const;

 private:
  std::vector<DeviceRect> rects_;
};

class Canvas {
 public:
  // A device surface of width x height pixels; the logical picture is scaled
  // uniformly to fit and centred, the margins white.
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void Resize(int width, int height);
  // Keeps an operation of the picture; it reaches the pixels at the next
  // Flush, unless a later operation hides it first.
  void Draw(const Op& op);
  // Draws every operation kept since the last flush.
  void Flush();

  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  double Scale() const { return scale_; }
  // The logical point under a device pixel.
  Point ToLogical(double x, double y) const {
    return {static_cast<float>((x - offsetX_) / scale_), static_cast<float>((y - offsetY_) / scale_)};
  }
  // A small disc (a plotted dot) is drawn from a mask rendered once per
  // radius and quarter-pixel offset, rather than as a path of its own: a
  // graph of thousands of dots then costs a copy of a few pixels per dot.
  static constexpr double kSpriteMaxRadius = 24;  // device pixels
  static constexpr int kSpriteSteps = 4;          // offsets per pixel, each way
  // Operations kept to draw the picture again.
  size_t PictureSize() const { return picture_.Size(); }
  // Device area changed since the last call, clipped to the surface (flushes):
  // a few rectangles that do not overlap.
  std::vector<DeviceRect> TakeDirty();
  // Draws the current picture onto another Cairo context (a PDF page, say),
  // whose user space is already in logical units at the given device scale.
  void ReplayOnto(cairo_t* target, double scale);
  // The logical picture as a PNG at the canvas scale.
  bool WritePng(const std::string& path);

 private:
  void Render(const Op& op);
  // A filled box in a solid line: its pixels depend on nothing under it, for
  // its outer edge is crisp on whole pixels (so a box drawn again over itself
  // gives the same pixels as one); the fill's edge is soft over the border.
  void SolidBox(const LineOp& l);
  // Draws a disc of device radius r centred on device (x, y) from its mask;
  // false where the disc is too large or reaches the picture's edge.
  bool StampDisc(double x, double y, double r, int colour);
  void Clear();
  void SetColour(int index);
  double EraseMargin(int colour) const;
  void MarkDirty(double x0, double y0, double x1, double y1);
  // The Cairo face of an installed family in the font's weight and slant.
  cairo_font_face_t* Face(const char* family, const FontSpec& font);

  int width_, height_;
  double scale_ = 1, offsetX_ = 0, offsetY_ = 0;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  Picture picture_;
  DirtyArea dirty_;
  std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> faces_;
  struct DiscMasks {
    double radius;
    int half;                                  // the mask reaches half pixels either side of its centre pixel
    std::vector<std::vector<std::uint8_t>> a;  // coverage, (2 half + 1)^2, per offset
  };
  std::vector<DiscMasks> discs_;  // at the current scale
  bool replaying_ = false;        // drawing onto another context
};

}  // namespace mebuki
