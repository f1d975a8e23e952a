#include "platform/picture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "platform/glyph_cell.h"
#include "platform/text.h"

namespace mebuki {

namespace {

// A white filled box over the whole picture wipes it: nothing before it shows.
bool WipesPicture(const Op& op) {
  if (std::holds_alternative<ClsOp>(op)) return true;
  const auto* l = std::get_if<LineOp>(&op);
  return l && l->mode == kLineFilledBox && l->colour == 15 && l->fill == 15 && std::min(l->x1, l->x2) <= 0 &&
         std::min(l->y1, l->y2) <= 0 && std::max(l->x1, l->x2) >= kLogicalWidth &&
         std::max(l->y1, l->y2) >= kLogicalHeight;
}

using Bounds = LogicalBounds;

// The gothic face draws each glyph inside its em square, and a half-width one
// inside the half em of its advance; around that, a little room for the
// anti-aliased edge, and for the slant of a sloped glyph. The serif face's
// italics reach well beyond their advance: their whole cells, and half a cell
// around them.
Bounds SymbolBounds(const SymbolOp& s) {
  if (InstalledFamily(s.font.face) != std::string_view("BIZ UDGothic")) {
    float width = 0;
    for (const std::string& ch : Characters(s.text)) width += (ByteLength(ch) == 1 ? 0.5f : 1.0f) * s.font.size * s.h;
    const float m = s.font.size * s.v / 2;
    return {s.x - m, s.y - m, s.x + width + m, s.y + s.font.size * s.v + m};
  }
  Bounds b{s.x, s.y, s.x, s.y};
  const bool halfFace = s.font.face == "MT Extra";
  bool any = false;
  for (const PlacedGlyph& glyph : PlaceSymbol(s)) {
    const GlyphPlace& g = glyph.place;
    const bool half = halfFace || ByteLength(glyph.text) == 1;
    const double m = 0.08 * g.emY + 1;
    const double slant = s.font.italic ? 0.25 * g.emY : 0;
    const Bounds ink{static_cast<float>(g.x - m - slant), static_cast<float>(g.baseline - 0.88 * g.emY - m),
                     static_cast<float>(g.x + g.emX * (half ? 0.5 : 1) + m + slant),
                     static_cast<float>(g.baseline + 0.12 * g.emY + m)};
    b = any ? Bounds{std::min(b.x0, ink.x0), std::min(b.y0, ink.y0), std::max(b.x1, ink.x1), std::max(b.y1, ink.y1)}
            : ink;
    any = true;
  }
  return b;
}

Bounds Around(float xa, float ya, float xb, float yb, float margin) {
  return {std::min(xa, xb) - margin, std::min(ya, yb) - margin, std::max(xa, xb) + margin, std::max(ya, yb) + margin};
}

// Everything an operation can touch, in logical units (with room for the soft
// edges of anti-aliasing and the italic overhang of glyphs).
Bounds OpBounds(const Op& op) {
  if (const auto* l = std::get_if<LineOp>(&op)) return Around(l->x1, l->y1, l->x2, l->y2, l->pen / 2 + 2);
  if (const auto* c = std::get_if<CircleOp>(&op)) {
    const float r = std::abs(c->r) + c->pen / 2 + 2;
    return {c->x - r, c->y - r, c->x + r, c->y + r};
  }
  if (const auto* p = std::get_if<ConnectOp>(&op)) {
    Bounds b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const auto& pt : p->points) b = {std::min(b.x0, pt.x), std::min(b.y0, pt.y), std::max(b.x1, pt.x), std::max(b.y1, pt.y)};
    const float m = p->pen / 2 + 2;
    return {b.x0 - m, b.y0 - m, b.x1 + m, b.y1 + m};
  }
  if (const auto* s = std::get_if<SymbolOp>(&op)) return SymbolBounds(*s);
  return {-1e9f, -1e9f, 1e9f, 1e9f};
}

// The area a filled box is sure to cover: its inside and half its pen around it.
std::optional<Bounds> Covered(const Op& op) {
  const auto* l = std::get_if<LineOp>(&op);
  if (!l || l->mode != kLineFilledBox) return std::nullopt;
  return Around(l->x1, l->y1, l->x2, l->y2, l->pen / 2);
}

// Two shapes drawn over exactly the same pixels: the later hides the earlier
// whatever their colours (the entry cursor blinks this way).
bool SameShape(const Op& a, const Op& b) {
  if (a.index() != b.index()) return false;
  if (const auto* x = std::get_if<LineOp>(&a)) {
    const auto& y = std::get<LineOp>(b);
    return x->x1 == y.x1 && x->y1 == y.y1 && x->x2 == y.x2 && x->y2 == y.y2 && x->mode == y.mode &&
           x->style == y.style && x->pen == y.pen && (x->mode != kLineBox || x->style == kSolid);
  }
  if (const auto* x = std::get_if<CircleOp>(&a)) {
    const auto& y = std::get<CircleOp>(b);
    return x->x == y.x && x->y == y.y && x->r == y.r && x->pen == y.pen;
  }
  return false;
}

// A filled box under a filled box of the same rectangle and pen (a table cell
// written again): the canvas gives a solid box a crisp outer edge, so the
// later box sets every pixel the earlier one touched, whatever lay under it.
// A white border is drawn a little wider, to erase.
bool SameFilledBoxUnder(const Op& earlier, const LineOp& box) {
  const auto* e = std::get_if<LineOp>(&earlier);
  return e && e->mode == kLineFilledBox && e->style == kSolid && box.style == kSolid && e->x1 == box.x1 &&
         e->y1 == box.y1 && e->x2 == box.x2 && e->y2 == box.y2 && e->pen == box.pen &&
         (e->colour == 15) == (box.colour == 15);
}

}  // namespace

LogicalBounds InkBounds(const Op& op) { return OpBounds(op); }

void Picture::Keep(const Op& op) {
  if (std::holds_alternative<WaitOp>(op) || std::holds_alternative<KeyOp>(op) || std::holds_alternative<ClickOp>(op)) {
    return;
  }
  // The picture keeps only what can still be seen, so that a lesson left
  // waiting for hours, or a class pressing keys at a menu, costs no memory.
  if (WipesPicture(op)) {
    ops_.clear();
    bounds_.clear();
    serials_.clear();
    live_.clear();
    for (auto& cell : grid_) cell.clear();
    hidden_ = drawn_ = handedOver_ = 0;
    wiped_ = true;
    forgotten_.clear();
  } else if (auto cover = Covered(op)) {
    // Only the bounds are read for most operations: a box of the same shape
    // has the same bounds as this one.
    const Bounds own = OpBounds(op);
    const auto& box = std::get<LineOp>(op);
    auto sameBounds = [&own](const Bounds& b) {
      return b.x0 == own.x0 && b.y0 == own.y0 && b.x1 == own.x1 && b.y1 == own.y1;
    };
    // What the box hides begins inside its own bounds.
    const size_t c0 = GridColumn(own.x0), c1 = GridColumn(own.x1), r0 = GridRow(own.y0), r1 = GridRow(own.y1);
    for (size_t row = r0; row <= r1; ++row) {
      for (size_t column = c0; column <= c1; ++column) {
        for (const size_t i : grid_[row * kGridColumns + column]) {
          if (live_[i] &&
              (bounds_[i].Inside(*cover) || (sameBounds(bounds_[i]) && SameFilledBoxUnder(ops_[i], box)))) {
            Hide(i);
          }
        }
      }
    }
  } else if (!ops_.empty() && SameShape(ops_.back(), op)) {
    Hide(ops_.size() - 1);
  }
  // The last entry is always live, so the shape under a new one is at the back.
  while (!live_.empty() && !live_.back()) {
    grid_[GridCell(bounds_.back())].pop_back();  // its index is the cell's last
    ops_.pop_back();
    bounds_.pop_back();
    serials_.pop_back();
    live_.pop_back();
    --hidden_;
  }
  drawn_ = std::min(drawn_, ops_.size());
  handedOver_ = std::min(handedOver_, ops_.size());
  ops_.push_back(op);
  bounds_.push_back(OpBounds(op));
  serials_.push_back(nextSerial_++);
  live_.push_back(1);
  grid_[GridCell(bounds_.back())].push_back(ops_.size() - 1);
  Compact();
}

void Picture::Hide(size_t i) {
  live_[i] = 0;
  ++hidden_;
  if (i < handedOver_) forgotten_.push_back(serials_[i]);
}

void Picture::Compact() {
  if (hidden_ < 64 || hidden_ < ops_.size() / 2) return;
  size_t kept = 0, keptDrawn = 0, keptHandedOver = 0;
  for (auto& cell : grid_) cell.clear();
  for (size_t i = 0; i < ops_.size(); ++i) {
    if (!live_[i]) continue;
    if (kept != i) {
      ops_[kept] = std::move(ops_[i]);
      bounds_[kept] = bounds_[i];
      serials_[kept] = serials_[i];
      live_[kept] = 1;
    }
    grid_[GridCell(bounds_[kept])].push_back(kept);
    if (i < drawn_) ++keptDrawn;
    if (i < handedOver_) ++keptHandedOver;
    ++kept;
  }
  ops_.resize(kept);
  bounds_.resize(kept);
  serials_.resize(kept);
  live_.resize(kept);
  hidden_ = 0;
  drawn_ = keptDrawn;
  handedOver_ = keptHandedOver;
}

// Off the picture (and not a number) counts as its nearest edge.
size_t Picture::GridColumn(float x) {
  if (!(x > 0)) return 0;
  return x >= kLogicalWidth ? kGridColumns - 1 : static_cast<size_t>(x / kGridCell);
}

size_t Picture::GridRow(float y) {
  if (!(y > 0)) return 0;
  return y >= kLogicalHeight ? kGridRows - 1 : static_cast<size_t>(y / kGridCell);
}

size_t Picture::GridCell(const LogicalBounds& b) { return GridRow(b.y0) * kGridColumns + GridColumn(b.x0); }

}  // namespace mebuki
