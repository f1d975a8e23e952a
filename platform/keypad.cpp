#include "platform/keypad.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "platform/keys.h"
#include "platform/picture.h"

namespace mebuki {

namespace {

struct KeyFace {
  char key;
  std::string_view label;
};

// Labels in the full-width forms the entry echoes; each key sends the
// half-width character. "消去" clears the whole entry, as Backspace, Delete
// and Esc do; "決定" confirms it, as Enter does.
constexpr KeyFace kClearFace{keys::kClear, "消去"};
constexpr KeyFace kEnterFace{keys::kEnter, "決定"};

constexpr KeyFace FaceOf(char c) {
  switch (c) {
    case 'C': return kClearFace;
    case 'E': return kEnterFace;
    case '-': return {'-', "－"};
    case '0': return {'0', "０"};
    case '1': return {'1', "１"};
    case '2': return {'2', "２"};
    case '3': return {'3', "３"};
    case '4': return {'4', "４"};
    case '5': return {'5', "５"};
    case '6': return {'6', "６"};
    case '7': return {'7', "７"};
    case '8': return {'8', "８"};
    case '9': return {'9', "９"};
    case '.': return {'.', "．"};
    default: return {'/', "／"};
  }
}

// Arrangements of the fifteen buttons, row by row ('C' clear, 'E' Enter).
struct Shape {
  int columns, rows;
  std::string_view order;
};

constexpr std::array<Shape, 4> kShapes = {{
    {3, 5, "7894561230.-/CE"},   // as on a calculator
    {5, 3, "1234567890.-/CE"},   // wide and low
    {1, 15, "1234567890.-/CE"},  // a column in a narrow side margin
    {15, 1, "1234567890.-/CE"},  // a row in a low margin below
}};

// In units of a CSS pixel or point.
constexpr float kPadding = 8;
constexpr float kGap = 6;
constexpr float kLargest = 120;   // buttons grow no larger than this
constexpr float kSmallest = 56;   // a margin narrower than this per button is not used

// The corner of the picture the panel may cover, in picture units: right of
// the entry's start and below it, so the typed entry stays in sight.
constexpr float kOverlayLeft = 1048;
constexpr float kOverlayTop = 684;

struct Fit {
  const Shape* shape = nullptr;
  float buttonWidth = 0, buttonHeight = 0;
  float Side() const { return std::min(buttonWidth, buttonHeight); }
  float Width(float u) const { return 2 * kPadding * u + shape->columns * buttonWidth + (shape->columns - 1) * kGap * u; }
  float Height(float u) const { return 2 * kPadding * u + shape->rows * buttonHeight + (shape->rows - 1) * kGap * u; }
};

// The arrangement with the largest buttons that fits a region.
Fit BestFit(float width, float height, float u) {
  Fit best;
  for (const Shape& shape : kShapes) {
    Fit f{&shape, 0, 0};
    f.buttonWidth = std::floor(std::min((width - 2 * kPadding * u - (shape.columns - 1) * kGap * u) / shape.columns, kLargest * u));
    f.buttonHeight = std::floor(std::min((height - 2 * kPadding * u - (shape.rows - 1) * kGap * u) / shape.rows, kLargest * u));
    if (f.buttonWidth <= 0 || f.buttonHeight <= 0) continue;
    if (!best.shape || f.Side() > best.Side()) best = f;
  }
  return best;
}

// The keypad of a fit with its panel's top left at (x, y).
Keypad Place(const Fit& fit, float x, float y, float u, bool overlay) {
  Keypad pad;
  pad.overlay = overlay;
  pad.panel = {x, y, x + fit.Width(u), y + fit.Height(u)};
  for (size_t i = 0; i < fit.shape->order.size(); ++i) {
    const int column = static_cast<int>(i) % fit.shape->columns, row = static_cast<int>(i) / fit.shape->columns;
    const float bx = x + kPadding * u + column * (fit.buttonWidth + kGap * u);
    const float by = y + kPadding * u + row * (fit.buttonHeight + kGap * u);
    const KeyFace face = FaceOf(fit.shape->order[i]);
    pad.buttons.push_back({{bx, by, bx + fit.buttonWidth, by + fit.buttonHeight}, face.key, face.label,
                           face.key == keys::kEnter});
  }
  return pad;
}

}  // namespace

const KeypadButton* Keypad::ButtonAt(float x, float y) const {
  for (const KeypadButton& b : buttons) {
    if (b.rect.Contains(x, y)) return &b;
  }
  return nullptr;
}

KeypadRect PictureArea(int width, int height) {
  const double w = std::max(width, 1), h = std::max(height, 1);
  const double scale = std::min(w / kLogicalWidth, h / kLogicalHeight);
  const double x = (w - kLogicalWidth * scale) / 2, y = (h - kLogicalHeight * scale) / 2;
  return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + kLogicalWidth * scale),
          static_cast<float>(y + kLogicalHeight * scale)};
}

Keypad LayOutKeypad(int width, int height, float unit) {
  const float w = static_cast<float>(std::max(width, 1)), h = static_cast<float>(std::max(height, 1));
  const KeypadRect picture = PictureArea(width, height);
  // Whole pixels clear of the picture's (possibly blended) edge pixels.
  const float right = std::ceil(picture.x1), below = std::ceil(picture.y1);

  const Fit side = BestFit(w - right, h, unit);
  const Fit under = BestFit(w, h - below, unit);
  const bool sideFits = side.shape && side.Side() >= kSmallest * unit;
  const bool underFits = under.shape && under.Side() >= kSmallest * unit;
  if (sideFits && (!underFits || side.Side() >= under.Side())) {
    // Centred across the margin, at its foot, near the entry.
    return Place(side, std::floor(right + (w - right - side.Width(unit)) / 2), h - side.Height(unit), unit, false);
  }
  if (underFits) {
    // Under the picture's right end, centred down the margin.
    return Place(under, w - under.Width(unit), std::floor(below + (h - below - under.Height(unit)) / 2), unit, false);
  }

  // The picture's lower right corner and the window's edge beyond it.
  const float scale = (picture.x1 - picture.x0) / kLogicalWidth;
  const float left = std::floor(picture.x0 + kOverlayLeft * scale), top = std::floor(picture.y0 + kOverlayTop * scale);
  const Fit corner = BestFit(w - left, h - top, unit);
  if (!corner.shape) return Keypad{true, {w, h, w, h}, {}};
  return Place(corner, w - corner.Width(unit), h - corner.Height(unit), unit, true);
}

}  // namespace mebuki
