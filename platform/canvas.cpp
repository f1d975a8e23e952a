#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/cairo_path.h"
#include "platform/glyph_cell.h"
#include "platform/palette.h"
#include "platform/text.h"

namespace mebuki {

namespace {

DeviceRect Union(const DeviceRect& a, const DeviceRect& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool Near(const DeviceRect& a, const DeviceRect& b, int gap) {
  return a.x0 < b.x1 + gap && b.x0 < a.x1 + gap && a.y0 < b.y1 + gap && b.y0 < a.y1 + gap;
}

}  // namespace

void DirtyArea::Add(const DeviceRect& added) {
  if (added.Empty()) return;
  // Joined with every rectangle it meets or nearly meets, again and again, so
  // that the rectangles never overlap.
  DeviceRect r = added;
  for (bool joined = true; joined;) {
    joined = false;
    for (size_t i = 0; i < rects_.size(); ++i) {
      if (!Near(rects_[i], r, kJoin)) continue;
      r = Union(rects_[i], r);
      rects_[i] = rects_.back();
      rects_.pop_back();
      joined = true;
      break;
    }
  }
  rects_.push_back(r);
  if (rects_.size() <= kMaxRects) return;
  // Too many: the two whose joining adds the least area become one.
  size_t bestA = 0, bestB = 1;
  long bestCost = -1;
  for (size_t a = 0; a < rects_.size(); ++a) {
    for (size_t b = a + 1; b < rects_.size(); ++b) {
      const long cost = Union(rects_[a], rects_[b]).Area() - rects_[a].Area() - rects_[b].Area();
      if (bestCost < 0 || cost < bestCost) bestA = a, bestB = b, bestCost = cost;
    }
  }
  const DeviceRect both = Union(rects_[bestA], rects_[bestB]);
  rects_.erase(rects_.begin() + static_cast<long>(bestB));
  rects_.erase(rects_.begin() + static_cast<long>(bestA));
  Add(both);
}

std::vector<DeviceRect> DirtyArea::Clipped(int width, int height) const {
  std::vector<DeviceRect> out;
  for (DeviceRect d : rects_) {
    d.x0 = std::clamp(d.x0, 0, width);
    d.x1 = std::clamp(d.x1, 0, width);
    d.y0 = std::clamp(d.y0, 0, height);
    d.y1 = std::clamp(d.y1, 0, height);
    if (!d.Empty()) out.push_back(d);
  }
  return out;
}

DeviceRect DirtyArea::Bounds() const {
  DeviceRect b;
  for (const DeviceRect& d : rects_) b = b.Empty() ? d : Union(b, d);
  return b;
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) { Resize(width, height); }

Canvas::~Canvas() {
  for (auto& [key, face] : faces_) cairo_font_face_destroy(face);
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

void Canvas::Resize(int width, int height) {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  cr_ = cairo_create(surface_);
  scale_ = std::min(static_cast<double>(width_) / kLogicalWidth, static_cast<double>(height_) / kLogicalHeight);
  offsetX_ = (width_ - kLogicalWidth * scale_) / 2;
  offsetY_ = (height_ - kLogicalHeight * scale_) / 2;
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  discs_.clear();
  Clear();
  picture_.ForEach([this](const Op& op) { Render(op); });
  picture_.MarkAllDrawn();
  dirty_.Clear();
  dirty_.Add({0, 0, width_, height_});
}

void Canvas::Clear() {
  cairo_identity_matrix(cr_);
  cairo_reset_clip(cr_);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_paint(cr_);
  // Everything later is drawn in logical units, clipped to the picture.
  cairo_translate(cr_, offsetX_, offsetY_);
  cairo_scale(cr_, scale_, scale_);
  cairo_rectangle(cr_, 0, 0, kLogicalWidth, kLogicalHeight);
  cairo_clip(cr_);
}

void Canvas::Draw(const Op& op) { picture_.Keep(op); }

void Canvas::Flush() {
  picture_.DrawNew([this](const Op& op) { Render(op); });
}

void Canvas::ReplayOnto(cairo_t* target, double scale) {
  const DirtyArea dirty = dirty_;
  cairo_t* own = cr_;
  const double ownScale = scale_;
  cr_ = target;
  scale_ = scale;
  replaying_ = true;
  cairo_save(target);
  cairo_rectangle(target, 0, 0, kLogicalWidth, kLogicalHeight);
  cairo_clip(target);
  cairo_set_line_cap(target, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(target, CAIRO_LINE_JOIN_ROUND);
  picture_.ForEach([this](const Op& op) {
    if (!std::holds_alternative<ClsOp>(op)) Render(op);
  });
  cairo_restore(target);
  cr_ = own;
  scale_ = ownScale;
  replaying_ = false;
  dirty_ = dirty;
}

std::vector<DeviceRect> Canvas::TakeDirty() {
  Flush();
  std::vector<DeviceRect> d = dirty_.Clipped(width_, height_);
  dirty_.Clear();
  return d;
}

bool Canvas::WritePng(const std::string& path) {
  Flush();
  const int w = static_cast<int>(std::lround(kLogicalWidth * scale_));
  const int h = static_cast<int>(std::lround(kLogicalHeight * scale_));
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_surface(cr, surface_, -offsetX_, -offsetY_);
  cairo_paint(cr);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(out, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(out);
  return ok;
}

// White is the page: a white stroke erases, so it also covers the soft
// anti-aliased edge of the stroke it is drawn over.
double Canvas::EraseMargin(int colour) const { return colour == 15 ? 2.0 / scale_ : 0.0; }

void Canvas::SetColour(int index) {
  Rgb c = PaletteColour(index);
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Canvas::MarkDirty(double x0, double y0, double x1, double y1) {
  auto dx = [&](double x) { return offsetX_ + x * scale_; };
  auto dy = [&](double y) { return offsetY_ + y * scale_; };
  DeviceRect r{static_cast<int>(std::floor(dx(std::min(x0, x1)))) - 2,
               static_cast<int>(std::floor(dy(std::min(y0, y1)))) - 2,
               static_cast<int>(std::ceil(dx(std::max(x0, x1)))) + 2,
               static_cast<int>(std::ceil(dy(std::max(y0, y1)))) + 2};
  dirty_.Add(r);
}

bool Canvas::StampDisc(double x, double y, double r, int colour) {
  if (!(r > 0 && r <= kSpriteMaxRadius)) return false;
  const long qx = std::lround(x * kSpriteSteps), qy = std::lround(y * kSpriteSteps);
  const long cx = qx >= 0 ? qx / kSpriteSteps : -((-qx + kSpriteSteps - 1) / kSpriteSteps);
  const long cy = qy >= 0 ? qy / kSpriteSteps : -((-qy + kSpriteSteps - 1) / kSpriteSteps);
  const int fx = static_cast<int>(qx - cx * kSpriteSteps), fy = static_cast<int>(qy - cy * kSpriteSteps);
  const int half = static_cast<int>(std::ceil(r)) + 1;
  const int side = 2 * half + 1;
  // Only where the whole mask lies inside the picture's clip, which may cut a
  // pixel partly; at the edge the disc is drawn as a path.
  const long x0 = cx - half, y0 = cy - half;
  if (x0 < std::ceil(offsetX_) || y0 < std::ceil(offsetY_) ||
      x0 + side > std::floor(offsetX_ + kLogicalWidth * scale_) ||
      y0 + side > std::floor(offsetY_ + kLogicalHeight * scale_)) {
    return false;
  }

  auto found = std::find_if(discs_.begin(), discs_.end(), [r](const DiscMasks& d) { return d.radius == r; });
  if (found == discs_.end()) {
    DiscMasks masks{r, half, {}};
    for (int i = 0; i < kSpriteSteps * kSpriteSteps; ++i) {
      // Drawn by Cairo itself, as the path would be, at the same offset
      // within the pixel.
      cairo_surface_t* a8 = cairo_image_surface_create(CAIRO_FORMAT_A8, side, side);
      cairo_t* cr = cairo_create(a8);
      cairo_arc(cr, half + static_cast<double>(i % kSpriteSteps) / kSpriteSteps,
                half + static_cast<double>(i / kSpriteSteps) / kSpriteSteps, r, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_destroy(cr);
      cairo_surface_flush(a8);
      const unsigned char* data = cairo_image_surface_get_data(a8);
      const int stride = cairo_image_surface_get_stride(a8);
      std::vector<std::uint8_t> cover(static_cast<size_t>(side) * side);
      for (int row = 0; row < side; ++row) std::copy_n(data + row * stride, side, cover.begin() + row * side);
      cairo_surface_destroy(a8);
      masks.a.push_back(std::move(cover));
    }
    discs_.push_back(std::move(masks));
    found = discs_.end() - 1;
  }
  const std::vector<std::uint8_t>& cover = found->a[static_cast<size_t>(fy * kSpriteSteps + fx)];

  // Over the pixels: the colour where the disc covers a pixel wholly, blended
  // by its coverage at the soft edge.
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const Rgb c = PaletteColour(colour);
  const std::uint32_t solid = (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
  auto blend = [](std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    return (s * a + d * (255 - a) + 127) / 255;
  };
  for (int row = 0; row < side; ++row) {
    auto* px = reinterpret_cast<std::uint32_t*>(data + (y0 + row) * stride) + x0;
    const std::uint8_t* a = cover.data() + row * side;
    for (int col = 0; col < side; ++col) {
      const std::uint32_t cov = a[col];
      if (cov == 0) continue;
      if (cov == 255) {
        px[col] = solid;
        continue;
      }
      const std::uint32_t d = px[col];
      px[col] = (blend(c.r, (d >> 16) & 0xff, cov) << 16) | (blend(c.g, (d >> 8) & 0xff, cov) << 8) |
                blend(c.b, d & 0xff, cov);
    }
  }
  cairo_surface_mark_dirty_rectangle(surface_, static_cast<int>(x0), static_cast<int>(y0), side, side);
  return true;
}

void Canvas::SolidBox(const LineOp& l) {
  // In device pixels. The border's outer edge, out to the nearest pixel edge
  // (a half pixel outwards), with its round corners.
  const double half = (std::max(l.pen, 0.0f) + EraseMargin(l.colour)) / 2 * scale_;
  const double x0 = offsetX_ + std::min(l.x1, l.x2) * scale_, x1 = offsetX_ + std::max(l.x1, l.x2) * scale_;
  const double y0 = offsetY_ + std::min(l.y1, l.y2) * scale_, y1 = offsetY_ + std::max(l.y1, l.y2) * scale_;
  const double ox0 = std::ceil(x0 - half - 0.5), ox1 = std::floor(x1 + half + 0.5);
  const double oy0 = std::ceil(y0 - half - 0.5), oy1 = std::floor(y1 + half + 0.5);
  if (ox1 <= ox0 || oy1 <= oy0) return;
  cairo_t* cr = cr_;
  cairo_save(cr);
  cairo_identity_matrix(cr);
  if (std::min({half, (ox1 - ox0) / 2, (oy1 - oy0) / 2}) >= 1) {
    RoundedRectangle(cr, ox0, oy0, ox1, oy1, half);
  } else {
    cairo_rectangle(cr, ox0, oy0, ox1 - ox0, oy1 - oy0);
  }
  // The fill inside the border, its edge soft over the border's colour: the
  // border is left out only where the fill covers whole pixels, so that each
  // pixel is painted about once.
  const double ix0 = std::max(x0 + half, ox0), ix1 = std::min(x1 - half, ox1);
  const double iy0 = std::max(y0 + half, oy0), iy1 = std::min(y1 - half, oy1);
  const bool inner = ix1 > ix0 && iy1 > iy0 && l.fill != l.colour;
  const double hx0 = std::ceil(ix0), hx1 = std::floor(ix1), hy0 = std::ceil(iy0), hy1 = std::floor(iy1);
  if (inner && hx1 > hx0 && hy1 > hy0) {
    cairo_rectangle(cr, hx0, hy0, hx1 - hx0, hy1 - hy0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(l.colour);
  cairo_fill(cr);
  if (inner) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    cairo_rectangle(cr, ix0, iy0, ix1 - ix0, iy1 - iy0);
    SetColour(l.fill);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

cairo_font_face_t* Canvas::Face(const char* family, const FontSpec& font) {
  auto key = std::make_tuple(std::string(family), font.bold, font.italic);
  auto it = faces_.find(key);
  if (it != faces_.end()) return it->second;
  cairo_font_face_t* face = cairo_toy_font_face_create(family, font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                                       font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  return faces_.emplace(key, face).first->second;
}

void Canvas::Render(const Op& op) {
  cairo_t* cr = cr_;
  if (std::holds_alternative<ClsOp>(op)) {
    Clear();
    dirty_.Clear();
    dirty_.Add({0, 0, width_, height_});
    return;
  }
  if (const auto* l = std::get_if<LineOp>(&op)) {
    if (l->mode == kLineFilledBox && l->style == kSolid && !replaying_) {
      SolidBox(*l);
      MarkDirty(l->x1 - l->pen, l->y1 - l->pen, l->x2 + l->pen, l->y2 + l->pen);
      MarkDirty(l->x2 - l->pen, l->y2 - l->pen, l->x1 + l->pen, l->y1 + l->pen);
      return;
    }
    cairo_set_line_width(cr, l->pen + EraseMargin(l->colour));
    if (l->style == kDashed) {
      const double dash[] = {6, 6};
      cairo_set_dash(cr, dash, 2, 0);
    }
    if (l->mode == kLineSegment) {
      cairo_move_to(cr, l->x1, l->y1);
      cairo_line_to(cr, l->x2, l->y2);
    } else {
      cairo_rectangle(cr, l->x1, l->y1, l->x2 - l->x1, l->y2 - l->y1);
      if (l->mode == kLineFilledBox) {
        SetColour(l->fill);
        cairo_fill_preserve(cr);
      }
    }
    SetColour(l->colour);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    MarkDirty(l->x1 - l->pen, l->y1 - l->pen, l->x2 + l->pen, l->y2 + l->pen);
    MarkDirty(l->x2 - l->pen, l->y2 - l->pen, l->x1 + l->pen, l->y1 + l->pen);
    return;
  }
  if (const auto* c = std::get_if<CircleOp>(&op)) {
    // A filled disc outlined with the pen in its own colour: one disc, half
    // the pen wider.
    const double radius = std::max(c->r, 0.0f) + (c->pen + EraseMargin(c->colour)) / 2;
    if (replaying_ || !StampDisc(offsetX_ + c->x * scale_, offsetY_ + c->y * scale_, radius * scale_, c->colour)) {
      cairo_arc(cr, c->x, c->y, radius, 0, 2 * M_PI);
      SetColour(c->colour);
      cairo_fill(cr);
    }
    const float e = std::abs(c->r) + c->pen;
    MarkDirty(c->x - e, c->y - e, c->x + e, c->y + e);
    return;
  }
  if (const auto* p = std::get_if<ConnectOp>(&op)) {
    if (p->points.empty()) return;
    float x0 = p->points[0].x, x1 = x0, y0 = p->points[0].y, y1 = y0;
    cairo_move_to(cr, p->points[0].x, p->points[0].y);
    for (size_t i = 1; i < p->points.size(); ++i) {
      cairo_line_to(cr, p->points[i].x, p->points[i].y);
      x0 = std::min(x0, p->points[i].x), x1 = std::max(x1, p->points[i].x);
      y0 = std::min(y0, p->points[i].y), y1 = std::max(y1, p->points[i].y);
    }
    if (p->fill) {
      cairo_close_path(cr);
      SetColour(*p->fill);
      cairo_fill_preserve(cr);
    }
    SetColour(p->colour);
    cairo_set_line_width(cr, p->pen);
    cairo_stroke(cr);
    MarkDirty(x0 - p->pen, y0 - p->pen, x1 + p->pen, y1 + p->pen);
    return;
  }
  if (const auto* s = std::get_if<SymbolOp>(&op)) {
    SetColour(s->colour);
    for (const PlacedGlyph& glyph : PlaceSymbol(*s)) {
      cairo_set_font_face(cr, Face(glyph.family, s->font));
      cairo_matrix_t m;
      cairo_matrix_init_scale(&m, glyph.place.emX, glyph.place.emY);
      cairo_set_font_matrix(cr, &m);
      cairo_move_to(cr, glyph.place.x, glyph.place.baseline);
      cairo_show_text(cr, glyph.text.c_str());
      cairo_new_path(cr);
    }
    // Glyphs stay inside their cells; the cells run from x at the font's size.
    double width = 0;
    for (const std::string& ch : Characters(s->text)) {
      width += (ByteLength(ch) == 1 || s->font.face == "MT Extra" ? 0.5 : 1.0) * s->font.size * s->h;
    }
    MarkDirty(s->x, s->y, s->x + width, s->y + s->font.size * s->v);
    return;
  }
}

}  // namespace mebuki
