// Glyph ink against the borders and texts around it, on pages rendered at
// 1440 x 900: the rows (or columns) of clear pixels between a text's ink and
// the nearest table border or neighbouring text. A text laid out in a cell of
// its own height must not touch the cell's borders.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/picture.h"
#include "platform/text.h"
#include "shell/walk.h"
#include "tests/program_support.h"
#include "unit1/unit1.h"
#include "unit2/unit2.h"

namespace mebuki {
namespace {

using testing::Engine;

// Which pixels an operation list inks, drawn alone on a white page.
class Mask {
 public:
  explicit Mask(const std::vector<Op>& ops) : canvas_(kLogicalWidth, kLogicalHeight) {
    for (const Op& op : ops) canvas_.Draw(op);
    canvas_.Flush();
    cairo_surface_flush(canvas_.Surface());
  }
  bool Ink(int x, int y) const {
    if (x < 0 || y < 0 || x >= kLogicalWidth || y >= kLogicalHeight) return false;
    cairo_surface_t* surface = canvas_.Surface();
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    const unsigned char* px = row + 4 * x;
    // Faint anti-aliasing is not yet ink that the eye joins to a border.
    return std::min({px[0], px[1], px[2]}) < 200;
  }

 private:
  mutable Canvas canvas_;
};

// The page as it stands at the end of the run: everything since the last wipe.
std::vector<Op> FinalPage(const Engine& e) {
  size_t from = 0;
  for (size_t i = 0; i < e.host.ops.size(); ++i) {
    if (const auto* l = std::get_if<LineOp>(&e.host.ops[i])) {
      if (l->mode == kLineFilledBox && l->fill == 15 && l->x1 <= 0 && l->y1 <= 0 && l->x2 >= kLogicalWidth &&
          l->y2 >= kLogicalHeight) {
        from = i;
      }
    }
  }
  return {e.host.ops.begin() + static_cast<std::ptrdiff_t>(from), e.host.ops.end()};
}

// The symbols that draw text (blanks draw nothing): its first run on the page.
std::vector<Op> TextOps(const std::vector<Op>& page, const std::string& text) {
  std::vector<std::string> want;
  for (const std::string& ch : Characters(text)) {
    if (ch != " ") want.push_back(ch);
  }
  std::vector<const SymbolOp*> shown;
  for (const Op& op : page) {
    const auto* s = std::get_if<SymbolOp>(&op);
    if (s && s->y < kLogicalHeight) shown.push_back(s);
  }
  for (size_t i = 0; i + want.size() <= shown.size(); ++i) {
    bool match = true;
    for (size_t k = 0; k < want.size() && match; ++k) match = shown[i + k]->text == want[k];
    if (!match) continue;
    std::vector<Op> ops;
    for (size_t k = 0; k < want.size(); ++k) ops.emplace_back(*shown[i + k]);
    return ops;
  }
  return {};
}

// The outlines of every box and line on the page, whatever their colours (a
// white border between cream cells is a border too); a white box on white is
// an eraser and shows no edge.
std::vector<Op> BorderOps(const std::vector<Op>& page) {
  std::vector<Op> ops;
  for (const Op& op : page) {
    const auto* l = std::get_if<LineOp>(&op);
    if (!l || (l->colour == 15 && l->fill == 15)) continue;
    LineOp outline = *l;
    outline.colour = 0;
    if (outline.mode == kLineFilledBox) outline.mode = kLineBox;
    ops.emplace_back(outline);
  }
  return ops;
}

struct Area {
  int x0, y0, x1, y1;  // half-open, in pixels
};

// The character cells of a text's symbols.
Area Cells(const std::vector<Op>& text) {
  Area a{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const Op& op : text) {
    const auto& s = std::get<SymbolOp>(op);
    const float w = (ByteLength(s.text) == 1 ? 0.5f : 1.0f) * s.font.size * s.h;
    a.x0 = std::min(a.x0, static_cast<int>(s.x));
    a.y0 = std::min(a.y0, static_cast<int>(s.y));
    a.x1 = std::max(a.x1, static_cast<int>(s.x + w));
    a.y1 = std::max(a.y1, static_cast<int>(s.y + s.font.size * s.v));
  }
  return a;
}

enum Side { kBelow, kAbove, kNear };  // kNear: any direction, for two texts

// Clear pixels between the text's ink and the nearest border on one side of
// it, the fewest over the columns where both have ink; negative where the
// border reaches into the text's ink. Lines through the middle of the text
// (the side borders of its cell) are not on either side and are skipped.
int BorderGap(const Mask& text, const Mask& border, Area cells, Side side) {
  const int lo = cells.y0 - 10, hi = cells.y1 + 10, mid = (lo + hi) / 2, reach = 80;
  int fewest = INT_MAX;
  for (int x = cells.x0; x < cells.x1; ++x) {
    if (border.Ink(x, mid)) continue;
    if (side == kAbove) {
      int top = lo, near = mid;
      while (top < hi && !text.Ink(x, top)) ++top;
      while (near > mid - reach && !border.Ink(x, near)) --near;
      if (top < hi && border.Ink(x, near)) fewest = std::min(fewest, top - near - 1);
    } else {
      int bottom = hi, near = mid;
      while (bottom > lo && !text.Ink(x, bottom)) --bottom;
      while (near < mid + reach && !border.Ink(x, near)) ++near;
      if (bottom > lo && border.Ink(x, near)) fewest = std::min(fewest, near - bottom - 1);
    }
  }
  return fewest;
}

// Clear pixels between two texts in any direction: the Chebyshev distance from
// the text's ink to the other's nearest ink, less one; 0 where they touch.
int TextGap(const Mask& text, const Mask& other, Area cells) {
  constexpr int kReach = 20;
  int fewest = INT_MAX;
  for (int y = cells.y0 - 10; y < cells.y1 + 10; ++y) {
    for (int x = cells.x0 - 10; x < cells.x1 + 10; ++x) {
      if (!text.Ink(x, y)) continue;
      for (int d = 0; d <= kReach && d - 1 < fewest; ++d) {
        bool hit = false;
        for (int t = -d; t <= d && !hit; ++t) {
          hit = other.Ink(x + t, y - d) || other.Ink(x + t, y + d) || other.Ink(x - d, y + t) || other.Ink(x + d, y + t);
        }
        if (hit) {
          fewest = std::min(fewest, d - 1);
          break;
        }
      }
    }
  }
  return fewest;
}

struct Case {
  int program;
  const char* keys;
  const char* text;
  Side side;
  const char* other;  // a neighbouring text, or nullptr for the nearest border
  int least;          // clear pixels at least
};

// Menu number, Enter, (a key for a goal page,) page number, Enter, and keys for
// every pause; keys left over are ignored by the sub-menu's number entry.
const Case kCases[] = {
    // Plain texts (30 high) in cells of their own height, some 2 below the
    // cell's top and under a border 5 wide: little room is left.
    {2, "5\r2\r" "xxxxxxxxxxxxxxxxxxxx", "R中学校", kBelow, nullptr, 1},
    {2, "5\r2\r" "xxxxxxxxxxxxxxxxxxxx", "S中学校", kBelow, nullptr, 1},
    {2, "5\r2\r" "xxxxxxxxxxxxxxxxxxxx", "(人)", kBelow, nullptr, 1},
    {2, "4\rx1\r" "xxxxxxxxxxxxxxxxxxxx", "割合", kBelow, nullptr, 1},
    {2, "6\r2\r" "xxxxxxxxxxxxxxxxxxxx", "度数(回)", kBelow, nullptr, 0},
    {2, "6\r2\r" "xxxxxxxxxxxxxxxxxxxx", "A選手", kBelow, nullptr, 1},
    {2, "6\r2\r" "xxxxxxxxxxxxxxxxxxxx", "B選手", kBelow, nullptr, 1},
    // Markup texts (48 high) in cells 50 high.
    {2, "5\r3\r" "xxxxxxxxxxxxxxxxxxxx", "表", kBelow, nullptr, 4},
    {2, "5\r3\r" "xxxxxxxxxxxxxxxxxxxx", "裏", kBelow, nullptr, 4},
    {2, "5\r3\r" "xxxxxxxxxxxxxxxxxxxx", "合計", kBelow, nullptr, 4},
    // Captions 30 above a table.
    {1, "3\rx4\r" "xxxxxxxxxxxxxxxxxxxx", "ゲームの得点", kBelow, nullptr, 3},
    {1, "4\rx1\r" "xxxxxxxxxxxxxxxxxxxx", "表2 (ｳ)の滞空時間", kBelow, nullptr, 2},
    {2, "4\rx3\r" "xxxxxxxxxxxxxxxxxxxx", "駅から博物館までの所要時間", kBelow, nullptr, 3},
    {2, "6\r2\r" "xxxxxxxxxxxxxxxxxxxx", "100m 自由形の記録", kBelow, nullptr, 3},
    // Texts beside and above other texts.
    {2, "1\r1\r" "xxxxxxxxxxxxxxxxxxxx", "万人", kNear, "遊園地Aの入場者数", 4},
    {1, "1\r2\r" "xxxxxxxxxxxxxxxxxxxx", "(ｱ)", kNear, "1cm", 4},
};

TEST(GlyphInk, KeepsClearOfBordersAndNeighbours) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text) + (c.other ? std::string(" / ") + c.other : std::string(" / border")));
    Engine e(c.keys, c.program, "10:00:00");
    testing::RunProgram(e, c.program == 1 ? unit1::Unit1() : unit2::Unit2());
    const std::vector<Op> page = FinalPage(e);
    const std::vector<Op> text = TextOps(page, c.text);
    ASSERT_FALSE(text.empty());
    const std::vector<Op> other = c.other ? TextOps(page, c.other) : BorderOps(page);
    ASSERT_FALSE(other.empty());
    const Mask textInk(text), otherInk(other);
    const int gap = c.other ? TextGap(textInk, otherInk, Cells(text)) : BorderGap(textInk, otherInk, Cells(text), c.side);
    ASSERT_NE(gap, INT_MAX) << "nothing beside the text";
    EXPECT_GE(gap, c.least);
    std::printf("%-28s %3d\n", c.text, gap);
  }
}

// The picture forgets a text once a box is drawn over all it can touch: every
// text the walks of both programs draw keeps its ink inside those bounds.
TEST(GlyphInk, StaysInsideTheBoundsThePictureGivesIt) {
  std::map<std::string, SymbolOp> texts;  // one of each text in each face, size and magnification
  for (int program : {1, 2}) {
    Engine e("", program, "10:00:00");
    WalkHost walk(e.host, e.s);
    e.s.host = &walk;
    testing::RunProgram(e, program == 1 ? unit1::Unit1() : unit2::Unit2());
    for (const SymbolOp& sym : e.Symbols()) {
      const std::string key = ToJson(SymbolOp{0, 0, sym.text, sym.h, sym.v, 0, sym.font});
      texts.emplace(key, sym);
    }
  }
  ASSERT_GT(texts.size(), 500u);
  Canvas canvas(kLogicalWidth, kLogicalHeight);  // one pixel a unit: the softest edges, in units
  int checked = 0;
  for (const auto& [key, original] : texts) {
    SymbolOp sym = original;
    sym.x = 200.5f;  // where the whole text fits on the page, half a pixel in
    sym.y = 300.25f;
    const LogicalBounds b = InkBounds(sym);
    canvas.Draw(LineOp{0, 0, kLogicalWidth, kLogicalHeight, 15, kLineFilledBox, 15, kSolid, 1});
    canvas.Draw(sym);
    canvas.Flush();
    cairo_surface_t* surface = canvas.Surface();
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kLogicalHeight; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 0; x < kLogicalWidth; ++x) {
        if ((row[x] & 0xffffff) == 0xffffff) continue;
        ASSERT_TRUE(x >= std::floor(b.x0) && x + 1 <= std::ceil(b.x1) && y >= std::floor(b.y0) &&
                    y + 1 <= std::ceil(b.y1))
            << key << ": ink at " << x << "," << y << " outside " << b.x0 << "," << b.y0 << " - " << b.x1 << "," << b.y1;
      }
    }
    ++checked;
  }
  std::printf("%d texts checked\n", checked);
}

}  // namespace
}  // namespace mebuki
